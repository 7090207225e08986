#include "generator/generation.h"

#include "generator/bodysection.h"
#include "generator/encoder.h"
#include "generator/headsection.h"
#include "generator/scripthashes.h"

QString withCrLfLineBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.count(QLatin1Char('\n')));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r')))
            out += QLatin1Char('\r');
        out += text.at(i);
    }
    return out;
}

QString generateBody(const AdSettings &settings)
{
    if (settings.type == AdType::None)
        return QString();
    return encodedBodySection(settings.type, rawBodySection(settings));
}

QString generateHead(const AdSettings &settings, const QByteArray &supportScript)
{
    return headSection(settings, scriptLines(supportScript));
}

bool headGoesToClipboard(AdType type, const QByteArray &supportScript)
{
    // Any byte makes at least one line, and only whether there is one matters:
    // no need to decode the script again.
    return headCopyRuns(type, supportScript.isEmpty() ? 0 : 1);
}

GeneratedCode generateCode(const AdSettings &settings, const QByteArray &supportScript)
{
    // The script is split into lines once, for the section and the copy rule.
    const QStringList lines = scriptLines(supportScript);
    GeneratedCode code;
    code.body = generateBody(settings);
    code.head = headSection(settings, lines);
    code.clipboard = headCopyRuns(settings.type, int(lines.size())) ? code.head : code.body;
    return code;
}

QString scriptSrcPolicy(const AdSettings &settings, const GeneratedCode &code)
{
    if (settings.type == AdType::None)
        return QString();
    QStringList scripts = inlineScriptHashes(code.body) + inlineScriptHashes(code.head);
    // What the browser parses beyond the two sections as written.
    QString markup;
    if (settings.type == AdType::WindowAd) {
        markup = settings.body; // set as the window's inner HTML: its scripts never run
    } else {
        markup = rawBodySection(settings);
        scripts += inlineScriptHashes(markup);
    }
    return scriptSrcDirective(scripts, inlineHandlerHashes(markup));
}

QString supportScriptPath(const QString &supportFolder, AdType type)
{
    if (type == AdType::None)
        return QString();
    return supportFolder + QLatin1Char('/') + QLatin1String(adTypeInfo(type).supportScript);
}
