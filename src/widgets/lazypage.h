#pragma once

#include <QWidget>

#include <functional>

// A tab page whose controls are made by its builder the first time it is
// shown or asked for (build()), so a start-up that never shows the page does
// not pay for them.
class LazyPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The function that makes the page's controls; called at most once.
    void setBuilder(std::function<void()> builder) { m_builder = std::move(builder); }
    // Makes the controls now, if not yet.
    void build();

    void setVisible(bool visible) override;

private:
    std::function<void()> m_builder;
};
