#include "about/form22.h"

#include "widgets/twips.h"
#include "widgets/wrapbutton.h"
#include "generator/weblinks.h"
#include "host/hostservices.h"

#include <QListWidget>

namespace {
enum Line { CompanyLine = 3, WebsiteLine = 4, EmailLine = 5 };
}

Form22::Form22(HostServices &host, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    setUpFixedWindow(this, "Form22", QStringLiteral("About : Zephrin"), 4335, 2235);

    auto *buy = new WrapButton("Command2", QStringLiteral("Buy now !"),
                               QStringLiteral("Click to buy the program"), this);
    placeTwips(buy, 2280, 1680, 1935, 375);

    auto *close = new WrapButton("Command1", QStringLiteral("Close me"),
                                 QStringLiteral("Click here to close."), this);
    placeTwips(close, 120, 1680, 1935, 375);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    m_list->setPalette(palette);
    placeTwips(m_list, 120, 120, 4095, 1425);

    // Tab order: "Buy now !" first, so Enter on opening buys; then "Close me", then the list.
    setTabOrder(buy, close);
    setTabOrder(close, m_list);
    buy->setFocus();

    connect(buy, &QPushButton::clicked, this, &Form22::Command2_Click);
    connect(close, &QPushButton::clicked, this, &Form22::Command1_Click);
    connect(m_list, &QListWidget::currentRowChanged, this, &Form22::List1_Click);

    Form_Load();
}

void Form22::Form_Load()
{
    m_list->addItems({
        QStringLiteral("Software : Zephrin"),
        QStringLiteral("Price : $29.95 (Includes Free webpage version)"),
        QStringLiteral("Platform : Windows 98/2000/ME/XP"),
        QStringLiteral("Company : Tolvane"),
        QStringLiteral("Website : ") + QLatin1String(WebLinks::website),
        QStringLiteral("Email : ") + QLatin1String(WebLinks::supportMail),
    });
}

void Form22::List1_Click()
{
    switch (m_list->currentRow()) {
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

void Form22::Command1_Click()
{
    // Esc reaches here too, through the dialog's reject.
    close();
}

void Form22::Command2_Click()
{
    m_host.openUrl(QString::fromLatin1(WebLinks::productPage));
}
