#include "generator/encoder.h"

namespace Decoder {
// Everything the decoder names stays inside one function scope, so a page's
// own globals (s, u, i, md and the like) are neither replaced nor clash with
// it. While the page is still being parsed the box is written where the
// script stands; once parsing is over a write would wipe the page, so the box
// is inserted after the script instead (at the end of the body when the
// script stands in the head, where nothing shows) and the support scripts
// are told.
const QString head = QStringLiteral(
    "<script>(function(){var md;function u( s ) { var sRet=\"\"; for(var i=0; i< s.length; i++ "
    "){ var n= s.charCodeAt(i);sRet += String.fromCharCode( n -3 ); } return( sRet ); } ");
const QString literalOpen = QStringLiteral("md = \"");
const QString literalClose = QStringLiteral("\"");
const QString tail = QStringLiteral(
    "; var s= u(md), d=document, c=d.currentScript; if(c&&d.readyState!=='loading'){var "
    "p=d.body.contains(c)?c.parentNode:d.body,r=d.createRange();r.selectNodeContents(p);p."
    "insertBefore(r.createContextualFragment(s),p===c.parentNode?c.nextSibling:null);d."
    "dispatchEvent(new Event('zephrin-box'));}else d.write (s);})();</script>");
} // namespace Decoder

namespace {

bool startsAt(const QString &text, qsizetype i, QLatin1String needle)
{
    return QStringView(text).mid(i).startsWith(needle, Qt::CaseInsensitive);
}

} // namespace

QString upperHex(uint value, int digits)
{
    return QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper();
}

QString shiftEncode(const QString &text, int count)
{
    const qsizetype n = qBound(qsizetype(0), qsizetype(count), text.size());
    QString out(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) {
        // char16_t arithmetic wraps at 65536, which fromCharCode(n - 3) undoes.
        out[i] = QChar(static_cast<char16_t>(text.at(i).unicode() + 3));
    }
    return out;
}

QString escapeForScriptLiteral(const QString &text, QChar quote, RawControls raw)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t unit = c.unicode();
        if (unit == u'\\' || c == quote) {
            out += QLatin1Char('\\');
            out += c;
        } else if (unit == u'\r') {
            out += QLatin1String("\\r");
        } else if (unit == u'\n') {
            out += QLatin1String("\\n");
        } else if ((unit == u'\t' || unit == u'\f') && raw == RawControls::TabAndFormFeed) {
            out += c;
        } else if (unit < 0x20 || unit >= 0x7F) {
            // Per code unit, so lone surrogates survive; a raw NUL would also
            // make the page look binary to the next insertion.
            out += QLatin1String("\\u") + upperHex(unit, 4);
        } else if (unit == u'<'
                   && (startsAt(text, i, QLatin1String("</script"))
                       || startsAt(text, i, QLatin1String("<!--")))) {
            // Only these two openings can end or derail the script element;
            // ordinary closing tags such as "</B>" stay as typed.
            out += QLatin1String("\\x3C");
        } else {
            out += c;
        }
    }
    return out;
}

QString encodedBodySection(AdType type, const QString &rawBody)
{
    // Window AD's body section is already a script and goes out as it is.
    if (type == AdType::WindowAd)
        return rawBody;
    return Decoder::head + Decoder::literalOpen
        + escapeForScriptLiteral(shiftEncode(rawBody, int(rawBody.size())), QLatin1Char('"'),
                                 RawControls::TabAndFormFeed)
        + Decoder::literalClose + Decoder::tail;
}
