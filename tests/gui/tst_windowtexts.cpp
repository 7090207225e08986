#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "gui/fakehost.h"
#include "preview/previewloader.h"
#include "widgets/wrapbutton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// 'Label8 "File :" needs 31x13 px, has 25x17'.
QString clipped(const QWidget *control, const QString &text, const QSize &needed, const QSize &room)
{
    return QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
        .arg(control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// Adds to problems every label, button, tool button, option button, check box,
// frame, tab and list line of window whose text its designed size cuts off at its own font.
void checkCaptions(const QWidget *window, QStringList *problems)
{
    const auto check
        = [problems](const QWidget *control, const QString &text, const QRect &room, int flags) {
              const QSize needed = control->fontMetrics().boundingRect(room, flags, text).size();
              if (needed.width() > room.width() || needed.height() > room.height())
                  problems->append(clipped(control, text, needed, room.size()));
          };
    const auto controls = window->findChildren<QWidget *>();
    for (const QWidget *w : controls) {
        if (!w->isVisible())
            continue;
        QStyle *style = w->style();
        if (const auto *label = qobject_cast<const QLabel *>(w)) {
            if (!label->text().isEmpty())
                check(label, label->text(), label->contentsRect(),
                      int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        } else if (const auto *button = qobject_cast<const QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            // By class name: the preview module has its own copy of WrapButton.
            if (button->inherits("WrapButton"))
                check(button, button->text(), WrapButton::captionArea(option, button),
                      Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic);
            else
                check(button, button->text(),
                      style->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                      Qt::AlignCenter | Qt::TextShowMnemonic);
        } else if (const auto *tool = qobject_cast<const QToolButton *>(w)) {
            // A tool button squeezed below its size hint cuts its caption.
            if (!tool->text().isEmpty()
                && (tool->width() < tool->sizeHint().width()
                    || tool->height() < tool->sizeHint().height()))
                problems->append(clipped(tool, tool->text(), tool->sizeHint(), tool->size()));
        } else if (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w)) {
            const auto *option = static_cast<const QAbstractButton *>(w);
            QStyleOptionButton styleOption;
            styleOption.initFrom(option);
            styleOption.text = option->text();
            const QStyle::SubElement contents = qobject_cast<const QRadioButton *>(w)
                ? QStyle::SE_RadioButtonContents
                : QStyle::SE_CheckBoxContents;
            check(option, option->text(), style->subElementRect(contents, &styleOption, option),
                  Qt::AlignVCenter | Qt::TextShowMnemonic);
        } else if (const auto *box = qobject_cast<const QGroupBox *>(w)) {
            QStyleOptionGroupBox styleOption;
            styleOption.initFrom(box);
            styleOption.text = box->title();
            styleOption.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = style->subControlRect(QStyle::CC_GroupBox, &styleOption,
                                                      QStyle::SC_GroupBoxLabel, box);
            if (!box->rect().contains(title))
                problems->append(clipped(box, box->title(), title.size(), box->size()));
        } else if (const auto *list = qobject_cast<const QListWidget *>(w)) {
            const QSize room = list->viewport()->size();
            for (int row = 0; row < list->count(); ++row) {
                const QSize needed = list->sizeHintForIndex(list->model()->index(row, 0));
                if (needed.width() > room.width())
                    problems->append(clipped(list, list->item(row)->text(), needed, room));
            }
        } else if (const auto *tabs = qobject_cast<const QTabWidget *>(w)) {
            const QTabBar *bar = tabs->tabBar();
            const int padding = style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i) {
                // A tab scrolled out of the bar shows only the part inside it.
                const QRect shown = bar->tabRect(i).intersected(bar->rect());
                const QSize needed(bar->fontMetrics().horizontalAdvance(bar->tabText(i)) + padding,
                                   bar->fontMetrics().height());
                if (needed.width() > shown.width())
                    problems->append(clipped(tabs, bar->tabText(i), needed, shown.size()));
            }
        }
    }
}

} // namespace

// Every caption of every window fits its control's designed size, in English
// and in each shipped translation: the layout is fixed, so a translation has
// to find words that fit.
class TestWindowTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captions_fitTheirControls_data();
    void captions_fitTheirControls();
};

void TestWindowTexts::captions_fitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en"); // the texts themselves
    const QStringList shipped
        = QStringLiteral(ZEPHRIN_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &language : shipped)
        QTest::newRow(qPrintable(language)) << language;
}

void TestWindowTexts::captions_fitTheirControls()
{
    QFETCH(QString, language);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(QStringLiteral("zephrin_") + language,
                                QStringLiteral(ZEPHRIN_TRANSLATIONS_DIR)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    FakeHost host;
    host.folder = qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR");
    QStringList problems;

    // The main window on each tab, with each type's description and settings.
    MainWindow main(host);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *tabs = main.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (const char *type : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
        main.findChild<QRadioButton *>(QLatin1String(type))->setChecked(true);
        main.showSettings();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            checkCaptions(&main, &problems);
        }
    }

    std::unique_ptr<QWidget> about(new AboutWindow(host));
    setPreviewModuleFolders({QStringLiteral(ZEPHRIN_MODULE_BUILD_DIR)});
    QString error;
    std::unique_ptr<QWidget> preview(createPreviewWindow(host, QString(), &error));
    QVERIFY2(preview, qPrintable(error));
    for (QWidget *window : {about.get(), preview.get()}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        checkCaptions(window, &problems);
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(),
             qPrintable(language + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
