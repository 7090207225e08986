#pragma once

#include "generator/designschema.h"

#include <QByteArray>
#include <QString>

// The JSON settings file of an ad design ({"version": 1, "type": "timer-ad",
// "height": 180, ...}), read and written by walking designSettings(). Display
// rules go into a "rules" object ({"start": "delay:5", ...}) and the box's
// texts into a "texts" object ({"language": "fr", "close": ...}); a file with
// either is version 2, one without stays version 1 for older programs.

// The newest version of the settings file this program reads and writes.
inline constexpr int settingsFileVersion = 2;

// Reads a settings file's JSON text. "version" is required and must not be
// newer than settingsFileVersion; every other key is a setting in its group,
// a JSON number or string as its row says, and a value its row takes. An
// unknown key, a wrong type or a bad value is an error naming the key. source
// names the file in messages.
DesignReadResult designFromJson(const QByteArray &json, const QString &source);

// Reads the settings file at path (see designFromJson).
DesignReadResult readDesignFile(const QString &path);

// settings as a settings file's JSON text. A value its setting would not
// read back (a size or position that is empty, as before the window's first
// Generate, or not a whole number, such as the Generate command's "<Center>")
// is left out, so reading the file gives the type's default for it; so is a
// setting newer than version 1 at its default. The file's version is the
// newest its settings need.
QByteArray designJson(const AdSettings &settings);

// The first setting of settings that its settings file would not give back
// as it stands (a size or position that is not a whole number as designJson
// writes it, such as "12px" or "0180"), or nullptr when reading
// designJson(settings) gives settings again, an empty size or position
// meaning the type's default.
const Setting *fieldNotKeptInFile(const AdSettings &settings);
