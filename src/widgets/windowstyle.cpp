#include "widgets/windowstyle.h"

#include "generator/colourtext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QWidget>

namespace {

QColor readableTextOn(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

// Qt shows any tooltip that looks like mark-up as rich text; this shows each
// one as the plain text it is, for every window of the program.
class PlainToolTips : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const QString text = widget->toolTip();
        if (text.isEmpty())
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpacePre),
                           widget, QRect(), widget->toolTipDuration());
        return true;
    }
};

void showToolTipsAsPlainText()
{
    static PlainToolTips *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new PlainToolTips(qApp);
    qApp->installEventFilter(filter);
}

} // namespace

void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    const QColor text = readableTextOn(colour);
    // Disabled controls keep looking disabled, their text a third of the way
    // to the background, yet stay readable (4.5:1 on white and on the grey).
    const auto towardBackground = [&](float textPart, float backgroundPart) {
        return (2 * textPart + backgroundPart) / 3;
    };
    const QColor disabledText = QColor::fromRgbF(towardBackground(text.redF(), colour.redF()),
                                                 towardBackground(text.greenF(), colour.greenF()),
                                                 towardBackground(text.blueF(), colour.blueF()));
    auto setText = [&](QPalette::ColorRole textRole) {
        palette.setColor(textRole, text);
        palette.setColor(QPalette::Disabled, textRole, disabledText);
    };
    palette.setColor(role, colour);
    switch (role) {
    case QPalette::Window:
        setText(QPalette::WindowText);
        setText(QPalette::ButtonText);
        setText(QPalette::Text);
        break;
    case QPalette::Base:
        setText(QPalette::Text);
        break;
    case QPalette::Button:
        setText(QPalette::ButtonText);
        break;
    default:
        break;
    }
    widget->setPalette(palette);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const QColor ra = a.toRgb(), rb = b.toRgb();
    return contrastRatio(colourValue(ra.red(), ra.green(), ra.blue()),
                         colourValue(rb.red(), rb.green(), rb.blue()));
}

QString withoutAccessKeys(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        out += caption.at(i);
    }
    return out;
}

void prepareControls(QWidget *window)
{
    showToolTipsAsPlainText();
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!button->text().isEmpty())
            button->setAccessibleName(withoutAccessKeys(button->text()));
        else if (!button->toolTip().isEmpty())
            button->setAccessibleName(button->toolTip());
    }
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text().isEmpty() && !label->toolTip().isEmpty())
            label->setAccessibleName(label->toolTip());
    }
}
