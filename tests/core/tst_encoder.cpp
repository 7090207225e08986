#include "generator/bodysection.h"
#include "generator/encoder.h"

#include <QJSEngine>
#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(AdType)

namespace {

const QString scriptOpen = QStringLiteral("<script>");
const QString scriptClose = QStringLiteral("</script>");

QString units(std::initializer_list<char16_t> codes)
{
    QString s;
    for (char16_t c : codes)
        s += QChar(c);
    return s;
}

// A random text built from pieces that have broken encoders before: quotes,
// backslashes, line ends, texts that shift into "</script" or "<!--", the
// JavaScript line terminators, paired and lone surrogates, and any code unit.
QString randomText(QRandomGenerator &gen, int pieces)
{
    const QStringList risky = {"9,p`fomq",
                               "9,P@OFMQ",
                               QString("9") + QChar(0x1E) + "**",
                               "</script>",
                               "<!--",
                               "'",
                               "\"",
                               "\\",
                               "Y",
                               QString(QChar(0x1F)),
                               "\r\n",
                               "\r",
                               "\n",
                               units({0x2028}),
                               units({0x2029}),
                               units({0xD83D, 0xDE00}),
                               units({0xD800}),
                               units({0xDFFF}),
                               units({0xFFFD, 0xFFFE, 0xFFFF}),
                               units({0, 1, 2})};
    QString text;
    for (int i = 0; i < pieces; ++i) {
        switch (gen.bounded(3)) {
        case 0:
            text += risky.at(gen.bounded(int(risky.size())));
            break;
        case 1:
            text += QChar(char16_t(gen.bounded(0x20, 0x7F)));
            break;
        default:
            text += QChar(char16_t(gen.bounded(0x10000)));
        }
    }
    return text;
}

// The script element's content, as the browser would run it.
QString scriptContent(const QString &element)
{
    if (!element.startsWith(scriptOpen) || !element.endsWith(scriptClose))
        return QString();
    return element.mid(scriptOpen.size(), element.size() - scriptOpen.size() - scriptClose.size());
}

} // namespace

class TestEncoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decoderPieces_haveFixedText_data();
    void decoderPieces_haveFixedText();
    void encodedBodySection_exactText_data();
    void encodedBodySection_exactText();
    void shiftEncode_shiftsByThree_data();
    void shiftEncode_shiftsByThree();
    void scriptLiteralText_escapes_data();
    void scriptLiteralText_escapes();
    void encodedBodySection_decodesToRawInBrowser_data();
    void encodedBodySection_decodesToRawInBrowser();
    void windowAd_argumentsArriveUnchanged_data();
    void windowAd_argumentsArriveUnchanged();
};

void TestEncoder::decoderPieces_haveFixedText_data()
{
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("length");

    QTest::newRow("head") << Decoder::head
                          << "<script>function u( s ) { var sRet=\"\"; for(i=0; i< s.length; i++ "
                             "){ var n= s.charCodeAt(i);sRet += String.fromCharCode( n -3 ); } "
                             "return( sRet ); } "
                          << 148;
    QTest::newRow("literal open") << Decoder::literalOpen << "md = \"" << 6;
    QTest::newRow("literal close") << Decoder::literalClose << "\"" << 1;
    QTest::newRow("tail") << Decoder::tail << "; var s= u(md);document.write (s);</script>" << 43;
}

void TestEncoder::decoderPieces_haveFixedText()
{
    QFETCH(QString, piece);
    QFETCH(QString, expected);
    QFETCH(int, length);
    QCOMPARE(piece, expected);
    QCOMPARE(piece.size(), length);
}

void TestEncoder::encodedBodySection_exactText_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("expected");

    const QString head = "<script>function u( s ) { var sRet=\"\"; for(i=0; i< s.length; i++ "
                         "){ var n= s.charCodeAt(i);sRet += String.fromCharCode( n -3 ); } "
                         "return( sRet ); } ";
    const QString tail = "; var s= u(md);document.write (s);</script>";
    QTest::newRow("abc") << AdType::StickMeNote << "abc" << head + "md = \"def\"" + tail;
    QTest::newRow("empty raw body") << AdType::TimerAd << "" << head + "md = \"\"" + tail;
    QTest::newRow("escaped shifts") << AdType::JumpyAd << "Y\x1f\r\n" + units({0xFFFF})
                                    << head + "md = \"\\\\\\\"\\u0010\\r\\u0002\"" + tail;
    QTest::newRow("window ad unchanged") << AdType::WindowAd << "<script>x('a\\'b')</script>"
                                         << "<script>x('a\\'b')</script>";
}

