#pragma once

#include "pages/pagefile.h"

#include <QString>
#include <QStringList>

#include <functional>

// Runs change over pages on several threads at once and hands each result to
// done, on the calling thread, in the order of pages (done(index, result)).
// Each page is flushed to disk before it replaces the old one, and a disk
// takes many such flushes together in the time of one. Two names of one file
// (hard or symbolic links) are changed one after the other, in the order
// listed, never at once; the pages being changed at one time hold at most
// half a gigabyte of bytes (a larger page runs alone). change must be safe to
// call from several threads at once; it is called once per page.
void changePagesInParallel(const QStringList &pages,
                           const std::function<PageResult(const QString &)> &change,
                           const std::function<void(qsizetype, const PageResult &)> &done);
