#include "cli/adoptions.h"

#include "generator/settingsfile.h"
#include "generator/signupform.h"
#include "generator/supportfolder.h"
#include "pages/filestore.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

// The options' translation context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AdOptions)
};

// The body HTML that --body-file names, or an error naming the option.
DesignReadResult bodyFromFile(const QString &path)
{
    DesignReadResult result;
    QByteArray body;
    if (path == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            result.error = Texts::tr("--body-file: cannot read standard input");
        body = in.readAll();
    } else {
        const ReadResult file = readWholeFile(path);
        if (!file.ok())
            result.error = Texts::tr("--body-file: %1").arg(file.error);
        body = file.contents;
    }
    result.design.give(designSetting(SettingGroup::Top, "body"), QString::fromUtf8(body));
    return result;
}

} // namespace

QList<QCommandLineOption> AdOptions::options()
{
    QList<QCommandLineOption> options = designOptions();
    const auto body = std::find_if(options.begin(), options.end(), [](const auto &option) {
        return option.names().constFirst() == QLatin1String("body");
    });
    options.insert(body + 1,
                   {QStringLiteral("body-file"),
                    Texts::tr("Read the body HTML from FILE (- for stdin)."),
                    QStringLiteral("FILE")});
    return options
        + QList<QCommandLineOption> {
            {QStringLiteral("settings"), Texts::tr("Start from a design saved as JSON."),
             QStringLiteral("FILE")},
            {QStringLiteral("save-settings"), Texts::tr("Save the design in use as JSON."),
             QStringLiteral("FILE")},
        };
}

AdOptions::Design AdOptions::design(const QCommandLineParser &parser)
{
    Design result;
    const auto fail = [&result](const QString &message) {
        result.error = message;
        return result;
    };
    DesignReadResult file;
    if (parser.isSet(QStringLiteral("settings"))) {
        file = readDesignFile(parser.value(QStringLiteral("settings")));
        if (!file.ok())
            return fail(Texts::tr("--settings: %1").arg(file.error));
    }
    if (parser.isSet(QStringLiteral("body")) && parser.isSet(QStringLiteral("body-file")))
        return fail(Texts::tr("--body and --body-file: give only one of them"));
    DesignReadResult body;
    if (parser.isSet(QStringLiteral("body-file")))
        body = bodyFromFile(parser.value(QStringLiteral("body-file")));
    const DesignReadResult options = designFromOptions(parser);
    for (const DesignReadResult &layer : {body, options}) {
        if (!layer.ok())
            return fail(layer.error);
    }
    result.settings
        = resolvedSettings(file.design.overriddenBy(body.design).overriddenBy(options.design));
    if (const QString problem = captionProblem(result.settings); !problem.isEmpty()) {
        if (!file.design.gives(designSetting(SettingGroup::Top, "caption"))
            || options.design.gives(designSetting(SettingGroup::Top, "caption")))
            return fail(Texts::tr("--%1: %2")
                            .arg(parser.optionNames().contains(QStringLiteral("form-action"))
                                     ? QStringLiteral("form-action")
                                     : QStringLiteral("caption"),
                                 problem));
        return fail(Texts::tr("--settings: %1: \"caption\" %2")
                        .arg(parser.value(QStringLiteral("settings")), problem));
    }
    const PreparedGeneration prepared = prepareGeneration(supportFolder(), result.settings);
    if (!prepared.ok())
        return fail(prepared.setting
                        ? Texts::tr("--%1: %2").arg(prepared.setting->option(), prepared.error())
                        : prepared.error());
    AdSettings asTyped = result.settings;
    asTyped.body = withCrLfLineBreaks(asTyped.body);
    result.code = generateCode(asTyped, prepared.scripts);
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
