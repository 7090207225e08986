#include "app/mainwindow.h"
#include "generator/bodysection.h"
#include "generator/encoder.h"
#include "generator/generation.h"
#include "generator/headsection.h"
#include "generator/settingsfile.h"
#include "gui/fakehost.h"
#include "host/qthostservices.h"
#include "pages/pagetext.h"
#include "pages/previewpage.h"
#include "widgets/lazypage.h"
#include "widgets/snapshotpixels.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace {

const QString sampleBody = QStringLiteral(
    "<B>Company name here</B><BR><BR><u>My ad title here</u><Br>Content of my ad here.Contact us "
    "for free html ad generation help.<BR><i>Thanks</i>");
const QString noFileChosen = QStringLiteral("      -------Select file to add Popup-------");
constexpr int generateTab = 3; // after Choose, Create and Display rules

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Code as an output field shows it: one break for each CR LF.
QString asShown(const QString &code)
{
    return QString(code).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startup_showsChooseTabWithStickMeNote();
    void tabChange_showsSnapshotOnlyOnChoose_data();
    void tabChange_showsSnapshotOnlyOnChoose();
    void output_clearsBothSectionsAndFocusesBodyButton();
    void generate_setsDefaultsOfSelectedType_data();
    void generate_setsDefaultsOfSelectedType();
    void selection_leavesSettingsAndOutputsAlone();
    void selection_timerMovesSnapshotUpForGood();
    void snapshot_isTheFilesPicture_data();
    void snapshot_isTheFilesPicture();
    void arrowKeys_selectInScreenOrder();
    void colour_setsTextAndSwatch_data();
    void colour_setsTextAndSwatch();
    void colour_cancelKeepsColourAndSwatch();
    void enter_activatesOutputExceptOnButtons_data();
    void enter_activatesOutputExceptOnButtons();
    void accessKeys_runToolbarCommands_data();
    void accessKeys_runToolbarCommands();
    void about_opensOneWindow();
    void close_endsEveryWindow_data();
    void close_endsEveryWindow();
    void helpIcon_opensOnLeftReleaseOverIt_data();
    void helpIcon_opensOnLeftReleaseOverIt();
    void toolTip_showsTextLiterally_data();
    void toolTip_showsTextLiterally();
    void accessibleName_isCaptionAsRead_data();
    void accessibleName_isCaptionAsRead();
    void message_showsPlainText();
    void typedLineBreak_isCrLfInEveryOutput_data();
    void typedLineBreak_isCrLfInEveryOutput();

    void body_isEncodedAndCopied_data();
    void body_isEncodedAndCopied();
    void head_isReplacedNotAppended();
    void head_withoutScriptCopiesNothing_data();
    void head_withoutScriptCopiesNothing();
    void missingScript_stopsPreviewAndInsertion();

    void selectFile_filtersAndCancel();
    void fileDialogs_openWhereTheirKindWasLastUsed_data();
    void fileDialogs_openWhereTheirKindWasLastUsed();
    void addCode_withoutReadablePageChangesNothing_data();
    void addCode_withoutReadablePageChangesNothing();
    void addCode_appendsBlockAndOpensPage();
    void preview_writesPageAndOpensIt();
    void preview_unwritableSupportFolder_data();
    void preview_unwritableSupportFolder();
    void rulesTab_carriesRulesIntoPreviewNotThroughGenerate();
    void rulesTab_firstShownShowsItsControls();

    void design_saveThenOpenRoundTrip();
    void design_badFileChangesNothing_data();
    void design_badFileChangesNothing();
    void design_givesWhatCommandLineGives_data();
    void design_givesWhatCommandLineGives();
    void drop_pageIsTargetDesignOpens_data();
    void drop_pageIsTargetDesignOpens();

private:
    template<typename T> T *child(const char *name) const
    {
        // The Create and Generate tabs make their controls when first needed.
        for (LazyPage *page : m_form->findChildren<LazyPage *>())
            page->build();
        T *found = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    void click(const char *name) { child<QPushButton>(name)->click(); }
    void select(int option)
    {
        child<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(option)))->setChecked(true);
    }
    QString text(const char *name) const { return child<QLineEdit>(name)->text(); }
    QString shown(const char *name) const { return child<QPlainTextEdit>(name)->toPlainText(); }
    int tab() const { return child<QTabWidget>("SSTab1")->currentIndex(); }
    // What the generation flow makes of the window's current settings.
    GeneratedCode expectedCode() const
    {
        const SupportScripts scripts = readSupportScripts(m_folder->path(), m_form->settings());
        return generateCode(m_form->settings(), scripts.support, scripts.rules);
    }
    bool showAndActivate() { return showActive(m_form.get()); }
    void clickTool(const char *name) { child<QToolButton>(name)->click(); }
    QString inFolder(const char *name) const { return m_folder->filePath(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QTemporaryDir> m_home; // the user's cache folder lives here
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<MainWindow> m_form;
};

void TestMainWindow::init()
{
    // A private application folder with the real support files.
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    const QDir support(qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR"));
    const QStringList names = support.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QVERIFY(QFile::copy(support.filePath(name), m_folder->filePath(name)));

    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("cache"))));
    // The user's documents folder is here too.
    QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral("config")));
    QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral("Documents")));
    writeAll(m_home->filePath(QStringLiteral("config/user-dirs.dirs")),
             "XDG_DOCUMENTS_DIR=\""
                 + QFile::encodeName(m_home->filePath(QStringLiteral("Documents"))) + "\"\n");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("config"))));

    m_host = std::make_unique<FakeHost>();
    m_host->folder = m_folder->path();
    m_form = std::make_unique<MainWindow>(*m_host);
}

void TestMainWindow::cleanup()
{
    m_form.reset();
    m_host.reset();
    m_folder.reset();
    m_home.reset();
}

