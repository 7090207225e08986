#pragma once

#include <QRect>

class QWidget;

// Window layouts are given in twips: 1440 an inch, 15 a pixel at 96 dpi.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

// Places widget at a rectangle given in twips, relative to its parent.
void placeTwips(QWidget *widget, int left, int top, int width, int height);

// Names a window, titles it, gives it the 8-point dialog font and fixes its
// client area to a size given in twips.
void setUpFixedWindow(QWidget *window, const char *name, const QString &title, int width,
                      int height);
