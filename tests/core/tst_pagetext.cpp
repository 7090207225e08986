#include "pages/pagetext.h"
#include "pages/previewpage.h"

#include <QTest>

Q_DECLARE_METATYPE(PageEncoding)

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

QByteArray encoded(PageEncoding encoding, QStringView text)
{
    return encoding == PageEncoding::Bytes ? text.toUtf8()
                                           : utf16(text, encoding == PageEncoding::Utf16LE);
}

} // namespace

class TestPageText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addThenRemove_keepsThePageAsRead_data();
    void addThenRemove_keepsThePageAsRead();
    void preparePage_refusesWhatIsNotText_data();
    void preparePage_refusesWhatIsNotText();
    void codeSections_endThePageAndMakeThePreview_data();
    void codeSections_endThePageAndMakeThePreview();
    void pageHasElementId_findsTheAttributeOnly_data();
    void pageHasElementId_findsTheAttributeOnly();
};

void TestPageText::addThenRemove_keepsThePageAsRead_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("kept"); // the page's own bytes, before its block
    QTest::addColumn<PageEncoding>("encoding");
    QTest::addColumn<QString>("lineEnd"); // the block's
    QTest::addColumn<bool>("bringsLineEnd"); // in front of the marker, for a line left open

    const QString lf = QStringLiteral("\n"), crLf = QStringLiteral("\r\n");
    const auto row = [](const char *name, const QByteArray &page, const QByteArray &kept,
                        const QString &lineEnd, bool brings) {
        QTest::newRow(name) << page << kept << PageEncoding::Bytes << lineEnd << brings;
    };
    const auto same
        = [&row](const char *name, const QByteArray &page, const QString &lineEnd, bool brings) {
              row(name, page, page, lineEnd, brings);
          };
    const QByteArray earlierBlock = blockBytes("old body", "old head");
    const QByteArray bom8("\xEF\xBB\xBF");

    same("empty page", QByteArray(), crLf, false);
    same("LF page", "<html>\n<p>x</p>\n", lf, false);
    same("CR LF page", "a\r\nb\r\n", crLf, false);
    same("lone CR line ends", "a\rb\r", crLf, false);
    same("mixed line ends", "a\nb\r\nc\rd\n", crLf, false);
    same("last line without line end", "a\r\nb", crLf, true);
    same("LF page without final line end", "a\nb", lf, true);
    same("no line end at all", "<html><head></head><body></body></html>", crLf, true);
    same("CR at end of file", "a\r", crLf, false);
    same("CR before CR LF", "a\r\r\n", crLf, false);
    same("empty lines", "\n\n", lf, false);
    row("earlier block replaced", "<p>page</p>\r\n" + earlierBlock, "<p>page</p>\r\n", crLf, false);
    row("text after earlier block lost", "<p>page</p>\n" + earlierBlock + "<p>added later</p>\n",
        "<p>page</p>\n", lf, false);
    row("open line after earlier block", "<p>page</p>\r\n" + earlierBlock + "later",
        "<p>page</p>\r\n", crLf, false);
    row("block that brought its line end", "a\nb\n" + M + "\n<body>old</body><head></head>", "a\nb",
        lf, true);
    row("marker after lone CR", "a\r" + M + "\r\n<body></body><head></head>", "a\r", crLf, false);
    row("page starting with marker", M + "\nrest\n", QByteArray(), crLf, false);
    row("marker inside page text", "<p>\nquote " + M + " end</p>\n", "<p>\nquote ", lf, false);
    row("first of two markers", "a\n" + M + "b\n" + M + "c\n", "a\n", lf, false);
    same("marker in another case", "a\n" + M.toUpper() + "\n", lf, false);
    same("marker with spaces", "<!-- www.tolvane.example/zephrin -->", crLf, true);
    same("marker broken by a line end", M.left(10) + "\n" + M.mid(10), lf, true);
    same("UTF-8 with BOM", bom8 + "caf\xC3\xA9\n€\n", lf, false);
    same("UTF-8 BOM alone", bom8, crLf, false);
    row("UTF-8 BOM then marker", bom8 + M, bom8, crLf, false);
    same("Latin-1 bytes kept", "caf\xE9\n\xFF\x80\n", lf, false);
    same("NUL beyond first 8000 bytes", QByteArray(8000, 'a') + '\0', crLf, true);
    const QByteArray crLfLines = QByteArray("<p>line</p>\r\n").repeated(30000);
    same("long page, one bare LF", crLfLines + "x\n" + crLfLines, crLf, false);
    same("long LF page", QByteArray("<p>l</p>\n").repeated(40000), lf, false);

    // Bytes that spell the marker in UTF-16LE one byte off the character boundary.
    QString misaligned(QChar(0x3C41));
    for (char c : M.mid(1))
        misaligned.append(QChar(char16_t(uchar(c) << 8)));
    misaligned.append(QChar(0x2000));
    const QString block = QString::fromLatin1(M) + QStringLiteral("\r\n<body>old</body>");
    for (bool le : {true, false}) {
        const auto utf16Row = [&](const char *name, const QString &page, const QString &kept,
                                  const QString &lineEnd, bool brings) {
            QTest::addRow("UTF-16%s %s", le ? "LE" : "BE", name)
                << bom(le) + utf16(page, le) << bom(le) + utf16(kept, le)
                << (le ? PageEncoding::Utf16LE : PageEncoding::Utf16BE) << lineEnd << brings;
        };
        utf16Row("empty", QString(), QString(), crLf, false);
        utf16Row("mixed line ends, last one open", QStringLiteral("a\nb\r\nc\rd"),
                 QStringLiteral("a\nb\r\nc\rd"), crLf, true);
        utf16Row("LF page", QStringLiteral("Grüße € 日本 😀\n"), QStringLiteral("Grüße € 日本 😀\n"),
                 lf, false);
        utf16Row("unpaired surrogate kept", units(u"x\xD800y\n", 4), units(u"x\xD800y\n", 4), lf,
                 false);
        utf16Row("earlier block replaced",
                 QStringLiteral("<p>é</p>\n") + block + QStringLiteral("\nafter"),
                 QStringLiteral("<p>é</p>\n"), lf, false);
        utf16Row("block that brought its line end",
                 QStringLiteral("a\r\nb\r\n") + QString::fromLatin1(M)
                     + QStringLiteral("\r\n<body></body><head></head>"),
                 QStringLiteral("a\r\nb"), crLf, true);
        utf16Row("NUL characters allowed", units(u"a\0b\n", 4), units(u"a\0b\n", 4), lf, false);
        if (le)
            utf16Row("misaligned marker bytes ignored", misaligned, misaligned, crLf, true);
    }
}