void TestMainWindow::startup_showsChooseTabWithStickMeNote()
{
    // A start on the Choose tab does not make the other tabs' controls.
    QVERIFY(!m_form->findChild<QLineEdit *>(QStringLiteral("Text1")));
    QVERIFY(!m_form->findChild<QPlainTextEdit *>(QStringLiteral("Text6")));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Zephrin"));
    QCOMPARE(m_form->size(), QSize(552, 369));
    QCOMPARE(tab(), 0);
    auto *tabs = child<QTabWidget>("SSTab1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList {"Choose", "Create", "Display rules", "Generate"}));
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QCOMPARE(m_form->selectedType(), AdType::StickMeNote);
    QVERIFY(child<QLabel>("Label14")->text().startsWith(
        QStringLiteral("It is used as a regular post it.")));
    QVERIFY(!child<QLabel>("Picture1")->isHidden());
    QVERIFY(!child<QLabel>("Picture1")->pixmap().isNull());
    for (const char *name : {"Text1", "Text2", "Text3", "Text4"})
        QVERIFY2(text(name).isEmpty(), name);
    QCOMPARE(text("Text5"), QStringLiteral("My CAPTION"));
    QCOMPARE(shown("Txtbody"), sampleBody);
    QCOMPARE(text("Text17"), noFileChosen);
    QVERIFY(shown("Text6").isEmpty());
    QVERIFY(shown("Text7").isEmpty());

    QCOMPARE(m_form->settings().colour, QStringLiteral("FFFFFF"));
}

void TestMainWindow::tabChange_showsSnapshotOnlyOnChoose_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("snapshotShown");
    QTest::newRow("Create") << 1 << false;
    QTest::newRow("Display rules") << 2 << false;
    QTest::newRow("Generate") << generateTab << false;
    QTest::newRow("back to Choose") << 0 << true;
}

void TestMainWindow::tabChange_showsSnapshotOnlyOnChoose()
{
    QFETCH(int, tab);
    QFETCH(bool, snapshotShown);
    auto *tabs = child<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(tab == 0 ? 2 : 0);
    tabs->setCurrentIndex(tab);
    QCOMPARE(!child<QLabel>("Picture1")->isHidden(), snapshotShown);
    // A tab header does not run the toolbar's work: the settings stay empty.
    QVERIFY(text("Text1").isEmpty());
}

void TestMainWindow::output_clearsBothSectionsAndFocusesBodyButton()
{
    QVERIFY(showAndActivate());
    m_form->generateBody();
    m_form->generateHead();
    QVERIFY(!shown("Text6").isEmpty());
    for (int press = 0; press < 2; ++press) {
        click("b");
        QCOMPARE(tab(), generateTab);
        QVERIFY(shown("Text6").isEmpty());
        QVERIFY(shown("Text7").isEmpty());
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>("Command1"));
    }
}

// Texts of Text1..Text5, then which of Label1..5 / Text1..5 are enabled as two
// strings of 0/1, then Label5's caption. A type generated before the selected
// one must leave nothing of its own behind.
void TestMainWindow::generate_setsDefaultsOfSelectedType_data()
{
    QTest::addColumn<int>("before"); // the type generated first, 0 for none
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("labelsEnabled");
    QTest::addColumn<QString>("fieldsEnabled");
    QTest::addColumn<QString>("captionLabel");
    struct Defaults
    {
        QStringList texts;
        QString labelsEnabled, fieldsEnabled, captionLabel;
    };
    const Defaults ofOption[] = {
        {},
        {{"180", "280", "<Center>", "<Center>", "<Not required>"}, "11000", "11000", "Caption"},
        {{"180", "280", "200", "200", ""}, "11111", "11111", "Caption"},
        {{"180", "280", "200", "200", "<Not required>"}, "11111", "11110", "Caption"},
        {{"180", "280", "200", "200", "you@example.com"}, "11111", "11111", "Email to:"},
        {{"180", "280", "200", "200", "<Not required>"}, "11111", "11110", "Caption"},
    };
    const auto row = [&](const char *name, int before, int option) {
        const Defaults &d = ofOption[option];
        QTest::newRow(name) << before << option << d.texts << d.labelsEnabled << d.fieldsEnabled
                            << d.captionLabel;
    };
    row("StickME note", 0, 1);
    row("Window AD", 0, 2);
    row("Jumpy AD", 0, 3);
    row("Force Emailer", 0, 4);
    row("Timer AD", 0, 5);
    row("StickME then Jumpy re-enables the position", 1, 3);
    row("Force Emailer then Timer restores the caption label", 4, 5);
    row("StickME then Window AD enables everything", 1, 2);
}

void TestMainWindow::generate_setsDefaultsOfSelectedType()
{
    QFETCH(int, before);
    QFETCH(int, option);
    QFETCH(QStringList, texts);
    QFETCH(QString, labelsEnabled);
    QFETCH(QString, fieldsEnabled);
    QFETCH(QString, captionLabel);
    QVERIFY(showAndActivate());
    if (before) {
        select(before);
        click("Command6");
    }
    select(option);
    child<QLineEdit>("Text1")->setText(QStringLiteral("300"));
    click("Command6");

    QCOMPARE(tab(), 1);
    QVERIFY(child<QLabel>("Picture1")->isHidden());
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("Command12"));
    for (int i = 0; i < 5; ++i) {
        const QByteArray field = "Text" + QByteArray::number(i + 1);
        const QByteArray label = "Label" + QByteArray::number(i + 1);
        QCOMPARE(text(field.constData()), texts.at(i));
        QCOMPARE(child<QLineEdit>(field.constData())->isEnabled(), fieldsEnabled.at(i) == '1');
        QCOMPARE(child<QLabel>(label.constData())->isEnabled(), labelsEnabled.at(i) == '1');
    }
    QCOMPARE(child<QLabel>("Label5")->text(), captionLabel);
}

void TestMainWindow::selection_leavesSettingsAndOutputsAlone()
{
    click("Command6"); // StickME note
    m_form->generateBody();
    const QString body = shown("Text6");
    select(3);
    QCOMPARE(text("Text3"), QStringLiteral("<Center>"));
    QCOMPARE(shown("Text6"), body);
    // The body generator takes the text as it stands.
    m_form->generateBody();
    QVERIFY(rawBodySection(m_form->settings())
                .contains(QStringLiteral("left:<Center>px;top:<Center>px")));
    QCOMPARE(m_host->clipboard, generateBody(m_form->settings()));
}

void TestMainWindow::selection_timerMovesSnapshotUpForGood()
{
    auto *snapshot = child<QLabel>("Picture1");
    const int designTop = snapshot->y();
    select(5);
    const int timerTop = snapshot->y();
    // 720 - 585 twips is 9 pixels; the page may be squeezed a little to fit.
    QVERIFY2(qAbs(designTop - timerTop - 9) <= 1,
             qPrintable(QString::number(designTop - timerTop)));
    select(3);
    QCOMPARE(snapshot->y(), timerTop);
    QVERIFY(child<QLabel>("Label14")->text().startsWith(
        QStringLiteral("Jumpy ads can never be missed.")));
    QVERIFY(!snapshot->pixmap().isNull());
}

