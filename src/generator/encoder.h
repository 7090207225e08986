#pragma once

#include "generator/adtype.h"

#include <QString>

// The four fixed pieces of the self-decoding script. The shifted text stands
// between decoderLiteralOpen and decoderLiteralClose.
namespace Decoder {
// Text11: "<script>function u( s ) { ... } " (148 characters)
extern const QString head;
// Text10: "md = \"" (6 characters)
extern const QString literalOpen;
// Text9: "\"" (1 character)
extern const QString literalClose;
// Text8: "; var s= u(md);document.write (s);</script>" (43 characters)
extern const QString tail;
} // namespace Decoder

// Shifts the first count UTF-16 code units of text up by 3, modulo 65536
// (what the browser's charCodeAt/fromCharCode undo exactly). Returns count
// characters; count is clamped to text's length.
QString shiftEncode(const QString &text, int count);

// Writes shifted text as the inside of a double-quoted JavaScript literal so
// that the browser's string is exactly the shifted text and nothing can end
// the script element: backslash, double quote, control and non-ASCII code
// units are escaped, and so is a '<' beginning "</script" or "<!--" in any
// letter case. Printable ASCII that needs none of this is returned unchanged.
QString scriptLiteralText(const QString &shifted);

// The final body section: for Window AD the raw section unchanged, for every
// other type the self-decoding script
// Decoder::head + literalOpen + literal(shifted raw) + literalClose + tail.
QString encodedBodySection(AdType type, const QString &rawBody);
