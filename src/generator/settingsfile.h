#pragma once

#include "generator/adsettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Ad designs outside the window: type names, checked field values, and the
// JSON settings file ({"version": 1, "type": "timer-ad", "height": 180, ...}).
// Display rules go into a "rules" object ({"start": "delay:5", ...}) and the
// box's texts into a "texts" object ({"language": "fr", "close": ...}); a file
// with either is version 2, one without stays version 1 for older programs.

// The newest version of the settings file this program reads and writes.
inline constexpr int settingsFileVersion = 2;

// The name of type on the command line and in settings files ("stickme-note",
// "window-ad", "jumpy-ad", "force-emailer", "timer-ad"); empty for AdType::None.
QString adTypeName(AdType type);

// The type named by text: one of the names above or its number "1" to "5".
// AdType::None for anything else.
AdType adTypeFromText(const QString &text);

// An ad design given in part, as a settings file or a command line sets it.
struct AdDesign
{
    std::optional<AdType> type;
    std::optional<QString> height, width, left, top, caption, body, colour;
    // The display rules as text, in the order of ruleFields; each checked.
    std::array<std::optional<QString>, 5> rules;
    // The box's texts as text, in the order of boxTextFields; each checked.
    std::array<std::optional<QString>, 4> texts;

    // This design with every field that later gives replacing its own; a
    // language given by later replaces this design's texts as a whole.
    AdDesign overriddenBy(const AdDesign &later) const;
};

// One setting of a design besides its type: its key in settings files (and
// its option on the command line), where AdDesign and AdSettings hold it, and
// whether it is a whole number of pixels (negative for a position).
struct DesignField
{
    const char *key;
    std::optional<QString> AdDesign::*design;
    QString AdSettings::*settings;
    bool number;
    bool allowNegative;
};

// height, width, left, top, caption, body and colour.
extern const std::array<DesignField, 7> designFields;

// What the window holds after its Generate command for type, with its
// start-up body and colour.
AdSettings defaultSettings(AdType type);

// The settings of design: its type (StickME note when it names none), each
// field, rule and text it gives, and defaultSettings of the type for the rest.
AdSettings resolvedSettings(const AdDesign &design);

// Whether text is a whole number in decimal digits; with allowNegative a
// leading '-' is accepted too (positions may lie off the page).
bool isWholeNumber(const QString &text, bool allowNegative);

// text as a colour RRGGBB, uppercase as the window's colour chooser writes
// it; "#RRGGBB" and lowercase are accepted. Empty when text is no colour.
QString colourFromText(const QString &text);

struct DesignReadResult
{
    AdDesign design;
    QString error; // names the file, the key and what is wrong; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Reads a settings file's JSON text. "version" is required and must not be
// newer than settingsFileVersion; "type", "caption", "body" and "colour" are
// strings, "height", "width", "left" and "top" whole numbers, "rules" and
// "texts" objects of ruleFields' and boxTextFields' keys with text values. An
// unknown key, a wrong type or a bad value is an error naming the key. source
// names the file in messages.
DesignReadResult designFromJson(const QByteArray &json, const QString &source);

// Reads the settings file at path (see designFromJson).
DesignReadResult readDesignFile(const QString &path);

// settings as a settings file's JSON text, every field given. A size or
// position that is not a whole number (the Generate command's "<Center>") is
// left out, so reading the file back gives the type's default for it. Rules
// and texts at their defaults are left out; without any the file is version 1.
QByteArray designJson(const AdSettings &settings);

// The first field of settings that its settings file would not give back as
// it stands (a size or position that is not a whole number as designJson
// writes it, such as empty or "0180"), or nullptr when reading
// designJson(settings) gives settings again.
const DesignField *fieldNotKeptInFile(const AdSettings &settings);
