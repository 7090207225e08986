#include "pages/pagetext.h"

#include <QByteArrayView>

#include <cstring>

const QByteArray insertionMarker = QByteArrayLiteral("<!--www.tolvane.example/zephrin-->");

namespace {

constexpr qsizetype nulScanLength = 8000;

const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Line ends of a byte page, one pass with memchr: a 100 MB page must not
// cost more than a copy.
QByteArray normalizedBytes(QByteArrayView text)
{
    const char *data = text.data();
    const qsizetype size = text.size();
    QByteArray out;
    if (size == 0)
        return out;
    // Every LF may grow by one CR, and an unterminated last line gets CR LF.
    qsizetype lineFeeds = 0;
    for (const char *p = data;
         (p = static_cast<const char *>(std::memchr(p, '\n', data + size - p))); ++p)
        ++lineFeeds;
    out.resize(size + lineFeeds + 2);

    // Copies runs of text that already end their lines with CR LF in one go,
    // breaking a run only where a CR must be put in: a page with CR LF line
    // ends is copied whole, and no byte is appended one call at a time.
    char *to = out.data();
    const char *runStart = data;
    const char *end = data + size;
    for (const char *lf = data; (lf = static_cast<const char *>(std::memchr(lf, '\n', end - lf)));
         ++lf) {
        if (lf > data && lf[-1] == '\r')
            continue;
        std::memcpy(to, runStart, size_t(lf - runStart));
        to += lf - runStart;
        *to++ = '\r';
        runStart = lf; // the LF starts the next run
    }
    std::memcpy(to, runStart, size_t(end - runStart));
    to += end - runStart;
    if (end[-1] != '\n') {
        *to++ = '\r';
        *to++ = '\n';
    }
    out.truncate(to - out.data());
    return out;
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

QByteArray normalizedUtf16(QByteArrayView text, Utf16Order order)
{
    const qsizetype units = text.size() / 2;
    QByteArray out;
    out.reserve(text.size() + text.size() / 2 + 4);
    qsizetype start = 0;
    while (start < units) {
        qsizetype lf = start;
        while (lf < units && order.unitAt(text.data() + 2 * lf) != u'\n')
            ++lf;
        qsizetype end = lf;
        if (lf < units && end > start && order.unitAt(text.data() + 2 * (end - 1)) == u'\r')
            --end;
        out.append(text.data() + 2 * start, 2 * (end - start));
        order.append(out, u'\r');
        order.append(out, u'\n');
        start = lf < units ? lf + 1 : units;
    }
    return out;
}

// First marker at a unit boundary; a byte match straddling two units is no match.
qsizetype findUtf16Marker(const QByteArray &text, Utf16Order order)
{
    QByteArray marker;
    order.append(marker, QString::fromLatin1(insertionMarker));
    qsizetype pos = text.indexOf(marker);
    while (pos >= 0 && pos % 2 != 0)
        pos = text.indexOf(marker, pos + 1);
    return pos;
}

} // namespace

PreparedPage preparePage(const QByteArray &fileContents)
{
    PreparedPage page;
    const QByteArrayView contents(fileContents);

    if (contents.startsWith("\xFF\xFE") || contents.startsWith("\xFE\xFF")) {
        const Utf16Order order {contents.startsWith("\xFF\xFE")};
        page.encoding = order.littleEndian ? PageEncoding::Utf16LE : PageEncoding::Utf16BE;
        const QByteArrayView text = contents.sliced(2);
        if (text.size() % 2 != 0) {
            // Appending to a page cut mid-character would garble everything after it.
            page.error = QStringLiteral(
                "The page is UTF-16 text but ends in the middle of a character; it may be "
                "damaged, so it is left as it is.");
            return page;
        }
        QByteArray lines = normalizedUtf16(text, order);
        const qsizetype marker = findUtf16Marker(lines, order);
        page.hadBlock = marker >= 0;
        if (page.hadBlock)
            lines.truncate(marker);
        page.keptText = contents.first(2).toByteArray() + lines;
        return page;
    }

    if (contents.first(qMin(contents.size(), nulScanLength)).contains('\0')) {
        page.error = QStringLiteral(
            "The file is not a text page: it contains NUL bytes, as programs, images and "
            "other binary files do.");
        return page;
    }

    // The UTF-8 signature is no text of its own: a page holding only the
    // signature is an empty page.
    const bool hasBom = contents.startsWith(QByteArrayView(utf8Bom));
    QByteArray lines = normalizedBytes(hasBom ? contents.sliced(utf8Bom.size()) : contents);
    const qsizetype marker = lines.indexOf(insertionMarker);
    page.hadBlock = marker >= 0;
    if (page.hadBlock)
        lines.truncate(marker);
    page.keptText = hasBom ? utf8Bom + lines : lines;
    return page;
}

QByteArray pageWithBlock(const PreparedPage &page, const QString &body, const QString &head)
{
    if (!page.ok())
        return {};

    if (page.encoding == PageEncoding::Bytes) {
        const QByteArray bodyBytes = body.toUtf8();
        const QByteArray headBytes = head.toUtf8();
        QByteArray out;
        out.reserve(page.keptText.size() + insertionMarker.size() + bodyBytes.size()
                    + headBytes.size() + 32);
        out.append(page.keptText);
        out.append(insertionMarker);
        out.append("\r\n<body>");
        out.append(bodyBytes);
        out.append("</body><head>");
        out.append(headBytes);
        out.append("</head>\r\n");
        return out;
    }

    const Utf16Order order {page.encoding == PageEncoding::Utf16LE};
    QByteArray out;
    out.reserve(page.keptText.size() + 2 * (insertionMarker.size() + body.size() + head.size())
                + 64);
    out.append(page.keptText);
    order.append(out, QString::fromLatin1(insertionMarker));
    order.append(out, u"\r\n<body>");
    order.append(out, body);
    order.append(out, u"</body><head>");
    order.append(out, head);
    order.append(out, u"</head>\r\n");
    return out;
}
