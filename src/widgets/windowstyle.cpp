#include "widgets/windowstyle.h"

#include "generator/colourtext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QWidget>

namespace {

// The colour part of the way from a to b (0 is a, 1 is b).
QColor mixed(const QColor &a, const QColor &b, float part)
{
    const auto between = [part](float x, float y) {
        return x + (y - x) * part;
    };
    return QColor::fromRgbF(between(a.redF(), b.redF()), between(a.greenF(), b.greenF()),
                            between(a.blueF(), b.blueF()));
}

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

// Sets a background role of widget's palette and the text roles drawn on it
// (see setBackground) to text, or to black or white where text would read at
// less than 4.5:1.
void setColours(QWidget *widget, QPalette::ColorRole role, const QColor &colour, QColor text)
{
    if (contrastRatio(text, colour) < 4.5)
        text = readableTextOn(colour);
    QPalette palette = widget->palette();
    // Disabled controls keep looking disabled, their text a third of the way
    // to the background, yet stay readable (4.5:1 on white and on the grey).
    const QColor disabledText = mixed(text, colour, 1.0f / 3);
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
    setColours(widget, role, colour, readableTextOn(colour));
}

bool isDarkScheme(const QPalette &palette)
{
    return palette.color(QPalette::WindowText).lightness()
        > palette.color(QPalette::Window).lightness();
}

void setClassicBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    const QPalette desktop = QApplication::palette();
    if (!isDarkScheme(desktop)) {
        setBackground(widget, role, colour);
        return;
    }
    // The desktop's own colours, with disabled text that still reads.
    const QPalette::ColorRole textRole = role == QPalette::Base ? QPalette::Text
        : role == QPalette::Button                              ? QPalette::ButtonText
                                                                : QPalette::WindowText;
    setColours(widget, role, desktop.color(QPalette::Active, role),
               desktop.color(QPalette::Active, textRole));
}

void setTextColour(QWidget *widget, QPalette::ColorRole textRole,
                   QPalette::ColorRole backgroundRole, const QColor &colour)
{
    QPalette palette = widget->palette();
    const QColor background = palette.color(backgroundRole);
    const QColor extreme = readableTextOn(background);
    QColor text = colour;
    for (int step = 1; step <= 10 && contrastRatio(text, background) < 4.5; ++step)
        text = mixed(colour, extreme, step / 10.0f);
    palette.setColor(textRole, text);
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