void TestMainWindow::snapshot_isTheFilesPicture_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("snapshot");
    QTest::addColumn<QByteArray>("replacement"); // the file's new bytes; null: as shipped
    QTest::addColumn<bool>("fromPixels"); // shown from the compiled-in pixels
    const char *names[] = {"sticky.gif", "window.gif", "wiggler.gif", "optin.gif", "bagger.gif"};
    for (int option = 1; option <= 5; ++option)
        QTest::addRow("%s as shipped", names[option - 1])
            << option << names[option - 1] << QByteArray() << true;
    QTest::newRow("another picture in its place")
        << 1 << "sticky.gif"
        << readAll(QDir(qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR"))
                       .filePath(QStringLiteral("window.gif")))
        << false;
    QTest::newRow("no picture") << 1 << "sticky.gif" << QByteArray("GIF89a") << false;
    QTest::newRow("missing") << 1 << "sticky.gif" << QByteArray("(missing)") << false;
}

void TestMainWindow::snapshot_isTheFilesPicture()
{
    QFETCH(int, option);
    QFETCH(QString, snapshot);
    QFETCH(QByteArray, replacement);
    QFETCH(bool, fromPixels);
    const QString path = m_folder->filePath(snapshot);
    if (replacement == "(missing)")
        QVERIFY(QFile::remove(path));
    else if (!replacement.isNull())
        writeAll(path, replacement);
    select(option == 1 ? 2 : 1);
    select(option);

    const auto asCompared = [](const QImage &image) {
        return image.convertToFormat(QImage::Format_ARGB32);
    };
    QCOMPARE(asCompared(child<QLabel>("Picture1")->pixmap().toImage()), asCompared(QImage(path)));
    QFile pixels(QStringLiteral(":/snapshots/%1.pixels").arg(snapshot));
    QVERIFY(pixels.open(QIODevice::ReadOnly));
    QCOMPARE(!imageFromSnapshotPixels(pixels.readAll(), readAll(path)).isNull(), fromPixels);
}

void TestMainWindow::arrowKeys_selectInScreenOrder()
{
    QVERIFY(showAndActivate());
    auto *first = child<QRadioButton>("Option1");
    first->setFocus();
    QList<AdType> types {m_form->selectedType()};
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        types << m_form->selectedType();
    }
    QCOMPARE(types,
             (QList<AdType> {AdType::StickMeNote, AdType::WindowAd, AdType::JumpyAd,
                             AdType::TimerAd, AdType::ForceEmailer}));
    QVERIFY(child<QLabel>("Label14")->text().startsWith(QStringLiteral("Simple slidein ad")));
}

void TestMainWindow::colour_setsTextAndSwatch_data()
{
    QTest::addColumn<QColor>("picked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("red") << QColor(255, 0, 0) << "FF0000";
    QTest::newRow("blue") << QColor(0, 0, 255) << "0000FF";
    QTest::newRow("black") << QColor(0, 0, 0) << "000000";
    QTest::newRow("white") << QColor(255, 255, 255) << "FFFFFF";
    QTest::newRow("two digits below 16") << QColor(10, 11, 12) << "0A0B0C";
}

void TestMainWindow::colour_setsTextAndSwatch()
{
    QFETCH(QColor, picked);
    QFETCH(QString, expected);
    m_host->colourAnswer = picked;
    click("Command12");
    QCOMPARE(m_host->colourDialogInitial, QColor(192, 192, 192));
    QCOMPARE(m_form->settings().colour, expected);
    auto *swatch = child<QLineEdit>("Text13");
    QCOMPARE(swatch->palette().color(QPalette::Base), picked);
    QCOMPARE(swatch->palette().color(QPalette::Text), picked);

    // The new colour reaches the generated head section.
    m_form->generateHead();
    QVERIFY(shown("Text7").contains(QStringLiteral("background-color:") + expected));
}

void TestMainWindow::colour_cancelKeepsColourAndSwatch()
{
    auto *swatch = child<QLineEdit>("Text13");
    const QColor startBase = swatch->palette().color(QPalette::Base);
    m_host->colourCancels = true;
    click("Command12");
    QCOMPARE(m_form->settings().colour, QStringLiteral("FFFFFF"));
    QCOMPARE(swatch->palette().color(QPalette::Base), startBase);

    m_host->colourCancels = false;
    m_host->colourAnswer = QColor(255, 0, 0);
    click("Command12");
    m_host->colourCancels = true;
    click("Command12");
    QCOMPARE(m_host->colourDialogs, 3);
    QCOMPARE(m_form->settings().colour, QStringLiteral("FF0000"));
    QCOMPARE(swatch->palette().color(QPalette::Base), QColor(255, 0, 0));
}

void TestMainWindow::enter_activatesOutputExceptOnButtons_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("tabAfter");
    QTest::newRow("height field") << "Text1" << 1 << generateTab;
    QTest::newRow("body field") << "Txtbody" << 1 << generateTab;
    QTest::newRow("option button") << "Option2" << 0 << generateTab;
    QTest::newRow("rule list") << "startRule" << 2 << generateTab;
    QTest::newRow("Choose button takes it itself") << "Command5" << 1 << 0;
}

void TestMainWindow::enter_activatesOutputExceptOnButtons()
{
    QFETCH(QString, focus);
    QFETCH(int, tab);
    QFETCH(int, tabAfter);
    QVERIFY(showAndActivate());
    auto *tabs = child<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(tab);
    m_form->generateBody();
    auto *target = m_form->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    const QString body = child<QPlainTextEdit>("Txtbody")->toPlainText();

    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(tabs->currentIndex(), tabAfter);
    QCOMPARE(child<QPlainTextEdit>("Txtbody")->toPlainText(), body);
    QCOMPARE(shown("Text6").isEmpty(), tabAfter == generateTab);
}

void TestMainWindow::accessKeys_runToolbarCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<int>("tabAfter");
    QTest::addColumn<QString>("heightAfter");
    QTest::newRow("Alt+G generates") << int(Qt::Key_G) << "Command12" << 1 << "180";
    QTest::newRow("Alt+O shows the output") << int(Qt::Key_O) << "Command1" << generateTab << "";
    QTest::newRow("Alt+C shows the catalogue") << int(Qt::Key_C) << "Command4" << 0 << "";
}

