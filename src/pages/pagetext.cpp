#include "pages/pagetext.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <string.h>

const QByteArray insertionMarker = QByteArrayLiteral("<!--www.tolvane.example/zephrin-->");

namespace {

constexpr qsizetype nulScanLength = 8000;

const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// First occurrence of needle in haystack, or -1: memmem is many times faster
// than a general search over a large page.
qsizetype findBytes(QByteArrayView haystack, QByteArrayView needle)
{
    const void *found
        = ::memmem(haystack.data(), size_t(haystack.size()), needle.data(), size_t(needle.size()));
    return found ? static_cast<const char *>(found) - haystack.data() : -1;
}

// A page's text as code units in its own encoding: bytes, or UTF-16 units in
// the page's byte order. Units are compared as bytes, never decoded, so even
// unpaired surrogates and bytes of other encodings survive.
struct PageUnits
{
    PageEncoding encoding;

    qsizetype width() const { return encoding == PageEncoding::Bytes ? 1 : 2; }

    QByteArray encode(QStringView text) const
    {
        if (encoding == PageEncoding::Bytes)
            return text.toUtf8();
        QByteArray out;
        out.reserve(2 * text.size());
        for (QChar c : text) {
            const char lo = char(c.unicode() & 0xFF);
            const char hi = char(c.unicode() >> 8);
            out.append(encoding == PageEncoding::Utf16LE ? lo : hi);
            out.append(encoding == PageEncoding::Utf16LE ? hi : lo);
        }
        return out;
    }

    // The first occurrence at a unit boundary; a byte match straddling two
    // UTF-16 units is no match. Search finds it in bytes, where every match
    // is one; UTF-16 text, which may hold many that are not, is searched in
    // memory.
    qsizetype find(QByteArrayView text, QStringView needle, const ByteSearch &search) const
    {
        const QByteArray bytes = encode(needle);
        if (encoding == PageEncoding::Bytes)
            return search(text, bytes);
        qsizetype pos = findBytes(text, bytes);
        while (pos >= 0 && pos % width() != 0) {
            const qsizetype next = findBytes(text.sliced(pos + 1), bytes);
            pos = next < 0 ? -1 : pos + 1 + next;
        }
        return pos;
    }

    bool endsWith(QByteArrayView text, QStringView tail) const
    {
        return text.endsWith(QByteArrayView(encode(tail)));
    }

    // Bytes of the LF or CR LF that ends text; 0 when it ends otherwise.
    qsizetype finalLf(QByteArrayView text) const
    {
        if (endsWith(text, u"\r\n"))
            return 2 * width();
        return endsWith(text, u"\n") ? width() : 0;
    }

    // Whether text ends a line: with LF, CR LF or a lone CR.
    bool endsLine(QByteArrayView text) const { return finalLf(text) > 0 || endsWith(text, u"\r"); }
};

bool isAttributeSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether text, ASCII-compatible, holds id as the value of an id attribute.
bool hasIdAttribute(QByteArrayView text, QByteArrayView id, const ByteSearch &search)
{
    const auto after = [&](qsizetype at) {
        const qsizetype next = search(text.sliced(at + 1), id);
        return next < 0 ? -1 : at + 1 + next;
    };
    for (qsizetype at = search(text, id); at >= 0; at = after(at)) {
        const qsizetype end = at + id.size();
        qsizetype p = at;
        const char quote = p > 0 && (text[p - 1] == '"' || text[p - 1] == '\'') ? text[p - 1] : 0;
        const char after = end < text.size() ? text[end] : '>';
        if (quote ? after != quote : !(isAttributeSpace(after) || after == '>' || after == '/'))
            continue;
        if (quote)
            --p;
        while (p > 0 && isAttributeSpace(text[p - 1]))
            --p;
        if (p == 0 || text[p - 1] != '=')
            continue;
        --p;
        while (p > 0 && isAttributeSpace(text[p - 1]))
            --p;
        if (p >= 3 && isAttributeSpace(text[p - 3])
            && qstrnicmp(text.data() + p - 2, 2, "id", 2) == 0)
            return true;
    }
    return false;
}

} // namespace

bool pageHasElementId(QByteArrayView contents, const PageLayout &layout, QByteArrayView id)
{
    return pageHasElementId(contents, layout, id, findBytes);
}

namespace {

// Whether found holds for the page's own text as ASCII-compatible bytes,
// searched with search; a UTF-16 page's text past its byte-order mark is
// decoded first.
bool inOwnText(QByteArrayView contents, const PageLayout &layout, const ByteSearch &search,
               const std::function<bool(QByteArrayView, const ByteSearch &)> &found)
{
    if (!layout.ok())
        return false;
    if (layout.encoding == PageEncoding::Bytes)
        return found(contents.first(layout.cut), search);
    const QByteArrayView text = contents.sliced(2, layout.cut - 2);
    QStringDecoder decode(layout.encoding == PageEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                   : QStringConverter::Utf16BE);
    return found(QString(decode(text)).toUtf8(), findBytes);
}

} // namespace

