#include "cli/pagerun.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PageRun", text);
}

// Below this many pages the run is over before a bar would be any help.
constexpr int progressFrom = 8;

QString progressBar(int done, int total)
{
    constexpr int width = 30;
    const int filled = int(qint64(done) * width / total);
    return QStringLiteral("[%1%2] %3/%4")
        .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char(' ')))
        .arg(done)
        .arg(total);
}

} // namespace

QList<QCommandLineOption> PageRun::options()
{
    return {
        {QStringLiteral("dry-run"), tr("Write nothing; say what would happen.")},
        {{QStringLiteral("r"), QStringLiteral("recursive")},
         tr("Take the *.htm, *.html, *.asp and *.php pages in folders.")},
    };
}

PageRun::PageList PageRun::pagesOf(const QStringList &arguments, bool recursive)
{
    PageList list;
    if (arguments.isEmpty()) {
        list.error = tr("no page or folder given");
        return list;
    }
    const QStringList patterns = {QStringLiteral("*.htm"), QStringLiteral("*.html"),
                                  QStringLiteral("*.asp"), QStringLiteral("*.php")};
    for (const QString &argument : arguments) {
        const QFileInfo info(argument);
        if (!info.exists()) {
            list.error = tr("\"%1\": no such file or folder").arg(argument);
            return list;
        }
        if (!info.isDir()) {
            list.pages.append(argument);
            continue;
        }
        if (!recursive) {
            list.error
                = tr("\"%1\" is a folder; give --recursive to take the pages in it").arg(argument);
            return list;
        }
        QDirIterator it(argument, patterns, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            list.pages.append(it.next());
    }
    list.pages.sort();
    list.pages.removeDuplicates();
    return list;
}

int PageRun::run(const QStringList &pages, bool dryRun, Console &console,
                 const std::function<PageResult(const QString &)> &change)
{
    const bool showProgress = console.errorIsTerminal() && pages.size() >= progressFrom;
    int updated = 0, unchanged = 0, refused = 0;
    for (const QString &page : pages) {
        const PageResult result = change(page);
        switch (result.outcome) {
        case PageOutcome::Updated:
            ++updated;
            console.print(tr("%1: updated").arg(page));
            break;
        case PageOutcome::Unchanged:
            ++unchanged;
            console.print(tr("%1: unchanged").arg(page));
            break;
        case PageOutcome::Refused:
            ++refused;
            console.print(tr("%1: refused: %2").arg(page, result.message));
            break;
        }
        if (showProgress)
            console.status(progressBar(updated + unchanged + refused, int(pages.size())));
    }
    console.clearStatus();
    const QString counts
        = tr("%1 updated, %2 unchanged, %3 refused").arg(updated).arg(unchanged).arg(refused);
    console.print(
        dryRun
            ? tr("Dry run, nothing written; %1 pages would be: %2.").arg(pages.size()).arg(counts)
            : tr("%1 pages: %2.").arg(pages.size()).arg(counts));
    return refused > 0 ? ExitSomeRefused : ExitDone;
}
