#include "generator/settingsfile.h"

#include "generator/generatedefaults.h"
#include "pages/filestore.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Its messages' translation context.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// The JSON number value as whole-number text, or empty when it is not one;
// the same numbers as isWholeNumber takes, so a saved file reads back.
QString wholeNumberText(const QJsonValue &value, bool allowNegative)
{
    if (!value.isDouble())
        return {};
    const double number = value.toDouble();
    if (number != std::floor(number) || std::fabs(number) >= 1e9)
        return {};
    const QString text = QString::number(qint64(number));
    return isWholeNumber(text, allowNegative) ? text : QString();
}

} // namespace

const std::array<DesignField, 7> designFields = {{
    {"height", &AdDesign::height, &AdSettings::height, true, false},
    {"width", &AdDesign::width, &AdSettings::width, true, false},
    {"left", &AdDesign::left, &AdSettings::horizontal, true, true},
    {"top", &AdDesign::top, &AdSettings::vertical, true, true},
    {"caption", &AdDesign::caption, &AdSettings::caption, false, false},
    {"body", &AdDesign::body, &AdSettings::body, false, false},
    {"colour", &AdDesign::colour, &AdSettings::colour, false, false},
}};

QString adTypeName(AdType type)
{
    if (type == AdType::None)
        return {};
    return QString::fromLatin1(adTypeInfo(type).name);
}

AdType adTypeFromText(const QString &text)
{
    for (int number = 1; number <= 5; ++number) {
        const auto type = static_cast<AdType>(number);
        if (text == QLatin1String(adTypeInfo(type).name) || text == QString::number(number))
            return type;
    }
    return AdType::None;
}

AdDesign AdDesign::overriddenBy(const AdDesign &later) const
{
    AdDesign merged = *this;
    if (later.type)
        merged.type = later.type;
    for (const DesignField &field : designFields) {
        if (later.*field.design)
            merged.*field.design = later.*field.design;
    }
    for (std::size_t i = 0; i < later.rules.size(); ++i) {
        if (later.rules[i])
            merged.rules[i] = later.rules[i];
    }
    // A language chosen later fills all the texts, those set on their own too.
    if (later.texts[0])
        merged.texts = {};
    for (std::size_t i = 0; i < later.texts.size(); ++i) {
        if (later.texts[i])
            merged.texts[i] = later.texts[i];
    }
    return merged;
}

AdSettings defaultSettings(AdType type)
{
    const SettingsFormState form = generateDefaults(type);
    AdSettings settings;
    settings.type = type;
    settings.height = form.fields[0].text;
    settings.width = form.fields[1].text;
    settings.horizontal = form.fields[2].text;
    settings.vertical = form.fields[3].text;
    settings.caption = form.fields[4].text;
    settings.body = QString::fromLatin1(sampleBody);
    settings.colour = QString::fromLatin1(defaultColour);
    return settings;
}

AdSettings resolvedSettings(const AdDesign &design)
{
    AdSettings settings = defaultSettings(design.type.value_or(AdType::StickMeNote));
    for (const DesignField &field : designFields) {
        if (const std::optional<QString> &given = design.*field.design)
            settings.*field.settings = *given;
    }
    for (std::size_t i = 0; i < ruleFields.size(); ++i) {
        if (design.rules[i])
            ruleFields[i].read(*design.rules[i], settings.rules);
    }
    for (std::size_t i = 0; i < boxTextFields.size(); ++i) {
        if (design.texts[i])
            boxTextFields[i].read(*design.texts[i], settings.texts);
    }
    return settings;
}