void TestMainWindow::accessKeys_runToolbarCommands()
{
    QFETCH(int, key);
    QFETCH(QString, focusAfter);
    QFETCH(int, tabAfter);
    QFETCH(QString, heightAfter);
    QVERIFY(showAndActivate());
    child<QTabWidget>("SSTab1")->setCurrentIndex(tabAfter == 0 ? 2 : 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    // An access key presses its button with a short animation.
    QTRY_COMPARE(tab(), tabAfter);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    QCOMPARE(text("Text1"), heightAfter);
}

void TestMainWindow::about_opensOneWindow()
{
    click("Command10");
    click("Command10");
    const QList<QWidget *> abouts = shownWindows("Form22");
    QCOMPARE(abouts.size(), 1);
    QCOMPARE(abouts.first()->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 6);
    QVERIFY(!abouts.first()->parentWidget());
}

// Closing asks about unsaved changes (the height typed) only when a design file is open.
void TestMainWindow::close_endsEveryWindow_data()
{
    QTest::addColumn<bool>("designOpen");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<UnsavedChangesAnswer>("answer");
    const auto cancel = UnsavedChangesAnswer::Cancel;
    QTest::newRow("no design file") << false << true << cancel;
    QTest::newRow("design unchanged") << true << false << cancel;
    QTest::newRow("changes, Cancel stays") << true << true << cancel;
    QTest::newRow("changes, Discard") << true << true << UnsavedChangesAnswer::Discard;
    QTest::newRow("changes, Save") << true << true << UnsavedChangesAnswer::Save;
}

void TestMainWindow::close_endsEveryWindow()
{
    QFETCH(bool, designOpen);
    QFETCH(bool, changed);
    QFETCH(UnsavedChangesAnswer, answer);
    m_form->show();
    click("Command6");
    const QString design = inFolder("ad.json");
    m_host->fileAnswer = design;
    if (designOpen)
        clickTool("saveDesignButton");
    if (changed)
        child<QLineEdit>("Text1")->setText(QStringLiteral("99"));
    click("Command10");
    QPointer<QWidget> about = shownWindows("Form22").value(0);
    QVERIFY(about);
    m_host->unsavedAnswer = answer;

    const bool asked = designOpen && changed;
    QCOMPARE(m_form->close(), !asked || answer != UnsavedChangesAnswer::Cancel);
    QCOMPARE(m_host->unsavedQuestions.size(), asked ? 1 : 0);
    QCOMPARE(!about, m_form->isHidden());
    const bool saved = asked && answer == UnsavedChangesAnswer::Save;
    const AdDesign file = readDesignFile(design).design;
    QCOMPARE(file.gives(designSetting(SettingGroup::Top, "height")) ? file.values.height
                                                                    : QString(),
             designOpen ? (saved ? "99" : "180") : QString());
}

void TestMainWindow::helpIcon_opensOnLeftReleaseOverIt_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releasedAt");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left click") << int(Qt::LeftButton) << QPoint(8, 8) << true;
    QTest::newRow("right click") << int(Qt::RightButton) << QPoint(8, 8) << false;
    QTest::newRow("middle click") << int(Qt::MiddleButton) << QPoint(8, 8) << false;
    QTest::newRow("dragged off before release") << int(Qt::LeftButton) << QPoint(60, 8) << false;
}

void TestMainWindow::helpIcon_opensOnLeftReleaseOverIt()
{
    QFETCH(int, button);
    QFETCH(QPoint, releasedAt);
    QFETCH(bool, opens);
    auto *icon = child<QToolButton>("Picture2");
    const auto mouseButton = Qt::MouseButton(button);
    QTest::mousePress(icon, mouseButton, {}, QPoint(8, 8));
    QTest::mouseMove(icon, releasedAt);
    QTest::mouseRelease(icon, mouseButton, {}, releasedAt);
    QCOMPARE(m_host->openedUrls,
             opens ? QStringList {"https://www.tolvane.example/zephrin/help/"} : QStringList());
}

void TestMainWindow::toolTip_showsTextLiterally_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("tags in the tab control's") << "SSTab1"
                                               << "The Output code of <body> and <head>";
    QTest::newRow("tags and four spaces in the body's")
        << "Txtbody"
        << "Do not leave space in html code.<b>Message</b> is not the same as <b>Message here    "
           "</b>.";
    QTest::newRow("tag in a button's") << "Command2"
                                       << "Click to generate <head> section of code";
    QTest::newRow("tags in an output field's")
        << "Text6"
        << "Paste the html text in between <body></body> tags.";
    QTest::newRow("plain text") << "Command5"
                                << "Choose the type of Popup/Ad";
}

void TestMainWindow::toolTip_showsTextLiterally()
{
    QFETCH(QString, control);
    QFETCH(QString, toolTip);
    QVERIFY(showAndActivate());
    auto *widget = child<QWidget>(qPrintable(control));
    QCOMPARE(widget->toolTip(), toolTip);
    QWidget *target = widget;
    if (auto *tabs = qobject_cast<QTabWidget *>(widget))
        target = tabs; // the tab control shows its own tooltip over its pages' frame
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    // The tooltip as the user reads it, whatever form it is shown in.
    QTextDocument shownText;
    shownText.setHtml(QToolTip::text());
    QCOMPARE(shownText.toPlainText(), toolTip);
    QToolTip::hideText();
}

void TestMainWindow::accessibleName_isCaptionAsRead_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("two access keys") << "Command10"
                                     << "About/Info";
    QTest::newRow("doubled ampersand") << "Command7"
                                       << "Add code to file & View";
    QTest::newRow("one access key") << "Command13"
                                    << "Select file";
    QTest::newRow("target field named by its label") << "Text17"
                                                     << "File :";
    QTest::newRow("setting named by its label") << "Text1"
                                                << "Height";
    QTest::newRow("help icon named by its tooltip") << "Picture2"
                                                    << "Help on Web !";
}

void TestMainWindow::accessibleName_isCaptionAsRead()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    auto *widget = child<QWidget>(qPrintable(control));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestMainWindow::message_showsPlainText()
{
    const QString text = QStringLiteral("Cannot write \"/pages/<b>new</b> & old.html\"");
    QString shownText;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shownText = box->text();
        format = box->textFormat();
        box->accept();
    });
    QtHostServices host;
    host.showMessage(nullptr, text);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shownText, text);
}

void TestMainWindow::typedLineBreak_isCrLfInEveryOutput_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("encoded body (StickME note)") << 1;
    QTest::newRow("plain body (Window AD)") << 2;
}

