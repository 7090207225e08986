#include "generator/boxhelpers.h"

ReadResult scriptWithBoxHelpers(const QString &scriptPath, const QString &helpersPath)
{
    ReadResult script = readWholeFile(scriptPath);
    if (!script.ok())
        return script;
    QByteArray &text = script.contents;
    const qsizetype at = text.indexOf(boxHelpersMarker);
    if (at < 0)
        return {{},
                QStringLiteral("\"%1\" has no line with the marker \"%2\"")
                    .arg(scriptPath, QLatin1String(boxHelpersMarker))};
    ReadResult helpers = readWholeFile(helpersPath);
    if (!helpers.ok())
        return helpers;

    QByteArray lines = helpers.contents.replace("\r\n", "\n");
    if (lines.endsWith('\n'))
        lines.chop(1); // the marker line keeps its own line end
    const qsizetype firstBreak = text.indexOf('\n');
    if (firstBreak > 0 && text.at(firstBreak - 1) == '\r')
        lines.replace("\n", "\r\n");

    const qsizetype lineStart = text.lastIndexOf('\n', at) + 1;
    qsizetype lineEnd = text.indexOf('\n', at);
    if (lineEnd < 0)
        lineEnd = text.size();
    else if (text.at(lineEnd - 1) == '\r')
        --lineEnd;
    text.replace(lineStart, lineEnd - lineStart, lines);
    return script;
}
