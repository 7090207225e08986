#pragma once

#include "generator/adtype.h"

#include <QString>

// The four fixed pieces of the self-decoding script. The shifted text stands
// between decoderLiteralOpen and decoderLiteralClose.
namespace Decoder {
// Text11: "<script>(function(){var md;function u( s ) { ... } ": opens the one
// function scope that keeps the decoder's names off the page
extern const QString head;
// Text10: "md = \"" (6 characters)
extern const QString literalOpen;
// Text9: "\"" (1 character)
extern const QString literalClose;
// Text8: "; var s= u(md), ... })();</script>": writes the decoded box where the
// script stands while the page is parsed, inserts it after the script once
// parsing is over and then fires "zephrin-box" on the document
extern const QString tail;
} // namespace Decoder

// Shifts the first count UTF-16 code units of text up by 3, modulo 65536
// (what the browser's charCodeAt/fromCharCode undo exactly). Returns count
// characters; count is clamped to text's length.
QString shiftEncode(const QString &text, int count);

// value as uppercase hex digits, zero-padded to at least digits of them: the
// digits of the \uXXXX escapes of script text and of CSS escapes.
QString upperHex(uint value, int digits);

// Which control characters a script literal may carry as they are.
enum class RawControls {
    None, // every unit below 0x20 is escaped
    TabAndFormFeed, // tab and form feed stay: both are safe in a literal and in HTML
};

// Writes text as the inside of a JavaScript string literal delimited by quote
// (' or ") inside a script element, so that the browser's string is exactly
// text, nothing can end the literal or the script element, and the result is
// 7-bit ASCII whatever the page's character set:
//  - backslash and quote get a backslash in front; CR and LF become \r and \n;
//  - every other unit below 0x20 (but those raw keeps), DEL and every non-ASCII
//    UTF-16 unit (lone surrogates too) become \uXXXX;
//  - a '<' beginning "</script" or "<!--" in any letter case becomes \x3C.
// Everything else, printable ASCII, is returned unchanged.
QString escapeForScriptLiteral(const QString &text, QChar quote,
                               RawControls raw = RawControls::None);

// The final body section: for Window AD the raw section unchanged, for every
// other type the self-decoding script Decoder::head + literalOpen + the shifted
// raw section as a double-quoted literal (tab and form feed raw) + literalClose + tail.
QString encodedBodySection(AdType type, const QString &rawBody);
