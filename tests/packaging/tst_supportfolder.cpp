#include "generator/supportfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Where the program looks for its support files, relative to its own folder.
class SupportFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void supportFolderFor_followsTheLayout_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("expected");

        QTest::newRow("build folder: beside the program") << QStringList {"bin"} << "bin"
                                                          << "bin";
        QTest::newRow("installed: share/zephrin") << QStringList {"bin", "share/zephrin"} << "bin"
                                                  << "share/zephrin";
        QTest::newRow("program folder with a trailing slash")
            << QStringList {"bin", "share/zephrin"} << "bin/"
            << "share/zephrin";
        QTest::newRow("another program's share folder")
            << QStringList {"bin", "share/other"} << "bin"
            << "bin";
    }

    void supportFolderFor_followsTheLayout()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, programFolder);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        for (const QString &folder : folders)
            QVERIFY(QDir(prefix.path()).mkpath(folder));

        QCOMPARE(supportFolderFor(prefix.path() + QLatin1Char('/') + programFolder),
                 prefix.path() + QLatin1Char('/') + expected);
    }
};

QTEST_GUILESS_MAIN(SupportFolderTest)
#include "tst_supportfolder.moc"
