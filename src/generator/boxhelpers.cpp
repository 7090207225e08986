#include "generator/boxhelpers.h"

#include <QRegularExpression>

namespace {

// Whether text names name as a whole word outside its whole-line comments.
bool names(QString text, const QString &name)
{
    static const QRegularExpression comment(QStringLiteral("^\\s*//.*$"),
                                            QRegularExpression::MultilineOption);
    text.remove(comment);
    return QRegularExpression(QStringLiteral("\\b%1\\b").arg(name)).match(text).hasMatch();
}

// helpers without each function that neither script nor a function kept
// calls, so a reader's page gets only the code its box runs. The helpers are
// blocks parted by blank lines, a block defining at most one function.
QByteArray helpersUsedBy(const QByteArray &script, const QByteArray &helpers)
{
    static const QRegularExpression definition(QStringLiteral("^\\s*function (\\w+)\\("),
                                               QRegularExpression::MultilineOption);
    QStringList blocks;
    for (qsizetype from = 0;;) {
        const qsizetype blank = helpers.indexOf("\n\n", from);
        blocks.append(QString::fromUtf8(helpers.mid(from, blank < 0 ? -1 : blank - from)));
        if (blank < 0)
            break;
        from = blank + 2;
    }
    QStringList defined; // the function each block defines, or empty
    for (const QString &block : blocks)
        defined.append(definition.match(block).captured(1));

    const QString scriptText = QString::fromUtf8(script);
    std::vector<bool> kept(std::size_t(blocks.size()), false);
    for (bool grown = true; grown;) {
        grown = false;
        for (qsizetype i = 0; i < blocks.size(); ++i) {
            if (kept[std::size_t(i)])
                continue;
            bool used = defined[i].isEmpty() || names(scriptText, defined[i]);
            for (qsizetype j = 0; !used && j < blocks.size(); ++j)
                used = j != i && kept[std::size_t(j)] && names(blocks[j], defined[i]);
            if (used)
                kept[std::size_t(i)] = grown = true;
        }
    }
    QStringList keptBlocks;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (kept[std::size_t(i)])
            keptBlocks.append(blocks[i]);
    }
    return keptBlocks.join(QStringLiteral("\n\n")).toUtf8();
}

} // namespace

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

    QByteArray lines = helpersUsedBy(text, helpers.contents.replace("\r\n", "\n"));
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
