#include "generator/settingsfile.h"

#include "pages/filestore.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <optional>

namespace {

// Its messages' translation context.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// The JSON value as a setting's text: a whole number's digits or a string,
// as number says; nothing for any other value. The numbers are those a size
// or position takes, so a saved file reads back.
std::optional<QString> settingText(const QJsonValue &value, bool number)
{
    if (!number)
        return value.isString() ? std::optional(value.toString()) : std::nullopt;
    const double whole = value.toDouble(0.5);
    if (!value.isDouble() || whole != std::floor(whole) || std::fabs(whole) >= 1e9)
        return std::nullopt;
    return QString::number(qint64(whole));
}

} // namespace

DesignReadResult designFromJson(const QByteArray &json, const QString &source)
{
    DesignReadResult result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        result.error = SettingsFile::tr("%1: not a settings file: %2")
                           .arg(source,
                                document.isNull() ? parseError.errorString()
                                                  : SettingsFile::tr("expected a JSON object"));
        return result;
    }
    const auto keyError = [&](const QString &key, const QString &what) {
        result.error = SettingsFile::tr("%1: \"%2\" %3").arg(source, key, what);
        return result;
    };
    QJsonObject groups[std::size(settingGroupKeys)] = {document.object()};
    const QJsonValue version = groups[0].take(QLatin1String("version"));
    const std::optional<QString> versionText = settingText(version, true);
    if (version.isUndefined())
        return keyError(QStringLiteral("version"), SettingsFile::tr("is missing"));
    if (!versionText || versionText->toInt() < 0)
        return keyError(QStringLiteral("version"), SettingsFile::tr("must be a whole number"));
    if (versionText->toInt() > settingsFileVersion)
        return keyError(QStringLiteral("version"),
                        SettingsFile::tr("is %1, newer than this program reads (%2)")
                            .arg(*versionText)
                            .arg(settingsFileVersion));
    for (std::size_t group = 1; group < std::size(settingGroupKeys); ++group) {
        const QJsonValue object = groups[0].take(QLatin1String(settingGroupKeys[group]));
        if (!object.isUndefined() && !object.isObject())
            return keyError(QLatin1String(settingGroupKeys[group]),
                            SettingsFile::tr("must be an object"));
        groups[group] = object.toObject();
    }

    for (const Setting &setting : designSettings()) {
        QJsonObject &group = groups[int(setting.group)];
        const QJsonValue value = group.take(QLatin1String(setting.key));
        if (value.isUndefined())
            continue;
        const std::optional<QString> text = settingText(value, setting.value.number);
        if (!text || !result.design.give(setting, *text))
            return keyError(setting.path(),
                            SettingsFile::tr("must be %1").arg(setting.expectedText()));
    }
    for (std::size_t group = 0; group < std::size(settingGroupKeys); ++group) {
        if (!groups[group].isEmpty())
            return keyError(settingPath(SettingGroup(group), groups[group].begin().key()),
                            SettingsFile::tr("is not a setting this program knows"));
    }
    return result;
}

DesignReadResult readDesignFile(const QString &path)
{
    const ReadResult file = readWholeFile(path);
    if (!file.ok()) {
        DesignReadResult result;
        result.error = file.error;
        return result;
    }
    return designFromJson(file.contents, path);
}

QByteArray designJson(const AdSettings &settings)
{
    QJsonObject groups[std::size(settingGroupKeys)];
    int version = 1;
    for (const Setting &setting : designSettings()) {
        const QString text = setting.value.write(settings);
        AdSettings check;
        if (!setting.value.read(text, check)
            || (setting.since > 1 && text == setting.value.write(AdSettings())))
            continue;
        groups[int(setting.group)].insert(QLatin1String(setting.key),
                                          setting.value.number ? QJsonValue(text.toInt()) : text);
        version = std::max(version, setting.since);
    }
    for (std::size_t group = 1; group < std::size(settingGroupKeys); ++group) {
        if (!groups[group].isEmpty())
            groups[0].insert(QLatin1String(settingGroupKeys[group]), groups[group]);
    }
    groups[0].insert(QLatin1String("version"), version);
    return QJsonDocument(groups[0]).toJson(QJsonDocument::Indented);
}

const Setting *fieldNotKeptInFile(const AdSettings &settings)
{
    const AdSettings readBack
        = resolvedSettings(designFromJson(designJson(settings), QString()).design);
    for (const Setting &setting : designSettings()) {
        const QString text = setting.value.write(settings);
        // An empty size or position is meant to be left out: it reads back as
        // the type's default, as the window fills it at Generate.
        if (setting.value.number && text.isEmpty())
            continue;
        if (setting.value.write(readBack) != text)
            return &setting;
    }
    return nullptr;
}
