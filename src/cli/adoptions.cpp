#include "cli/adoptions.h"

#include "generator/settingsfile.h"
#include "generator/signupform.h"
#include "generator/supportfolder.h"
#include "pages/filestore.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The options' translation context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AdOptions)
};

// description is marked with QT_TRANSLATE_NOOP in the AdOptions context.
QCommandLineOption option(const QStringList &names, const char *description, const char *value)
{
    return QCommandLineOption(names, Texts::tr(description), QString::fromLatin1(value));
}

} // namespace

QList<QCommandLineOption> AdOptions::options()
{
    return {
        option(
            {QStringLiteral("type")},
            QT_TRANSLATE_NOOP("AdOptions",
                              "stickme-note, window-ad, jumpy-ad, force-emailer, timer-ad or 1-5."),
            "TYPE"),
        option({QStringLiteral("height")}, QT_TRANSLATE_NOOP("AdOptions", "Height in pixels."),
               "N"),
        option({QStringLiteral("width")}, QT_TRANSLATE_NOOP("AdOptions", "Width in pixels."), "N"),
        option({QStringLiteral("left")},
               QT_TRANSLATE_NOOP("AdOptions", "Horizontal position in pixels."), "N"),
        option({QStringLiteral("top")},
               QT_TRANSLATE_NOOP("AdOptions", "Vertical position in pixels."), "N"),
        option({QStringLiteral("caption"), QStringLiteral("email")},
               QT_TRANSLATE_NOOP("AdOptions",
                                 "Caption; for force-emailer the address to mail, or the "
                                 "https: address of a sign-up form."),
               "TEXT"),
        option({QStringLiteral("colour")},
               QT_TRANSLATE_NOOP("AdOptions", "Background colour, RRGGBB or #RRGGBB."), "RRGGBB"),
        option({QStringLiteral("body")}, QT_TRANSLATE_NOOP("AdOptions", "Body HTML of the box."),
               "TEXT"),
        option({QStringLiteral("body-file")},
               QT_TRANSLATE_NOOP("AdOptions", "Read the body HTML from FILE (- for stdin)."),
               "FILE"),
        option({QStringLiteral("start")},
               QT_TRANSLATE_NOOP("AdOptions",
                                 "When the box starts: now (default), delay:N seconds (1-3600), "
                                 "scroll:P % of the page (1-100), or exit, when the pointer "
                                 "leaves through the top of the window (never on touch screens)."),
               "WHEN"),
        option({QStringLiteral("show-again")},
               QT_TRANSLATE_NOOP("AdOptions",
                                 "always (default), visit (once per visit) or days:N "
                                 "(once every N days, 1-3650)."),
               "HOW"),
        option(
            {QStringLiteral("from")},
            QT_TRANSLATE_NOOP("AdOptions", "First day to show the box, the reader's local date."),
            "YYYY-MM-DD"),
        option({QStringLiteral("until")},
               QT_TRANSLATE_NOOP("AdOptions", "Last day to show the box, the reader's local date."),
               "YYYY-MM-DD"),
        option({QStringLiteral("screens")},
               QT_TRANSLATE_NOOP("AdOptions",
                                 "all (default), wide (viewport 768 px wide or more) or narrow."),
               "WHICH"),
        option({QStringLiteral("box-language")},
               QT_TRANSLATE_NOOP(
                   "AdOptions",
                   "Language of the box's texts: en (default), de, fr, es, it, nl, pt or pl."),
               "CODE"),
        option(
            {QStringLiteral("close-text")},
            QT_TRANSLATE_NOOP("AdOptions", "Caption of the close link (StickME note, Jumpy AD)."),
            "TEXT"),
        option({QStringLiteral("notice-text")},
               QT_TRANSLATE_NOOP("AdOptions", "Closing notice of the Timer AD."), "TEXT"),
        option({QStringLiteral("button-text")},
               QT_TRANSLATE_NOOP("AdOptions", "Caption of the Force Emailer's button."), "TEXT"),
        option({QStringLiteral("settings")},
               QT_TRANSLATE_NOOP("AdOptions", "Start from a design saved as JSON."), "FILE"),
        option({QStringLiteral("save-settings")},
               QT_TRANSLATE_NOOP("AdOptions", "Save the design in use as JSON."), "FILE"),
    };
}

