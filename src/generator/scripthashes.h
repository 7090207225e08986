#pragma once

#include <QString>
#include <QStringList>

// The Content-Security-Policy sources that allow each inline script element of
// html (one without a src attribute): "'sha256-BASE64'", in order of
// appearance. The hash is taken over the script's text as a browser sees it,
// with every CR LF and lone CR read as LF, encoded as UTF-8.
QStringList inlineScriptHashes(const QString &html);
