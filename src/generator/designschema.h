#pragma once

#include "generator/adsettings.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <functional>
#include <set>
#include <vector>

// Every setting of an ad design in one table: where a settings file keeps it,
// the command-line option that gives it, its help, how its text is checked
// and read into AdSettings, and how it is written back. Settings files,
// zephrin-cli's options and help, and the window's design files walk it.

// Where a setting's key sits in a settings file: at the top, in the "rules"
// object or in the "texts" object.
enum class SettingGroup { Top, Rules, Texts };

// The groups' objects in a settings file, by SettingGroup; the top group is
// the file itself.
inline constexpr const char *settingGroupKeys[] = {"", "rules", "texts"};

// A key of group as messages name it: "height", "rules.start".
QString settingPath(SettingGroup group, const QString &key);

// How a setting's text is checked, read into AdSettings and written back.
struct SettingValue
{
    bool number; // a JSON number in settings files, else a JSON string
    const char *expected; // what a text must be, for messages; in the "Settings" context
    // Sets the setting in settings from text; false, leaving settings as
    // they were, when text is not one of its values.
    std::function<bool(const QString &text, AdSettings &settings)> read;
    // The setting of settings as text, as read takes it back.
    std::function<QString(const AdSettings &settings)> write;
    // Copies the setting, and nothing else, from one settings value to another.
    std::function<void(const AdSettings &from, AdSettings &to)> copy;
};

struct Setting
{
    SettingGroup group;
    const char *key; // in its group: "height", "start", "close"
    // The first settings file version that has the key. Keys newer than
    // version 1 are left out of a file while they hold their default, so a
    // design that uses none of them is still a file older programs read.
    int since;
    const char *options; // its command-line options, space-separated, the main one first
    const char *valueName; // the option's value in help: "N", "TEXT"
    const char *help; // the option's help; in the "Settings" context
    SettingValue value;
    // Given later in a design, it takes away what its group's settings were
    // given before (a language sets all the box's texts afresh).
    bool replacesGroup = false;

    QString option() const; // the main command-line option, without "--"
    QString path() const; // the key as messages name it: "height", "rules.start"
    QString expectedText() const; // value.expected, translated
};

// Every setting, in the order of the window's fields, then the display rules,
// then the box's texts (the language first). Height, width, left and top
// follow one another, as the window's labels do.
const std::vector<Setting> &designSettings();

// The setting with key in group; it must exist.
const Setting &designSetting(SettingGroup group, const char *key);

// An ad design given in part, as a settings file or a command line gives it:
// the settings given, each checked once and read into values.
struct AdDesign
{
    AdSettings values; // the given settings; the others as AdSettings() holds them
    std::set<const Setting *> given; // rows of designSettings()

    bool gives(const Setting &setting) const { return given.count(&setting) > 0; }
    // Reads text as setting's value; false, changing nothing, when it is refused.
    bool give(const Setting &setting, const QString &text);

    // This design with every setting that later gives replacing its own; a
    // setting that replaces its group takes the group's earlier settings away.
    AdDesign overriddenBy(const AdDesign &later) const;
};

// What the window holds after its Generate command for type, with its
// start-up body and colour.
AdSettings defaultSettings(AdType type);

// The settings of design: its type (StickME note when it names none), each
// setting it gives, and defaultSettings of the type for the rest.
AdSettings resolvedSettings(const AdDesign &design);

struct DesignReadResult
{
    AdDesign design;
    QString error; // names the file, the key or the option, and what is wrong; empty on success
    bool ok() const { return error.isEmpty(); }
};

// An option for each setting, with its help translated.
QList<QCommandLineOption> designOptions();

// The settings that parser's options give (parser has designOptions() among
// its options and has parsed). A refused value is an error naming the option.
DesignReadResult designFromOptions(const QCommandLineParser &parser);
