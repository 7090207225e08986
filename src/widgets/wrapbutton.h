#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines inside the button,
// keeping its text, access key and default-button behaviour.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrapButton(QWidget *parent = nullptr);
    // Names the button and gives it its caption and tooltip in one step, for
    // windows that build their controls in code.
    WrapButton(const char *name, const QString &caption, const QString &toolTip, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
