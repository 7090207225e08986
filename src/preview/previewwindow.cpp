#include "preview/previewwindow.h"

#include "generator/weblinks.h"
#include "host/hostservices.h"
#include "ui_previewwindow.h"
#include "widgets/windowstyle.h"

#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

namespace {

// Drops every post a page makes: a demonstration's sign-up form shows the
// reader's side of signing up and sends no address anywhere.
class PostsDropped : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestMethod() == "POST")
            info.block(true);
    }
};

} // namespace

PreviewWindow::PreviewWindow(HostServices &host, const QString &demoPage, QWidget *parent)
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

    showDemonstration(demoPage);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showDemonstration(const QString &demoPage)
{
    if (demoPage.isEmpty())
        return;
    m_ui->WebBrowser1->page()->setUrlRequestInterceptor(
        new PostsDropped(m_ui->WebBrowser1->page()));
    m_ui->WebBrowser1->load(
        QUrl::fromLocalFile(m_host.applicationFolder() + QLatin1Char('/') + demoPage));
}

void PreviewWindow::showAgain()
{
    m_ui->WebBrowser1->reload();
}

void PreviewWindow::openStore()
{
    m_host.openUrl(QString::fromLatin1(WebLinks::storePage));
}
