#include "pages/pagefile.h"

#include "pages/filestore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

namespace {

PageResult refused(const QString &message)
{
    return {PageOutcome::Refused, message, {}};
}

QString changedWhileRead(const QString &path)
{
    return QCoreApplication::translate(
               "PageFile",
               "The page \"%1\" was changed by another program while it was being "
               "read, so it was left as it is. Try again.")
        .arg(path);
}

// Searches of a page read through FileBytes::find, not through its mapping.
ByteSearch searchIn(const FileBytes &bytes)
{
    return [&bytes](QByteArrayView part, QByteArrayView needle) {
        return bytes.find(part, needle);
    };
}

// The write that replaceFileContents would do, or what a dry run reports of it.
PageResult replacePage(const LoadedPage &page, const ContentWriter &contents, bool dryRun)
{
    // Nothing read from a page that shrank under us may replace it: the
    // writer fails before the new contents can take the page's place.
    const ContentWriter checked = [&](const ByteSink &sink) {
        if (!contents(sink))
            return false;
        if (page.original.shortenedWhileRead()) {
            errno = EIO;
            return false;
        }
        return true;
    };
    const QString error
        = dryRun ? replaceRefusal(page.path) : replaceFileContents(page.path, checked);
    // Writing straight from a mapping that lost its end fails instead.
    const bool shortened = page.original.shortenedWhileRead()
        || (!error.isEmpty() && QFileInfo(page.path).size() < page.original.view().size());
    if (shortened)
        return refused(changedWhileRead(page.path));
    if (!error.isEmpty())
        return refused(error);
    return {PageOutcome::Updated, {}, {}};
}

} // namespace

LoadedPage loadPage(const QString &path)
{
    LoadedPage page;
    page.path = path;
    MappedReadResult file = mapWholeFile(path);
    if (!file.ok()) {
        page.error = file.error;
        return page;
    }
    page.original = std::move(file.contents);
    page.layout = pageLayout(page.original.view(), searchIn(page.original));
    if (page.original.shortenedWhileRead())
        page.error = changedWhileRead(path);
    else if (!page.layout.ok())
        page.error = QCoreApplication::translate("PageFile", "Cannot add the code to \"%1\": %2")
                         .arg(path, page.layout.error);
    return page;
}

PageResult writeCodeIntoPage(const LoadedPage &page, const QString &body, const QString &head,
                             bool dryRun)
{
    if (!page.ok())
        return refused(page.error);
    const QByteArrayView original = page.original.view();
    const QByteArray block = codeBlock(page.layout, body, head);
    // The page's own bytes go out as read; only the block after them is new.
    if (original.sliced(page.layout.cut) == block)
        return {PageOutcome::Unchanged, {}, {}};
    return replacePage(
        page,
        [&](const ByteSink &sink) {
            return sink.copy(page.original, page.layout.cut) && sink(block);
        },
        dryRun);
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
    if (!page.layout.hadBlock)
        return {PageOutcome::Unchanged, {}, {}};
    return replacePage(
        page, [&page](const ByteSink &sink) { return sink.copy(page.original, page.layout.cut); },
        dryRun);
}

bool pageHasElementId(const LoadedPage &page, QByteArrayView id)
{
    return pageHasElementId(page.original.view(), page.layout, id, searchIn(page.original));
}

bool pageTextContains(const LoadedPage &page, QByteArrayView text)
{
    return pageTextContains(page.original.view(), page.layout, text, searchIn(page.original));
}
