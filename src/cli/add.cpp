#include "cli/add.h"

#include "cli/adoptions.h"
#include "cli/pagerun.h"
#include "generator/adtype.h"
#include "generator/generation.h"
#include "pages/pagefile.h"

#include <QCoreApplication>

QString Add::summary() const
{
    return QCoreApplication::translate("Add", "Add the code block to pages, or replace theirs.");
}

QList<QCommandLineOption> Add::options() const
{
    return AdOptions::options() + PageRun::options();
}

int Add::execute(const QCommandLineParser &parser, Console &console) const
{
    const AdOptions::Design design = AdOptions::design(parser);
    if (!design.error.isEmpty())
        return badArguments(console, design.error);
    const PageRun::PageList list = PageRun::pagesOf(parser);
    if (!list.error.isEmpty())
        return badArguments(console, list.error);

    const PageRun::Mode mode = PageRun::modeOf(parser);
    const bool dryRun = mode != PageRun::Mode::Write;
    if (!dryRun) {
        if (const QString saveError = AdOptions::saveSettings(parser, design.settings);
            !saveError.isEmpty())
            return badArguments(console, saveError);
    }
    const QByteArray boxId(adTypeInfo(design.settings.type).boxId);
    return PageRun::run(list, mode, console, [&](const QString &page) {
        const LoadedPage loaded = loadPage(page);
        PageResult result = writeCodeIntoPage(loaded, design.code.body, design.code.head, dryRun);
        if (result.outcome == PageOutcome::Refused)
            return result;
        QStringList notes;
        // The box finds itself by its own mark, but the page's scripts and
        // styles may meet the box where they look for their own element.
        if (pageHasElementId(loaded, boxId)) {
            notes << QCoreApplication::translate(
                         "Add", "the page already uses the id \"%1\", as the box does")
                         .arg(QString::fromLatin1(boxId));
        }
        notes << sameTypeBoxNote(loaded, design.settings.type);
        notes.removeAll(QString());
        result.note = notes.join(QLatin1String("; "));
        return result;
    });
}
