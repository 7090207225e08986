#include "generator/headsection.h"

#include "generator/encoder.h"
#include "generator/look.h"

QStringList scriptLines(const QByteArray &fileContents)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < fileContents.size()) {
        qsizetype end = fileContents.indexOf('\n', start);
        const qsizetype next = end < 0 ? fileContents.size() : end + 1;
        if (end < 0)
            end = fileContents.size();
        else if (end > start && fileContents.at(end - 1) == '\r')
            --end;
        lines.append(QString::fromUtf8(fileContents.constData() + start, end - start));
        start = next;
    }
    return lines;
}

namespace {

// A field's text for the style element, as typed but for what would reach the
// page as a control or outside 7-bit ASCII: each such character becomes a CSS
// escape of six hex digits (which needs no space after it), so the head reads
// the same in a page of any character set and a NUL cannot make it look binary.
QString css(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (c == U'\t' || (c >= 0x20 && c < 0x7F))
            out += QChar(char16_t(c));
        else
            out += QLatin1Char('\\') + upperHex(uint(c), 6);
    }
    return out;
}

} // namespace

QString styleElement(const AdSettings &field)
{
    AdSettings s = field;
    for (QString *text : {&s.height, &s.width, &s.horizontal, &s.vertical, &s.colour})
        *text = css(*text);

    // Each rule matches Zephrin's box alone, never a page element with the same id.
    switch (s.type) {
    case AdType::StickMeNote:
        return QLatin1String(
                   "<style type='text/css'>#fadeinbox[data-zephrin]{position:absolute;width:")
            + s.width + QLatin1String("px;height:") + s.height
            + QLatin1String("px;left: 0;top: -400px;border: 2px solid black;background-color:")
            + s.colour + QLatin1String(";padding: 4px;z-index: 100;visibility:hidden;}</style>");
    case AdType::ForceEmailer:
        return QLatin1String("<style media=screen>#msg[data-zephrin] {top:") + s.vertical
            + QLatin1String("px;border:1px solid black;width:") + s.width
            + QLatin1String("px;background-color:") + s.colour
            + QLatin1String(";padding:6px;position:absolute;left: ") + s.horizontal
            + QLatin1String("px;}</style>");
    case AdType::TimerAd:
        // Only the width carries a unit; the others are bare numbers as designed.
        return QLatin1String(
                   "<style type='text/css'>#sponsorAdDiv[data-zephrin] {position:absolute; height:")
            + s.height + QLatin1String("; width:") + s.width + QLatin1String("px; top:")
            + s.vertical + QLatin1String("; left:") + s.horizontal + QLatin1String(";}</style>");
    case AdType::WindowAd:
    case AdType::JumpyAd:
    case AdType::None:
        break;
    }
    return {};
}

QString headSection(const AdSettings &settings, const QStringList &lines,
                    const QStringList &rulesLines, const QStringList &analyticsLines)
{
    if (settings.type == AdType::None)
        return QString();
    QString out;
    for (const QStringList *script : {&lines, &rulesLines, &analyticsLines}) {
        for (const QString &line : *script) {
            out += line;
            out += QLatin1String("\r\n");
        }
    }
    out += styleElement(settings);
    out += lookElements(settings);
    return out;
}

bool headCopyRuns(AdType type, int lineCount)
{
    switch (type) {
    case AdType::WindowAd:
    case AdType::JumpyAd:
        // These copy once per line read, so an empty script never copies.
        return lineCount > 0;
    case AdType::StickMeNote:
    case AdType::ForceEmailer:
    case AdType::TimerAd:
        return true;
    case AdType::None:
        break;
    }
    return false;
}
