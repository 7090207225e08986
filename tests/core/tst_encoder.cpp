#include "core/testsettings.h"
#include "generator/bodysection.h"
#include "generator/encoder.h"
#include "generator/generatedefaults.h"
#include "generator/generation.h"

#include <QJSEngine>
#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(RawControls)

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

// The script element's content, as the browser would run it; a null string
// unless element is one script element that nothing inside ends or derails.
QString scriptContent(const QString &element)
{
    if (!element.startsWith(scriptOpen) || !element.endsWith(scriptClose))
        return QString();
    const QString content
        = element.mid(scriptOpen.size(), element.size() - scriptOpen.size() - scriptClose.size());
    if (content.contains(QLatin1String("</script"), Qt::CaseInsensitive)
        || content.contains(QLatin1String("<!--")))
        return QString();
    return content;
}

} // namespace

class TestEncoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodedBodySection_exactText_data();
    void encodedBodySection_exactText();
    void shiftEncode_shiftsByThree_data();
    void shiftEncode_shiftsByThree();
    void escapeForScriptLiteral_escapes_data();
    void escapeForScriptLiteral_escapes();
    void encodedBodySection_decodesToRawInBrowser_data();
    void encodedBodySection_decodesToRawInBrowser();
    void windowAd_argumentsArriveUnchanged_data();
    void windowAd_argumentsArriveUnchanged();
    void generatedCode_isSevenBitWhateverTheText_data();
    void generatedCode_isSevenBitWhateverTheText();
};

void TestEncoder::encodedBodySection_exactText_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("expected");

    // One function scope for the decoder's names; inserted rather than
    // written once the page is parsed.
    const QString head = "<script>(function(){var md;function u( s ) { var sRet=\"\"; for(var i=0; "
                         "i< s.length; i++ ){ var n= s.charCodeAt(i);sRet += String.fromCharCode( "
                         "n -3 ); } return( sRet ); } ";
    const QString tail
        = "; var s= u(md), d=document, c=d.currentScript; "
          "if(c&&d.readyState!=='loading'){var p=d.body.contains(c)?c.parentNode:d.body,"
          "r=d.createRange();r.selectNodeContents(p);p.insertBefore(r."
          "createContextualFragment(s),p===c.parentNode?c.nextSibling:null);"
          "d.dispatchEvent(new Event('zephrin-box'));}else d.write (s);})();</script>";
    QTest::newRow("abc, decoder in its own scope")
        << AdType::StickMeNote << "abc" << head + "md = \"def\"" + tail;
    QTest::newRow("empty raw body") << AdType::TimerAd << "" << head + "md = \"\"" + tail;
    QTest::newRow("escaped shifts") << AdType::JumpyAd << "Y\x1f\r\n" + units({0xFFFF})
                                    << head + "md = \"\\\\\\\"\\u0010\\r\\u0002\"" + tail;
    QTest::newRow("typed tab shifts to a raw form feed")
        << AdType::TimerAd << "a\tb" << head + "md = \"d\fe\"" + tail;
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

void TestEncoder::escapeForScriptLiteral_escapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("quote");
    QTest::addColumn<RawControls>("raw");
    QTest::addColumn<QString>("expected");

    const QChar dq = '"';
    const QChar sq = '\'';
    const RawControls none = RawControls::None;
    const RawControls tabFf = RawControls::TabAndFormFeed;
    QTest::newRow("empty") << "" << sq << none << "";
    QTest::newRow("printable ASCII unchanged")
        << "def <b>x</b> '!~" << dq << tabFf << "def <b>x</b> '!~";
    QTest::newRow("other quote stays") << "say \"hi\"" << sq << none << "say \"hi\"";
    QTest::newRow("double quote") << "\"" << dq << tabFf << "\\\"";
    QTest::newRow("single quote") << "it's" << sq << none << "it\\'s";
    QTest::newRow("backslash") << "a\\b" << dq << tabFf << "a\\\\b";
    QTest::newRow("backslash before quote") << "\\'" << sq << none << "\\\\\\'";
    QTest::newRow("line breaks") << "a\r\nb" << sq << none << "a\\r\\nb";
    QTest::newRow("line breaks, tab and form feed raw") << "\r\n" << dq << tabFf << "\\r\\n";
    QTest::newRow("tab and form feed raw") << "\t\f" << dq << tabFf << "\t\f";
    QTest::newRow("tab and form feed escaped") << "\t\f" << sq << none << "\\u0009\\u000C";
    QTest::newRow("other controls escaped beside raw tab")
        << units({0, 0x0B, 0x1F, 0x7F}) << dq << tabFf << "\\u0000\\u000B\\u001F\\u007F";
    QTest::newRow("control characters")
        << units({0, 1, 0x1F, 0x7F}) << sq << none << "\\u0000\\u0001\\u001F\\u007F";
    QTest::newRow("non-ASCII") << units({0x80, 0xE9, 0x2028, 0x2029, 0xFFFF}) << dq << tabFf
                               << "\\u0080\\u00E9\\u2028\\u2029\\uFFFF";
    QTest::newRow("surrogates per unit")
        << units({0xD83D, 0xDE00, 0xDC00}) << sq << none << "\\uD83D\\uDE00\\uDC00";
    QTest::newRow("script end tag") << "</sCrIpT>" << dq << tabFf << "\\x3C/sCrIpT>";
    QTest::newRow("script end tag with space") << "x</SCRIPT >" << sq << none << "x\\x3C/SCRIPT >";
    QTest::newRow("comment opening") << "<!-- x -->" << sq << none << "\\x3C!-- x -->";
    QTest::newRow("other tags stay")
        << "</b><script><!-</scrip" << dq << tabFf << "</b><script><!-</scrip";
    QTest::newRow("lone less-than") << "a < b <" << sq << none << "a < b <";
}

