#include "pages/pagetext.h"
#include "pages/previewpage.h"

#include <QTest>

namespace {

// A reference, so it is ready before the library's own globals are.
const QByteArray &M = insertionMarker;

QByteArray blockBytes(const QByteArray &body, const QByteArray &head)
{
    return M + "\r\n<body>" + body + "</body><head>" + head + "</head>\r\n";
}

QByteArray utf16(QStringView text, bool littleEndian)
{
    QByteArray out;
    for (QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        out.append(littleEndian ? lo : hi);
        out.append(littleEndian ? hi : lo);
    }
    return out;
}

// Builds a string unit by unit, so unpaired surrogates and NULs go in as they are.
QString units(const char16_t *text, qsizetype size)
{
    return QString(reinterpret_cast<const QChar *>(text), size);
}

QByteArray bom(bool littleEndian)
{
    return littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
}

} // namespace

class TestPageText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preparePage_keepsTextBeforeMarker_data();
    void preparePage_keepsTextBeforeMarker();
    void preparePage_refusesWhatIsNotText_data();
    void preparePage_refusesWhatIsNotText();
    void codeSections_endThePageAndMakeThePreview_data();
    void codeSections_endThePageAndMakeThePreview();
    void utf16Page_roundTripsInItsOwnEncoding_data();
    void utf16Page_roundTripsInItsOwnEncoding();
    void pageHasElementId_findsTheAttributeOnly_data();
    void pageHasElementId_findsTheAttributeOnly();
};

void TestPageText::preparePage_keepsTextBeforeMarker_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("kept");

    const QByteArray earlierBlock = blockBytes("old body", "old head");
    const QByteArray bom8("\xEF\xBB\xBF");

    QTest::newRow("empty page") << QByteArray() << QByteArray();
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF page") << QByteArray("<html>\n<p>x</p>\n")
                             << QByteArray("<html>\r\n<p>x</p>\r\n");
    QTest::newRow("CR LF page") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("mixed line ends") << QByteArray("a\nb\r\nc") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("lone CR kept") << QByteArray("a\rb\n") << QByteArray("a\rb\r\n");
    QTest::newRow("CR at end of file kept") << QByteArray("a\r") << QByteArray("a\r\r\n");
    QTest::newRow("only one CR dropped before LF")
        << QByteArray("a\r\r\n") << QByteArray("a\r\r\n");
    QTest::newRow("empty lines kept") << QByteArray("\n\n") << QByteArray("\r\n\r\n");
    QTest::newRow("earlier block replaced")
        << QByteArray("<p>page</p>\r\n" + earlierBlock) << QByteArray("<p>page</p>\r\n");
    QTest::newRow("text after earlier block lost")
        << QByteArray("<p>page</p>\n" + earlierBlock + "<p>added later</p>\n")
        << QByteArray("<p>page</p>\r\n");
    QTest::newRow("page starting with marker") << QByteArray(M + "\nrest\n") << QByteArray();
    QTest::newRow("marker inside page text")
        << QByteArray("<p>\nquote " + M + " end</p>\n") << QByteArray("<p>\r\nquote ");
    QTest::newRow("marker after lone CR") << QByteArray("a\r" + M) << QByteArray("a\r");
    QTest::newRow("first of two markers")
        << QByteArray("a\n" + M + "b\n" + M + "c\n") << QByteArray("a\r\n");
    QTest::newRow("marker in another case")
        << QByteArray("a\n" + M.toUpper() + "\n") << QByteArray("a\r\n" + M.toUpper() + "\r\n");
    QTest::newRow("marker with spaces") << QByteArray("<!-- www.tolvane.example/zephrin -->")
                                        << QByteArray("<!-- www.tolvane.example/zephrin -->\r\n");
    QTest::newRow("marker broken by a line end")
        << QByteArray(M.left(10) + "\n" + M.mid(10))
        << QByteArray(M.left(10) + "\r\n" + M.mid(10) + "\r\n");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray(bom8 + "caf\xC3\xA9\n€\n") << QByteArray(bom8 + "caf\xC3\xA9\r\n€\r\n");
    QTest::newRow("UTF-8 BOM alone") << bom8 << bom8;
    QTest::newRow("UTF-8 BOM then marker") << QByteArray(bom8 + M) << bom8;
    QTest::newRow("Latin-1 bytes kept")
        << QByteArray("caf\xE9\n\xFF\x80\n") << QByteArray("caf\xE9\r\n\xFF\x80\r\n");
    QTest::newRow("NUL beyond first 8000 bytes")
        << QByteArray(QByteArray(8000, 'a') + '\0')
        << QByteArray(QByteArray(8000, 'a') + '\0' + "\r\n");
    // Longer than the pieces the kept text is written in.
    const QByteArray crLfLines = QByteArray("<p>line</p>\r\n").repeated(30000);
    QTest::newRow("long runs around one bare LF")
        << QByteArray(crLfLines + "x\n" + crLfLines) << QByteArray(crLfLines + "x\r\n" + crLfLines);
    QTest::newRow("long LF page") << QByteArray("<p>l</p>\n").repeated(40000)
                                  << QByteArray("<p>l</p>\r\n").repeated(40000);
    QTest::newRow("page tags left in place")
        << QByteArray("<html><head></head><body></body></html>")
        << QByteArray("<html><head></head><body></body></html>\r\n");
}