void TestEncoder::encodedBodySection_exactText()
{
    QFETCH(AdType, type);
    QFETCH(QString, raw);
    QFETCH(QString, expected);
    QCOMPARE(encodedBodySection(type, raw), expected);
}

void TestEncoder::shiftEncode_shiftsByThree_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    QTest::newRow("abc") << "abc" << 3 << "def";
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("count shorter than text") << "abcd" << 2 << "de";
    QTest::newRow("count longer than text") << "ab" << 5 << "de";
    QTest::newRow("negative count") << "ab" << -1 << "";
    QTest::newRow("CR LF") << "\r\n" << 2 << units({16, 13});
    QTest::newRow("Y becomes backslash") << "Y" << 1 << "\\";
    QTest::newRow("31 becomes double quote") << QString(QChar(31)) << 1 << "\"";
    QTest::newRow("shift wraps at 0xFFFF")
        << units({0xFFFD, 0xFFFE, 0xFFFF}) << 3 << units({0, 1, 2});
    QTest::newRow("surrogates shift per unit")
        << units({0xD83D, 0xDE00}) << 2 << units({0xD840, 0xDE03});
}

void TestEncoder::shiftEncode_shiftsByThree()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(shiftEncode(text, count), expected);
}

void TestEncoder::scriptLiteralText_escapes_data()
{
    QTest::addColumn<QString>("shifted");
    QTest::addColumn<QString>("expected");

    QTest::newRow("printable ASCII unchanged") << "def <b>x</b> '!~"
                                               << "def <b>x</b> '!~";
    QTest::newRow("backslash") << "a\\b"
                               << "a\\\\b";
    QTest::newRow("double quote") << "\""
                                  << "\\\"";
    QTest::newRow("line breaks") << "\r\n"
                                 << "\\r\\n";
    QTest::newRow("control characters") << units({0, 0x1F, 0x7F}) << "\\u0000\\u001F\\u007F";
    QTest::newRow("non-ASCII") << units({0x80, 0xE9, 0x2028, 0xFFFF})
                               << "\\u0080\\u00E9\\u2028\\uFFFF";
    QTest::newRow("lone surrogate") << units({0xDC00}) << "\\uDC00";
    QTest::newRow("script end tag") << "</sCrIpT>"
                                    << "\\x3C/sCrIpT>";
    QTest::newRow("comment opening") << "<!--"
                                     << "\\x3C!--";
    QTest::newRow("other tags stay") << "</b><script><!-"
                                     << "</b><script><!-";
}

void TestEncoder::scriptLiteralText_escapes()
{
    QFETCH(QString, shifted);
    QFETCH(QString, expected);
    QCOMPARE(scriptLiteralText(shifted), expected);
}

void TestEncoder::encodedBodySection_decodesToRawInBrowser_data()
{
    QTest::addColumn<QString>("raw");

    QTest::newRow("empty") << "";
    QTest::newRow("sample body")
        << "<B>Company name here</B><BR><BR><u>My ad title here</u><Br>Content of my ad "
           "here.Contact us for free html ad generation help.<BR><i>Thanks</i>";
    QTest::newRow("CR") << "a\rb";
    QTest::newRow("LF") << "a\nb";
    QTest::newRow("CR LF") << "a\r\nb\r\n";
    QTest::newRow("quotes") << "'\"''\"\"";
    QTest::newRow("backslashes") << "\\\\\\n\\u0041";
    QTest::newRow("Y shifts to backslash") << "YYY\"Y";
    QTest::newRow("shifts to script end tag") << "9,p`fomq";
    QTest::newRow("shifts to upper-case end tag") << "9,P@OFMQ";
    QTest::newRow("shifts to end tag with space") << "9,P@OFMQ;";
    QTest::newRow("shifts to comment opening") << QString("9") + QChar(0x1E) + "**";
    QTest::newRow("raw script end tag") << "</script></SCRIPT ><!--";
    QTest::newRow("line terminators") << units({0x2028, 0x2029, 0x2025, 0x2026});
    QTest::newRow("surrogate pair") << units({0xD83D, 0xDE00});
    QTest::newRow("lone surrogates") << units({0xDBFF, 'x', 0xDC00, 0xDFFD});
    QTest::newRow("wrap-around units") << units({0, 1, 2, 0xFFFD, 0xFFFE, 0xFFFF});

    for (int start = 0; start < 0x10000; start += 0x1000) {
        QString chunk;
        for (int c = start; c < start + 0x1000; ++c)
            chunk += QChar(char16_t(c));
        QTest::addRow("code units %04X-%04X", start, start + 0xFFF) << chunk;
    }

    QRandomGenerator gen(20240611);
    QTest::newRow("long random text") << randomText(gen, 100000);
    for (int i = 0; i < 40; ++i)
        QTest::addRow("random text %d", i) << randomText(gen, int(gen.bounded(1, 60)));
}