void TestMainWindow::typedLineBreak_isCrLfInEveryOutput()
{
    QFETCH(int, option);
    QVERIFY(showAndActivate());
    select(option);
    click("Command6");
    auto *body = child<QPlainTextEdit>("Txtbody");
    body->clear();
    body->setFocus();
    QTest::keyClicks(body, QStringLiteral("onetwo"));
    // Ctrl+Enter types the break where the cursor is, and the tab stays.
    QTextCursor cursor = body->textCursor();
    cursor.setPosition(3);
    body->setTextCursor(cursor);
    QTest::keyClick(body, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(body->toPlainText(), QStringLiteral("one\ntwo"));
    QCOMPARE(tab(), 1);
    QCOMPARE(m_form->settings().body, QStringLiteral("one\r\ntwo"));

    AdSettings withLf = m_form->settings();
    withLf.body = QStringLiteral("one\ntwo");
    const GeneratedCode code = expectedCode();
    QVERIFY(code.body != generateBody(withLf));

    click("Command1");
    QCOMPARE(m_host->clipboard, code.body);
    QCOMPARE(shown("Text6"), asShown(code.body));
    click("view");
    QCOMPARE(readAll(m_folder->filePath(QStringLiteral("view.html"))),
             previewPage(code.body, code.head));
    const QString page = m_folder->filePath(QStringLiteral("page.html"));
    writeAll(page, "<p>mine</p>\r\n");
    m_host->fileAnswer = page;
    click("Command13");
    click("Command7");
    QVERIFY(readAll(page).contains("<body>" + code.body.toUtf8() + "</body>"));
}

void TestMainWindow::body_isEncodedAndCopied_data()
{
    QTest::addColumn<int>("option");
    for (int option = 1; option <= 5; ++option)
        QTest::newRow(adTypeInfo(static_cast<AdType>(option)).caption) << option;
}

void TestMainWindow::body_isEncodedAndCopied()
{
    QFETCH(int, option);
    select(option);
    click("Command6");
    child<QPlainTextEdit>("Txtbody")->setPlainText(QStringLiteral("line one\nYes \"quoted\""));
    click("Command1");

    const AdSettings settings = m_form->settings();
    const QString raw = rawBodySection(settings);
    QCOMPARE(m_host->clipboard, encodedBodySection(settings.type, raw));
    if (settings.type == AdType::WindowAd)
        QCOMPARE(m_host->clipboard, raw);
    else
        QVERIFY(m_host->clipboard.startsWith(
            QStringLiteral("<script>(function(){var md;function u( s )")));
    QCOMPARE(shown("Text6"), asShown(m_host->clipboard));

    // A second run replaces, it does not append.
    click("Command1");
    QCOMPARE(m_host->clipboard, encodedBodySection(settings.type, raw));
    QCOMPARE(shown("Text6"), asShown(m_host->clipboard));
}

void TestMainWindow::head_isReplacedNotAppended()
{
    // The installed script's lines are copied as they stand.
    writeAll(m_folder->filePath(QStringLiteral("popup1.js")),
             "line 1\n  // zephrin: box helpers\nline 2");
    click("Command6");
    click("Command2");
    const QString expected = QStringLiteral("line 1\r\n  // zephrin: box helpers\r\nline 2\r\n")
        + styleElement(m_form->settings());
    QCOMPARE(m_host->clipboard, expected);
    QCOMPARE(shown("Text7"), asShown(expected));
    m_host->clipboard.clear();
    click("Command2");
    QCOMPARE(m_host->clipboard, expected);
    QCOMPARE(shown("Text7"), asShown(expected));
}

void TestMainWindow::head_withoutScriptCopiesNothing_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QByteArray>("script"); // null: the file is missing
    QTest::addColumn<QString>("missing"); // the file the message names, if any
    QTest::newRow("missing script: reported") << 1 << QByteArray() << QStringLiteral("popup1.js");
    QTest::newRow("empty Window AD script: silent") << 2 << QByteArray("") << QString();
}

void TestMainWindow::head_withoutScriptCopiesNothing()
{
    QFETCH(int, option);
    QFETCH(QByteArray, script);
    QFETCH(QString, missing);
    const QString path = m_folder->filePath(QStringLiteral("popup%1.js").arg(option));
    if (script.isNull())
        QVERIFY(QFile::remove(path));
    else
        writeAll(path, script);
    select(option);
    click("Command2");
    QVERIFY(shown("Text7").isEmpty());
    QCOMPARE(m_host->clipboard, QStringLiteral("(clipboard before)"));
    if (!missing.isEmpty()) {
        QCOMPARE(m_host->messages.size(), 1);
        QVERIFY2(m_host->messages.first().contains(m_folder->filePath(missing)),
                 qPrintable(m_host->messages.first()));
    } else {
        QVERIFY(m_host->messages.isEmpty());
    }
}

void TestMainWindow::missingScript_stopsPreviewAndInsertion()
{
    const QString page = m_folder->filePath(QStringLiteral("page.html"));
    const QByteArray original = "<p>mine</p>\n";
    writeAll(page, original);
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("popup1.js"))));
    m_host->fileAnswer = page;
    click("Command13");

    click("view");
    click("Command7");
    QCOMPARE(m_host->messages.size(), 2);
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("view.html"))));
    QCOMPARE(readAll(page), original);
    QVERIFY(m_host->openedFiles.isEmpty());
}

void TestMainWindow::selectFile_filtersAndCancel()
{
    m_host->fileCancels = true;
    click("Command13");
    QCOMPARE(
        m_host->fileFilters,
        (QStringList {"All Files (*.*) (*)", "Asp Files(*.asp) (*.asp)",
                      "HTML Files (*.htm,*.html) (*.htm *.html)", "Php Files (*.php) (*.php)"}));
    QCOMPARE(m_host->fileSelectedFilter, 2);
    QCOMPARE(text("Text17"), QString()); // a cancelled first choice empties the path

    m_host->fileCancels = false;
    m_host->fileAnswer = QStringLiteral("/pages/index.html");
    click("Command13");
    QCOMPARE(text("Text17"), QStringLiteral("/pages/index.html"));
    m_host->fileCancels = true;
    click("Command13");
    QCOMPARE(text("Text17"), QStringLiteral("/pages/index.html"));
}

