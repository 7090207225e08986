#include "generator/colourtext.h"

#include <algorithm>
#include <array>

ColourValue colourValue(int red, int green, int blue)
{
    return ColourValue(red & 0xFF) | ColourValue(green & 0xFF) << 8
        | ColourValue(blue & 0xFF) << 16;
}

std::optional<ColourValue> colourOfText(const QString &text)
{
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (text.size() != 6 || !ok)
        return std::nullopt;
    return colourValue(int(rgb >> 16), int(rgb >> 8), int(rgb));
}

namespace {

// The fifth root of x in (0, 1], by Newton's method from above.
constexpr double fifthRoot(double x)
{
    double root = 1;
    for (int step = 0; step < 40; ++step)
        root -= (root * root * root * root * root - x) / (5 * root * root * root * root);
    return root;
}

// WCAG's linear light of each 8-bit channel value, ((c + 0.055) / 1.055) to
// the power 2.4 above its dark end. Made at compile time: the window works out
// contrasts while it starts, and the maths library's first call alone maps
// about 200 KB of it in.
constexpr std::array<double, 256> linearLight = [] {
    std::array<double, 256> table {};
    for (int value = 0; value < 256; ++value) {
        const double c = value / 255.0;
        const double x = (c + 0.055) / 1.055;
        table[value] = c <= 0.04045 ? c / 12.92 : x * x * fifthRoot(x * x);
    }
    return table;
}();

// WCAG's relative luminance.
double luminance(ColourValue colour)
{
    return 0.2126 * linearLight[colour & 0xFF] + 0.7152 * linearLight[colour >> 8 & 0xFF]
        + 0.0722 * linearLight[colour >> 16 & 0xFF];
}

} // namespace

double contrastRatio(ColourValue a, ColourValue b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString colourText(ColourValue colour, const QString &returnMode)
{
    const QString mode = returnMode.trimmed().toUpper();
    const QChar letter = mode.isEmpty() ? QChar() : mode.at(0);
    const uint red = colour % 256;
    const uint green = colour / 256 % 256;
    const uint blue = colour / 65536 % 256;

    if (letter == QLatin1Char('H')) {
        const auto hex2 = [](uint v) {
            return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0'));
        };
        return (hex2(red) + hex2(green) + hex2(blue)).toUpper();
    }
    if (letter == QLatin1Char('D')) {
        return QLatin1String("R=") + QString::number(red) + QLatin1String("    G=")
            + QString::number(green) + QLatin1String("    B=") + QString::number(blue);
    }
    return QString::number(colour);
}
