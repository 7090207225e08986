#include "app/mainwindow.h"

#include "about/aboutwindow.h"
#include "app/displayrulestab.h"
#include "app/filedrops.h"
#include "generator/colourtext.h"
#include "generator/designcheck.h"
#include "generator/generatedefaults.h"
#include "generator/look.h"
#include "generator/signupform.h"
#include "generator/weblinks.h"
#include "host/hostservices.h"
#include "pages/pagefile.h"
#include "pages/previewpage.h"
#include "pages/sitewalk.h"
#include "preview/previewloader.h"
#include "ui_mainwindow.h"
#include "ui_outputpage.h"
#include "ui_settingspage.h"
#include "widgets/snapshotpixels.h"
#include "widgets/windowstyle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTextDocument>

#include <array>

namespace {

enum Tab { ChooseTab = 0, CreateTab = 1, RulesTab = 2, GenerateTab = 3 };

const QColor lineGrey(128, 128, 128);

// "Timer AD" lifts the snapshot box by 135 twips, and it stays there.
constexpr int timerSnapshotRise = 9;

// The page dialog's types, shown as their descriptions (the dialog hides the
// patterns); "All Files" matches names without a dot too.
QStringList pageNameFilters()
{
    return {
        MainWindow::tr("All Files (*.*)") + QStringLiteral(" (*)"),
        MainWindow::tr("Asp Files(*.asp)")
            + QStringLiteral(" (%1)").arg(QLatin1String(SiteWalk::aspPages)),
        MainWindow::tr("HTML Files (*.htm,*.html)")
            + QStringLiteral(" (%1)").arg(QLatin1String(SiteWalk::htmlPages)),
        MainWindow::tr("Php Files (*.php)")
            + QStringLiteral(" (%1)").arg(QLatin1String(SiteWalk::phpPages)),
    };
}
constexpr int initialPageFilter = 2; // HTML Files

} // namespace

MainWindow::MainWindow(HostServices &host, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_host(host)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_designFile(
          host, this, [this] { return fieldSettings(); },
          [this](const AdSettings &design) { applySettings(design); })
    , m_colour(QString::fromLatin1(defaultColour))
{
    // The window's colours are set before its controls exist, which take them
    // on as they are made: set afterwards, each change would walk every control.
    // The form gives each tab page the window's font for the same reason: its
    // pages are made without a parent, and their fields would first lay out
    // their text in the default font.
    setClassicBackground(this, QPalette::Window, windowGrey);
    setClassicBackground(this, QPalette::Button, windowGrey);
    setClassicBackground(this, QPalette::Base, Qt::white);
    setAutoFillBackground(true);
    m_ui->setupUi(this);
    prepareControls(this);

    setUpDesignButtons();
    setUpTypeButtons();
    connectCommands();
    setUpRulesTab();
    m_ui->createPage->setBuilder([this] { buildSettingsPage(); });
    m_ui->generatePage->setBuilder([this] { buildOutputPage(); });

    m_ui->SSTab1->setCurrentIndex(ChooseTab);
    m_ui->Option1->setChecked(true);
    // What start-up puts in the fields is no change to a design.
    watchChanges();
}

void MainWindow::setUpDesignButtons()
{
    // The design file's buttons sit in the free end of the tab row.
    m_ui->SSTab1->setCornerWidget(m_ui->designButtons, Qt::TopRightCorner);
    m_ui->openDesignButton->setDefaultAction(m_ui->openDesignAction);
    m_ui->saveDesignButton->setDefaultAction(m_ui->saveDesignAction);
    auto *saveMenu = new QMenu(m_ui->saveDesignButton);
    saveMenu->addAction(m_ui->saveDesignAsAction);
    m_ui->saveDesignButton->setMenu(saveMenu);
    // The shortcuts work wherever the focus is, the menu closed.
    addActions({m_ui->openDesignAction, m_ui->saveDesignAction, m_ui->saveDesignAsAction});
    connect(m_ui->openDesignAction, &QAction::triggered, this, &MainWindow::openDesign);
    connect(m_ui->saveDesignAction, &QAction::triggered, this, &MainWindow::saveDesign);
    connect(m_ui->saveDesignAsAction, &QAction::triggered, this, &MainWindow::saveDesignAs);
    // A page dropped on the window becomes the target page; a design (.json) opens.
    m_fileDrops = new FileDrops(this);
    connect(m_fileDrops, &FileDrops::dropped, this, &MainWindow::openDroppedFile);
}

void MainWindow::setUpTypeButtons()
{
    const std::array<std::pair<QAbstractButton *, AdType>, 5> typeButtons {{
        {m_ui->Option1, AdType::StickMeNote},
        {m_ui->Option2, AdType::WindowAd},
        {m_ui->Option3, AdType::JumpyAd},
        {m_ui->Option4, AdType::ForceEmailer},
        {m_ui->Option5, AdType::TimerAd},
    }};
    for (const auto &[button, type] : typeButtons)
        m_ui->typeButtons->setId(button, static_cast<int>(type));
    m_timerSnapshotTop = m_ui->Picture1->y() - timerSnapshotRise;
    // Selecting a type, by the user or by the program, shows its catalogue entry.
    connect(m_ui->typeButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            showCatalogueEntry(static_cast<AdType>(id));
    });
    connect(m_ui->SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
        // The snapshot shows on the catalogue only.
        m_ui->Picture1->setVisible(tab == ChooseTab);
        // The help icon is the desktop theme's, whose index takes long to
        // read: it is looked up when its tab first shows.
        if (tab == GenerateTab && outputPage().Picture2->icon().isNull())
            outputPage().Picture2->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    });
}

