#pragma once

#include "generator/adsettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a support script as text (UTF-8), each without its line end.
// A line ends at LF, with a CR before it dropped; a last line without a line
// end counts too. An empty file has no lines.
QStringList scriptLines(const QByteArray &fileContents);

// The style element that follows the support script for StickME note, Force
// Emailer and Timer AD; an empty string for the other types. Field texts go in
// as typed, but for controls other than tab and non-ASCII characters, which
// become CSS escapes of six hex digits, so the element is 7-bit ASCII.
QString styleElement(const AdSettings &settings);

// The head section of settings.type: every script line followed by CR LF,
// then every line of the rules script and of the analytics script, each
// followed by CR LF, then the type's style element and the look's elements
// (lookElements), not followed by a line break. A null QString for
// AdType::None.
QString headSection(const AdSettings &settings, const QStringList &lines,
                    const QStringList &rulesLines = {}, const QStringList &analyticsLines = {});

// Whether the head copy to the clipboard runs after generating a head section
// from lineCount script lines: Window AD and Jumpy AD copy after each line
// (so not at all for an empty script), the others once after the style.
bool headCopyRuns(AdType type, int lineCount);
