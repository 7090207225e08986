#pragma once

#include <QPushButton>

class QStyleOptionButton;

// A push button whose caption wraps onto several lines inside the button,
// keeping its text, access key and default-button behaviour.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    // The name, caption and tooltip come from the window's .ui form.
    explicit WrapButton(QWidget *parent = nullptr);

    // Where a wrap button drawn with option inside button shows its caption,
    // centred and wrapped at word boundaries; text beyond it is cut off.
    static QRect captionArea(const QStyleOptionButton &option, const QWidget *button);

protected:
    void paintEvent(QPaintEvent *event) override;
};