void MainWindow::connectCommands()
{
    connect(m_ui->Command5, &QPushButton::clicked, this, &MainWindow::showCatalogue);
    connect(m_ui->Command6, &QPushButton::clicked, this, &MainWindow::showSettings);
    connect(m_ui->b, &QPushButton::clicked, this, &MainWindow::showOutput);
    connect(m_ui->Command10, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(m_ui->Command4, &QPushButton::clicked, this, &MainWindow::showTestDrive);
}

void MainWindow::setUpRulesTab()
{
    // The tab makes its controls when first needed. Its fields take no drops
    // (spin boxes and dates), so a file dropped there goes to the window.
    connect(m_ui->rulesPage, &DisplayRulesTab::changed, this, &MainWindow::updateModifiedMark);
}

void MainWindow::watchChanges()
{
    connect(m_ui->typeButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateModifiedMark();
    });
}

void MainWindow::buildSettingsPage()
{
    m_settingsUi = std::make_unique<Ui::SettingsPage>();
    Ui::SettingsPage &ui = *m_settingsUi;
    ui.setupUi(m_ui->createPage);
    for (QWidget *line : {ui.Line1, ui.Line2, ui.Line3, ui.Line4})
        setBackground(line, QPalette::Window, lineGrey);
    prepareControls(m_ui->createPage);
    m_fileDrops->watchFields(m_ui->createPage);
    connect(ui.Command12, &QPushButton::clicked, this, &MainWindow::chooseColour);
    ui.Txtbody->setPlainText(QString::fromLatin1(sampleBody));
    // The swatch shows the box's colour under any desktop colour scheme.
    showColour(m_colour);
    // What the fields start with is no change to a design.
    for (QLineEdit *field : {ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5})
        connect(field, &QLineEdit::textChanged, this, &MainWindow::updateModifiedMark);
    connect(ui.Txtbody, &QPlainTextEdit::textChanged, this, &MainWindow::updateModifiedMark);
    // In the multi-line fields Enter is "&Output" too.
    ui.Txtbody->installEventFilter(this);
}

