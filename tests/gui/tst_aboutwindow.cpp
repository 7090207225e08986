#include "about/aboutwindow.h"
#include "gui/fakehost.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void load_listsSixLines();
    void lines_openTheirTargets_data();
    void lines_openTheirTargets();
    void arrowKeys_openLinksAsClicksDo();
    void enter_buysAndEscapeCloses();

private:
    std::unique_ptr<FakeHost> m_host;
    QPointer<AboutWindow> m_form;
    QListWidget *list() const { return m_form->findChild<QListWidget *>(QStringLiteral("List1")); }
};

void TestAboutWindow::init()
{
    m_host = std::make_unique<FakeHost>();
    m_form = new AboutWindow(*m_host);
    m_form->setAttribute(Qt::WA_DeleteOnClose);
}

void TestAboutWindow::cleanup()
{
    delete m_form;
    m_host.reset();
}

void TestAboutWindow::load_listsSixLines()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("About : Zephrin"));
    QStringList lines;
    for (int i = 0; i < list()->count(); ++i)
        lines << list()->item(i)->text();
    QCOMPARE(
        lines,
        (QStringList {"Software : Zephrin", "Price : $29.95 (Includes Free webpage version)",
                      "Platform : Windows 98/2000/ME/XP", "Company : Tolvane",
                      "Website : https://www.tolvane.example", "Email : support@tolvane.example"}));
}

void TestAboutWindow::lines_openTheirTargets_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("software") << 0 << 1 << QStringList();
    QTest::newRow("price") << 1 << 1 << QStringList();
    QTest::newRow("platform") << 2 << 1 << QStringList();
    QTest::newRow("company") << 3 << 1 << QStringList {"https://www.tolvane.example/"};
    // The website line opens the address it shows.
    QTest::newRow("website") << 4 << 1 << QStringList {"https://www.tolvane.example"};
    QTest::newRow("email") << 5 << 1 << QStringList {"mailto:support@tolvane.example"};
    // A click on the line already selected (say after closing the browser) acts again.
    QTest::newRow("company clicked again")
        << 3 << 2 << QStringList {"https://www.tolvane.example/", "https://www.tolvane.example/"};
    QTest::newRow("email clicked three times")
        << 5 << 3 << QStringList(3, QStringLiteral("mailto:support@tolvane.example"));
}

void TestAboutWindow::lines_openTheirTargets()
{
    QFETCH(int, row);
    QFETCH(int, clicks);
    QFETCH(QStringList, opened);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const QRect line = list()->visualItemRect(list()->item(row));
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line.center());
    QCOMPARE(m_host->openedUrls, opened);
}

void TestAboutWindow::arrowKeys_openLinksAsClicksDo()
{
    QVERIFY(showActive(m_form));
    list()->setCurrentRow(2);
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(m_host->openedUrls,
             (QStringList {"https://www.tolvane.example/", "https://www.tolvane.example",
                           "mailto:support@tolvane.example"}));
}

void TestAboutWindow::enter_buysAndEscapeCloses()
{
    QVERIFY(showActive(m_form));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_host->openedUrls, QStringList {"https://www.tolvane.example/zephrin/"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!m_form);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
