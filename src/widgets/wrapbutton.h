#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines inside the button,
// keeping its text, access key and default-button behaviour.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    // For forms: the name, caption and tooltip come from the .ui file.
    explicit WrapButton(QWidget *parent = nullptr);
    WrapButton(const char *name, const QString &caption, const QString &toolTip, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
