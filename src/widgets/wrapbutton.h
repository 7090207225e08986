#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines inside the button,
// keeping its text, access key and default-button behaviour.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    // The name, caption and tooltip come from the window's .ui form.
    explicit WrapButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
