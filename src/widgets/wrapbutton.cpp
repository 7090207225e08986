#include "widgets/wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(QWidget *parent)
    : QPushButton(parent)
{ }

QRect WrapButton::captionArea(const QStyleOptionButton &option, const QWidget *button)
{
    return button->style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
        .adjusted(2, 0, -2, 0);
}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.drawItemText(captionArea(option, this),
                         Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette,
                         isEnabled(), caption, QPalette::ButtonText);
}