void TestPageText::preparePage_keepsTextBeforeMarker()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, kept);

    const PreparedPage prepared = preparePage(page);
    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.encoding, PageEncoding::Bytes);
    QCOMPARE(prepared.keptText, kept);
    // The page is written from the bytes as read exactly when they are the kept text.
    QCOMPARE(pageLayout(page).keptAsRead, page.startsWith(kept));

    // Inserting again keeps the page text and leaves exactly one block: the newest.
    const QByteArray once = pageWithBlock(prepared, QStringLiteral("first"), QStringLiteral("h1"));
    const PreparedPage again = preparePage(once);
    QCOMPARE(again.keptText, kept);
    QVERIFY(pageLayout(once).keptAsRead); // so a second run finds it unchanged
    const QByteArray twice = pageWithBlock(again, QStringLiteral("second"), QStringLiteral("h2"));
    QCOMPARE(twice, kept + blockBytes("second", "h2"));
    QCOMPARE(twice.count(M), 1);
}

void TestPageText::preparePage_refusesWhatIsNotText_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("reason");

    QTest::newRow("NUL at start") << QByteArray("\0abc", 4) << QStringLiteral("not a text page");
    QTest::newRow("NUL at byte 8000")
        << QByteArray(QByteArray(7999, 'a') + '\0') << QStringLiteral("not a text page");
    QTest::newRow("image header") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                                  << QStringLiteral("not a text page");
    QTest::newRow("UTF-8 BOM then NUL")
        << QByteArray("\xEF\xBB\xBF\0", 4) << QStringLiteral("not a text page");
    QTest::newRow("UTF-16 cut mid-character")
        << QByteArray("\xFF\xFE<\0p", 5) << QStringLiteral("middle of a character");
}

void TestPageText::preparePage_refusesWhatIsNotText()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, reason);

    const PreparedPage prepared = preparePage(page);
    QVERIFY(!prepared.ok());
    QVERIFY2(prepared.error.contains(reason), qPrintable(prepared.error));
    QVERIFY(pageWithBlock(prepared, QStringLiteral("b"), QStringLiteral("h")).isEmpty());
}

void TestPageText::codeSections_endThePageAndMakeThePreview_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QByteArray>("sections"); // after the marker in the page; all of the preview

    QTest::newRow("plain sections")
        << QByteArray() << QStringLiteral("<div id=\"ad\">Hi</div>")
        << QStringLiteral("<style>p{}</style>") << QByteArray()
        << QByteArray("<body><div id=\"ad\">Hi</div></body><head><style>p{}</style></head>\r\n");
    QTest::newRow("empty sections")
        << QByteArray("p\n") << QString() << QString() << QByteArray("p\r\n")
        << QByteArray("<body></body><head></head>\r\n");
    QTest::newRow("line breaks in sections kept as given")
        << QByteArray() << QStringLiteral("a\nb") << QStringLiteral("c\r\nd") << QByteArray()
        << QByteArray("<body>a\nb</body><head>c\r\nd</head>\r\n");
    QTest::newRow("sections written as UTF-8")
        << QByteArray("caf\xE9\n") << QStringLiteral("é€") << QStringLiteral("😀")
        << QByteArray("caf\xE9\r\n")
        << QByteArray("<body>\xC3\xA9\xE2\x82\xAC</body><head>\xF0\x9F\x98\x80</head>\r\n");
    QTest::newRow("marker inside a section")
        << QByteArray("p\n") << QString::fromLatin1(M) << QStringLiteral("h") << QByteArray("p\r\n")
        << QByteArray("<body>" + M + "</body><head>h</head>\r\n");
    QTest::newRow("encoded script kept character for character")
        << QByteArray() << QStringLiteral("<script>d(\"?gly#lg@%dg%A\\u0001\")</script>")
        << QString() << QByteArray()
        << QByteArray("<body><script>d(\"?gly#lg@%dg%A\\u0001\")</script></body><head></head>\r\n");
}

