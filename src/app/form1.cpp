#include "app/form1.h"

#include "about/aboutwindow.h"
#include "generator/bodysection.h"
#include "generator/colourtext.h"
#include "generator/encoder.h"
#include "generator/generatedefaults.h"
#include "generator/headsection.h"
#include "generator/weblinks.h"
#include "host/hostservices.h"
#include "pages/filefilter.h"
#include "pages/pagetext.h"
#include "pages/previewpage.h"
#include "preview/previewloader.h"
#include "widgets/twips.h"
#include "widgets/wrapbutton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QColor lightGreyColour(192, 192, 192);

const char noFileChosen[] = "      -------Select file to add Popup-------";

// The snapshot box moves up once "Timer AD" has been shown, and stays there.
constexpr int timerSnapshotTop = 585;

// Lays out one tab page from twips, relative to the page's content area. The
// tab contents are a little taller than the space under the tab bar, so each
// page starts at its topmost control and is squeezed vertically to fit.
class PagePlacer
{
public:
    PagePlacer(int topTwips, int bottomTwips, int availablePixels)
        : m_top(topTwips)
        , m_scale(qMin(1.0, availablePixels / ((bottomTwips - topTwips) / 15.0)))
    { }

    void place(QWidget *widget, int left, int top, int width, int height) const
    {
        const int y = qRound((top - m_top) / 15.0 * m_scale);
        const int bottom = qRound((top + height - m_top) / 15.0 * m_scale);
        widget->setGeometry(twipsToPixels(left), y, twipsToPixels(width), bottom - y);
    }

    int top(int topTwips) const { return qRound((topTwips - m_top) / 15.0 * m_scale); }

private:
    int m_top;
    double m_scale;
};

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, bool bold)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &toolTip = QString())
{
    auto *button = new WrapButton(name, caption, toolTip, parent);
    // Enter presses the focused button; elsewhere it goes to the default button.
    button->setAutoDefault(true);
    return button;
}

QLineEdit *makeField(QWidget *parent, const char *name, const QString &text = QString())
{
    auto *field = named(new QLineEdit(text, parent), name);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
    return field;
}

QPlainTextEdit *makeMultiLine(QWidget *parent, const char *name, bool scrollBar,
                              const QString &toolTip)
{
    auto *field = named(new QPlainTextEdit(parent), name);
    field->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setToolTip(toolTip);
    field->setTabChangesFocus(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
    return field;
}

QFrame *makeLine(QWidget *parent, const char *name)
{
    auto *line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    line->setPalette(palette);
    return line;
}

} // namespace

Form1::Form1(HostServices &host, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    setUpFixedWindow(this, "Form1", QStringLiteral("Zephrin"), 8280, 5535);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lightGreyColour);
    palette.setColor(QPalette::Button, lightGreyColour);
    setPalette(palette);
    setAutoFillBackground(true);

    m_fields.text11 = Decoder::head;
    m_fields.text10 = Decoder::literalOpen;
    m_fields.text9 = Decoder::literalClose;
    m_fields.text8 = Decoder::tail;

    buildToolbar();

    m_tabs = named(new QTabWidget(this), "SSTab1");
    m_tabs->setToolTip(QStringLiteral("The Output code of <body> and <head>"));
    // The tab container reaches below the window's bottom edge, as laid out;
    // clip it to the client area so its frame stays visible.
    m_tabs->setGeometry(0, twipsToPixels(600), twipsToPixels(8295), height() - twipsToPixels(600));
    auto *choosePage = new QWidget;
    auto *createPage = new QWidget;
    auto *generatePage = new QWidget;
    m_tabs->addTab(choosePage, QStringLiteral("Choose"));
    m_tabs->addTab(createPage, QStringLiteral("Create"));
    m_tabs->addTab(generatePage, QStringLiteral("Generate"));
    buildChooseTab(choosePage);
    buildCreateTab(createPage);
    buildGenerateTab(generatePage);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_shownTab;
        m_shownTab = index;
        SSTab1_Click(previous);
    });

    Form_Load();
}

