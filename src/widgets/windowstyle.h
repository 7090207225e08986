#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

// The light grey of the windows and their buttons.
inline const QColor windowGrey(192, 192, 192);

// Sets a background role of widget's palette and, with it, the text roles
// drawn on that background to black or white, whichever reads better, so a
// dark desktop theme never leaves light text on a light field.
// Window also sets WindowText, ButtonText and Text (labels, frames, option
// buttons); Base sets Text; Button sets ButtonText. Disabled text is set a
// third of the way from the text to the background, readable still.
void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// The WCAG contrast ratio of two colours, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// A caption as a screen reader should read it: access-key marks removed
// ("&About/&Info" is "About/Info", "a && b" is "a & b").
QString withoutAccessKeys(const QString &caption);

// Prepares every control of window for display and screen readers: tooltips
// are shown exactly as written (tags and runs of spaces included, never as
// rich text), each button's accessible name is its caption without access-key
// marks, and a picture or button without text is named by its tooltip. Call
// once the window's controls exist.
void prepareControls(QWidget *window);