void TestPageText::codeSections_endThePageAndMakeThePreview()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, body);
    QFETCH(QString, head);
    QFETCH(QByteArray, kept);
    QFETCH(QByteArray, sections);

    QCOMPARE(pageWithBlock(preparePage(page), body, head), kept + M + "\r\n" + sections);
    QCOMPARE(previewPage(body, head), sections);
}

void TestPageText::utf16Page_roundTripsInItsOwnEncoding_data()
{
    QTest::addColumn<bool>("littleEndian");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("kept");

    const QString block = QString::fromLatin1(M) + QStringLiteral("\r\n<body>old</body>");
    // Bytes that spell the marker in UTF-16LE one byte off the character boundary.
    QString misaligned(QChar(0x3C41));
    for (char c : M.mid(1))
        misaligned.append(QChar(char16_t(uchar(c) << 8)));
    misaligned.append(QChar(0x2000));

    for (bool le : {true, false}) {
        const char *order = le ? "LE" : "BE";
        QTest::addRow("UTF-16%s empty", order) << le << QString() << QString();
        QTest::addRow("UTF-16%s line ends", order)
            << le << QStringLiteral("a\nb\r\nc\rd") << QStringLiteral("a\r\nb\r\nc\rd\r\n");
        QTest::addRow("UTF-16%s non-Latin text", order)
            << le << QStringLiteral("Grüße € 日本 😀\n") << QStringLiteral("Grüße € 日本 😀\r\n");
        QTest::addRow("UTF-16%s unpaired surrogate kept", order)
            << le << units(u"x\xD800y\n", 4) << units(u"x\xD800y\r\n", 5);
        QTest::addRow("UTF-16%s earlier block replaced", order)
            << le << QStringLiteral("<p>é</p>\n") + block + QStringLiteral("\nafter")
            << QStringLiteral("<p>é</p>\r\n");
        QTest::addRow("UTF-16%s NUL characters allowed", order)
            << le << units(u"a\0b\n", 4) << units(u"a\0b\r\n", 5);
    }
    QTest::newRow("UTF-16LE misaligned marker bytes ignored")
        << true << misaligned << misaligned + QStringLiteral("\r\n");
}

void TestPageText::utf16Page_roundTripsInItsOwnEncoding()
{
    QFETCH(bool, littleEndian);
    QFETCH(QString, page);
    QFETCH(QString, kept);

    const PreparedPage prepared = preparePage(bom(littleEndian) + utf16(page, littleEndian));
    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.encoding, littleEndian ? PageEncoding::Utf16LE : PageEncoding::Utf16BE);
    QCOMPARE(prepared.keptText, bom(littleEndian) + utf16(kept, littleEndian));

    const QString body = QStringLiteral("<b>ü😀</b>");
    const QString head = QStringLiteral("<script>x=\"€\"</script>");
    const QByteArray written = pageWithBlock(prepared, body, head);
    const QString block = QString::fromUtf8(blockBytes(body.toUtf8(), head.toUtf8()));
    QCOMPARE(written, bom(littleEndian) + utf16(kept + block, littleEndian));

    const PreparedPage again = preparePage(written);
    QCOMPARE(again.keptText, prepared.keptText);
    QVERIFY(pageLayout(written).keptAsRead);
    QCOMPARE(again.encoding, prepared.encoding);
}

void TestPageText::pageHasElementId_findsTheAttributeOnly_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("found");

    QTest::newRow("bare") << QByteArray("<div id=msg>") << true;
    QTest::newRow("quoted, spaces, upper-case name")
        << QByteArray("<p class=x\n ID = 'msg'>") << true;
    QTest::newRow("double-quoted last in file") << QByteArray("<b id=\"msg\"") << true;
    QTest::newRow("longer id") << QByteArray("<div id=msgs><i id='my-msg'>") << false;
    QTest::newRow("other attribute") << QByteArray("<a data-id=msg title=\"id=msg\">") << false;
    QTest::newRow("other letter case") << QByteArray("<div id=MSG>") << false;
    QTest::newRow("only in the old block")
        << QByteArray("<p>x</p>\r\n" + insertionMarker + "<div id=msg>") << false;
    QTest::newRow("UTF-16 page") << QByteArray("\xFF\xFE<\0p\0 \0i\0d\0=\0m\0s\0g\0>\0", 22)
                                 << true;
}

void TestPageText::pageHasElementId_findsTheAttributeOnly()
{
    QFETCH(QByteArray, page);
    QFETCH(bool, found);
    QCOMPARE(pageHasElementId(page, pageLayout(page), "msg"), found);
}

QTEST_GUILESS_MAIN(TestPageText)
#include "tst_pagetext.moc"
