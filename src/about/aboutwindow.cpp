#include "about/aboutwindow.h"

#include "generator/weblinks.h"
#include "host/hostservices.h"
#include "ui_aboutwindow.h"
#include "widgets/windowstyle.h"

#include <QEvent>

namespace {
enum Line { CompanyLine = 3, WebsiteLine = 4, EmailLine = 5 };
}

AboutWindow::AboutWindow(HostServices &host, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_host(host)
    , m_ui(std::make_unique<Ui::AboutWindow>())
{
    m_ui->setupUi(this);
    setBackground(m_ui->List1, QPalette::Base, Qt::black);
    prepareControls(this);
    // "Buy now !" has the focus on opening, so Enter buys.
    m_ui->Command2->setFocus();

    connect(m_ui->Command2, &QPushButton::clicked, this, &AboutWindow::buyProduct);
    // Esc reaches close too, through the dialog's reject.
    connect(m_ui->Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_mousePressed)
            openLine(row);
    });
    connect(m_ui->List1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { openLine(index.row()); });
    m_ui->List1->viewport()->installEventFilter(this);

    fillFacts();
}

AboutWindow::~AboutWindow() = default;

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->List1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick)
            m_mousePressed = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_mousePressed = false;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::fillFacts()
{
    m_ui->List1->addItems({
        tr("Software : Zephrin"),
        tr("Price : $29.95 (Includes Free webpage version)"),
        tr("Platform : Windows 98/2000/ME/XP"),
        tr("Company : Tolvane"),
        tr("Website : %1").arg(QLatin1String(WebLinks::website)),
        tr("Email : %1").arg(QLatin1String(WebLinks::supportMail)),
    });
}

void AboutWindow::openLine(int row)
{
    switch (row) {
    case CompanyLine:
        m_host.openUrl(QString::fromLatin1(WebLinks::homePage));
        break;
    case WebsiteLine:
        m_host.openUrl(QString::fromLatin1(WebLinks::website));
        break;
    case EmailLine:
        m_host.openUrl(QStringLiteral("mailto:") + QLatin1String(WebLinks::supportMail));
        break;
    default:
        break;
    }
}

void AboutWindow::buyProduct()
{
    m_host.openUrl(QString::fromLatin1(WebLinks::productPage));
}
