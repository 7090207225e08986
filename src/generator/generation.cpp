#include "generator/generation.h"

#include "generator/bodysection.h"
#include "generator/designschema.h"
#include "generator/encoder.h"
#include "generator/headsection.h"
#include "generator/scripthashes.h"
#include "pages/filestore.h"

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

namespace {

QStringList rulesLinesOf(const AdSettings &settings, const QByteArray &rulesScript)
{
    return rulesScriptLines(settings.rules, settings.type, settings.body, rulesScript);
}

} // namespace

QString generateHead(const AdSettings &settings, const QByteArray &supportScript,
                     const QByteArray &rulesScript)
{
    return headSection(settings, scriptLines(supportScript), rulesLinesOf(settings, rulesScript));
}

bool headGoesToClipboard(AdType type, const QByteArray &supportScript)
{
    // Any byte makes at least one line, and only whether there is one matters:
    // no need to decode the script again.
    return headCopyRuns(type, supportScript.isEmpty() ? 0 : 1);
}

GeneratedCode generateCode(const AdSettings &settings, const QByteArray &supportScript,
                           const QByteArray &rulesScript)
{
    // The script is split into lines once, for the section and the copy rule.
    const QStringList lines = scriptLines(supportScript);
    GeneratedCode code;
    code.body = generateBody(settings);
    code.head = headSection(settings, lines, rulesLinesOf(settings, rulesScript));
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

SupportScripts readSupportScripts(const QString &supportFolder, const AdSettings &settings)
{
    SupportScripts scripts;
    ReadResult file = readWholeFile(supportScriptPath(supportFolder, settings.type));
    scripts.support = std::move(file.contents);
    scripts.error = file.error;
    if (scripts.ok() && !settings.rules.isEmpty()) {
        file = readWholeFile(supportFolder + QLatin1Char('/') + QLatin1String(rulesScriptName));
        scripts.rules = std::move(file.contents);
        scripts.error = file.error;
    }
    return scripts;
}

PreparedGeneration prepareGeneration(const QString &supportFolder, const AdSettings &settings)
{
    PreparedGeneration prepared;
    prepared.scripts.error = rulesConflict(settings.rules);
    if (!prepared.ok()) {
        // The only conflict is a last day before the first.
        prepared.setting = &designSetting(SettingGroup::Rules, "until");
        return prepared;
    }
    prepared.scripts = readSupportScripts(supportFolder, settings);
    return prepared;
}
