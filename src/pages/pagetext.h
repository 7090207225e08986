#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// The comment that marks the start of Zephrin's code block in a page.
// Searched for and written as it stands (case-sensitive).
extern const QByteArray insertionMarker;

// How a page's text is stored; the block is written in the same way.
enum class PageEncoding {
    Bytes, // UTF-8 (with or without BOM) or any single-byte encoding: kept byte for byte
    Utf16LE, // UTF-16 with a little-endian byte-order mark
    Utf16BE, // UTF-16 with a big-endian byte-order mark
};

// The line end the block is written with: LF in a page whose line ends are
// all LF; CR LF in any other page (CR LF, lone CR, mixed, or no line end).
enum class LineEnd {
    CrLf,
    Lf,
};

// Where a page's own text ends and how its block is to be written, found in
// one pass over the bytes as read, without copying the page.
struct PageLayout
{
    PageEncoding encoding = PageEncoding::Bytes;
    // The page's own bytes (a byte-order mark included) are the first `cut`
    // bytes as read: up to its block's marker, or the whole file without one.
    qsizetype cut = 0;
    bool hadBlock = false; // whether the page held the marker (and so a block)
    LineEnd lineEnd = LineEnd::CrLf;
    // The page's own text ends in the middle of a line, so its block brings the
    // line end the marker needs in front of it, and leaves off its own final one.
    bool blockBringsLineEnd = false;
    QString error; // the reason the page is refused; empty when it is usable
    bool ok() const { return error.isEmpty(); }
};

// Finds the first exact occurrence of the marker (in UTF-16 pages at a
// character boundary) and the page's own text before it. A line end in front
// of the marker belongs to the block, not the page, only when the block shows
// it brought one: the block then ends with "</head>" and no line end, its
// marker is followed by the same line end, and the text before that line end
// does not end a line; blocks written otherwise, by earlier versions too, are
// cut exactly at the marker. Refuses, with a reason, text that is not a page: a
// NUL byte in the first 8000 bytes of a file without a UTF-16 BOM, or a UTF-16
// page with an odd number of bytes.
PageLayout pageLayout(QByteArrayView fileContents);

// Where needle first occurs in part, a stretch of the contents being laid out;
// -1 when it does not.
using ByteSearch = std::function<qsizetype(QByteArrayView part, QByteArrayView needle)>;
// pageLayout with the searches through a page of bytes (not UTF-16) made by
// search, which may read the same bytes more cheaply than fileContents does.
PageLayout pageLayout(QByteArrayView fileContents, const ByteSearch &search);

// The block that follows the page's own bytes, in the page's encoding (the
// sections as UTF-8 for a Bytes page): the marker, a line end, "<body>", body,
// "</body><head>", head, "</head>" and a final line end; or, when
// layout.blockBringsLineEnd, a line end, then the same without the final one.
// Its line ends, those the sections hold as CR LF included, are the layout's.
// A refused layout gives an empty result.
QByteArray codeBlock(const PageLayout &layout, const QString &body, const QString &head);

// Whether the page's own text in fileContents, laid out by layout, gives an element
// the id attribute id (exact, case-sensitive): id=X, id="X" or id='X', in any
// letter case and with any spaces around "=". The page's old block is not
// looked at. False for a refused layout or an empty id.
bool pageHasElementId(QByteArrayView fileContents, const PageLayout &layout, QByteArrayView id);
// The same, with the search through a page of bytes made by search (see pageLayout).
bool pageHasElementId(QByteArrayView fileContents, const PageLayout &layout, QByteArrayView id,
                      const ByteSearch &search);

// Whether the page's own text in fileContents, laid out by layout, holds
// needle exactly as given, searched with search. The page's old block is not
// looked at. False for a refused layout or an empty needle.
bool pageTextContains(QByteArrayView fileContents, const PageLayout &layout, QByteArrayView needle,
                      const ByteSearch &search);

// A page read and laid out, with its own bytes, to compose a new page in memory.
struct PreparedPage
{
    QByteArray keptText; // the page's own bytes as read (see PageLayout::cut)
    PageLayout layout;
    bool ok() const { return layout.ok(); }
};
PreparedPage preparePage(const QByteArray &fileContents);

// The new page: keptText followed by codeBlock. A refused page gives an empty result.
QByteArray pageWithBlock(const PreparedPage &page, const QString &body, const QString &head);

// "<body>" body "</body><head>" head "</head>" CR LF: the preview page, and the
// code as a CR LF page's block holds it after the marker and CR LF.
QString codeSections(const QString &body, const QString &head);