bool isWholeNumber(const QString &text, bool allowNegative)
{
    qsizetype start = allowNegative && text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() <= start || text.size() - start > 9)
        return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString colourFromText(const QString &text)
{
    const QString digits = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    if (digits.size() != 6)
        return {};
    for (QChar c : digits) {
        // QChar::isDigit() would take digits of every script.
        const QChar lower = c.toLower();
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            && !(lower >= QLatin1Char('a') && lower <= QLatin1Char('f')))
            return {};
    }
    return digits.toUpper();
}

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
    const QJsonObject object = document.object();
    const auto keyError = [&](const QString &key, const QString &what) {
        result.error = SettingsFile::tr("%1: \"%2\" %3").arg(source, key, what);
        return result;
    };

    const QJsonValue version = object.value(QLatin1String("version"));
    if (version.isUndefined())
        return keyError(QStringLiteral("version"), SettingsFile::tr("is missing"));
    const QString versionText = wholeNumberText(version, false);
    if (versionText.isEmpty())
        return keyError(QStringLiteral("version"), SettingsFile::tr("must be a whole number"));
    if (versionText.toInt() > settingsFileVersion)
        return keyError(QStringLiteral("version"),
                        SettingsFile::tr("is %1, newer than this program reads (%2)")
                            .arg(versionText)
                            .arg(settingsFileVersion));

    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        if (key == QLatin1String("version"))
            continue;
        if (key == QLatin1String("rules")) {
            if (!value.isObject())
                return keyError(key, SettingsFile::tr("must be an object"));
            const QJsonObject rules = value.toObject();
            DisplayRules read;
            for (auto rule = rules.begin(); rule != rules.end(); ++rule) {
                const QString ruleKey = QStringLiteral("rules.") + rule.key();
                const auto field
                    = std::find_if(ruleFields.begin(), ruleFields.end(), [&](const RuleField &f) {
                          return rule.key() == QLatin1String(f.key);
                      });
                if (field == ruleFields.end())
                    return keyError(ruleKey, SettingsFile::tr("is not a rule this program knows"));
                if (!rule.value().isString() || !field->read(rule.value().toString(), read))
                    return keyError(
                        ruleKey,
                        SettingsFile::tr("must be %1")
                            .arg(QCoreApplication::translate("DisplayRules", field->expected)));
                result.design.rules[std::size_t(field - ruleFields.begin())]
                    = rule.value().toString();
            }
            if (const QString conflict = rulesConflict(read); !conflict.isEmpty()) {
                result.error = SettingsFile::tr("%1: %2").arg(source, conflict);
                return result;
            }
            continue;
        }
        if (key == QLatin1String("texts")) {
            if (!value.isObject())
                return keyError(key, SettingsFile::tr("must be an object"));
            const QJsonObject texts = value.toObject();
            for (auto text = texts.begin(); text != texts.end(); ++text) {
                const QString textKey = QStringLiteral("texts.") + text.key();
                const auto field = std::find_if(
                    boxTextFields.begin(), boxTextFields.end(),
                    [&](const BoxTextField &f) { return text.key() == QLatin1String(f.key); });
                if (field == boxTextFields.end())
                    return keyError(textKey, SettingsFile::tr("is not a text this program knows"));
                BoxTexts checked;
                if (!text.value().isString() || !field->read(text.value().toString(), checked))
                    return keyError(
                        textKey,
                        SettingsFile::tr("must be %1")
                            .arg(QCoreApplication::translate("BoxTexts", field->expected)));
                result.design.texts[std::size_t(field - boxTextFields.begin())]
                    = text.value().toString();
            }
            continue;
        }
        if (key == QLatin1String("type")) {
            if (!value.isString())
                return keyError(key, SettingsFile::tr("must be a text"));
            const AdType type = adTypeFromText(value.toString());
            if (type == AdType::None)
                return keyError(
                    key, SettingsFile::tr("is \"%1\", not a known ad type").arg(value.toString()));
            result.design.type = type;
            continue;
        }
        const DesignField *field = nullptr;
        for (const DesignField &candidate : designFields) {
            if (key == QLatin1String(candidate.key))
                field = &candidate;
        }
        if (!field)
            return keyError(key, SettingsFile::tr("is not a setting this program knows"));
        if (field->number) {
            const QString text = wholeNumberText(value, field->allowNegative);
            if (text.isEmpty())
                return keyError(key, SettingsFile::tr("must be a whole number"));
            result.design.*field->design = text;
            continue;
        }
        if (!value.isString())
            return keyError(key, SettingsFile::tr("must be a text"));
        QString text = value.toString();
        if (key == QLatin1String("colour")) {
            text = colourFromText(text);
            if (text.isEmpty())
                return keyError(key, SettingsFile::tr("must be six hex digits RRGGBB"));
        }
        result.design.*field->design = text;
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
    QJsonObject object;
    object.insert(QLatin1String("version"),
                  settings.rules.isEmpty() && settings.texts.isDefault() ? 1 : settingsFileVersion);
    object.insert(QLatin1String("type"), adTypeName(settings.type));
    for (const DesignField &field : designFields) {
        const QString &text = settings.*field.settings;
        if (!field.number)
            object.insert(QLatin1String(field.key), text);
        else if (isWholeNumber(text, field.allowNegative))
            object.insert(QLatin1String(field.key), text.toInt());
    }
    QJsonObject rules;
    for (const RuleField &field : ruleFields) {
        const QString text = field.write(settings.rules);
        if (!text.isEmpty())
            rules.insert(QLatin1String(field.key), text);
    }
    if (!rules.isEmpty())
        object.insert(QLatin1String("rules"), rules);
    QJsonObject texts;
    for (const BoxTextField &field : boxTextFields) {
        const QString text = field.write(settings.texts);
        if (!text.isEmpty())
            texts.insert(QLatin1String(field.key), text);
    }
    if (!texts.isEmpty())
        object.insert(QLatin1String("texts"), texts);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

const DesignField *fieldNotKeptInFile(const AdSettings &settings)
{
    const AdSettings readBack
        = resolvedSettings(designFromJson(designJson(settings), QString()).design);
    for (const DesignField &field : designFields) {
        if (readBack.*field.settings != settings.*field.settings)
            return &field;
    }
    return nullptr;
}
