#pragma once

#include "generator/adtype.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

// When a box starts, how often a reader sees it, on which dates and screens.
// The rules run in the reader's browser (the rules script, rules.js); with
// none set (the default) nothing of them goes into the code.
struct DisplayRules
{
    enum class Start { AtOnce, AfterDelay, AfterScroll, PointerLeavesTop };
    enum class ShowAgain { EveryView, OncePerVisit, EveryNDays };
    enum class Screens { All, Wide, Narrow };
    // When the rules that remember (once per visit, every N days) may write
    // to the reader's device: when the box shows; only when the reader closes
    // it or subscribes; never (they then count page views); or once the
    // site's consent tool allows it, never before.
    enum class Storage { OnShow, OnClose, None, Consent };

    Start start = Start::AtOnce;
    int startAmount = 0; // seconds (AfterDelay, 1-3600) or percent scrolled (AfterScroll, 1-100)
    ShowAgain showAgain = ShowAgain::EveryView;
    int days = 0; // EveryNDays, 1-3650
    QDate from, until; // the reader's local dates, inclusive; null: no limit
    Screens screens = Screens::All;
    Storage storage = Storage::OnShow;

    bool isEmpty() const { return *this == DisplayRules(); }
    // Whether the rules have anything to do in the reader's browser: a
    // storage setting alone does not.
    bool needScript() const
    {
        DisplayRules run = *this;
        run.storage = Storage::OnShow;
        return !run.isEmpty();
    }
    // Whether the box writes to the reader's device when it shows.
    bool storesOnShow() const
    {
        return showAgain != ShowAgain::EveryView && storage == Storage::OnShow;
    }
    bool operator==(const DisplayRules &o) const
    {
        return start == o.start && startAmount == o.startAmount && showAgain == o.showAgain
            && days == o.days && from == o.from && until == o.until && screens == o.screens
            && storage == o.storage;
    }
    bool operator!=(const DisplayRules &o) const { return !(*this == o); }
};

// The limits of the amounts, the same in the window, settings files and the command line.
inline constexpr int maxDelaySeconds = 3600;
inline constexpr int maxScrollPercent = 100;
inline constexpr int maxDays = 3650;

// One rule in text: its key, and its values as text ("delay:5", "visit",
// "2026-12-24", "wide"), the same in settings files and on the command line.
struct RuleField
{
    const char *key; // "start", "show-again", "from", "until", "screens"
    // Sets the rule in rules from text; false, leaving rules as they were,
    // when text is not one of the rule's values.
    bool (*read)(const QString &text, DisplayRules &rules);
    // The rule's value as text; empty when it is at its default.
    QString (*write)(const DisplayRules &rules);
};

extern const std::array<RuleField, 5> ruleFields;

// What is wrong with rules as a whole, naming the rule at fault; empty when
// nothing is. Today: an "until" day before the "from" day, which would keep
// the box from ever starting.
QString rulesConflict(const DisplayRules &rules);

// The key the reader's browser stores the rules' memory under: "zephrin-",
// the type's name and eight hex digits of the SHA-256 of body (as UTF-8),
// so a new ad starts afresh and two ads never share a count.
QString rulesStorageKey(AdType type, const QString &body);

// The rules as members of the object literal the rules script (rules.js)
// receives in place of its placeholder /*RULES*/: "start:'delay'",
// "amount:5", "visit:1", "days:7", "store:'close'", "from:20261201",
// "until:…", "wide:true". remembersSignup: the box keeps a sign-up of its own
// (Force Emailer's form), which the storage rule governs too. Empty when the
// rules have nothing to do: no rules, no script.
QStringList rulesScriptMembers(const DisplayRules &rules, bool remembersSignup = false);