void TestMainWindow::fileDialogs_openWhereTheirKindWasLastUsed_data()
{
    QTest::addColumn<QString>("first"); // the dialog used first: "page", "design" (saving) or none
    QTest::addColumn<QString>("chosen"); // what it chose, in the home folder
    QTest::addColumn<bool>("removed"); // that folder is gone before the next run
    QTest::addColumn<QString>("second"); // the dialog of the next run: "page" or "design"
    QTest::addColumn<QString>("opensIn"); // in the home folder

    QTest::newRow("page, first time: the documents folder")
        << QString() << QString() << false << "page"
        << "Documents";
    QTest::newRow("page, next run: where the last page was chosen")
        << "page"
        << "site/a.html" << false << "page"
        << "site";
    QTest::newRow("design after a page: still the documents folder")
        << "page"
        << "site/a.html" << false << "design"
        << "Documents";
    QTest::newRow("design, next run: where the last design was saved")
        << "design"
        << "designs/ad.json" << false << "design"
        << "designs";
    QTest::newRow("page, that folder since removed: the documents folder")
        << "page"
        << "gone/a.html" << true << "page"
        << "Documents";
}

void TestMainWindow::fileDialogs_openWhereTheirKindWasLastUsed()
{
    QFETCH(QString, first);
    QFETCH(QString, chosen);
    QFETCH(bool, removed);
    QFETCH(QString, second);
    QFETCH(QString, opensIn);

    const QString chosenPath = m_home->filePath(chosen);
    if (!first.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(chosenPath).path()));
        m_host->fileAnswer = chosenPath;
        if (first == QLatin1String("page")) {
            click("Command13");
        } else {
            click("Command6");
            clickTool("saveDesignButton");
            QVERIFY(QFileInfo::exists(chosenPath));
        }
    }
    if (removed)
        QVERIFY(QDir(QFileInfo(chosenPath).path()).removeRecursively());

    // The next run: a new window on the same desktop.
    m_form = std::make_unique<MainWindow>(*m_host);
    m_host->fileDialogStarts.clear();
    m_host->fileCancels = true;
    if (second == QLatin1String("page"))
        click("Command13");
    else
        clickTool("openDesignButton");
    QCOMPARE(m_host->fileDialogStarts, QStringList {m_home->filePath(opensIn)});
}

void TestMainWindow::addCode_withoutReadablePageChangesNothing_data()
{
    QTest::addColumn<bool>("choose"); // the file dialog is shown first
    QTest::addColumn<QString>("page"); // what it gives; empty: cancelled
    // Force Emailer's caption, when set: the page is there, the caption is refused.
    QTest::addColumn<QString>("caption");
    QTest::newRow("placeholder") << false << QString() << QString();
    QTest::newRow("cancelled first choice") << true << QString() << QString();
    QTest::newRow("unreadable page: named") << true << "missing.html" << QString();
    QTest::newRow("Force Emailer caption over http:") << true << "page.html"
                                                      << "http://lists.tolvane.example/join";
    QTest::newRow("Force Emailer caption javascript:") << true << "page.html"
                                                       << "javascript:alert(1)//@tolvane.example";
    QTest::newRow("Force Emailer caption with a space") << true << "page.html"
                                                        << "https://lists.tolvane.example/join now";
    QTest::newRow("Force Emailer caption with a quote") << true << "page.html"
                                                        << "o\"brien@tolvane.example";
}