AdOptions::Design AdOptions::design(const QCommandLineParser &parser)
{
    Design result;
    const auto fail = [&result](const QString &message) {
        result.error = message;
        return result;
    };

    AdDesign fromFile;
    if (parser.isSet(QStringLiteral("settings"))) {
        const DesignReadResult file = readDesignFile(parser.value(QStringLiteral("settings")));
        if (!file.ok())
            return fail(Texts::tr("--settings: %1").arg(file.error));
        fromFile = file.design;
    }

    AdDesign given;
    if (parser.isSet(QStringLiteral("type"))) {
        const QString text = parser.value(QStringLiteral("type"));
        const AdType type = adTypeFromText(text);
        if (type == AdType::None)
            return fail(Texts::tr("--type: \"%1\" is not an ad type; use stickme-note, window-ad, "
                                  "jumpy-ad, force-emailer, timer-ad or 1-5")
                            .arg(text));
        given.type = type;
    }
    for (const DesignField &field : designFields) {
        const QString name = QLatin1String(field.key);
        if (!field.number || !parser.isSet(name))
            continue;
        const QString text = parser.value(name);
        if (!isWholeNumber(text, field.allowNegative))
            return fail(Texts::tr("--%1: \"%2\" is not a whole number of pixels").arg(name, text));
        given.*field.design = text;
    }
    for (std::size_t i = 0; i < ruleFields.size(); ++i) {
        const RuleField &field = ruleFields[i];
        const QString name = QLatin1String(field.key);
        if (!parser.isSet(name))
            continue;
        const QString text = parser.value(name);
        DisplayRules checked;
        if (!field.read(text, checked))
            return fail(
                Texts::tr("--%1: \"%2\" is not %3")
                    .arg(name, text, QCoreApplication::translate("DisplayRules", field.expected)));
        given.rules[i] = text;
    }
    for (std::size_t i = 0; i < boxTextFields.size(); ++i) {
        const BoxTextField &field = boxTextFields[i];
        const QString name = QLatin1String(field.option);
        if (!parser.isSet(name))
            continue;
        const QString text = parser.value(name);
        BoxTexts checked;
        if (!field.read(text, checked))
            return fail(
                Texts::tr("--%1: \"%2\" must be %3")
                    .arg(name, text, QCoreApplication::translate("BoxTexts", field.expected)));
        given.texts[i] = text;
    }
    if (parser.isSet(QStringLiteral("caption")))
        given.caption = parser.value(QStringLiteral("caption"));
    if (parser.isSet(QStringLiteral("colour"))) {
        const QString text = parser.value(QStringLiteral("colour"));
        given.colour = colourFromText(text);
        if (given.colour->isEmpty())
            return fail(Texts::tr("--colour: \"%1\" is not six hex digits RRGGBB").arg(text));
    }
    if (parser.isSet(QStringLiteral("body")) && parser.isSet(QStringLiteral("body-file")))
        return fail(Texts::tr("--body and --body-file: give only one of them"));
    if (parser.isSet(QStringLiteral("body")))
        given.body = parser.value(QStringLiteral("body"));
    if (parser.isSet(QStringLiteral("body-file"))) {
        const QString path = parser.value(QStringLiteral("body-file"));
        if (path == QLatin1String("-")) {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return fail(Texts::tr("--body-file: cannot read standard input"));
            given.body = QString::fromUtf8(in.readAll());
        } else {
            const ReadResult file = readWholeFile(path);
            if (!file.ok())
                return fail(Texts::tr("--body-file: %1").arg(file.error));
            given.body = QString::fromUtf8(file.contents);
        }
    }

    result.settings = resolvedSettings(fromFile.overriddenBy(given));
    if (const QString conflict = rulesConflict(result.settings.rules); !conflict.isEmpty())
        return fail(Texts::tr("--until: %1").arg(conflict));
    if (const QString problem = captionProblem(result.settings); !problem.isEmpty()) {
        if (given.caption)
            return fail(Texts::tr("--caption: %1").arg(problem));
        return fail(Texts::tr("--settings: %1: \"caption\" %2")
                        .arg(parser.value(QStringLiteral("settings")), problem));
    }
    const SupportScripts scripts = readSupportScripts(supportFolder(), result.settings);
    if (!scripts.ok())
        return fail(scripts.error);
    AdSettings asTyped = result.settings;
    asTyped.body = withCrLfLineBreaks(asTyped.body);
    result.code = generateCode(asTyped, scripts);
    return result;
}

QString AdOptions::saveSettings(const QCommandLineParser &parser, const AdSettings &settings)
{
    if (!parser.isSet(QStringLiteral("save-settings")))
        return {};
    const QString error
        = replaceFileContents(parser.value(QStringLiteral("save-settings")), designJson(settings));
    return error.isEmpty() ? QString() : Texts::tr("--save-settings: %1").arg(error);
}
