#include "generator/colourtext.h"

#include <algorithm>
#include <cmath>

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

// WCAG's relative luminance.
double luminance(ColourValue colour)
{
    const auto linear = [](ColourValue value) {
        const double c = (value & 0xFF) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour) + 0.7152 * linear(colour >> 8) + 0.0722 * linear(colour >> 16);
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
