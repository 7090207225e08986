#include "generator/scripthashes.h"

#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>

namespace {

// "'sha256-BASE64'" of text as a browser hashes it: HTML parsing has already
// turned CR LF and lone CR into LF.
QString sha256Source(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("'sha256-%1'").arg(QString::fromLatin1(digest.toBase64()));
}

bool isHtmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

// An attribute value as the parser hands it on: its character references
// decoded (numeric ones, and the common named ones written with ';').
QString decodedAttribute(const QString &value)
{
    if (!value.contains(QLatin1Char('&')))
        return value;
    static const QRegularExpression reference(
        QStringLiteral("&(?:#[xX]([0-9a-fA-F]+);?|#([0-9]+);?|(amp|lt|gt|quot|apos|nbsp);)"));
    static const QHash<QString, QChar> named {
        {QStringLiteral("amp"), QLatin1Char('&')},   {QStringLiteral("lt"), QLatin1Char('<')},
        {QStringLiteral("gt"), QLatin1Char('>')},    {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("nbsp"), QChar(0xA0)},
    };
    QString out;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &m : reference.globalMatch(value)) {
        out += QStringView(value).mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        if (m.hasCaptured(3)) {
            out += named.value(m.captured(3));
            continue;
        }
        bool ok = false;
        const uint code
            = m.hasCaptured(1) ? m.captured(1).toUInt(&ok, 16) : m.captured(2).toUInt(&ok);
        // What the parser puts for a reference to no character.
        const bool valid = ok && code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        const char32_t c = valid ? char32_t(code) : U'\uFFFD';
        out += QString::fromUcs4(&c, 1);
    }
    out += QStringView(value).mid(last);
    return out;
}

} // namespace

QStringList inlineScriptHashes(const QString &html)
{
    static const QRegularExpression scriptElement(
        QStringLiteral("<script\\b([^>]*)>(.*?)</script\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression srcAttribute(QStringLiteral("\\bsrc\\s*="),
                                                 QRegularExpression::CaseInsensitiveOption);
    QStringList hashes;
    for (const QRegularExpressionMatch &match : scriptElement.globalMatch(html)) {
        if (!match.captured(1).contains(srcAttribute))
            hashes.append(sha256Source(match.captured(2)));
    }
    return hashes;
}

QStringList inlineHandlerHashes(const QString &html)
{
    // Elements whose content is text, not mark-up: an "on" inside is no attribute.
    static const QStringList rawTextElements {QStringLiteral("script"),   QStringLiteral("style"),
                                              QStringLiteral("textarea"), QStringLiteral("title"),
                                              QStringLiteral("noscript"), QStringLiteral("xmp")};
    const auto at = [&html](qsizetype i) {
        return i < html.size() ? html.at(i) : QChar();
    };
    QStringList hashes;
    qsizetype i = 0;
    while ((i = html.indexOf(QLatin1Char('<'), i)) >= 0) {
        if (QStringView(html).mid(i).startsWith(QLatin1String("<!--"))) {
            i = html.indexOf(QLatin1String("-->"), i + 4);
            if (i < 0)
                break;
            continue;
        }
        if (!isAsciiLetter(at(i + 1))) { // an end tag's attributes count for nothing
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < html.size() && !isHtmlSpace(at(j)) && at(j) != QLatin1Char('/')
               && at(j) != QLatin1Char('>'))
            ++j;
        const QString tag = html.mid(i + 1, j - i - 1).toLower();
        while (j < html.size() && at(j) != QLatin1Char('>')) {
            if (isHtmlSpace(at(j)) || at(j) == QLatin1Char('/')) {
                ++j;
                continue;
            }
            const qsizetype nameStart = j++;
            while (j < html.size() && !isHtmlSpace(at(j)) && at(j) != QLatin1Char('/')
                   && at(j) != QLatin1Char('>') && at(j) != QLatin1Char('='))
                ++j;
            const QStringView name = QStringView(html).mid(nameStart, j - nameStart);
            while (isHtmlSpace(at(j)))
                ++j;
            if (at(j) != QLatin1Char('='))
                continue;
            ++j;
            while (isHtmlSpace(at(j)))
                ++j;
            qsizetype valueStart = j, valueEnd = j;
            if (at(j) == QLatin1Char('"') || at(j) == QLatin1Char('\'')) {
                valueStart = j + 1;
                valueEnd = html.indexOf(at(j), valueStart);
                if (valueEnd < 0) // the page ends inside the value: no element at all
                    return hashes;
                j = valueEnd + 1;
            } else {
                while (j < html.size() && !isHtmlSpace(at(j)) && at(j) != QLatin1Char('>'))
                    ++j;
                valueEnd = j;
            }
            if (name.startsWith(QLatin1String("on"), Qt::CaseInsensitive))
                hashes.append(
                    sha256Source(decodedAttribute(html.mid(valueStart, valueEnd - valueStart))));
        }
        i = j;
        if (rawTextElements.contains(tag)) {
            static const QString close = QStringLiteral("</");
            i = html.indexOf(close + tag, i, Qt::CaseInsensitive);
            if (i < 0)
                break;
            i += 2;
        }
    }
    return hashes;
}

QString scriptSrcDirective(const QStringList &scriptSources, const QStringList &handlerSources)
{
    QStringList sources = scriptSources;
    if (!handlerSources.isEmpty())
        sources << QStringLiteral("'unsafe-hashes'") << handlerSources;
    sources.removeDuplicates();
    if (sources.isEmpty())
        sources << QStringLiteral("'none'");
    return QStringLiteral("script-src ") + sources.join(QLatin1Char(' '));
}