void TestEncoder::encodedBodySection_decodesToRawInBrowser()
{
    QFETCH(QString, raw);

    const QString script = scriptContent(encodedBodySection(AdType::StickMeNote, raw));
    QVERIFY(!script.isNull());
    QVERIFY(!script.contains(QLatin1String("</script"), Qt::CaseInsensitive));
    QVERIFY(!script.contains(QLatin1String("<!--")));

    QJSEngine engine;
    const QJSValue setup
        = engine.evaluate("var captured=\"\"; var document={write:function(s){captured+=s;}};");
    QVERIFY(!setup.isError());
    const QJSValue result = engine.evaluate(script);
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    QCOMPARE(engine.globalObject().property("captured").toString(), raw);
}

void TestEncoder::windowAd_argumentsArriveUnchanged_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain") << "<B>Hi</B>"
                           << "FFFFFF"
                           << "Welcome";
    QTest::newRow("quotes") << "it's \"here\""
                            << "F'F"
                            << "'";
    QTest::newRow("backslashes") << "\\'\\\\"
                                 << "\\"
                                 << "end\\";
    QTest::newRow("line breaks") << "a\r\nb\rc\nd"
                                 << "\n"
                                 << "\r\n";
    QTest::newRow("script end tags") << "</script></SCRIPT ><!--"
                                     << "</ScRiPt"
                                     << "<!-- x";
    QTest::newRow("line terminators") << units({0x2028, 'a', 0x2029}) << "" << units({0x2028});
    QTest::newRow("surrogates") << units({0xD83D, 0xDE00, 0xD800}) << units({0xDFFF}) << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";

    QRandomGenerator gen(7);
    for (int i = 0; i < 20; ++i) {
        QTest::addRow("random %d", i)
            << randomText(gen, int(gen.bounded(0, 40))) << randomText(gen, 3) << randomText(gen, 5);
    }
}

void TestEncoder::windowAd_argumentsArriveUnchanged()
{
    QFETCH(QString, body);
    QFETCH(QString, colour);
    QFETCH(QString, caption);

    AdSettings s;
    s.type = AdType::WindowAd;
    s.height = "180";
    s.width = "280";
    s.horizontal = "200";
    s.vertical = "100";
    s.body = body;
    s.colour = colour;
    s.caption = caption;
    const QString element = encodedBodySection(s.type, rawBodySection(s));
    const QString script = scriptContent(element);
    QVERIFY(!script.isNull());
    QVERIFY(!script.contains(QLatin1String("</script"), Qt::CaseInsensitive));
    QVERIFY(!script.contains(QLatin1String("<!--")));

    QJSEngine engine;
    QVERIFY(!engine
                 .evaluate("var window={}; var args=null;"
                           "function popUp(){ args=Array.prototype.slice.call(arguments); }")
                 .isError());
    QJSValue result = engine.evaluate(script);
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    result = engine.evaluate("window.onload();");
    QVERIFY2(!result.isError(), qPrintable(result.toString()));

    const QJSValue args = engine.globalObject().property("args");
    QCOMPARE(args.property("length").toInt(), 20);
    const QVariantList expected = {100,       200,     280,
                                   180,       "Div",   body,
                                   colour,    "black", "bold 10pt sans-serif",
                                   caption,   "navy",  "white",
                                   "#dddddd", "gray",  "black",
                                   true,      true,    true,
                                   true,      false};
    for (int i = 0; i < 20; ++i) {
        const QJSValue arg = args.property(quint32(i));
        const QVariant want = expected.at(i);
        if (want.typeId() == QMetaType::Int) {
            QVERIFY2(arg.isNumber(), qPrintable(QString::number(i)));
            QCOMPARE(arg.toInt(), want.toInt());
        } else if (want.typeId() == QMetaType::Bool) {
            QVERIFY2(arg.isBool(), qPrintable(QString::number(i)));
            QCOMPARE(arg.toBool(), want.toBool());
        } else {
            QVERIFY2(arg.isString(), qPrintable(QString::number(i)));
            QCOMPARE(arg.toString(), want.toString());
        }
    }
}

QTEST_GUILESS_MAIN(TestEncoder)
#include "tst_encoder.moc"
