#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// The comment that marks the start of Zephrin's code block in a page.
// Searched for and written as it stands (case-sensitive).
extern const QByteArray insertionMarker;

// How a page's text is stored; the block is written back the same way.
enum class PageEncoding {
    Bytes, // UTF-8 (with or without BOM) or any single-byte encoding: kept byte for byte
    Utf16LE, // UTF-16 with a little-endian byte-order mark
    Utf16BE, // UTF-16 with a big-endian byte-order mark
};

// A page read and trimmed, ready to receive the code block.
struct PreparedPage
{
    QByteArray keptText; // page before the first marker, in the page's encoding,
                         // every line ending CR LF
    PageEncoding encoding = PageEncoding::Bytes;
    bool hadBlock = false; // whether the page held the marker (and so a block)
    QString error; // the reason the page is refused; empty when it is usable
    bool ok() const { return error.isEmpty(); }
};

// Splits the page into lines (a line ends at LF, with a CR before it dropped;
// a lone CR stays), ends each line with CR LF, and cuts the result at the first
// exact occurrence of the marker. Refuses, with a reason, text that is not a
// page: a NUL byte in the first 8000 bytes of a file without a UTF-16 BOM, or
// a UTF-16 page with an odd number of bytes. A UTF-8 BOM stays at the front.
PreparedPage preparePage(const QByteArray &fileContents);

// Where preparePage cuts a page and whether its kept text differs from the
// bytes as read, found in one pass without copying the page.
struct PageLayout
{
    PageEncoding encoding = PageEncoding::Bytes;
    qsizetype textStart = 0; // the text begins after any byte-order mark
    qsizetype cut = 0; // the kept text comes from the bytes before this: the marker, or the end
    bool hadBlock = false;
    bool keptAsRead = false; // the kept text is exactly the bytes before cut
    QString error; // as PreparedPage::error
    bool ok() const { return error.isEmpty(); }
};
PageLayout pageLayout(QByteArrayView fileContents);

// Hands preparePage's keptText for fileContents, laid out by layout, to put
// in pieces: the bytes as read when they need no change, otherwise rewritten a
// chunk at a time, so no copy of a large page is made. Returns false as soon
// as put does.
bool putKeptText(QByteArrayView fileContents, const PageLayout &layout,
                 const std::function<bool(QByteArrayView piece)> &put);

// Whether the kept text of fileContents, laid out by layout, gives an element
// the id attribute id (exact, case-sensitive): id=X, id="X" or id='X', in any
// letter case and with any spaces around "=". The page's old block is not
// looked at. False for a refused layout or an empty id.
bool pageHasElementId(QByteArrayView fileContents, const PageLayout &layout, QByteArrayView id);

// The new page: keptText, then the marker, CR LF, "<body>", body,
// "</body><head>", head, "</head>" and a final CR LF, in the page's encoding
// (the sections as UTF-8 for a Bytes page). A refused page gives an empty result.
QByteArray pageWithBlock(const PreparedPage &page, const QString &body, const QString &head);

// "<body>" body "</body><head>" head "</head>" CR LF: the code as both the
// inserted block (after the marker and CR LF) and the preview page hold it.
QString codeSections(const QString &body, const QString &head);
