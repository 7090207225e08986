#include "generator/designschema.h"

#include "generator/generatedefaults.h"
#include "generator/signupform.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The part of AdSettings that a member, or a member of a member, names
// (a fold over .*: settings.*path1.*path2).
template<auto... path> auto &part(AdSettings &settings)
{
    return (settings.*....*path);
}
template<auto... path> const auto &part(const AdSettings &settings)
{
    return (settings.*....*path);
}

QString textOf(const QString &text)
{
    return text;
}
QString textOf(const std::optional<QString> &text)
{
    return text.value_or(QString());
}

// Copies parts of AdSettings, each given as its path from AdSettings down:
// copyParts<&AdSettings::rules, &DisplayRules::days> copies settings.rules.days.
template<auto group, auto... members> void copyParts(const AdSettings &from, AdSettings &to)
{
    if constexpr (sizeof...(members) == 0)
        to.*group = from.*group;
    else
        ((to.*group.*members = from.*group.*members), ...);
}

// Whether text is a whole number in decimal digits, at most nine of them;
// with allowNegative a leading '-' is accepted too (positions may lie off the page).
bool isWholeNumber(const QString &text, bool allowNegative)
{
    const qsizetype start = allowNegative && text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() <= start || text.size() - start > 9)
        return false;
    return std::all_of(text.begin() + start, text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A size or position: the window keeps it as typed, so its text is its value.
template<QString AdSettings::*member, bool allowNegative> SettingValue pixels()
{
    return {true,
            allowNegative ? QT_TRANSLATE_NOOP("Settings", "a whole number of pixels")
                          : QT_TRANSLATE_NOOP("Settings", "a whole number of pixels, 0 or more"),
            [](const QString &text, AdSettings &settings) {
                if (!isWholeNumber(text, allowNegative))
                    return false;
                settings.*member = text;
                return true;
            },
            [](const AdSettings &settings) { return settings.*member; }, copyParts<member>};
}

// A text taken as it stands: any text, or (with notEmpty) any but the empty one.
template<auto... path> SettingValue text(bool notEmpty)
{
    return {false,
            notEmpty ? QT_TRANSLATE_NOOP("Settings", "a text that is not empty")
                     : QT_TRANSLATE_NOOP("Settings", "a text"),
            [notEmpty](const QString &value, AdSettings &settings) {
                if (notEmpty && value.isEmpty())
                    return false;
                part<path...>(settings) = value;
                return true;
            },
            [](const AdSettings &settings) { return textOf(part<path...>(settings)); },
            copyParts<path...>};
}

// A choice among fixed words, kept at path as the word itself or as an
// enumeration whose value i is words[i]. An entry may name more spellings
// after a space ("stickme-note 1"), the first the one written; an empty
// entry is a value that no text gives.
template<auto... path> SettingValue choice(const QStringList &words, const char *expected)
{
    using Value = std::decay_t<decltype(part<path...>(AdSettings()))>;
    return {false, expected,
            [words](const QString &text, AdSettings &settings) {
                for (qsizetype i = 0; i < words.size(); ++i) {
                    if (text.isEmpty() || !words[i].split(QLatin1Char(' ')).contains(text))
                        continue;
                    if constexpr (std::is_same_v<Value, QString>)
                        part<path...>(settings) = words[i].section(QLatin1Char(' '), 0, 0);
                    else
                        part<path...>(settings) = Value(i);
                    return true;
                }
                return false;
            },
            [words](const AdSettings &settings) {
                if constexpr (std::is_same_v<Value, QString>)
                    return part<path...>(settings);
                else
                    return words.value(qsizetype(part<path...>(settings)))
                        .section(QLatin1Char(' '), 0, 0);
            },
            copyParts<path...>};
}

// The colour as six hex digits; "#RRGGBB" and lowercase are taken too, and
// kept as the window's colour chooser writes it.
SettingValue colour()
{
    return {
        false, QT_TRANSLATE_NOOP("Settings", "six hex digits RRGGBB"),
        [](const QString &text, AdSettings &settings) {
            const QString digits = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
            // QChar::isDigit() would take digits of every script.
            const auto isHex = [](QChar c) {
                const QChar lower = c.toLower();
                return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                    || (lower >= QLatin1Char('a') && lower <= QLatin1Char('f'));
            };
            const bool ok = digits.size() == 6 && std::all_of(digits.begin(), digits.end(), isHex);
            if (ok)
                settings.colour = digits.toUpper();
            return ok;
        },
        [](const AdSettings &settings) { return settings.colour; }, copyParts<&AdSettings::colour>};
}

// A display rule in the text form the rules take (see ruleFields); copy
// copies what the rule sets.
SettingValue rule(const char *key, const char *expected,
                  void (*copy)(const AdSettings &, AdSettings &))
{
    const RuleField &field
        = *std::find_if(ruleFields.begin(), ruleFields.end(),
                        [key](const RuleField &f) { return qstrcmp(f.key, key) == 0; });
    return {false, expected,
            [&field](const QString &text, AdSettings &settings) {
                return field.read(text, settings.rules);
            },
            [&field](const AdSettings &settings) { return field.write(settings.rules); }, copy};
}

// A sign-up form's field name; empty, the default, stands for "email".
SettingValue formField()
{
    return {
        false,
        QT_TRANSLATE_NOOP("Settings", "a field name without spaces, quotes, angle brackets or &"),
        [](const QString &text, AdSettings &settings) {
            if (!isFormFieldName(text))
                return false;
            settings.formField = text;
            return true;
        },
        [](const AdSettings &settings) { return settings.formField; },
        copyParts<&AdSettings::formField>};
}

// The types' names and numbers, in the order of AdType.
QStringList typeWords()
{
    QStringList words {QString()};
    for (int number = 1; number <= 5; ++number)
        words << QLatin1String(adTypeInfo(AdType(number)).name) + QLatin1Char(' ')
                + QString::number(number);
    return words;
}

QStringList analyticsWords()
{
    QStringList words;
    for (const char *name : analyticsNames)
        words << QLatin1String(name);
    return words;
}

QStringList languageWords()
{
    QStringList words;
    for (const BoxLanguage &language : boxLanguages)
        words << QLatin1String(language.code);
    return words;
}

std::vector<Setting> makeSettings()
{
    using S = AdSettings;
    using R = DisplayRules;
    using B = BoxTexts;
    constexpr SettingGroup top = SettingGroup::Top, rules = SettingGroup::Rules,
                           texts = SettingGroup::Texts;
    return {
        {top, "type", 1, "type", "TYPE",
         QT_TRANSLATE_NOOP("Settings",
                           "stickme-note, window-ad, jumpy-ad, force-emailer, timer-ad or 1-5."),
         choice<&S::type>(typeWords(),
                          QT_TRANSLATE_NOOP("Settings",
                                            "stickme-note, window-ad, jumpy-ad, "
                                            "force-emailer, timer-ad or 1-5"))},
        {top, "height", 1, "height", "N", QT_TRANSLATE_NOOP("Settings", "Height in pixels."),
         pixels<&S::height, false>()},
        {top, "width", 1, "width", "N", QT_TRANSLATE_NOOP("Settings", "Width in pixels."),
         pixels<&S::width, false>()},
        {top, "left", 1, "left", "N",
         QT_TRANSLATE_NOOP("Settings", "Horizontal position in pixels."),
         pixels<&S::horizontal, true>()},
        {top, "top", 1, "top", "N", QT_TRANSLATE_NOOP("Settings", "Vertical position in pixels."),
         pixels<&S::vertical, true>()},
        {top, "caption", 1, "caption email form-action", "TEXT",
         QT_TRANSLATE_NOOP("Settings",
                           "Caption; for force-emailer the address to mail, or the "
                           "https: address of a sign-up form."),
         text<&S::caption>(false)},
        {top, "form-field", 2, "form-field", "NAME",
         QT_TRANSLATE_NOOP("Settings",
                           "The field a force-emailer sign-up form sends the address in, "
                           "for a service not known by its address (default: email)."),
         formField()},
        {top, "colour", 1, "colour", "RRGGBB",
         QT_TRANSLATE_NOOP("Settings", "Background colour, RRGGBB or #RRGGBB."), colour()},
        {top, "body", 1, "body", "TEXT", QT_TRANSLATE_NOOP("Settings", "Body HTML of the box."),
         text<&S::body>(false)},
        {top, "look", 2, "look", "LOOK",
         QT_TRANSLATE_NOOP("Settings",
                           "classic (default: the box as designed) or modern (the page's font, "
                           "rounded corners, text colours that read on the box colour)."),
         choice<&S::look>({lookName(Look::Classic), lookName(Look::Modern)},
                          QT_TRANSLATE_NOOP("Settings", "classic or modern"))},
        {top, "analytics", 2, "analytics", "NAME",
         QT_TRANSLATE_NOOP("Settings",
                           "The site's analytics told when the box shows, closes or is sent: "
                           "none (default), datalayer, plausible, matomo or umami."),
         choice<&S::analytics>(
             analyticsWords(),
             QT_TRANSLATE_NOOP("Settings", "none, datalayer, plausible, matomo or umami"))},

        {rules, "start", 2, "start", "WHEN",
         QT_TRANSLATE_NOOP("Settings",
                           "When the box starts: now (default), delay:N seconds (1-3600), "
                           "scroll:P % of the page (1-100), or exit, when the pointer "
                           "leaves through the top of the window (never on touch screens)."),
         rule("start",
              QT_TRANSLATE_NOOP("Settings", "now, delay:N (1-3600 s), scroll:P (1-100 %) or exit"),
              copyParts<&S::rules, &R::start, &R::startAmount>)},
        {rules, "show-again", 2, "show-again", "HOW",
         QT_TRANSLATE_NOOP("Settings",
                           "always (default), visit (once per visit) or days:N "
                           "(once every N days, 1-3650)."),
         rule("show-again", QT_TRANSLATE_NOOP("Settings", "always, visit or days:N (1-3650)"),
              copyParts<&S::rules, &R::showAgain, &R::days>)},
        {rules, "storage", 2, "storage", "WHEN",
         QT_TRANSLATE_NOOP("Settings",
                           "When once per visit and every N days may write to the reader's "
                           "device: on-show (default), on-close (when the reader closes the box "
                           "or subscribes), none (never; they then mean once per page view) or "
                           "consent (once the site's consent tool allows it; none until then)."),
         choice<&S::rules, &R::storage>(
             {QStringLiteral("on-show"), QStringLiteral("on-close"), QStringLiteral("none"),
              QStringLiteral("consent")},
             QT_TRANSLATE_NOOP("Settings", "on-show, on-close, none or consent"))},
        {rules, "from", 2, "from", "YYYY-MM-DD",
         QT_TRANSLATE_NOOP("Settings", "First day to show the box, the reader's local date."),
         rule("from", QT_TRANSLATE_NOOP("Settings", "a day YYYY-MM-DD"),
              copyParts<&S::rules, &R::from>)},
        {rules, "until", 2, "until", "YYYY-MM-DD",
         QT_TRANSLATE_NOOP("Settings", "Last day to show the box, the reader's local date."),
         rule("until", QT_TRANSLATE_NOOP("Settings", "a day YYYY-MM-DD"),
              copyParts<&S::rules, &R::until>)},
        {rules, "screens", 2, "screens", "WHICH",
         QT_TRANSLATE_NOOP("Settings",
                           "all (default), wide (viewport 768 px wide or more) or narrow."),
         rule("screens", QT_TRANSLATE_NOOP("Settings", "all, wide or narrow"),
              copyParts<&S::rules, &R::screens>)},

        {texts, "language", 2, "box-language", "CODE",
         QT_TRANSLATE_NOOP(
             "Settings",
             "Language of the box's texts: en (default), de, fr, es, it, nl, pt or pl."),
         choice<&S::texts, &B::language>(
             languageWords(), QT_TRANSLATE_NOOP("Settings", "en, de, fr, es, it, nl, pt or pl")),
         true},
        {texts, "close", 2, "close-text", "TEXT",
         QT_TRANSLATE_NOOP("Settings", "Caption of the close link (StickME note, Jumpy AD)."),
         text<&S::texts, &B::close>(true)},
        {texts, "notice", 2, "notice-text", "TEXT",
         QT_TRANSLATE_NOOP("Settings", "Closing notice of the Timer AD."),
         text<&S::texts, &B::notice>(true)},
        {texts, "button", 2, "button-text", "TEXT",
         QT_TRANSLATE_NOOP("Settings", "Caption of the Force Emailer's button."),
         text<&S::texts, &B::button>(true)},
        {texts, "thanks", 2, "thanks-text", "TEXT",
         QT_TRANSLATE_NOOP("Settings", "Thank-you of the Force Emailer's sign-up form."),
         text<&S::texts, &B::thanks>(true)},
    };
}

} // namespace