void TestMainWindow::addCode_withoutReadablePageChangesNothing()
{
    QFETCH(bool, choose);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    const QString path = page.isEmpty() ? QString() : m_folder->filePath(page);
    if (!caption.isEmpty()) {
        writeAll(path, "<p>mine</p>\n");
        select(4);
        click("Command6");
        child<QLineEdit>("Text5")->setText(caption);
        click("Command1"); // the body alone is refused too
    }
    if (choose) {
        m_host->fileCancels = path.isEmpty();
        m_host->fileAnswer = path;
        click("Command13");
    }
    click("Command7");
    if (path.isEmpty()) {
        QCOMPARE(m_host->messages, QStringList {"Please select a file first"});
    } else if (!caption.isEmpty()) {
        const QString refused = "Email to: \"" + caption + "\" is neither";
        QCOMPARE(m_host->messages.size(), 2);
        QVERIFY2(m_host->messages.first().startsWith(refused),
                 qPrintable(m_host->messages.first()));
        QCOMPARE(m_host->messages.last(), m_host->messages.first());
        QCOMPARE(readAll(path), "<p>mine</p>\n");
    } else {
        QCOMPARE(m_host->messages.size(), 1);
        QVERIFY(m_host->messages.first().contains(path));
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(m_host->clipboard, QStringLiteral("(clipboard before)"));
    QVERIFY(shown("Text6").isEmpty());
    QVERIFY(m_host->openedFiles.isEmpty());
}

void TestMainWindow::addCode_appendsBlockAndOpensPage()
{
    const QString page = m_folder->filePath(QStringLiteral("my page.html"));
    writeAll(page, "<html><body>Hello</body></html>\r\n");
    m_host->fileAnswer = page;
    click("Command13");
    click("Command6");
    click("Command1");
    child<QPlainTextEdit>("Text6")->setPlainText(QStringLiteral("hand edit"));
    click("Command7");

    QVERIFY2(m_host->messages.isEmpty(), qPrintable(m_host->messages.join('\n')));
    const GeneratedCode code = expectedCode();
    const QByteArray expected = "<html><body>Hello</body></html>\r\n" + insertionMarker
        + "\r\n<body>" + code.body.toUtf8() + "</body><head>" + code.head.toUtf8() + "</head>\r\n";
    QCOMPARE(readAll(page), expected);
    // The hand edit gave way to the regenerated body, in the field as in the page.
    QCOMPARE(shown("Text6"), asShown(code.body));
    QCOMPARE(m_host->clipboard, code.head);
    QCOMPARE(m_host->openedFiles, QStringList {page});

    // A second insertion replaces the first block.
    click("Command7");
    QCOMPARE(readAll(page), expected);

    // A note of the page's own, pasted by hand: a second one would not work.
    writeAll(page, "<html><body>Hello</body></html>\r\n" + code.head.toUtf8() + "\r\n");
    click("Command7");
    QCOMPARE(m_host->messages.size(), 1);
    QVERIFY2(m_host->messages.first().contains(QStringLiteral("already holds a StickME note")),
             qPrintable(m_host->messages.first()));
    QVERIFY(readAll(page).contains(code.body.toUtf8()));
}

void TestMainWindow::preview_writesPageAndOpensIt()
{
    const QString view = m_folder->filePath(QStringLiteral("view.html"));
    click("Command6");
    child<QPlainTextEdit>("Text7")->setPlainText(QStringLiteral("hand edit"));
    click("view");
    const QByteArray first = readAll(view);
    const GeneratedCode code = expectedCode();
    QCOMPARE(first,
             "<body>" + code.body.toUtf8() + "</body><head>" + code.head.toUtf8() + "</head>\r\n");
    QCOMPARE(m_host->openedFiles, QStringList {view});
    QCOMPARE(m_host->clipboard, code.head);

    select(3);
    click("view");
    QVERIFY(readAll(view) != first);
    QVERIFY(readAll(view).startsWith("<body>" + expectedCode().body.toUtf8()));
}

void TestMainWindow::preview_unwritableSupportFolder_data()
{
    QTest::addColumn<bool>("cacheWritable");
    QTest::newRow("written into the cache folder") << true;
    QTest::newRow("cache folder unwritable too: reported") << false;
}

void TestMainWindow::preview_unwritableSupportFolder()
{
    QFETCH(bool, cacheWritable);
    // A folder where the preview page should be: it cannot be replaced.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("view.html")));
    if (!cacheWritable) {
        // A file where the cache folder should be: nothing can be made inside it.
        writeAll(m_home->filePath(QStringLiteral("cache")), "not a folder");
    }
    click("view");

    const QString cached = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/view.html");
    QVERIFY(cached.startsWith(m_home->path()));
    if (cacheWritable) {
        QVERIFY2(m_host->messages.isEmpty(), qPrintable(m_host->messages.join('\n')));
        const GeneratedCode code = expectedCode();
        QCOMPARE(readAll(cached), previewPage(code.body, code.head));
        QCOMPARE(m_host->openedFiles, QStringList {cached});
    } else {
        QCOMPARE(m_host->messages.size(), 1);
        QVERIFY2(m_host->messages.first().contains(m_folder->filePath(QStringLiteral("view.html"))),
                 qPrintable(m_host->messages.first()));
        QVERIFY(m_host->openedFiles.isEmpty());
    }
}

void TestMainWindow::rulesTab_carriesRulesIntoPreviewNotThroughGenerate()
{
    select(5);
    child<QComboBox>("startRule")->setCurrentIndex(1);
    auto *amount = child<QSpinBox>("startAmount");
    QVERIFY(amount->isEnabled());
    amount->setValue(9);
    child<QComboBox>("showAgainRule")->setCurrentIndex(2);
    child<QSpinBox>("showAgainDays")->setValue(30);
    child<QCheckBox>("fromDay")->setChecked(true);
    child<QDateEdit>("fromDate")->setDate(QDate(2030, 1, 2));
    child<QComboBox>("screensRule")->setCurrentIndex(2);
    DisplayRules rules;
    rules.start = DisplayRules::Start::AfterDelay;
    rules.startAmount = 9;
    rules.showAgain = DisplayRules::ShowAgain::EveryNDays;
    rules.days = 30;
    rules.from = QDate(2030, 1, 2);
    rules.screens = DisplayRules::Screens::Narrow;

    click("Command6"); // the toolbar's Generate resets the design, not the rules
    QVERIFY(m_form->displayRules() == rules);
    click("view");
    const QString view = m_folder->filePath(QStringLiteral("view.html"));
    const GeneratedCode code = expectedCode();
    QVERIFY(code.head.contains(QStringLiteral("zephrinRules")));
    QCOMPARE(readAll(view), previewPage(code.body, code.head));

    // An until day before the from day would keep the box from ever starting.
    child<QCheckBox>("untilDay")->setChecked(true);
    child<QDateEdit>("untilDate")->setDate(QDate(2030, 1, 1));
    click("view");
    QCOMPARE(m_host->messages.size(), 1);
    QVERIFY2(m_host->messages.first().contains(QStringLiteral("until")),
             qPrintable(m_host->messages.first()));
    QCOMPARE(readAll(view), previewPage(code.body, code.head));

    m_form->setDisplayRules(rules);
    QVERIFY(m_form->displayRules() == rules);
    m_form->setDisplayRules(DisplayRules());
    QVERIFY(m_form->displayRules().isEmpty());
    QVERIFY(!amount->isEnabled());
}

// The tab makes its controls when it first shows, and they show with it.
void TestMainWindow::rulesTab_firstShownShowsItsControls()
{
    QVERIFY(showAndActivate());
    child<QTabWidget>("SSTab1")->setCurrentIndex(2);
    QVERIFY(child<QComboBox>("startRule")->isVisible());
    // Its captions are bold, as the Create tab's are.
    const auto labels = child<QComboBox>("startRule")->parentWidget()->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        QVERIFY2(!label->buddy() || label->font().bold(), qPrintable(label->objectName()));
}

void TestMainWindow::design_saveThenOpenRoundTrip()
{
    // A size that is no number cannot be kept: refused, naming it, before any dialog.
    child<QLineEdit>("Text1")->setText(QStringLiteral("12px"));
    clickTool("saveDesignButton");
    QCOMPARE(m_host->messages.size(), 1);
    QVERIFY2(m_host->messages.first().startsWith(QStringLiteral("Height \"12px\" is not a whole")),
             qPrintable(m_host->messages.first()));
    QVERIFY(m_host->fileDialogModes.isEmpty());
    // Left empty, as before the first Generate, the sizes are left out of the file.
    child<QLineEdit>("Text1")->clear();
    m_host->fileAnswer = inFolder("first.json");
    clickTool("saveDesignButton");
    QCOMPARE(m_host->messages.size(), 1);
    QVERIFY(!readAll(inFolder("first.json")).contains("height"));

    select(4);
    click("Command6");
    child<QLineEdit>("Text1")->setText(QStringLiteral("250"));
    child<QLineEdit>("Text5")->setText(QStringLiteral("me@example.org"));
    child<QPlainTextEdit>("Txtbody")->setPlainText(QStringLiteral("one\ntwo\u00a0three"));
    m_host->colourAnswer = QColor(255, 0, 0);
    click("Command12");
    child<QComboBox>("screensRule")->setCurrentIndex(1);
    const AdSettings designed = m_form->settings();
    QCOMPARE(designed.body, QStringLiteral("one\r\ntwo\u00a0three"));

    const QString path = inFolder("ad.json");
    m_host->fileAnswer = path;
    QVERIFY(showAndActivate());
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("ad.json[*] - Zephrin"));
    QVERIFY(!m_form->isWindowModified());
    // The mark follows the difference from the file, not the edits.
    child<QLineEdit>("Text1")->setText(QStringLiteral("251"));
    QVERIFY(m_form->isWindowModified());
    child<QLineEdit>("Text1")->setText(QStringLiteral("250"));
    QVERIFY(!m_form->isWindowModified());
    child<QComboBox>("screensRule")->setCurrentIndex(0); // the rules are part of the design
    QVERIFY(m_form->isWindowModified());

    select(1);
    click("Command6");
    QVERIFY(m_form->isWindowModified());
    m_host->unsavedAnswer = UnsavedChangesAnswer::Discard;
    clickTool("openDesignButton");
    QCOMPARE(m_host->unsavedQuestions.size(), 1);
    QCOMPARE(m_form->settings(), designed);
    QCOMPARE(child<QLabel>("Label5")->text(), QStringLiteral("Email to:"));
    QCOMPARE(child<QLineEdit>("Text13")->palette().color(QPalette::Base), QColor(255, 0, 0));
    QVERIFY(!m_form->isWindowModified());

    // Save as: the same design under a new name, which becomes the open one.
    m_host->fileAnswer = inFolder("copy.json");
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_host->fileDialogModes,
             (QList<FileDialogMode> {FileDialogMode::Save, FileDialogMode::Save,
                                     FileDialogMode::Open, FileDialogMode::Save}));
    QCOMPARE(readAll(inFolder("copy.json")), readAll(path));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("copy.json[*] - Zephrin"));
    QCOMPARE(m_host->messages.size(), 1);
}

