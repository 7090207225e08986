#pragma once

#include "generator/adtype.h"

#include <QDialog>

class HostServices;
class QWebEngineView;

// The preview window: the demonstration page of an ad type, live in an
// embedded browser. The web engine loads when this window is first created.
class Form3 : public QDialog
{
    Q_OBJECT
public:
    // selected is the type chosen in the main window when the window opens;
    // the page stays until the window is closed.
    Form3(HostServices &host, AdType selected, QWidget *parent = nullptr);

    void Form_Load(AdType selected);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    HostServices &m_host;
    QWebEngineView *m_browser = nullptr;
};
