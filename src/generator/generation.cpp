#include "generator/generation.h"

#include "generator/bodysection.h"
#include "generator/designschema.h"
#include "generator/encoder.h"
#include "generator/headsection.h"
#include "generator/scripthashes.h"
#include "generator/signupform.h"
#include "pages/filestore.h"
#include "pages/pagefile.h"

#include <QCoreApplication>
#include <QUrl>

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

// The lines of a script that hands the box's support script a part of the
// box (rules.js, analytics.js): script with placeholder replaced by an object
// literal of the box's storage key, its language when not English, and
// members. Nothing when there are no members: no part, no script.
QStringList partScriptLines(const AdSettings &s, const QByteArray &script,
                            QLatin1String placeholder, QStringList members)
{
    if (members.isEmpty() || s.type == AdType::None)
        return {};
    // The key is a name and hex digits, the language a preset's code, the
    // members names, numbers and days: nothing in them needs escaping.
    if (s.texts.language != QLatin1String("en"))
        members.prepend(QStringLiteral("language:'%1'").arg(s.texts.language));
    members.prepend(QStringLiteral("key:'%1'").arg(rulesStorageKey(s.type, s.body)));
    const QString object = QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
    QStringList lines = scriptLines(script);
    for (QString &line : lines)
        line.replace(placeholder, object);
    return lines;
}

// The members of the box's rules script: its display rules, and the storage
// rule of a sign-up form's memory.
QStringList rulesMembersOf(const AdSettings &settings)
{
    return rulesScriptMembers(settings.rules, signupFormOf(settings).has_value());
}

QString headOf(const AdSettings &settings, const QStringList &lines, const QByteArray &rulesScript,
               const QByteArray &analyticsScript)
{
    QStringList analytics;
    if (settings.analytics != Analytics::None)
        analytics << QStringLiteral("to:'%1'").arg(analyticsName(settings.analytics));
    return headSection(
        settings, lines,
        partScriptLines(settings, rulesScript, QLatin1String("/*RULES*/"),
                        rulesMembersOf(settings)),
        partScriptLines(settings, analyticsScript, QLatin1String("/*ANALYTICS*/"), analytics));
}

} // namespace

QString generateHead(const AdSettings &settings, const QByteArray &supportScript,
                     const QByteArray &rulesScript, const QByteArray &analyticsScript)
{
    return headOf(settings, scriptLines(supportScript), rulesScript, analyticsScript);
}

bool headGoesToClipboard(AdType type, const QByteArray &supportScript)
{
    // Any byte makes at least one line, and only whether there is one matters:
    // no need to decode the script again.
    return headCopyRuns(type, supportScript.isEmpty() ? 0 : 1);
}

GeneratedCode generateCode(const AdSettings &settings, const QByteArray &supportScript,
                           const QByteArray &rulesScript, const QByteArray &analyticsScript)
{
    // The script is split into lines once, for the section and the copy rule.
    const QStringList lines = scriptLines(supportScript);
    GeneratedCode code;
    code.body = generateBody(settings);
    code.head = headOf(settings, lines, rulesScript, analyticsScript);
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
    QString policy = scriptSrcDirective(scripts, inlineHandlerHashes(markup));
    // A sign-up form posts to its service, into a frame of the box's own.
    if (const std::optional<SignupForm> form = signupFormOf(settings)) {
        const QString origin
            = QString::fromLatin1(QUrl(form->action)
                                      .adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath
                                                | QUrl::RemoveQuery | QUrl::RemoveFragment)
                                      .toEncoded());
        policy += QStringLiteral("; form-action %1; frame-src %1").arg(origin);
    }
    return policy;
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
    // A script read only for the settings that need it.
    const auto readBeside = [&](const char *name, QByteArray &into) {
        if (!scripts.ok())
            return;
        file = readWholeFile(supportFolder + QLatin1Char('/') + QLatin1String(name));
        into = std::move(file.contents);
        scripts.error = file.error;
    };
    if (!rulesMembersOf(settings).isEmpty())
        readBeside(rulesScriptName, scripts.rules);
    if (settings.analytics != Analytics::None)
        readBeside(analyticsScriptName, scripts.analytics);
    return scripts;
}

GeneratedCode generateCode(const AdSettings &settings, const SupportScripts &scripts)
{
    return generateCode(settings, scripts.support, scripts.rules, scripts.analytics);
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

QString sameTypeBoxNote(const LoadedPage &page, AdType type)
{
    if (type == AdType::None)
        return {};
    const QByteArray id(adTypeInfo(type).boxId);
    const QByteArray mark
        = id.isEmpty() ? QByteArray("ZephrinWindowAd(") : '#' + id + QByteArray("[data-zephrin]");
    if (!pageTextContains(page, mark))
        return {};
    return QCoreApplication::translate("Generation",
                                       "the page already holds a %1 outside the code block: two "
                                       "boxes of the same type on one page do not work, as they "
                                       "share the type's id and style")
        .arg(QLatin1String(adTypeInfo(type).caption));
}