bool pageHasElementId(QByteArrayView contents, const PageLayout &layout, QByteArrayView id,
                      const ByteSearch &search)
{
    return !id.isEmpty()
        && inOwnText(contents, layout, search, [id](QByteArrayView text, const ByteSearch &in) {
               return hasIdAttribute(text, id, in);
           });
}

bool pageTextContains(QByteArrayView contents, const PageLayout &layout, QByteArrayView needle,
                      const ByteSearch &search)
{
    return !needle.isEmpty()
        && inOwnText(contents, layout, search, [needle](QByteArrayView text, const ByteSearch &in) {
               return in(text, needle) >= 0;
           });
}

// A page's own text is never rewritten, so the layout is all that is worked
// out: where the own text ends, and the line end its block takes.
PageLayout pageLayout(QByteArrayView contents)
{
    return pageLayout(contents, findBytes);
}

PageLayout pageLayout(QByteArrayView contents, const ByteSearch &search)
{
    PageLayout layout;
    qsizetype textStart = 0;
    if (contents.startsWith("\xFF\xFE") || contents.startsWith("\xFE\xFF")) {
        layout.encoding
            = contents.startsWith("\xFF\xFE") ? PageEncoding::Utf16LE : PageEncoding::Utf16BE;
        textStart = 2;
        if (contents.size() % 2 != 0) {
            // Appending to a page cut mid-character would garble everything after it.
            layout.error = QCoreApplication::translate(
                "PageText",
                "The page is UTF-16 text but ends in the middle of a character; it may be "
                "damaged, so it is left as it is.");
            return layout;
        }
    } else if (contents.first(qMin(contents.size(), nulScanLength)).contains('\0')) {
        layout.error = QCoreApplication::translate(
            "PageText",
            "The file is not a text page: it contains NUL bytes, as programs, images and "
            "other binary files do.");
        return layout;
    } else if (contents.startsWith(QByteArrayView(utf8Bom))) {
        // The UTF-8 signature is no text of its own: a page holding only the
        // signature is an empty page.
        textStart = utf8Bom.size();
    }

    const PageUnits units {layout.encoding};
    const QByteArrayView text = contents.sliced(textStart);
    const qsizetype marker = units.find(text, QString::fromLatin1(insertionMarker), search);
    layout.hadBlock = marker >= 0;
    QByteArrayView own = layout.hadBlock ? text.first(marker) : text;
    if (layout.hadBlock) {
        // The line end in front of the marker is the block's when the block
        // has the form it is written in after a line the page left open.
        const QByteArrayView block = text.sliced(marker);
        const qsizetype lineEnd = units.finalLf(own);
        const QByteArrayView before = own.chopped(lineEnd);
        const QByteArrayView afterMarker = block.sliced(units.width() * insertionMarker.size());
        if (lineEnd > 0 && !before.isEmpty() && !units.endsLine(before)
            && units.endsWith(block, u"</head>") && afterMarker.startsWith(own.last(lineEnd))) {
            own = before;
            layout.blockBringsLineEnd = true;
        }
    } else {
        layout.blockBringsLineEnd = !own.isEmpty() && !units.endsLine(own);
    }
    if (units.find(own, u"\n", search) >= 0 && units.find(own, u"\r", search) < 0)
        layout.lineEnd = LineEnd::Lf;
    layout.cut = textStart + own.size();
    return layout;
}

QString codeSections(const QString &body, const QString &head)
{
    return QLatin1String("<body>") + body + QLatin1String("</body><head>") + head
        + QLatin1String("</head>\r\n");
}

QByteArray codeBlock(const PageLayout &layout, const QString &body, const QString &head)
{
    if (!layout.ok())
        return {};
    QString block
        = QString::fromLatin1(insertionMarker) + QLatin1String("\r\n") + codeSections(body, head);
    if (layout.blockBringsLineEnd) {
        // The line end moves to the front, so the page still ends as it did.
        block.chop(2);
        block.prepend(QLatin1String("\r\n"));
    }
    // The marker and the tags hold no line end of their own, so every CR LF is
    // a line end of the block or of a section.
    if (layout.lineEnd == LineEnd::Lf)
        block.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return PageUnits {layout.encoding}.encode(block);
}

PreparedPage preparePage(const QByteArray &fileContents)
{
    PreparedPage page;
    page.layout = pageLayout(fileContents);
    if (page.ok())
        page.keptText = fileContents.left(page.layout.cut); // shared when it is the whole page
    return page;
}

QByteArray pageWithBlock(const PreparedPage &page, const QString &body, const QString &head)
{
    if (!page.ok())
        return {};
    return page.keptText + codeBlock(page.layout, body, head);
}
