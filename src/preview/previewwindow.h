#pragma once

#include "generator/adtype.h"
#include "generator/look.h"

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
    // selected is the type chosen in the main window when the window opens,
    // shown in look; the page stays until the window is closed. With no type
    // selected the browser stays empty.
    PreviewWindow(HostServices &host, AdType selected, Look look = Look::Classic,
                  QWidget *parent = nullptr);
    ~PreviewWindow() override;

private:
    void showDemonstration(AdType selected, Look look);
    void showAgain();
    void openStore();

    HostServices &m_host;
    std::unique_ptr<Ui::PreviewWindow> m_ui;
};