Form1::~Form1()
{
    delete m_about;
    delete m_preview;
}

void Form1::buildToolbar()
{
    auto place = [](QWidget *w, int left, int width) {
        placeTwips(w, left, 120, width, 375);
    };
    QPushButton *choose = makeButton(this, "Command5", QStringLiteral("&Choose"),
                                     QStringLiteral("Choose the type of Popup/Ad"));
    place(choose, 0, 2295);
    QPushButton *generate = makeButton(
        this, "Command6", QStringLiteral("&Generate"),
        QStringLiteral("Modify the Ad here that will be used while generating HTML code."));
    place(generate, 2280, 1935);
    m_output = makeButton(this, "b", QStringLiteral("&Output"));
    m_output->setDefault(true);
    place(m_output, 4200, 2055);
    QPushButton *about = makeButton(this, "Command10", QStringLiteral("&About/&Info"),
                                    QStringLiteral("More Info about product/company."));
    place(about, 6240, 2055);

    connect(choose, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(generate, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_output, &QPushButton::clicked, this, &Form1::b_Click);
    connect(about, &QPushButton::clicked, this, &Form1::Command10_Click);
}

static int pageHeight(QTabWidget *tabs)
{
    return tabs->height() - tabs->tabBar()->sizeHint().height() - 12;
}

void Form1::buildChooseTab(QWidget *page)
{
    const PagePlacer placer(420, 4935, pageHeight(m_tabs));

    auto *frame = named(new QGroupBox(QStringLiteral("Type of Ad"), page), "Frame2");
    frame->setToolTip(QStringLiteral("5 types of Popup/Ad"));
    placer.place(frame, 360, 480, 2895, 3375);

    // Buttons in screen order; "Timer AD" stands above "Force Emailer".
    struct Row
    {
        int number;
        int top;
        int width;
    };
    const Row rows[]
        = {{1, 360, 1815}, {2, 840, 1575}, {3, 1320, 2055}, {5, 1800, 1815}, {4, 2280, 1815}};
    const PagePlacer inFrame(0, 3375, placer.top(480 + 3375) - placer.top(480));
    for (const Row &row : rows) {
        const AdType type = static_cast<AdType>(row.number);
        const QByteArray name = "Option" + QByteArray::number(row.number);
        auto *option = named(new QRadioButton(QString::fromLatin1(adTypeInfo(type).caption), frame),
                             name.constData());
        inFrame.place(option, 600, row.top, row.width, 375);
        m_options[row.number - 1] = option;
    }
    // Selecting a button, by the user or by the program, runs its handler.
    using Handler = void (Form1::*)();
    const Handler handlers[] = {&Form1::Option1_Click, &Form1::Option2_Click, &Form1::Option3_Click,
                                &Form1::Option4_Click, &Form1::Option5_Click};
    for (int i = 0; i < 5; ++i) {
        const Handler handler = handlers[i];
        connect(m_options[i], &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    }

    m_testDrive = makeButton(page, "Command4", QStringLiteral("&Test drive selected Ad !"),
                             QStringLiteral("Click to see the Ad/popup in action"));
    placer.place(m_testDrive, 600, 3240, 2415, 375);
    connect(m_testDrive, &QPushButton::clicked, this, &Form1::Command4_Click);

    m_snapshot = named(new QLabel(page), "Picture1");
    m_snapshot->setToolTip(QStringLiteral("Snapshot"));
    m_snapshot->setAlignment(Qt::AlignCenter);
    m_snapshot->setFrameShape(QFrame::Panel);
    m_snapshot->setFrameShadow(QFrame::Sunken);
    placer.place(m_snapshot, 3480, 720, 4215, 2775);
    m_snapshot->setProperty("timerTop", placer.top(timerSnapshotTop));

    m_description = makeLabel(
        page, "Label14",
        QStringLiteral("You will find here description of the popup you have selected.For more "
                       "help and understanding read the help file or visit website"),
        true);
    placer.place(m_description, 480, 4080, 7095, 855);
}

void Form1::buildCreateTab(QWidget *page)
{
    const PagePlacer placer(300, 4695, pageHeight(m_tabs));

    struct Setting
    {
        const char *label;
        const char *caption;
        int top;
        int labelWidth;
        int labelHeight;
        const char *field;
    };
    const Setting settings[] = {
        {"Label1", "Height", 360, 1695, 375, "Text1"},
        {"Label2", "Width", 960, 2295, 375, "Text2"},
        {"Label3", "Horizontal", 1560, 2295, 375, "Text3"},
        {"Label4", "Vertical", 2160, 2175, 255, "Text4"},
        {"Label5", "Caption", 2760, 1815, 495, "Text5"},
    };
    for (int i = 0; i < 5; ++i) {
        const Setting &s = settings[i];
        m_settingLabels[i] = makeLabel(page, s.label, QString::fromLatin1(s.caption), true);
        placer.place(m_settingLabels[i], 840, s.top, s.labelWidth, s.labelHeight);
        m_settingFields[i] = makeField(page, s.field);
        placer.place(m_settingFields[i], 2505, s.top, 1695, 285);
    }
    m_settingFields[4]->setText(QStringLiteral("My CAPTION"));

    placer.place(makeLabel(page, "Label6", QStringLiteral("Body"), true), 840, 3360, 495, 375);
    QLabel *hint = makeLabel(page, "Label7", QStringLiteral("(Don't leave any space)"), false);
    placer.place(hint, 600, 3600, 1815, 255);
    // The wider fonts of today's desktops wrap this hint onto a second line.
    hint->resize(hint->width(), qMax(hint->height(), hint->heightForWidth(hint->width())));
    m_body = makeMultiLine(page, "Txtbody", false,
                           QStringLiteral("Do not leave space in html code.<b>Message</b> is not "
                                          "the same as <b>Message here    </b>."));
    m_body->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    placer.place(m_body, 2520, 3360, 5175, 1335);
    m_body->installEventFilter(this);

    m_chooseColour
        = makeButton(page, "Command12", QStringLiteral("Choose Background color"),
                     QStringLiteral("Click here to choose the background color for the Popup/Ad."));
    placer.place(m_chooseColour, 4920, 360, 2535, 615);
    connect(m_chooseColour, &QPushButton::clicked, this, &Form1::Command12_Click);

    m_swatch = named(new QLineEdit(page), "Text13");
    m_swatch->setReadOnly(true);
    m_swatch->setFrame(false);
    m_swatch->setFocusPolicy(Qt::NoFocus);
    m_swatch->setCursor(Qt::CrossCursor);
    placer.place(m_swatch, 4920, 1320, 2535, 1695);

    // Grey rectangle around the swatch, from (4800, 1200) to (7560, 3120).
    placer.place(makeLine(page, "Line1"), 4800, 1200, 2760, 15);
    placer.place(makeLine(page, "Line2"), 4800, 3120, 2760, 15);
    placer.place(makeLine(page, "Line3"), 4800, 1200, 15, 1935);
    placer.place(makeLine(page, "Line4"), 7560, 1200, 15, 1935);

    setTabOrder(m_settingFields[0], m_settingFields[1]);
    setTabOrder(m_settingFields[1], m_settingFields[2]);
    setTabOrder(m_settingFields[2], m_settingFields[3]);
    setTabOrder(m_settingFields[3], m_settingFields[4]);
    setTabOrder(m_settingFields[4], m_body);
}

void Form1::buildGenerateTab(QWidget *page)
{
    const PagePlacer placer(60, 4845, pageHeight(m_tabs));

    placer.place(makeLabel(page, "Label10",
                           QStringLiteral("Place this code between the body start tag and close "
                                          "tag of your document."),
                           true),
                 240, 120, 7335, 255);
    m_bodyOutput = makeMultiLine(
        page, "Text6", true, QStringLiteral("Paste the html text in between <body></body> tags."));
    placer.place(m_bodyOutput, 240, 360, 7815, 1335);
    placer.place(makeLabel(page, "Label12",
                           QStringLiteral("Place this code between the head start and close tag "
                                          "of your document."),
                           true),
                 240, 1800, 6855, 255);
    m_headOutput = makeMultiLine(
        page, "Text7", true, QStringLiteral("Paste the html text in between <head></head> tags."));
    placer.place(m_headOutput, 240, 2040, 7815, 1335);
    m_bodyOutput->installEventFilter(this);
    m_headOutput->installEventFilter(this);

    m_generateBody = makeButton(
        page, "Command1", QStringLiteral("Generate Body section of the code and copy to Clipboard"),
        QStringLiteral("Click to generate <body> section of code"));
    placer.place(m_generateBody, 240, 3480, 2400, 615);
    QPushButton *generateHead = makeButton(
        page, "Command2", QStringLiteral("Generate Head section of the code and copy to Clipboard"),
        QStringLiteral("Click to generate <head> section of code"));
    placer.place(generateHead, 2944, 3480, 2400, 615);
    QPushButton *view = makeButton(
        page, "view", QStringLiteral("&View generated results in Internet Explorer Browser"),
        QStringLiteral("Preview ad in Browser."));
    placer.place(view, 5640, 3480, 2400, 615);
    connect(m_generateBody, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(generateHead, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(view, &QPushButton::clicked, this, &Form1::view_Click);

    auto *frame = named(new QGroupBox(QStringLiteral("Advanced"), page), "Frame1");
    placer.place(frame, 240, 4155, 7815, 690);
    const PagePlacer inFrame(0, 690, placer.top(4155 + 690) - placer.top(4155));
    QLabel *fileLabel = makeLabel(frame, "Label8", QStringLiteral("File :"), false);
    fileLabel->setWordWrap(false);
    inFrame.place(fileLabel, 120, 285, 375, 255);
    fileLabel->resize(qMax(fileLabel->width(), fileLabel->sizeHint().width()), fileLabel->height());
    m_targetPath = named(new QLineEdit(QString::fromLatin1(noFileChosen), frame), "Text17");
    m_targetPath->setReadOnly(true);
    QPalette palette = m_targetPath->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    palette.setColor(QPalette::Base, Qt::white);
    m_targetPath->setPalette(palette);
    inFrame.place(m_targetPath, 600, 231, 2895, 311);
    QPushButton *selectFile
        = makeButton(frame, "Command13", QStringLiteral("&Select file"),
                     QStringLiteral("Select file to which you wish to add the popup ad code."));
    inFrame.place(selectFile, 3600, 200, 1335, 375);
    QPushButton *addCode
        = makeButton(frame, "Command7", QStringLiteral("&Add code to file && View"),
                     QStringLiteral("Click here to Add code and view the page in browser."));
    inFrame.place(addCode, 5040, 200, 2295, 375);
    connect(selectFile, &QPushButton::clicked, this, &Form1::Command13_Click);
    connect(addCode, &QPushButton::clicked, this, &Form1::Command7_Click);

    m_helpIcon = named(new QLabel(frame), "Picture2");
    m_helpIcon->setToolTip(QStringLiteral("Help on Web !"));
    m_helpIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(16, 16));
    m_helpIcon->setCursor(Qt::PointingHandCursor);
    inFrame.place(m_helpIcon, 7440, 240, 255, 255);
    m_helpIcon->installEventFilter(this);
}

AdType Form1::selectedType() const
{
    for (int i = 0; i < 5; ++i) {
        if (m_options[i]->isChecked())
            return static_cast<AdType>(i + 1);
    }
    return AdType::None;
}

AdSettings Form1::settings() const
{
    AdSettings s;
    s.type = selectedType();
    s.height = m_settingFields[0]->text();
    s.width = m_settingFields[1]->text();
    s.horizontal = m_settingFields[2]->text();
    s.vertical = m_settingFields[3]->text();
    s.caption = m_settingFields[4]->text();
    s.body = m_body->toPlainText();
    s.colour = m_fields.text14;
    return s;
}

void Form1::Form_Load()
{
    m_body->setPlainText(QString::fromLatin1(sampleBody));
    m_tabs->setCurrentIndex(0);
    SSTab1_Click(m_shownTab);
    m_options[0]->setChecked(true);
    // The hidden browser of this window never shows a page; no web engine is
    // loaded for it.
}

void Form1::SSTab1_Click(int previousTab)
{
    Q_UNUSED(previousTab);
    m_snapshot->setVisible(m_tabs->currentIndex() == 0);
}

void Form1::Command5_Click()
{
    m_tabs->setCurrentIndex(0);
    m_testDrive->setFocus();
}

void Form1::Command6_Click()
{
    const SettingsFormState state = generateDefaults(selectedType());
    for (int i = 0; i < 5; ++i) {
        m_settingLabels[i]->setEnabled(state.labelsEnabled[i]);
        m_settingFields[i]->setEnabled(state.fields[i].enabled);
        m_settingFields[i]->setText(state.fields[i].text);
    }
    m_settingLabels[4]->setText(state.captionLabel);
    m_tabs->setCurrentIndex(1);
    m_chooseColour->setFocus();
}

void Form1::b_Click()
{
    setOutput(m_bodyOutput, &m_fields.text6, QString());
    setOutput(m_headOutput, &m_fields.text7, QString());
    m_tabs->setCurrentIndex(2);
    m_generateBody->setFocus();
}

void Form1::Command10_Click()
{
    if (!m_about) {
        m_about = new AboutWindow(m_host);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_host.showWindow(m_about);
}

void Form1::Option1_Click()
{
    showCatalogueEntry(AdType::StickMeNote);
}

void Form1::Option2_Click()
{
    showCatalogueEntry(AdType::WindowAd);
}

void Form1::Option3_Click()
{
    showCatalogueEntry(AdType::JumpyAd);
}

void Form1::Option4_Click()
{
    showCatalogueEntry(AdType::ForceEmailer);
}

void Form1::Option5_Click()
{
    showCatalogueEntry(AdType::TimerAd);
    m_snapshot->move(m_snapshot->x(), m_snapshot->property("timerTop").toInt());
}

void Form1::showCatalogueEntry(AdType type)
{
    const AdTypeInfo &info = adTypeInfo(type);
    m_description->setText(QString::fromLatin1(info.description));
    // A missing or unreadable image leaves the box empty.
    m_snapshot->setPixmap(
        QPixmap(m_host.applicationFolder() + QLatin1Char('/') + QLatin1String(info.snapshot)));
}

void Form1::Command4_Click()
{
    if (!m_preview) {
        // The preview module, with the web engine, loads on the first test drive.
        QString error;
        m_preview = createPreviewWindow(m_host, selectedType(), &error);
        if (!m_preview) {
            m_host.showMessage(this, error);
            return;
        }
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_host.showWindow(m_preview);
}

void Form1::Picture2_Click()
{
    m_host.openUrl(QString::fromLatin1(WebLinks::helpPage));
}

void Form1::Command1_Click()
{
    const AdSettings current = settings();
    if (current.type == AdType::None)
        return;
    m_fields.text12 = rawBodySection(current);
    Command11_Click();
}

void Form1::Command11_Click()
{
    setOutput(m_bodyOutput, &m_fields.text6, encodedBodySection(selectedType(), m_fields.text12));
    Command8_Click();
}

void Form1::Command8_Click()
{
    m_host.clearClipboard();
    m_host.setClipboardText(m_fields.text6);
}

bool Form1::Command2_Click()
{
    setOutput(m_headOutput, &m_fields.text7, QString());
    return Command3_Click();
}

bool Form1::Command3_Click()
{
    const AdSettings current = settings();
    if (current.type == AdType::None)
        return true;
    const QString script = m_host.applicationFolder() + QLatin1Char('/')
        + QLatin1String(adTypeInfo(current.type).supportScript);
    const ReadResult file = m_host.readFile(script);
    if (!file.ok()) {
        m_host.showMessage(this, file.error);
        return false;
    }
    const QStringList lines = scriptLines(file.contents);
    setOutput(m_headOutput, &m_fields.text7, m_fields.text7 + headSection(current, lines));
    if (headCopyRuns(current.type, lines.size()))
        Command9_Click();
    return true;
}

void Form1::Command9_Click()
{
    m_host.clearClipboard();
    m_host.setClipboardText(m_fields.text7);
}

QString Form1::Selected_Color(const QString &Return_Mode)
{
    QColor chosen;
    if (!m_host.chooseColour(this, QColor(192, 192, 192), &chosen))
        return QString();
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Base, chosen);
    palette.setColor(QPalette::Text, chosen);
    m_swatch->setPalette(palette);
    return colourText(colourValue(chosen.red(), chosen.green(), chosen.blue()), Return_Mode);
}

void Form1::Command12_Click()
{
    const QString text = Selected_Color(m_fields.retMode);
    if (!text.isNull())
        m_fields.text14 = text;
}

void Form1::Command13_Click()
{
    m_fileDialogName = m_host.chooseOpenFile(this, nameFiltersFromPairs(pageFileFilter),
                                             initialPageFilterIndex, m_fileDialogName);
    m_targetPath->setText(m_fileDialogName);
}

void Form1::Command7_Click()
{
    const QString path = m_targetPath->text();
    if (path == QLatin1String(noFileChosen) || path.isEmpty()) {
        m_host.showMessage(this, QStringLiteral("Please select a file first"));
        return;
    }
    // The whole page is read and checked before anything is generated or written.
    const ReadResult file = m_host.readFile(path);
    if (!file.ok()) {
        m_host.showMessage(this, file.error);
        return;
    }
    const PreparedPage page = preparePage(file.contents);
    if (!page.ok()) {
        m_host.showMessage(
            this, QStringLiteral("Cannot add the code to \"%1\": %2").arg(path, page.error));
        return;
    }
    m_fields.text16 = page.keptText;

    Command1_Click();
    if (!Command2_Click())
        return;
    m_fields.text15 = pageWithBlock(page, m_fields.text6, m_fields.text7);
    const QString error = m_host.writeFile(path, m_fields.text15);
    if (!error.isEmpty()) {
        m_host.showMessage(this, error);
        return;
    }
    m_host.openFile(path);
}

void Form1::view_Click()
{
    Command1_Click();
    if (!Command2_Click())
        return;
    m_fields.text15 = previewPage(m_fields.text6, m_fields.text7);
    const QString path
        = m_host.applicationFolder() + QLatin1Char('/') + QLatin1String(previewPageName);
    const QString error = m_host.writeFile(path, m_fields.text15);
    if (!error.isEmpty()) {
        m_host.showMessage(this, error);
        return;
    }
    m_host.openFile(path);
}

void Form1::setOutput(QPlainTextEdit *field, QString *value, const QString &text)
{
    *value = text;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    field->setPlainText(shown);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere but on a button (which takes it itself) is "&Output".
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_output->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_helpIcon && event->type() == QEvent::MouseButtonRelease) {
        Picture2_Click();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // In the multi-line fields Enter is "&Output"; Ctrl+Enter types a line break.
            if (key->modifiers() & Qt::ControlModifier)
                static_cast<QPlainTextEdit *>(watched)->insertPlainText(QStringLiteral("\n"));
            else
                m_output->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
}

void Form1::Form_QueryUnload()
{
    // Closing the main window ends the program with every other window.
    delete m_about;
    delete m_preview;
    QCoreApplication::quit();
}
