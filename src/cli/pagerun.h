#pragma once

#include "cli/command.h"
#include "pages/pagefile.h"
#include "pages/sitewalk.h"

#include <QStringList>

#include <functional>

// What add and remove share: the page list, the page options, one line per
// page, the progress bar and the summary.
namespace PageRun {

// --dry-run, --check, --recursive and the options of a walk.
QList<QCommandLineOption> options();

enum class Mode {
    Write,
    DryRun, // --dry-run: write nothing, say what would happen
    Check, // --check: write nothing, list the pages that would change
};

// The mode the options ask for; --check wins over --dry-run.
Mode modeOf(const QCommandLineParser &parser);

struct PageList
{
    QStringList pages;
    QList<SiteWalk::Skipped> skipped; // what the walk left out and says so
    QHash<QString, QList<SiteWalk::Leftover>> leftovers; // what interrupted runs left
    QString error; // names the argument at fault; empty on success
};

// The pages the positional arguments name: each file as it is named; with
// --recursive, the pages SiteWalk::walk finds in each folder, as --hidden,
// --include and --exclude say. Sorted, each page once. A missing argument, a
// folder without --recursive, no argument at all, a walk option without
// --recursive and a bad glob are errors.
PageList pagesOf(const QCommandLineParser &parser);

// Runs change over the pages, printing "PAGE: updated", "PAGE: unchanged" (each
// followed by " (note: NOTE)" when the result has one) or "PAGE: refused:
// REASON" for each, the lines of skipped links and of what interrupted runs
// left in their places, and a summary line; keeps going past a refused
// page. Returns ExitDone, or ExitSomeRefused when a page was refused. A check
// prints on standard output only the pages that would change, everything
// else on standard error, and returns ExitCheckFailed when a page would
// change or was refused.
int run(const PageList &list, Mode mode, Console &console,
        const std::function<PageResult(const QString &)> &change);

} // namespace PageRun
