#include "generator/supportfolder.h"
#include "generator/userlanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the program looks for its support files, relative to its own folder,
// and which of its translations there it loads.
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

    void translationLanguage_followsPreferences_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("expected");
        // The folder holds zephrin_de.qm and zephrin_pt_BR.qm.
        QTest::newRow("German") << QStringList {"de", "de-Latn-DE", "de-DE"} << "de";
        QTest::newRow("Austrian German takes German")
            << QStringList {"de-AT", "de-Latn-AT"} << "de";
        QTest::newRow("Brazilian Portuguese") << QStringList {"pt-BR", "pt-Latn-BR"} << "pt_BR";
        QTest::newRow("English before German") << QStringList {"en-US", "en", "de"} << "";
        QTest::newRow("C locale") << QStringList {"C"} << "";
        QTest::newRow("untranslated French, then German")
            << QStringList {"fr-FR", "fr", "de"} << "de";
    }

    void translationLanguage_followsPreferences()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const char *name : {"zephrin_de.qm", "zephrin_pt_BR.qm"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(translationLanguage(uiLanguages, folder.path()), expected);
    }
};

QTEST_GUILESS_MAIN(SupportFolderTest)
#include "tst_supportfolder.moc"
