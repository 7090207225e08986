#include "generator/colourtext.h"

#include <QTest>

class TestColourText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourValue_packsRedLowest_data();
    void colourValue_packsRedLowest();
    void colourText_byMode_data();
    void colourText_byMode();
};

void TestColourText::colourValue_packsRedLowest_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<uint>("value");

    QTest::newRow("red") << 255 << 0 << 0 << 255u;
    QTest::newRow("green") << 0 << 255 << 0 << 65280u;
    QTest::newRow("blue") << 0 << 0 << 255 << 16711680u;
    QTest::newRow("white") << 255 << 255 << 255 << 16777215u;
    QTest::newRow("light grey") << 192 << 192 << 192 << 12632256u;
}

void TestColourText::colourValue_packsRedLowest()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(uint, value);
    QCOMPARE(colourValue(red, green, blue), ColourValue(value));
}

void TestColourText::colourText_byMode_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");

    const QString hex = QStringLiteral("H");
    QTest::newRow("red hex") << 0x0000FFu << hex << "FF0000";
    QTest::newRow("green hex") << 0x00FF00u << hex << "00FF00";
    QTest::newRow("blue hex") << 0xFF0000u << hex << "0000FF";
    QTest::newRow("two digits below 16") << uint(colourValue(10, 11, 12)) << hex << "0A0B0C";
    QTest::newRow("lower-case h") << 0x0000FFu << QStringLiteral("h") << "FF0000";
    QTest::newRow("hex word") << 0x0000FFu << QStringLiteral("Hex") << "FF0000";
    QTest::newRow("decimal parts, spaced lower-case d")
        << 0x0000FFu << QStringLiteral(" d ") << "R=255    G=0    B=0";
    QTest::newRow("decimal parts of grey")
        << uint(lightGrey) << QStringLiteral("D") << "R=192    G=192    B=192";
    QTest::newRow("empty mode gives value") << 0x0000FFu << QStringLiteral("") << "255";
    QTest::newRow("other letter gives value") << 0x0000FFu << QStringLiteral("x") << "255";
    QTest::newRow("blank mode gives value") << 0x0000FFu << QStringLiteral("   ") << "255";
    QTest::newRow("C white") << 0xFFFFFFu << QStringLiteral("C") << "16777215";
}

void TestColourText::colourText_byMode()
{
    QFETCH(uint, colour);
    QFETCH(QString, mode);
    QFETCH(QString, text);
    QCOMPARE(colourText(colour, mode), text);
}

QTEST_GUILESS_MAIN(TestColourText)
#include "tst_colourtext.moc"
