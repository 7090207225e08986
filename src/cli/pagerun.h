#pragma once

#include "cli/command.h"
#include "pages/pagefile.h"

#include <QStringList>

#include <functional>

// What add and remove share: the page list, the page options, one line per
// page, the progress bar and the summary.
namespace PageRun {

// --dry-run and --recursive.
QList<QCommandLineOption> options();

struct PageList
{
    QStringList pages;
    QString error; // names the argument at fault; empty on success
};

// The pages the positional arguments name: each file as it is named; with
// --recursive, every *.htm, *.html, *.asp and *.php file under each folder.
// Sorted, each page once. A missing argument, a folder without --recursive,
// and no page at all are errors.
PageList pagesOf(const QCommandLineParser &parser);

// Runs change over pages, printing "PAGE: updated", "PAGE: unchanged" (each
// followed by " (note: NOTE)" when the result has one) or
// "PAGE: refused: REASON" for each and a summary line; keeps going past a
// refused page. Returns ExitDone, or ExitSomeRefused when a page was refused.
int run(const QStringList &pages, bool dryRun, Console &console,
        const std::function<PageResult(const QString &)> &change);

} // namespace PageRun