void TestEncoder::escapeForScriptLiteral_escapes()
{
    QFETCH(QString, text);
    QFETCH(QChar, quote);
    QFETCH(RawControls, raw);
    QFETCH(QString, expected);
    QCOMPARE(escapeForScriptLiteral(text, quote, raw), expected);
}

void TestEncoder::encodedBodySection_decodesToRawInBrowser_data()
{
    QTest::addColumn<QString>("raw");

    QTest::newRow("empty") << "";
    QTest::newRow("sample body") << QString::fromLatin1(sampleBody);
    QTest::newRow("line breaks") << "a\rb\nc\r\nd\r\n";
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

    QJSEngine engine;
    const QJSValue setup
        = engine.evaluate("var captured=\"\"; var document={write:function(s){captured+=s;}};");
    QVERIFY(!setup.isError());
    const QJSValue result = engine.evaluate(script);
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    QCOMPARE(engine.globalObject().property("captured").toString(), raw);
    // The decoder keeps its names to itself.
    QCOMPARE(engine.evaluate("[typeof s, typeof u, typeof md, typeof i].join()").toString(),
             QStringLiteral("undefined,undefined,undefined,undefined"));
}

void TestEncoder::windowAd_argumentsArriveUnchanged_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("readyState"); // the page's when the script runs
    QTest::addColumn<QString>("language"); // of the box's texts

    const auto row
        = [](const char *name, const QString &body, const QString &colour, const QString &caption,
             const char *readyState = "loading", const char *language = "en") {
              QTest::newRow(name) << body << colour << caption << QString::fromLatin1(readyState)
                                  << QString::fromLatin1(language);
          };
    row("plain", "<B>Hi</B>", "FFFFFF", "Welcome");
    row("page already loaded", "<B>Hi</B>", "FFFFFF", "Welcome", "complete");
    row("page interactive", "x", "", "", "interactive");
    row("quotes", "it's \"here\"", "F'F", "'");
    row("backslashes", "\\'\\\\", "\\", "end\\");
    row("line breaks", "a\r\nb\rc\nd", "\n", "\r\n");
    row("controls", units({0, 1, '\t', 0x0B, '\f', 0x1F, 0x7F}), units({0}), units({'\t', 0x1B}));
    row("non-ASCII", QString::fromUtf8("<b>Caf\xc3\xa9</b> \xe2\x82\xac 5"),
        QString::fromUtf8("\xc3\xa9"), QString::fromUtf8("\xc3\x9c") + "ber", "complete");
    row("script end tags", "</script></SCRIPT ><!--", "</ScRiPt", "<!-- x");
    row("line terminators", units({0x2028, 'a', 0x2029}), "", units({0x2028}));
    row("surrogates", units({0xD83D, 0xDE00, 0xD800}), units({0xDFFF}), "");
    row("empty", "", "", "");
    for (const BoxLanguage &language : boxLanguages)
        row(language.name, "x", "", "", "loading", language.code);

    QRandomGenerator gen(7);
    for (int i = 0; i < 20; ++i) {
        QTest::addRow("random %d", i)
            << randomText(gen, int(gen.bounded(0, 40))) << randomText(gen, 3) << randomText(gen, 5)
            << QStringLiteral("loading") << QStringLiteral("en");
    }
}

