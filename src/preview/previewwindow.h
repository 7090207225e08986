#pragma once

#include <QDialog>

#include <memory>

class HostServices;

namespace Ui {
class PreviewWindow;
}

// The preview window: the demonstration page of an ad type, live in an
// embedded browser. It lives in the preview module, the only code that links
// the web engine; the program creates it through createPreviewWindow().
class PreviewWindow : public QDialog
{
    Q_OBJECT
public:
    // demoPage is the file name, in the application folder, of the
    // demonstration page of the design in the main window when the window
    // opens; the page stays until the window is closed. With no page the
    // browser stays empty. A demonstration sends nothing anywhere: its
    // sign-up form's post is dropped.
    PreviewWindow(HostServices &host, const QString &demoPage, QWidget *parent = nullptr);
    ~PreviewWindow() override;

private:
    void showDemonstration(const QString &demoPage);
    void showAgain();
    void openStore();

    HostServices &m_host;
    std::unique_ptr<Ui::PreviewWindow> m_ui;
};
