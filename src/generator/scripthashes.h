#pragma once

#include <QString>
#include <QStringList>

// The Content-Security-Policy sources that allow each inline script element of
// html (one without a src attribute): "'sha256-BASE64'", in order of
// appearance. The hash is taken over the script's text as a browser sees it,
// with every CR LF and lone CR read as LF, encoded as UTF-8.
QStringList inlineScriptHashes(const QString &html);

// The sources that allow each inline event handler of html (the value of an
// attribute whose name starts with "on", such as onClick, on any tag outside
// comments, scripts and styles), in order of appearance: "'sha256-BASE64'" of
// the value as the browser runs it, its character references decoded (numeric
// ones and &amp; &lt; &gt; &quot; &apos; &nbsp;) and line breaks read as LF.
// Such a source takes effect only beside 'unsafe-hashes'.
QStringList inlineHandlerHashes(const QString &html);

// One Content-Security-Policy directive, ready for a header or a meta element:
// "script-src" with scriptSources, then, when there are handlerSources,
// 'unsafe-hashes' and those; each source once, in order of first appearance.
QString scriptSrcDirective(const QStringList &scriptSources, const QStringList &handlerSources);
