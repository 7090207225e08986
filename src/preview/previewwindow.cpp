#include "preview/previewwindow.h"

#include "generator/weblinks.h"
#include "host/hostservices.h"
#include "ui_previewwindow.h"
#include "widgets/windowstyle.h"

#include <QUrl>

PreviewWindow::PreviewWindow(HostServices &host, AdType selected, Look look, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_host(host)
    , m_ui(std::make_unique<Ui::PreviewWindow>())
{
    m_ui->setupUi(this);
    for (QPushButton *button : {m_ui->Command1, m_ui->Command2, m_ui->Command3})
        setClassicBackground(button, QPalette::Button, windowGrey);
    prepareControls(this);
    m_ui->Command1->setFocus();

    connect(m_ui->Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->Command2, &QPushButton::clicked, this, &PreviewWindow::showAgain);
    connect(m_ui->Command3, &QPushButton::clicked, this, &PreviewWindow::openStore);

    showDemonstration(selected, look);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showDemonstration(AdType selected, Look look)
{
    if (selected == AdType::None)
        return;
    const QString page
        = m_host.applicationFolder() + QLatin1Char('/') + demoPageName(selected, look);
    m_ui->WebBrowser1->load(QUrl::fromLocalFile(page));
}

void PreviewWindow::showAgain()
{
    m_ui->WebBrowser1->reload();
}

void PreviewWindow::openStore()
{
    m_host.openUrl(QString::fromLatin1(WebLinks::storePage));
}
