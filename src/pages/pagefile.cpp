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

// The code block alone in the page's encoding, as pageWithBlock composes it
// after the kept text.
QByteArray blockFor(PageEncoding encoding, const QString &body, const QString &head)
{
    PreparedPage empty;
    empty.encoding = encoding;
    return pageWithBlock(empty, body, head);
}

// Whether original reads kept followed by block, compared in place: a large
// page is not copied only to find that it stays as it is.
bool readsAs(const QByteArray &original, const QByteArray &kept, const QByteArray &block)
{
    const QByteArrayView page(original);
    return page.size() == kept.size() + block.size() && page.first(kept.size()) == kept
        && page.sliced(kept.size()) == block;
}

// The write that replaceFileContents would do, or what a dry run reports of it.
PageResult replacePage(const LoadedPage &page, const QByteArray &contents, bool dryRun)
{
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
    LoadedPage copy = page;
    return writeCodeIntoPage(std::move(copy), body, head, dryRun);
}

PageResult writeCodeIntoPage(LoadedPage &&page, const QString &body, const QString &head,
                             bool dryRun)
{
    if (!page.ok())
        return refused(page.error);
    const QByteArray block = blockFor(page.prepared.encoding, body, head);
    if (readsAs(page.original, page.prepared.keptText, block))
        return {PageOutcome::Unchanged, {}};
    // The kept text is the page's only copy from here: the block goes on its
    // end in place, and the bytes as read are let go before the write.
    page.original = QByteArray();
    QByteArray contents = std::move(page.prepared.keptText);
    contents.append(block);
    return replacePage(page, contents, dryRun);
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
    // A page without a block is left as it is, even if its line ends differ.
    if (!page.prepared.hadBlock)
        return {PageOutcome::Unchanged, {}};
    return replacePage(page, page.prepared.keptText, dryRun);
}