void MainWindow::buildOutputPage()
{
    m_outputUi = std::make_unique<Ui::OutputPage>();
    Ui::OutputPage &ui = *m_outputUi;
    ui.setupUi(m_ui->generatePage);
    setTextColour(ui.Text17, QPalette::Text, QPalette::Base, Qt::blue);
    if (!m_pagePath.isEmpty())
        ui.Text17->setText(m_pagePath);
    prepareControls(m_ui->generatePage);
    m_fileDrops->watchFields(m_ui->generatePage);
    connect(ui.Picture2, &QToolButton::clicked, this, &MainWindow::openHelp);
    connect(ui.Command1, &QPushButton::clicked, this, &MainWindow::generateBody);
    connect(ui.Command2, &QPushButton::clicked, this, &MainWindow::generateHead);
    connect(ui.view, &QPushButton::clicked, this, &MainWindow::showPreview);
    connect(ui.Command13, &QPushButton::clicked, this, &MainWindow::choosePage);
    connect(ui.Command7, &QPushButton::clicked, this, &MainWindow::addCodeToPage);
    for (QPlainTextEdit *field : {ui.Text6, ui.Text7})
        field->installEventFilter(this);
}

Ui::SettingsPage &MainWindow::settingsPage() const
{
    m_ui->createPage->build();
    return *m_settingsUi;
}

Ui::OutputPage &MainWindow::outputPage() const
{
    m_ui->generatePage->build();
    return *m_outputUi;
}

MainWindow::~MainWindow()
{
    delete m_about;
    delete m_preview;
}

AdType MainWindow::selectedType() const
{
    const int id = m_ui->typeButtons->checkedId();
    return id < 0 ? AdType::None : static_cast<AdType>(id);
}

AdSettings MainWindow::settings() const
{
    AdSettings s = fieldSettings();
    s.body = withCrLfLineBreaks(s.body);
    return s;
}

AdSettings MainWindow::fieldSettings() const
{
    const Ui::SettingsPage &fields = settingsPage();
    AdSettings s;
    s.type = selectedType();
    s.height = fields.Text1->text();
    s.width = fields.Text2->text();
    s.horizontal = fields.Text3->text();
    s.vertical = fields.Text4->text();
    s.caption = fields.Text5->text();
    // The body as typed: the plain-text form would turn no-break spaces into spaces.
    s.body = fields.Txtbody->document()->toRawText();
    s.body.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.colour = m_colour;
    s.rules = displayRules();
    s.texts = m_ui->rulesPage->boxTexts();
    s.look = m_ui->rulesPage->look();
    s.analytics = m_ui->rulesPage->analytics();
    s.formField = m_formField;
    return s;
}

