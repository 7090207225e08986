#include "pages/pagetext.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringDecoder>

#include <cstring>
#include <string.h>
#include <utility>

const QByteArray insertionMarker = QByteArrayLiteral("<!--www.tolvane.example/zephrin-->");

namespace {

constexpr qsizetype nulScanLength = 8000;

const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// First occurrence of needle in haystack at or after from, or -1: memmem is
// many times faster than a general search over a large page.
qsizetype findBytes(QByteArrayView haystack, QByteArrayView needle, qsizetype from)
{
    if (from > haystack.size())
        return -1;
    const void *found = ::memmem(haystack.data() + from, size_t(haystack.size() - from),
                                 needle.data(), size_t(needle.size()));
    return found ? static_cast<const char *>(found) - haystack.data() : -1;
}

using Sink = std::function<bool(QByteArrayView)>;

// Gathers small pieces into one buffer before handing them on, so the sink
// (a write to a file) is called once per chunk rather than once per line.
class ChunkedSink
{
public:
    explicit ChunkedSink(const Sink &put)
        : m_put(put)
        , m_buffer(chunkSize, Qt::Uninitialized)
    { }

    bool add(const char *data, qsizetype size)
    {
        if (m_used + size > chunkSize && !flush())
            return false;
        if (size >= chunkSize) // a long run goes on as it is
            return m_put(QByteArrayView(data, size));
        std::memcpy(m_buffer.data() + m_used, data, size_t(size));
        m_used += size;
        return true;
    }

    bool flush()
    {
        const qsizetype used = std::exchange(m_used, 0);
        return used == 0 || m_put(QByteArrayView(m_buffer.constData(), used));
    }

private:
    static constexpr qsizetype chunkSize = 256 * 1024; // stays in the processor's cache
    const Sink &m_put;
    QByteArray m_buffer;
    qsizetype m_used = 0;
};

// Whether rewriting the line ends of a byte page changes it: some LF lacks a
// CR before it, or (with endLastLine) the last line lacks its LF. One memchr
// per line.
bool bytesNeedRewrite(QByteArrayView text, bool endLastLine)
{
    if (text.isEmpty())
        return false;
    if (endLastLine && text.back() != '\n')
        return true;
    const char *data = text.data();
    const char *end = data + text.size();
    for (const char *lf = data;
         (lf = static_cast<const char *>(std::memchr(lf, '\n', size_t(end - lf)))); ++lf) {
        if (lf == data || lf[-1] != '\r')
            return true;
    }
    return false;
}

// Line ends of a byte page, one pass with memchr. Runs that already end their
// lines with CR LF go on in one piece, broken only where a CR must be put in.
// With endLastLine an unterminated last line gets CR LF; without, the text is
// the front of a page cut at the marker and its last line stays open.
bool putNormalizedBytes(QByteArrayView text, bool endLastLine, const Sink &put)
{
    if (text.isEmpty())
        return true;
    ChunkedSink out(put);
    const char *data = text.data();
    const char *end = data + text.size();
    const char *runStart = data;
    for (const char *lf = data;
         (lf = static_cast<const char *>(std::memchr(lf, '\n', size_t(end - lf)))); ++lf) {
        if (lf > data && lf[-1] == '\r')
            continue;
        if (!out.add(runStart, lf - runStart) || !out.add("\r", 1))
            return false;
        runStart = lf; // the LF starts the next run
    }
    if (!out.add(runStart, end - runStart))
        return false;
    if (endLastLine && end[-1] != '\n' && !out.add("\r\n", 2))
        return false;
    return out.flush();
}

// The same rules for a UTF-16 page, unit by unit in the page's byte order.
// Units are copied, never decoded, so even unpaired surrogates survive.
struct Utf16Order
{
    bool littleEndian;

