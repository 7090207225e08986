#pragma once

#include "generator/adsettings.h"

#include <QPointer>
#include <QWidget>

class HostServices;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class AboutWindow;

// The main window: the ad settings, the three workflow tabs and the commands
// that generate the code, preview it and add it to a page.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(HostServices &host, QWidget *parent = nullptr);
    ~Form1() override;

    // The working values the commands share. They are never shown; the
    // generated sections are kept here exactly (CR LF included) because the
    // output fields only display them.
    struct WorkingFields
    {
        QString text6; // body section, as generated
        QString text7; // head section, as generated
        QString text8, text9, text10, text11; // the decoder's fixed pieces
        QString text12 = QStringLiteral("Text12"); // raw body section
        QString text14 = QStringLiteral("FFFFFF"); // background colour RRGGBB
        QByteArray text15 = "Text15"; // text written to a page or the preview page
        QByteArray text16; // the chosen page's text before the marker
        QString retMode = QStringLiteral("H");
    };
    const WorkingFields &working() const { return m_fields; }

    AdType selectedType() const;
    AdSettings settings() const;

    // Shows the colour dialog and returns the chosen colour as text in
    // Return_Mode's form (see colourText), painting the swatch. Returns a
    // null string, leaving the swatch as it was, when the dialog is cancelled.
    QString Selected_Color(const QString &Return_Mode);

    // Commands. The generating ones return false when they stopped on a
    // failure (already reported), so callers stop too.
    void Form_Load();
    void Form_QueryUnload();
    void SSTab1_Click(int previousTab);
    void Command5_Click();
    void Command6_Click();
    void b_Click();
    void Command10_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command4_Click();
    void Picture2_Click();
    void Command1_Click();
    void Command11_Click();
    void Command8_Click();
    bool Command2_Click();
    bool Command3_Click();
    void Command9_Click();
    void Command12_Click();
    void Command13_Click();
    void Command7_Click();
    void view_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void buildChooseTab(QWidget *page);
    void buildCreateTab(QWidget *page);
    void buildGenerateTab(QWidget *page);
    void showCatalogueEntry(AdType type);
    void setOutput(QPlainTextEdit *field, QString *value, const QString &text);

    HostServices &m_host;
    WorkingFields m_fields;
    QString m_fileDialogName; // the file dialog's last file name, kept for the run
    int m_shownTab = 0;

    QTabWidget *m_tabs = nullptr;
    QPushButton *m_output = nullptr;
    QRadioButton *m_options[5] = {};
    QPushButton *m_testDrive = nullptr;
    QLabel *m_snapshot = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_settingLabels[5] = {};
    QLineEdit *m_settingFields[5] = {};
    QPlainTextEdit *m_body = nullptr;
    QPushButton *m_chooseColour = nullptr;
    QLineEdit *m_swatch = nullptr;
    QPlainTextEdit *m_bodyOutput = nullptr;
    QPlainTextEdit *m_headOutput = nullptr;
    QPushButton *m_generateBody = nullptr;
    QLineEdit *m_targetPath = nullptr;
    QLabel *m_helpIcon = nullptr;

    QPointer<AboutWindow> m_about;
    QPointer<QWidget> m_preview;
};