QString Setting::option() const
{
    return QString::fromLatin1(options).section(QLatin1Char(' '), 0, 0);
}

QString settingPath(SettingGroup group, const QString &key)
{
    if (group == SettingGroup::Top)
        return key;
    return QLatin1String(settingGroupKeys[int(group)]) + QLatin1Char('.') + key;
}

QString Setting::path() const
{
    return settingPath(group, QLatin1String(key));
}

QString Setting::expectedText() const
{
    return QCoreApplication::translate("Settings", value.expected);
}

const std::vector<Setting> &designSettings()
{
    static const std::vector<Setting> settings = makeSettings();
    return settings;
}

const Setting &designSetting(SettingGroup group, const char *key)
{
    const std::vector<Setting> &settings = designSettings();
    return *std::find_if(settings.begin(), settings.end(), [&](const Setting &s) {
        return s.group == group && qstrcmp(s.key, key) == 0;
    });
}

bool AdDesign::give(const Setting &setting, const QString &text)
{
    if (!setting.value.read(text, values))
        return false;
    given.insert(&setting);
    return true;
}

AdDesign AdDesign::overriddenBy(const AdDesign &later) const
{
    AdDesign merged = *this;
    for (const Setting *setting : later.given) {
        if (!setting->replacesGroup)
            continue;
        for (const Setting &other : designSettings()) {
            if (other.group == setting->group)
                merged.given.erase(&other);
        }
    }
    for (const Setting *setting : later.given) {
        setting->value.copy(later.values, merged.values);
        merged.given.insert(setting);
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
    const AdType type = design.values.type;
    AdSettings settings = defaultSettings(type == AdType::None ? AdType::StickMeNote : type);
    for (const Setting *setting : design.given)
        setting->value.copy(design.values, settings);
    return settings;
}

QList<QCommandLineOption> designOptions()
{
    QList<QCommandLineOption> options;
    for (const Setting &setting : designSettings())
        options << QCommandLineOption(QString::fromLatin1(setting.options).split(QLatin1Char(' ')),
                                      QCoreApplication::translate("Settings", setting.help),
                                      QString::fromLatin1(setting.valueName));
    return options;
}

DesignReadResult designFromOptions(const QCommandLineParser &parser)
{
    DesignReadResult result;
    for (const Setting &setting : designSettings()) {
        const QString option = setting.option();
        if (!parser.isSet(option))
            continue;
        const QString text = parser.value(option);
        if (!result.design.give(setting, text)) {
            result.error = QCoreApplication::translate("Settings", "--%1: \"%2\" must be %3")
                               .arg(option, text, setting.expectedText());
            break;
        }
    }
    return result;
}