    char16_t unitAt(const char *p) const
    {
        const auto lo = static_cast<unsigned char>(littleEndian ? p[0] : p[1]);
        const auto hi = static_cast<unsigned char>(littleEndian ? p[1] : p[0]);
        return char16_t((hi << 8) | lo);
    }

    void append(QByteArray &out, char16_t unit) const
    {
        const char lo = char(unit & 0xFF);
        const char hi = char(unit >> 8);
        if (littleEndian) {
            out.append(lo);
            out.append(hi);
        } else {
            out.append(hi);
            out.append(lo);
        }
    }

    void append(QByteArray &out, QStringView text) const
    {
        for (QChar c : text)
            append(out, c.unicode());
    }
};

// The same question for a UTF-16 page, unit by unit in its byte order.
bool utf16NeedsRewrite(QByteArrayView text, Utf16Order order, bool endLastLine)
{
    const qsizetype units = text.size() / 2;
    const auto unit = [&](qsizetype i) {
        return order.unitAt(text.data() + 2 * i);
    };
    if (units == 0)
        return false;
    if (endLastLine && unit(units - 1) != u'\n')
        return true;
    for (qsizetype i = 0; i < units; ++i) {
        if (unit(i) == u'\n' && (i == 0 || unit(i - 1) != u'\r'))
            return true;
    }
    return false;
}

bool putNormalizedUtf16(QByteArrayView text, Utf16Order order, bool endLastLine, const Sink &put)
{
    QByteArray lineEnd;
    order.append(lineEnd, u'\r');
    order.append(lineEnd, u'\n');
    ChunkedSink out(put);
    const qsizetype units = text.size() / 2;
    qsizetype start = 0;
    while (start < units) {
        qsizetype lf = start;
        while (lf < units && order.unitAt(text.data() + 2 * lf) != u'\n')
            ++lf;
        qsizetype end = lf;
        if (lf < units && end > start && order.unitAt(text.data() + 2 * (end - 1)) == u'\r')
            --end;
        if (!out.add(text.data() + 2 * start, 2 * (end - start)))
            return false;
        if ((lf < units || endLastLine) && !out.add(lineEnd.constData(), lineEnd.size()))
            return false;
        start = lf < units ? lf + 1 : units;
    }
    return out.flush();
}

// First marker at a unit boundary; a byte match straddling two units is no match.
qsizetype findUtf16Marker(QByteArrayView text, Utf16Order order)
{
    QByteArray marker;
    order.append(marker, QString::fromLatin1(insertionMarker));
    qsizetype pos = findBytes(text, marker, 0);
    while (pos >= 0 && pos % 2 != 0)
        pos = findBytes(text, marker, pos + 1);
    return pos;
}

bool isAttributeSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether text, ASCII-compatible, holds id as the value of an id attribute.
bool hasIdAttribute(QByteArrayView text, QByteArrayView id)
{
    for (qsizetype at = findBytes(text, id, 0); at >= 0; at = findBytes(text, id, at + 1)) {
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
    if (!layout.ok() || id.isEmpty())
        return false;
    const QByteArrayView text = contents.sliced(layout.textStart, layout.cut - layout.textStart);
    if (layout.encoding == PageEncoding::Bytes)
        return hasIdAttribute(text, id);
    QStringDecoder decode(layout.encoding == PageEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                   : QStringConverter::Utf16BE);
    return hasIdAttribute(QString(decode(text)).toUtf8(), id);
}

// The marker holds no CR or LF, so rewriting line ends neither makes nor
// breaks an occurrence of it: the cut is found in the bytes as read, and the
// kept text is the rewrite of the bytes before it.
PageLayout pageLayout(QByteArrayView contents)
{
    PageLayout layout;
    if (contents.startsWith("\xFF\xFE") || contents.startsWith("\xFE\xFF")) {
        const Utf16Order order {contents.startsWith("\xFF\xFE")};
        layout.encoding = order.littleEndian ? PageEncoding::Utf16LE : PageEncoding::Utf16BE;
        layout.textStart = 2;
        const QByteArrayView text = contents.sliced(2);
        if (text.size() % 2 != 0) {
            // Appending to a page cut mid-character would garble everything after it.
            layout.error = QCoreApplication::translate(
                "PageText",
                "The page is UTF-16 text but ends in the middle of a character; it may be "
                "damaged, so it is left as it is.");
            return layout;
        }
        const qsizetype marker = findUtf16Marker(text, order);
        layout.hadBlock = marker >= 0;
        const QByteArrayView kept = layout.hadBlock ? text.first(marker) : text;
        layout.cut = 2 + kept.size();
        layout.keptAsRead = !utf16NeedsRewrite(kept, order, !layout.hadBlock);
        return layout;
    }

    if (contents.first(qMin(contents.size(), nulScanLength)).contains('\0')) {
        layout.error = QCoreApplication::translate(
            "PageText",
            "The file is not a text page: it contains NUL bytes, as programs, images and "
            "other binary files do.");
        return layout;
    }

    // The UTF-8 signature is no text of its own: a page holding only the
    // signature is an empty page.
    layout.textStart = contents.startsWith(QByteArrayView(utf8Bom)) ? utf8Bom.size() : 0;
    const QByteArrayView text = contents.sliced(layout.textStart);
    const qsizetype marker = findBytes(text, insertionMarker, 0);
    layout.hadBlock = marker >= 0;
    const QByteArrayView kept = layout.hadBlock ? text.first(marker) : text;
    layout.cut = layout.textStart + kept.size();
    layout.keptAsRead = !bytesNeedRewrite(kept, !layout.hadBlock);
    return layout;
}

bool putKeptText(QByteArrayView contents, const PageLayout &layout, const Sink &put)
{
    if (!layout.ok())
        return true;
    if (layout.keptAsRead)
        return layout.cut == 0 || put(contents.first(layout.cut));
    if (layout.textStart > 0 && !put(contents.first(layout.textStart)))
        return false;
    const QByteArrayView text = contents.sliced(layout.textStart, layout.cut - layout.textStart);
    if (layout.encoding == PageEncoding::Bytes)
        return putNormalizedBytes(text, !layout.hadBlock, put);
    return putNormalizedUtf16(text, Utf16Order {layout.encoding == PageEncoding::Utf16LE},
                              !layout.hadBlock, put);
}

PreparedPage preparePage(const QByteArray &fileContents)
{
    const PageLayout layout = pageLayout(fileContents);
    PreparedPage page;
    page.encoding = layout.encoding;
    page.hadBlock = layout.hadBlock;
    page.error = layout.error;
    if (!page.ok())
        return page;
    if (layout.keptAsRead && layout.cut == fileContents.size()) {
        page.keptText = fileContents; // shared, not copied
        return page;
    }
    // Room for the usual case, every LF gaining a CR (lines of about 60 bytes).
    page.keptText.reserve(layout.cut + layout.cut / 32 + 4);
    putKeptText(fileContents, layout, [&page](QByteArrayView piece) {
        page.keptText.append(piece);
        return true;
    });
    return page;
}

QString codeSections(const QString &body, const QString &head)
{
    return QLatin1String("<body>") + body + QLatin1String("</body><head>") + head
        + QLatin1String("</head>\r\n");
}

QByteArray pageWithBlock(const PreparedPage &page, const QString &body, const QString &head)
{
    if (!page.ok())
        return {};
    const QString block
        = QString::fromLatin1(insertionMarker) + QLatin1String("\r\n") + codeSections(body, head);
    if (page.encoding == PageEncoding::Bytes)
        return page.keptText + block.toUtf8();
    QByteArray out;
    out.reserve(page.keptText.size() + 2 * block.size());
    out.append(page.keptText);
    Utf16Order {page.encoding == PageEncoding::Utf16LE}.append(out, block);
    return out;
}