void MainWindow::applySettings(const AdSettings &settings)
{
    Ui::SettingsPage &fields = settingsPage();
    if (QAbstractButton *type = m_ui->typeButtons->button(static_cast<int>(settings.type)))
        type->setChecked(true);
    applyFormState(settings.type);
    fields.Text1->setText(settings.height);
    fields.Text2->setText(settings.width);
    fields.Text3->setText(settings.horizontal);
    fields.Text4->setText(settings.vertical);
    fields.Text5->setText(settings.caption);
    fields.Txtbody->setPlainText(
        QString(settings.body).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    showColour(settings.colour);
    m_ui->rulesPage->setBoxTexts(settings.texts);
    m_ui->rulesPage->setLook(settings.look);
    m_ui->rulesPage->setAnalytics(settings.analytics);
    m_formField = settings.formField;
    setDisplayRules(settings.rules);
}

DisplayRules MainWindow::displayRules() const
{
    return m_ui->rulesPage->rules();
}

void MainWindow::setDisplayRules(const DisplayRules &rules)
{
    m_ui->rulesPage->setRules(rules);
}

void MainWindow::showCatalogue()
{
    m_ui->SSTab1->setCurrentIndex(ChooseTab);
    m_ui->Command4->setFocus();
}

void MainWindow::showSettings()
{
    applyFormState(selectedType());
    m_ui->SSTab1->setCurrentIndex(CreateTab);
    settingsPage().Command12->setFocus();
}

void MainWindow::applyFormState(AdType type)
{
    Ui::SettingsPage &form = settingsPage();
    const SettingsFormState state = generateDefaults(type);
    QLabel *const labels[] = {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5};
    QLineEdit *const fields[] = {form.Text1, form.Text2, form.Text3, form.Text4, form.Text5};
    for (std::size_t i = 0; i < state.fields.size(); ++i) {
        labels[i]->setEnabled(state.labelsEnabled[i]);
        fields[i]->setEnabled(state.fields[i].enabled);
        fields[i]->setText(state.fields[i].text);
    }
    form.Label5->setText(
        QCoreApplication::translate("SettingsForm", state.captionLabel.toUtf8().constData()));
}

void MainWindow::showOutput()
{
    Ui::OutputPage &output = outputPage();
    showCode(output.Text6, QString());
    showCode(output.Text7, QString());
    output.checkResult->clear();
    output.checkResult->setToolTip(QString());
    m_ui->SSTab1->setCurrentIndex(GenerateTab);
    output.Command1->setFocus();
}

void MainWindow::showAbout()
{
    if (!m_about) {
        m_about = new AboutWindow(m_host);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_host.showWindow(m_about);
}

void MainWindow::showTestDrive()
{
    if (!m_preview) {
        // The preview module, with the web engine, loads on the first test drive.
        QString error;
        m_preview = createPreviewWindow(m_host, demoPageFor(fieldSettings()), &error);
        if (!m_preview) {
            m_host.showMessage(this, error);
            return;
        }
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_host.showWindow(m_preview);
}

void MainWindow::openHelp()
{
    m_host.openUrl(QString::fromLatin1(WebLinks::helpPage));
}

void MainWindow::showCatalogueEntry(AdType type)
{
    const AdTypeInfo &info = adTypeInfo(type);
    m_ui->Label14->setText(QCoreApplication::translate("AdCatalogue", info.description));
    // A missing or unreadable picture leaves the box empty.
    m_ui->Picture1->setPixmap(snapshotPicture(m_host.applicationFolder() + QLatin1Char('/')
                                              + QLatin1String(info.snapshot)));
    if (type == AdType::TimerAd)
        m_ui->Picture1->move(m_ui->Picture1->x(), m_timerSnapshotTop);
}

void MainWindow::generateBody()
{
    const AdSettings current = settings();
    if (current.type == AdType::None || !captionFits(current))
        return;
    const QString body = ::generateBody(current);
    showCode(outputPage().Text6, body);
    m_host.setClipboardText(body);
}

void MainWindow::generateHead()
{
    showCode(outputPage().Text7, QString());
    const AdSettings current = settings();
    if (current.type == AdType::None)
        return;
    const std::optional<SupportScripts> scripts = readSupportScripts(current);
    if (!scripts)
        return;
    const GeneratedCode code = generateCode(current, scripts->support, scripts->rules);
    showCode(outputPage().Text7, code.head);
    showCheck(current, code);
    if (headGoesToClipboard(current.type, scripts->support))
        m_host.setClipboardText(code.head);
}

std::optional<SupportScripts> MainWindow::readSupportScripts(const AdSettings &settings)
{
    const PreparedGeneration prepared = prepareGeneration(m_host.applicationFolder(), settings);
    if (!prepared.ok()) {
        m_host.showMessage(this, prepared.error());
        return std::nullopt;
    }
    return prepared.scripts;
}

bool MainWindow::captionFits(const AdSettings &settings)
{
    const QString problem = captionProblem(settings);
    if (!problem.isEmpty())
        m_host.showMessage(
            this, tr("%1 %2. Nothing was generated.").arg(settingsPage().Label5->text(), problem));
    return problem.isEmpty();
}

std::optional<GeneratedCode> MainWindow::generateBothSections()
{
    const AdSettings current = settings();
    if (!captionFits(current))
        return std::nullopt;
    const std::optional<SupportScripts> scripts = readSupportScripts(current);
    if (!scripts)
        return std::nullopt;
    GeneratedCode code = generateCode(current, *scripts);
    showCode(outputPage().Text6, code.body);
    showCode(outputPage().Text7, code.head);
    showCheck(current, code);
    m_host.setClipboardText(code.clipboard);
    return code;
}

void MainWindow::showPreview()
{
    const std::optional<GeneratedCode> code = generateBothSections();
    if (!code)
        return;
    const WrittenPreview written
        = writePreviewPageFile(m_host.applicationFolder(), previewPage(code->body, code->head));
    if (written.path.isEmpty()) {
        m_host.showMessage(this, written.error);
        return;
    }
    m_host.openFile(written.path);
}

void MainWindow::addCodeToPage()
{
    if (m_pagePath.isEmpty()) {
        m_host.showMessage(this, tr("Please select a file first"));
        return;
    }
    // The whole page is read and checked before anything is generated or written.
    const LoadedPage page = loadPage(m_pagePath);
    if (!page.ok()) {
        m_host.showMessage(this, page.error);
        return;
    }
    const std::optional<GeneratedCode> code = generateBothSections();
    if (!code)
        return;
    const PageResult result = writeCodeIntoPage(page, code->body, code->head);
    if (result.outcome == PageOutcome::Refused) {
        m_host.showMessage(this, result.message);
        return;
    }
    if (const QString note = sameTypeBoxNote(page, selectedType()); !note.isEmpty())
        m_host.showMessage(this, tr("The code was added to \"%1\", but %2.").arg(m_pagePath, note));
    m_host.openFile(m_pagePath);
}

void MainWindow::chooseColour()
{
    QColor chosen;
    if (!m_host.chooseColour(this, windowGrey, &chosen))
        return;
    showColour(
        colourText(colourValue(chosen.red(), chosen.green(), chosen.blue()), QStringLiteral("H")));
    updateModifiedMark();
}

void MainWindow::showColour(const QString &colour)
{
    m_colour = colour;
    const QColor shown(QLatin1Char('#') + colour);
    QPalette palette = settingsPage().Text13->palette();
    palette.setColor(QPalette::Base, shown);
    palette.setColor(QPalette::Text, shown);
    settingsPage().Text13->setPalette(palette);
}

void MainWindow::choosePage()
{
    // A cancelled dialog gives back the name it was given, empty before the first choice.
    setTargetPage(m_host.chooseOpenFile(this, pageNameFilters(), initialPageFilter, m_pagePath));
}

void MainWindow::setTargetPage(const QString &path)
{
    m_pagePath = path;
    outputPage().Text17->setText(m_pagePath);
}

void MainWindow::openDesign()
{
    m_designFile.chooseAndOpen();
}

bool MainWindow::openDesignFile(const QString &path)
{
    return m_designFile.open(path);
}

bool MainWindow::saveDesign()
{
    return m_designFile.save();
}

bool MainWindow::saveDesignAs()
{
    return m_designFile.saveAs();
}

void MainWindow::updateModifiedMark()
{
    m_designFile.markChanges();
}

void MainWindow::openDroppedFile(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) != 0)
        setTargetPage(path);
    else if (m_designFile.settleUnsavedChanges())
        m_designFile.open(path);
}

void MainWindow::showCode(QPlainTextEdit *field, const QString &code)
{
    // The code keeps CR LF line ends for the clipboard and files; the field shows one break.
    QString shown = code;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    field->setPlainText(shown);
}

void MainWindow::showCheck(const AdSettings &settings, const GeneratedCode &code)
{
    Ui::OutputPage &output = outputPage();
    const DesignCheck check = checkDesign(settings, code);
    QStringList lines;
    for (const DesignFinding &finding : check.findings)
        lines << QStringLiteral("%1 (%2) %3").arg(finding.finding, finding.rule, finding.change);
    lines << check.blockSizes();
    output.checkResult->setText(
        check.findings.isEmpty() ? tr("Check: OK") : tr("Check: %1").arg(check.findings.size()));
    output.checkResult->setToolTip(lines.join(QLatin1String("\n\n")));
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere but on a button (which takes it itself) is "&Output".
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_ui->b->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QPlainTextEdit *>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // In the multi-line fields Enter is "&Output"; Ctrl+Enter types a line break.
            if (key->modifiers() & Qt::ControlModifier)
                field->insertPlainText(QStringLiteral("\n"));
            else
                m_ui->b->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_designFile.settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program with every other window.
    delete m_about;
    delete m_preview;
    event->accept();
    QCoreApplication::quit();
}