void TestPageText::addThenRemove_keepsThePageAsRead()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, kept);
    QFETCH(PageEncoding, encoding);
    QFETCH(QString, lineEnd);
    QFETCH(bool, bringsLineEnd);

    const PreparedPage prepared = preparePage(page);
    QVERIFY2(prepared.ok(), qPrintable(prepared.layout.error));
    QCOMPARE(prepared.layout.encoding, encoding);
    QVERIFY(page.startsWith(kept));
    QCOMPARE(prepared.keptText, kept);

    // The block follows the page's own bytes; its line ends, the CR LF in its
    // sections among them, are the page's.
    const QString body = QStringLiteral("<b>ü😀</b>\r\nx");
    const QString head = QStringLiteral("<style>\r\np{}</style>");
    QString block = QString::fromLatin1(M) + QStringLiteral("\r\n<body>") + body
        + QStringLiteral("</body><head>") + head + QStringLiteral("</head>\r\n");
    if (bringsLineEnd)
        block = QStringLiteral("\r\n") + block.chopped(2);
    block.replace(QStringLiteral("\r\n"), lineEnd);
    const QByteArray added = pageWithBlock(prepared, body, head);
    QCOMPARE(added, kept + encoded(encoding, block));

    // Taking the block off gives the page's own bytes back; adding it again changes nothing.
    const PreparedPage again = preparePage(added);
    QCOMPARE(again.keptText, kept);
    QCOMPARE(pageWithBlock(again, body, head), added);
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
    QVERIFY2(prepared.layout.error.contains(reason), qPrintable(prepared.layout.error));
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
        << QByteArray("p\r\n") << QString() << QString() << QByteArray("p\r\n")
        << QByteArray("<body></body><head></head>\r\n");
    QTest::newRow("line breaks in sections kept as given")
        << QByteArray() << QStringLiteral("a\nb") << QStringLiteral("c\r\nd") << QByteArray()
        << QByteArray("<body>a\nb</body><head>c\r\nd</head>\r\n");
    QTest::newRow("sections written as UTF-8")
        << QByteArray("caf\xE9\r\n") << QStringLiteral("é€") << QStringLiteral("😀")
        << QByteArray("caf\xE9\r\n")
        << QByteArray("<body>\xC3\xA9\xE2\x82\xAC</body><head>\xF0\x9F\x98\x80</head>\r\n");
    QTest::newRow("marker inside a section")
        << QByteArray("p\r\n") << QString::fromLatin1(M) << QStringLiteral("h")
        << QByteArray("p\r\n") << QByteArray("<body>" + M + "</body><head>h</head>\r\n");
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
