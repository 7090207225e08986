#include "cli/remove.h"

#include "cli/pagerun.h"

#include <QCoreApplication>

QString Remove::summary() const
{
    return QCoreApplication::translate("Remove", "Take the code block off pages.");
}

QList<QCommandLineOption> Remove::options() const
{
    return PageRun::options();
}

int Remove::execute(const QCommandLineParser &parser, Console &console) const
{
    const PageRun::PageList list = PageRun::pagesOf(parser);
    if (!list.error.isEmpty())
        return badArguments(console, list.error);
    const PageRun::Mode mode = PageRun::modeOf(parser);
    const bool dryRun = mode != PageRun::Mode::Write;
    return PageRun::run(list, mode, console,
                        [dryRun](const QString &page) { return removeCodeFromPage(page, dryRun); });
}