void TestMainWindow::design_badFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("key");
    QTest::newRow("unknown key") << QByteArray(R"({"version": 1, "height": 9, "shape": "round"})")
                                 << "\"shape\"";
    QTest::newRow("wrong type") << QByteArray(R"({"version": 1, "caption": "x", "height": "9"})")
                                << "\"height\"";
    QTest::newRow("newer version") << QByteArray(R"({"version": 3, "height": 9})") << "\"version\"";
}

void TestMainWindow::design_badFileChangesNothing()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, key);
    click("Command6");
    const AdSettings before = m_form->settings();
    const QString path = inFolder("bad.json");
    writeAll(path, json);
    m_host->fileAnswer = path;
    clickTool("openDesignButton");
    QCOMPARE(m_host->messages.size(), 1);
    QVERIFY2(m_host->messages.first().contains(key), qPrintable(m_host->messages.first()));
    QCOMPARE(m_form->settings(), before);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Zephrin"));
    QVERIFY(m_form->designPath().isEmpty());
}

void TestMainWindow::design_givesWhatCommandLineGives_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("language"); // picked in the window, given to zephrin-cli
    QTest::newRow("design file") << QByteArray(
        R"({"version": 1, "type": "jumpy-ad", "height": 150, "left": -20,)"
        R"( "caption": "Hi", "body": "one\ntwo\u00a0three\r\nfour",)"
        R"( "colour": "#00ff7f"})")
                                 << QString();
    QTest::newRow("memory stored on close") << QByteArray(
        R"({"version": 2, "type": "timer-ad", "rules": {"show-again": "visit", "storage": "on-close"}})")
                                            << QString();
    // The window's own list, picked by name: every text of the box in French.
    QTest::newRow("French box") << QByteArray(R"({"version": 1, "type": "force-emailer"})")
                                << QString::fromUtf8("Fran\xc3\xa7"
                                                     "ais");
    QTest::newRow("modern look") << QByteArray(
        R"({"version": 2, "type": "window-ad", "look": "modern"})")
                                 << QString();
    QTest::newRow("site analytics")
        << QByteArray(R"({"version": 2, "type": "timer-ad", "analytics": "umami"})") << QString();
}

void TestMainWindow::design_givesWhatCommandLineGives()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, language);
    const QString design = inFolder("ad.json");
    writeAll(design, json);
    QVERIFY(m_form->openDesignFile(design));
    QStringList arguments {"add", "--settings", design};
    if (!language.isEmpty()) {
        auto *box = child<QComboBox>("boxLanguage");
        const int index = box->findText(language);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
        arguments << "--box-language" << box->itemData(index).toString();
    }
    const QString page = inFolder("page.html");
    const QString cliPage = inFolder("cli-page.html");
    writeAll(page, "<p>mine</p>\n");
    writeAll(cliPage, "<p>mine</p>\n");
    m_host->fileAnswer = page;
    click("Command13");
    click("Command7");

    QProcess cli;
    cli.start(QStringLiteral(ZEPHRIN_CLI), QStringList(arguments) << cliPage);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(readAll(page), readAll(cliPage));

    // The check beside the head section counts what zephrin-cli check finds.
    arguments[0] = QStringLiteral("check");
    cli.start(QStringLiteral(ZEPHRIN_CLI),
              arguments << "--format"
                        << "json");
    QVERIFY(cli.waitForFinished(60000));
    const qsizetype found
        = QJsonDocument::fromJson(cli.readAllStandardOutput())["findings"].toArray().size();
    QCOMPARE(child<QLabel>("checkResult")->text(),
             found ? QStringLiteral("Check: %1").arg(found) : QStringLiteral("Check: OK"));
}

void TestMainWindow::drop_pageIsTargetDesignOpens_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("onto"); // objectName of the control dropped on
    QTest::newRow("page on the window") << "page.html"
                                        << "Form1";
    QTest::newRow("page on the caption field") << "page.html"
                                               << "Text5";
    QTest::newRow("page on the body field") << "page.php"
                                            << "Txtbody";
    QTest::newRow("design on the window") << "ad.JSON"
                                          << "Form1";
}

void TestMainWindow::drop_pageIsTargetDesignOpens()
{
    QFETCH(QString, file);
    QFETCH(QString, onto);
    const QString path = m_folder->filePath(file);
    writeAll(path, R"({"version": 1, "type": "timer-ad", "height": 77})");
    const QString body = shown("Txtbody");
    QWidget *target
        = onto == QLatin1String("Form1") ? m_form.get() : m_form->findChild<QWidget *>(onto);
    QVERIFY(target);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(target))
        target = area->viewport();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);

    const bool isDesign = file.endsWith(QLatin1String(".JSON"));
    QCOMPARE(text("Text17"), isDesign ? noFileChosen : path);
    QCOMPARE(m_form->designPath(), isDesign ? path : QString());
    QCOMPARE(text("Text1"), isDesign ? "77" : "");
    QCOMPARE(shown("Txtbody"), body);
    QVERIFY2(m_host->messages.isEmpty(), qPrintable(m_host->messages.join('\n')));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
