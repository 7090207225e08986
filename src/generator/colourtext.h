#pragma once

#include <QString>

#include <optional>

// A colour as the platform's colour dialog reports it: red in bits 0-7,
// green in 8-15, blue in 16-23.
using ColourValue = quint32;

// Light grey (192, 192, 192), the colour the chooser's dialog opens at.
inline constexpr ColourValue lightGrey = 0xC0C0C0;

ColourValue colourValue(int red, int green, int blue);

// The colour written as text RRGGBB (the colour field's form); nothing for
// other text.
std::optional<ColourValue> colourOfText(const QString &text);

// The WCAG contrast ratio of two colours, from 1 (none) to 21 (black on white).
double contrastRatio(ColourValue a, ColourValue b);

// The text of a chosen colour in a return mode. The mode is trimmed, upper-
// cased and its first letter taken: "H" gives six uppercase hex digits RRGGBB,
// "D" gives "R=255    G=0    B=0", anything else (empty included) the decimal
// colour value.
QString colourText(ColourValue colour, const QString &returnMode);
