#include "pages/pagefile.h"

#include "pages/filestore.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

PageResult refused(const QString &message)
{
    return {PageOutcome::Refused, message};
}

// The write that replaceFileContents would do, or what a dry run reports of it.
PageResult replacePage(const LoadedPage &page, const QByteArray &contents, bool dryRun)
{
    if (contents == page.original)
        return {PageOutcome::Unchanged, {}};
    if (dryRun) {
        // A read-only page would be refused by the real write.
        if (::faccessat(AT_FDCWD, QFile::encodeName(page.path).constData(), W_OK, AT_EACCESS) != 0)
            return refused(QCoreApplication::translate("PageFile", "Cannot write \"%1\": %2")
                               .arg(page.path, QString::fromLocal8Bit(std::strerror(errno))));
        return {PageOutcome::Updated, {}};
    }
    const QString error = replaceFileContents(page.path, contents);
    if (!error.isEmpty())
        return refused(error);
    return {PageOutcome::Updated, {}};
}

} // namespace

LoadedPage loadPage(const QString &path)
{
    LoadedPage page;
    page.path = path;
    ReadResult file = readWholeFile(path);
    if (!file.ok()) {
        page.error = file.error;
        return page;
    }
    page.original = std::move(file.contents);
    page.prepared = preparePage(page.original);
    if (!page.prepared.ok())
        page.error = QCoreApplication::translate("PageFile", "Cannot add the code to \"%1\": %2")
                         .arg(path, page.prepared.error);
    return page;
}

PageResult writeCodeIntoPage(const LoadedPage &page, const QString &body, const QString &head,
                             bool dryRun)
{
    if (!page.ok())
        return refused(page.error);
    return replacePage(page, pageWithBlock(page.prepared, body, head), dryRun);
}

PageResult addCodeToPage(const QString &path, const QString &body, const QString &head, bool dryRun)
{
    return writeCodeIntoPage(loadPage(path), body, head, dryRun);
}

PageResult removeCodeFromPage(const QString &path, bool dryRun)
{
    const LoadedPage page = loadPage(path);
    if (!page.ok())
        return refused(page.error);
    if (!page.prepared.hadBlock)
        return {PageOutcome::Unchanged, {}};
    return replacePage(page, page.prepared.keptText, dryRun);
}
