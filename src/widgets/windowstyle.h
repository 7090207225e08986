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

// Whether palette is a dark colour scheme's: its window text lighter than its
// windows.
bool isDarkScheme(const QPalette &palette);

// setBackground with the program's classic colour under a light desktop colour
// scheme. Under a dark one the desktop's colours are kept, so that a window
// reads as one with its drop-down lists, calendars, dialogs and tooltips; only
// disabled text is made to read at 4.5:1, as setBackground makes it.
void setClassicBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// Sets textRole of widget's palette to colour, or, where that reads at less
// than 4.5:1 on backgroundRole, to colour moved just far enough toward black
// or white (a blue name on a dark field becomes a light blue).
void setTextColour(QWidget *widget, QPalette::ColorRole textRole,
                   QPalette::ColorRole backgroundRole, const QColor &colour);

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
