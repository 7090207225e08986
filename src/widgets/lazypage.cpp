#include "widgets/lazypage.h"

#include <utility>

void LazyPage::build()
{
    // Taken out first: a builder that asks for its own page finds it made.
    if (std::function<void()> builder = std::exchange(m_builder, nullptr))
        builder();
}

void LazyPage::setVisible(bool visible)
{
    // Made before the page shows, the controls show with it.
    if (visible)
        build();
    QWidget::setVisible(visible);
}
