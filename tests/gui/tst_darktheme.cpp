#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "generator/look.h"
#include "gui/fakehost.h"
#include "preview/previewloader.h"
#include "widgets/windowstyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QtTest>

#include <functional>
#include <memory>

// Makes one of the program's windows for the host given.
using WindowFactory = std::function<QWidget *(HostServices &)>;
Q_DECLARE_METATYPE(WindowFactory)

namespace {

// A dark desktop theme: light text on dark backgrounds everywhere.
QPalette darkPalette()
{
    QPalette palette;
    const QColor dark(45, 45, 45);
    const QColor darker(30, 30, 30);
    const QColor light(235, 235, 235);
    palette.setColor(QPalette::Window, dark);
    palette.setColor(QPalette::WindowText, light);
    palette.setColor(QPalette::Base, darker);
    palette.setColor(QPalette::AlternateBase, dark);
    palette.setColor(QPalette::Text, light);
    palette.setColor(QPalette::Button, dark);
    palette.setColor(QPalette::ButtonText, light);
    palette.setColor(QPalette::ToolTipBase, darker);
    palette.setColor(QPalette::ToolTipText, light);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    // Disabled text as dim as desktops draw it.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(100, 100, 100));
    return palette;
}

// The widget that paints a text-bearing control's text, or null when the
// control shows no text (a colour swatch, an icon).
QWidget *textPainter(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text().isEmpty() ? nullptr : w;
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().isEmpty() ? nullptr : w;
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return box->title().isEmpty() ? nullptr : w;
    if (auto *field = qobject_cast<QLineEdit *>(w))
        return field->isReadOnly() && field->text().isEmpty() ? nullptr : w;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
        return area->viewport();
    if (qobject_cast<QTabBar *>(w) || qobject_cast<QComboBox *>(w))
        return w;
    return nullptr;
}

} // namespace

class TestDarkTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyText_readsUnderDarkTheme_data();
    void everyText_readsUnderDarkTheme();

private:
    QPalette m_original;
};

void TestDarkTheme::initTestCase()
{
    m_original = QApplication::palette();
    QApplication::setPalette(darkPalette());
}

void TestDarkTheme::cleanupTestCase()
{
    QApplication::setPalette(m_original);
}

void TestDarkTheme::everyText_readsUnderDarkTheme_data()
{
    QTest::addColumn<WindowFactory>("makeWindow");
    QTest::newRow("main window") << WindowFactory(
        [](HostServices &host) -> QWidget * { return new MainWindow(host); });
    QTest::newRow("About window") << WindowFactory(
        [](HostServices &host) -> QWidget * { return new AboutWindow(host); });
    QTest::newRow("preview window") << WindowFactory([](HostServices &host) -> QWidget * {
        setPreviewModuleFolders({QStringLiteral(ZEPHRIN_MODULE_BUILD_DIR)});
        QString error;
        QWidget *window
            = createPreviewWindow(host, demoPageName(AdType::WindowAd, Look::Classic), &error);
        if (!window)
            qWarning("%s", qPrintable(error));
        return window;
    });
}

void TestDarkTheme::everyText_readsUnderDarkTheme()
{
    QFETCH(WindowFactory, makeWindow);
    FakeHost host;
    host.folder = qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR");
    std::unique_ptr<QWidget> window(makeWindow(host));
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    // Every control of every tab, and each drop-down list, follows the dark
    // scheme (light text on a dark ground) and reads at 4.5:1 or better.
    int checked = 0;
    QList<std::pair<QWidget *, QWidget *>> painters; // control, what paints its text
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (QWidget *painter = textPainter(w))
            painters.append(std::make_pair(w, painter));
        if (auto *list = qobject_cast<QComboBox *>(w))
            painters.append(std::make_pair(w, list->view()->viewport()));
    }
    for (const auto &[control, painter] : std::as_const(painters)) {
        const QPalette &palette = painter->palette();
        const QColor text = palette.color(painter->foregroundRole());
        const QColor background = palette.color(painter->backgroundRole());
        const double ratio = contrastRatio(text, background);
        QVERIFY2(ratio >= 4.5 && text.lightness() > background.lightness(),
                 qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                .arg(control->objectName(), text.name(), background.name())
                                .arg(ratio, 0, 'f', 2)));
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_MAIN(TestDarkTheme)
#include "tst_darktheme.moc"
