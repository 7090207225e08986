#include "generator/colourtext.h"

ColourValue colourValue(int red, int green, int blue)
{
    return ColourValue(red & 0xFF) | ColourValue(green & 0xFF) << 8
        | ColourValue(blue & 0xFF) << 16;
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