void TestEncoder::windowAd_argumentsArriveUnchanged()
{
    QFETCH(QString, body);
    QFETCH(QString, colour);
    QFETCH(QString, caption);
    QFETCH(QString, readyState);
    QFETCH(QString, language);

    AdSettings s = testSettings(AdType::WindowAd);
    s.texts.language = language;
    s.body = body;
    s.colour = colour;
    s.caption = caption;
    const QString element = encodedBodySection(s.type, rawBodySection(s));
    const QString script = scriptContent(element);
    QVERIFY2(!script.isNull(), qPrintable(element));
    for (const QChar c : element)
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(element));

    // A page with a load handler of its own, which the ad must leave in place.
    QJSEngine engine;
    QVERIFY(!engine
                 .evaluate(
                     "var document={readyState:'" + readyState
                     + "'}; var loads=[];"
                       "function own(){} var window={onload:own,"
                       "addEventListener:function(type,f){if(type==='load')loads.push(f);}};"
                       "var args=null;"
                       "function ZephrinWindowAd(){ args=Array.prototype.slice.call(arguments); }")
                 .isError());
    QJSValue result = engine.evaluate(script);
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    QVERIFY(engine.evaluate("window.onload===own").toBool());
    if (readyState == QLatin1String("complete")) {
        // Started at once: the load event has passed and will not come again.
        QCOMPARE(engine.evaluate("loads.length").toInt(), 0);
    } else {
        QVERIFY(engine.evaluate("args===null").toBool());
        QCOMPARE(engine.evaluate("loads.length").toInt(), 1);
        result = engine.evaluate("loads[0]();");
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
    }

    const QJSValue args = engine.globalObject().property("args");
    // The names other than English follow as a last argument.
    const QJSValue names = args.property(20);
    QCOMPARE(args.property("length").toInt(), language == QLatin1String("en") ? 20 : 21);
    for (const auto &[key, text] : {std::pair {"window", BoxText::WindowName},
                                    {"minimise", BoxText::Minimise},
                                    {"maximise", BoxText::Maximise},
                                    {"restore", BoxText::Restore},
                                    {"close", BoxText::Close}}) {
        if (language != QLatin1String("en"))
            QCOMPARE(names.property(QLatin1String(key)).toString(), s.texts.text(text));
    }
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

void TestEncoder::generatedCode_isSevenBitWhateverTheText_data()
{
    QTest::addColumn<AdType>("type");
    for (AdType type : {AdType::StickMeNote, AdType::WindowAd, AdType::JumpyAd,
                        AdType::ForceEmailer, AdType::TimerAd})
        QTest::newRow(adTypeInfo(type).caption) << type;
}

void TestEncoder::generatedCode_isSevenBitWhateverTheText()
{
    QFETCH(AdType, type);
    const QString path = supportScriptPath(qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR"), type);
    QFile script(path);
    QVERIFY2(script.open(QIODevice::ReadOnly), qPrintable(path));

    // Accents, a euro sign, an emoji (a surrogate pair), a non-breaking space
    // and controls in every text field, the address and the numbers included.
    const QString text = QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac\xf0\x9f\x98\x80\xc2\xa0")
        + units({0, 0x1B, 0x7F, 0x85});
    AdSettings s;
    s.type = type;
    s.body = QStringLiteral("<b>") + text + QStringLiteral("</b>\r\n\t");
    s.caption = type == AdType::ForceEmailer
        ? QString::fromUtf8("j\xc3\xbcrgen@m\xc3\xbcller.example")
        : text;
    s.height = s.width = s.horizontal = s.vertical = QStringLiteral("1") + text;
    s.colour = text;
    // Polish names and the single texts through the same escaping.
    s.texts.language = QStringLiteral("pl");
    s.texts.close = s.texts.notice = s.texts.button = text;
    const GeneratedCode code = generateCode(s, script.readAll());
    for (const QString &section : {code.body, code.head}) {
        QVERIFY(!section.isEmpty());
        for (const QChar c : section) {
            const char16_t unit = c.unicode();
            const bool lineSpace = unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f';
            QVERIFY2(unit < 0x7F && (unit >= 0x20 || lineSpace),
                     qPrintable(QStringLiteral("unit %1 in: %2").arg(unit, 4, 16).arg(section)));
        }
    }
}

QTEST_GUILESS_MAIN(TestEncoder)
#include "tst_encoder.moc"
