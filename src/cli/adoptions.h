#pragma once

#include "generator/adsettings.h"
#include "generator/generation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

// The options that describe an ad design (--type, sizes, caption, colour,
// body, --settings and --save-settings), shared by generate, add and preview.
namespace AdOptions {

QList<QCommandLineOption> options();

struct Design
{
    AdSettings settings;
    GeneratedCode code;
    QString error; // names the option, key or file at fault; empty on success
};

// The design the options give: the settings file's, overridden by the
// options, the Generate command's defaults for the rest. Every value is
// checked; standard input is read for "--body-file -". Its code is made with
// the support script of the program's support folder, the body's line breaks
// made CR LF as the window's body box gives them.
Design design(const QCommandLineParser &parser);

// Writes settings to the --save-settings file, if one was asked for.
// Returns an error message, or empty.
QString saveSettings(const QCommandLineParser &parser, const AdSettings &settings);

} // namespace AdOptions
