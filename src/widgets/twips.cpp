#include "widgets/twips.h"

#include <QWidget>

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

void setUpFixedWindow(QWidget *window, const char *name, const QString &title, int width,
                      int height)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    QFont dialogFont = window->font();
    dialogFont.setPointSize(8);
    window->setFont(dialogFont);
    window->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}
