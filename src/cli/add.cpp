#include "cli/add.h"

#include "cli/adoptions.h"
#include "cli/pagerun.h"

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
    return PageRun::run(list, mode, console, [&](const QString &page) {
        return addCodeToPage(page, design.code.body, design.code.head, dryRun);
    });
}
