#include "generator/displayrules.h"

#include "generator/headsection.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {

// The number after prefix in text ("delay:" in "delay:5"), from 1 to max; 0 when there is none.
int amountAfter(const QString &text, QLatin1String prefix, int max)
{
    if (!text.startsWith(prefix))
        return 0;
    const QString digits = text.mid(prefix.size());
    if (digits.isEmpty() || digits.size() > 5)
        return 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    const int amount = digits.toInt();
    return amount <= max ? amount : 0;
}

bool readStart(const QString &text, DisplayRules &rules)
{
    using Start = DisplayRules::Start;
    int amount = 0;
    Start start;
    if (text == QLatin1String("now"))
        start = Start::AtOnce;
    else if (text == QLatin1String("exit"))
        start = Start::PointerLeavesTop;
    else if ((amount = amountAfter(text, QLatin1String("delay:"), maxDelaySeconds)))
        start = Start::AfterDelay;
    else if ((amount = amountAfter(text, QLatin1String("scroll:"), maxScrollPercent)))
        start = Start::AfterScroll;
    else
        return false;
    rules.start = start;
    rules.startAmount = amount;
    return true;
}

QString writeStart(const DisplayRules &rules)
{
    switch (rules.start) {
    case DisplayRules::Start::AtOnce:
        break;
    case DisplayRules::Start::AfterDelay:
        return QStringLiteral("delay:%1").arg(rules.startAmount);
    case DisplayRules::Start::AfterScroll:
        return QStringLiteral("scroll:%1").arg(rules.startAmount);
    case DisplayRules::Start::PointerLeavesTop:
        return QStringLiteral("exit");
    }
    return {};
}

bool readShowAgain(const QString &text, DisplayRules &rules)
{
    using ShowAgain = DisplayRules::ShowAgain;
    int days = 0;
    ShowAgain again;
    if (text == QLatin1String("always"))
        again = ShowAgain::EveryView;
    else if (text == QLatin1String("visit"))
        again = ShowAgain::OncePerVisit;
    else if ((days = amountAfter(text, QLatin1String("days:"), maxDays)))
        again = ShowAgain::EveryNDays;
    else
        return false;
    rules.showAgain = again;
    rules.days = days;
    return true;
}

QString writeShowAgain(const DisplayRules &rules)
{
    switch (rules.showAgain) {
    case DisplayRules::ShowAgain::EveryView:
        break;
    case DisplayRules::ShowAgain::OncePerVisit:
        return QStringLiteral("visit");
    case DisplayRules::ShowAgain::EveryNDays:
        return QStringLiteral("days:%1").arg(rules.days);
    }
    return {};
}

// A day as YYYY-MM-DD and nothing else (no time, no other form).
QDate dayFromText(const QString &text)
{
    if (text.size() != 10)
        return {};
    for (int i = 0; i < 10; ++i) {
        const QChar c = text.at(i);
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if ((i == 4 || i == 7) ? c != QLatin1Char('-') : !digit)
            return {};
    }
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

QString dayText(const QDate &day)
{
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

bool readScreens(const QString &text, DisplayRules &rules)
{
    using Screens = DisplayRules::Screens;
    if (text == QLatin1String("all"))
        rules.screens = Screens::All;
    else if (text == QLatin1String("wide"))
        rules.screens = Screens::Wide;
    else if (text == QLatin1String("narrow"))
        rules.screens = Screens::Narrow;
    else
        return false;
    return true;
}

QString writeScreens(const DisplayRules &rules)
{
    switch (rules.screens) {
    case DisplayRules::Screens::All:
        break;
    case DisplayRules::Screens::Wide:
        return QStringLiteral("wide");
    case DisplayRules::Screens::Narrow:
        return QStringLiteral("narrow");
    }
    return {};
}

} // namespace

const std::array<RuleField, 5> ruleFields = {{
    {"start",
     QT_TRANSLATE_NOOP("DisplayRules", "now, delay:N (1-3600 s), scroll:P (1-100 %) or exit"),
     readStart, writeStart},
    {"show-again", QT_TRANSLATE_NOOP("DisplayRules", "always, visit or days:N (1-3650)"),
     readShowAgain, writeShowAgain},
    {"from", QT_TRANSLATE_NOOP("DisplayRules", "a day YYYY-MM-DD"),
     [](const QString &text, DisplayRules &rules) {
         const QDate day = dayFromText(text);
         if (day.isValid())
             rules.from = day;
         return day.isValid();
     },
     [](const DisplayRules &rules) {
         return dayText(rules.from);
     }},
    {"until", QT_TRANSLATE_NOOP("DisplayRules", "a day YYYY-MM-DD"),
     [](const QString &text, DisplayRules &rules) {
         const QDate day = dayFromText(text);
         if (day.isValid())
             rules.until = day;
         return day.isValid();
     },
     [](const DisplayRules &rules) {
         return dayText(rules.until);
     }},
    {"screens", QT_TRANSLATE_NOOP("DisplayRules", "all, wide or narrow"), readScreens,
     writeScreens},
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

QStringList rulesScriptLines(const DisplayRules &rules, AdType type, const QString &body,
                             const QByteArray &script)
{
    if (rules.isEmpty() || type == AdType::None)
        return {};
    // Every value is a name, a number or a day: nothing in it needs escaping.
    QStringList members {QStringLiteral("key:'%1'").arg(rulesStorageKey(type, body))};
    const QString start = writeStart(rules);
    if (!start.isEmpty()) {
        members << QStringLiteral("start:'%1'").arg(start.section(QLatin1Char(':'), 0, 0));
        if (rules.startAmount > 0)
            members << QStringLiteral("amount:%1").arg(rules.startAmount);
    }
    if (rules.showAgain == DisplayRules::ShowAgain::OncePerVisit)
        members << QStringLiteral("visit:1");
    if (rules.showAgain == DisplayRules::ShowAgain::EveryNDays)
        members << QStringLiteral("days:%1").arg(rules.days);
    // Days as numbers YYYYMMDD, which the script compares with the reader's day.
    if (rules.from.isValid())
        members << QStringLiteral("from:") + rules.from.toString(QStringLiteral("yyyyMMdd"));
    if (rules.until.isValid())
        members << QStringLiteral("until:") + rules.until.toString(QStringLiteral("yyyyMMdd"));
    if (rules.screens != DisplayRules::Screens::All)
        members << (rules.screens == DisplayRules::Screens::Wide ? QStringLiteral("wide:true")
                                                                 : QStringLiteral("wide:false"));

    QStringList lines = scriptLines(script);
    const QString object = QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
    for (QString &line : lines)
        line.replace(QLatin1String("/*RULES*/"), object);
    return lines;
}
