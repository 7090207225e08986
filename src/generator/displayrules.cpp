#include "generator/displayrules.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {

using Start = DisplayRules::Start;
using ShowAgain = DisplayRules::ShowAgain;
using Screens = DisplayRules::Screens;

// One value of a rule that picks one of several: its name and, when it takes
// an amount ("delay:N"), the largest amount; the first of each list is the default.
template<typename Kind> struct Choice
{
    const char *name;
    Kind kind;
    int maxAmount; // 0: takes no amount
};

constexpr Choice<Start> startChoices[] = {
    {"now", Start::AtOnce, 0},
    {"delay", Start::AfterDelay, maxDelaySeconds},
    {"scroll", Start::AfterScroll, maxScrollPercent},
    {"exit", Start::PointerLeavesTop, 0},
};
constexpr Choice<ShowAgain> showAgainChoices[] = {
    {"always", ShowAgain::EveryView, 0},
    {"visit", ShowAgain::OncePerVisit, 0},
    {"days", ShowAgain::EveryNDays, maxDays},
};
constexpr Choice<Screens> screensChoices[] = {
    {"all", Screens::All, 0},
    {"wide", Screens::Wide, 0},
    {"narrow", Screens::Narrow, 0},
};

// Sets kind (and *amount, when given) from text: a name, or "name:N" with N
// in decimal digits from 1 to the choice's largest amount.
template<typename Kind, std::size_t count>
bool readChoice(const Choice<Kind> (&choices)[count], const QString &text, Kind &kind,
                int *amount = nullptr)
{
    const QString name = text.section(QLatin1Char(':'), 0, 0);
    const QString digits = text.mid(name.size() + 1);
    for (const Choice<Kind> &choice : choices) {
        if (name != QLatin1String(choice.name)
            || (choice.maxAmount > 0) != text.contains(QLatin1Char(':')))
            continue;
        int value = 0;
        if (choice.maxAmount > 0) {
            if (digits.isEmpty() || digits.size() > 5)
                return false;
            for (const QChar c : digits) {
                if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                    return false;
            }
            value = digits.toInt();
            if (value < 1 || value > choice.maxAmount)
                return false;
        }
        kind = choice.kind;
        if (amount)
            *amount = value;
        return true;
    }
    return false;
}

// The text readChoice takes for kind and amount; empty for the default.
template<typename Kind, std::size_t count>
QString writeChoice(const Choice<Kind> (&choices)[count], Kind kind, int amount = 0)
{
    for (const Choice<Kind> &choice : choices) {
        if (choice.kind != kind || kind == choices[0].kind)
            continue;
        const QString name = QLatin1String(choice.name);
        return choice.maxAmount > 0 ? name + QLatin1Char(':') + QString::number(amount) : name;
    }
    return {};
}

// A day as YYYY-MM-DD and nothing else (no time, no other form).
template<QDate DisplayRules::*day> bool readDay(const QString &text, DisplayRules &rules)
{
    if (text.size() != 10)
        return false;
    for (int i = 0; i < 10; ++i) {
        const QChar c = text.at(i);
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if ((i == 4 || i == 7) ? c != QLatin1Char('-') : !digit)
            return false;
    }
    const QDate read = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (read.isValid())
        rules.*day = read;
    return read.isValid();
}

QString dayText(const QDate &day, const QString &format = QStringLiteral("yyyy-MM-dd"))
{
    return day.isValid() ? day.toString(format) : QString();
}

template<QDate DisplayRules::*day> QString writeDay(const DisplayRules &rules)
{
    return dayText(rules.*day);
}

} // namespace

const std::array<RuleField, 5> ruleFields = {{
    {"start",
     [](const QString &text, DisplayRules &rules) {
         return readChoice(startChoices, text, rules.start, &rules.startAmount);
     },
     [](const DisplayRules &rules) {
         return writeChoice(startChoices, rules.start, rules.startAmount);
     }},
    {"show-again",
     [](const QString &text, DisplayRules &rules) {
         return readChoice(showAgainChoices, text, rules.showAgain, &rules.days);
     },
     [](const DisplayRules &rules) {
         return writeChoice(showAgainChoices, rules.showAgain, rules.days);
     }},
    {"from", readDay<&DisplayRules::from>, writeDay<&DisplayRules::from>},
    {"until", readDay<&DisplayRules::until>, writeDay<&DisplayRules::until>},
    {"screens",
     [](const QString &text, DisplayRules &rules) {
         return readChoice(screensChoices, text, rules.screens);
     },
     [](const DisplayRules &rules) {
         return writeChoice(screensChoices, rules.screens);
     }},
}};

QString rulesConflict(const DisplayRules &rules)
{
    if (rules.from.isValid() && rules.until.isValid() && rules.until < rules.from)
        return QCoreApplication::translate("DisplayRules",
                                           "\"until\" %1 is before \"from\" %2: the box would "
                                           "never start")
            .arg(dayText(rules.until), dayText(rules.from));
    return {};
}

QString rulesStorageKey(AdType type, const QString &body)
{
    const QByteArray digest = QCryptographicHash::hash(body.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("zephrin-%1-%2")
        .arg(QLatin1String(adTypeInfo(type).name), QString::fromLatin1(digest.left(4).toHex()));
}

QStringList rulesScriptMembers(const DisplayRules &rules, bool remembersSignup)
{
    // When the box's memory may be written; the script's own default is on show.
    const bool store = rules.storage != DisplayRules::Storage::OnShow
        && (remembersSignup || rules.showAgain != DisplayRules::ShowAgain::EveryView);
    if (!rules.needScript() && !store)
        return {};
    // Every value is a name, a number or a day: nothing in it needs escaping.
    QStringList members;
    const QString start = writeChoice(startChoices, rules.start, rules.startAmount);
    if (!start.isEmpty()) {
        members << QStringLiteral("start:'%1'").arg(start.section(QLatin1Char(':'), 0, 0));
        if (rules.startAmount > 0)
            members << QStringLiteral("amount:%1").arg(rules.startAmount);
    }
    if (rules.showAgain == DisplayRules::ShowAgain::OncePerVisit)
        members << QStringLiteral("visit:1");
    if (rules.showAgain == DisplayRules::ShowAgain::EveryNDays)
        members << QStringLiteral("days:%1").arg(rules.days);
    const char *const storeWords[] = {"show", "close", "none", "consent"};
    if (store)
        members << QStringLiteral("store:'%1'").arg(QLatin1String(storeWords[int(rules.storage)]));
    // Days as numbers YYYYMMDD, which the script compares with the reader's day.
    if (rules.from.isValid())
        members << QStringLiteral("from:") + dayText(rules.from, QStringLiteral("yyyyMMdd"));
    if (rules.until.isValid())
        members << QStringLiteral("until:") + dayText(rules.until, QStringLiteral("yyyyMMdd"));
    if (rules.screens != DisplayRules::Screens::All)
        members << (rules.screens == DisplayRules::Screens::Wide ? QStringLiteral("wide:true")
                                                                 : QStringLiteral("wide:false"));
    return members;
}
