#pragma once

#include "app/designfile.h"
#include "generator/adsettings.h"
#include "generator/generation.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class FileDrops;
class HostServices;
class QPlainTextEdit;

namespace Ui {
class MainWindow;
class OutputPage;
class SettingsPage;
} // namespace Ui

// The main window: the ad type catalogue, the ad settings, the display rules
// and the generated code on four tabs, and the commands that generate the code, preview it and
// add it to a page. It gathers the settings, hands them to the generation
// flow and shows what comes back; failures are reported through the host.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(HostServices &host, QWidget *parent = nullptr);
    ~MainWindow() override;

    AdType selectedType() const;
    // The settings as the fields hold them; line breaks in the body are CR LF.
    AdSettings settings() const;
    // The Display rules tab's rules, and the tab showing rules.
    DisplayRules displayRules() const;
    void setDisplayRules(const DisplayRules &rules);

    // The design file the fields were last opened from or saved to; empty
    // until one is.
    QString designPath() const { return m_designFile.path(); }
    // Opens the design file at path into the fields; a file that cannot be
    // read or holds what this program does not know is reported and changes
    // nothing. Returns whether it was opened.
    bool openDesignFile(const QString &path);

public Q_SLOTS:
    // Toolbar: the catalogue (Choose tab), the settings reset to the selected
    // type's defaults (Create tab), the cleared output (Generate tab), About.
    void showCatalogue();
    void showSettings();
    void showOutput();
    void showAbout();

    // Shows the demonstration of the selected type in the preview window.
    void showTestDrive();
    void openHelp();

    // Generate one section, show it and copy it to the clipboard (the head
    // only when the generation flow says it goes there).
    void generateBody();
    void generateHead();
    // Both sections into the preview page, opened in the browser.
    void showPreview();
    // Both sections into the chosen page, opened afterwards.
    void addCodeToPage();

    void chooseColour();
    void choosePage();

    // Designs as files: open one (asking first about unsaved changes), save
    // to the open design's file (or a new one), save under a new name.
    // The saves return whether the design was saved.
    void openDesign();
    bool saveDesign();
    bool saveDesignAs();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The steps of making the window, after its form: the design file's
    // buttons and dropped files, the ad type buttons, the commands, the
    // Display rules tab, and watching the fields for changes to the design.
    void setUpDesignButtons();
    void setUpTypeButtons();
    void connectCommands();
    void setUpRulesTab();
    void watchChanges();
    // The Create and Generate tabs' controls, made the first time their tab
    // shows or the window needs them; the accessors make them if not yet.
    void buildSettingsPage();
    void buildOutputPage();
    Ui::SettingsPage &settingsPage() const;
    Ui::OutputPage &outputPage() const;

    // The fields as they stand, the body's line breaks as typed (LF): what a
    // design file keeps and what the open one is compared with.
    AdSettings fieldSettings() const;
    // Sets the fields as a user would: selects the type, applies its Generate
    // defaults and enabled states, then gives every field its text.
    void applySettings(const AdSettings &settings);
    void applyFormState(AdType type);
    void showColour(const QString &colour);
    void setTargetPage(const QString &path);

    void updateModifiedMark();
    // A page dropped on the window becomes the target page; a design (.json) opens.
    void openDroppedFile(const QString &path);
    void showCatalogueEntry(AdType type);
    void showCode(QPlainTextEdit *field, const QString &code);
    // The design check of settings and their code beside the head section:
    // how many findings, each with what to change in its tooltip.
    void showCheck(const AdSettings &settings, const GeneratedCode &code);
    // The scripts the head section of settings needs; nothing when one cannot
    // be read or the rules contradict each other (reported).
    std::optional<SupportScripts> readSupportScripts(const AdSettings &settings);
    // Whether the caption of settings fits its type (Force Emailer's is an
    // address or a sign-up form's); what does not is reported.
    bool captionFits(const AdSettings &settings);
    // Both sections from the current settings, shown and copied; nothing when
    // the caption does not fit or the support script cannot be read (reported).
    std::optional<GeneratedCode> generateBothSections();

    HostServices &m_host;
    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<Ui::SettingsPage> m_settingsUi; // null until the Create tab's controls are made
    std::unique_ptr<Ui::OutputPage> m_outputUi; // null until the Generate tab's controls are made
    DesignFile m_designFile;
    FileDrops *m_fileDrops = nullptr; // takes files dropped on the window and its fields
    QString m_colour; // the ad's background colour as RRGGBB
    QString m_formField; // a design's sign-up form field name, which has no control
    QString m_pagePath; // the page chosen to take the code; empty until one is chosen
    int m_timerSnapshotTop = 0; // the snapshot's top once "Timer AD" has been shown

    QPointer<QWidget> m_about;
    QPointer<QWidget> m_preview;
};
