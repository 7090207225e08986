#include "core/testsettings.h"
#include "generator/boxhelpers.h"
#include "generator/designschema.h"
#include "generator/generation.h"
#include "generator/headsection.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString stickMeStyle = QStringLiteral(
    "<style "
    "type='text/css'>#fadeinbox[data-zephrin]{position:absolute;width:280px;height:180px;left: "
    "0;top: "
    "-400px;border: 2px solid black;background-color:FFCC00;padding: 4px;z-index: "
    "100;visibility:hidden;}</style>");

} // namespace

class TestHeadSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scriptLines_splitsAtLineEnds_data();
    void scriptLines_splitsAtLineEnds();
    void boxHelpers_takeTheMarkersLine_data();
    void boxHelpers_takeTheMarkersLine();
    void headSection_linesThenStyle_data();
    void headSection_linesThenStyle();
    void styleElement_matchesTemplate_data();
    void styleElement_matchesTemplate();
    void headSection_noTypeIsNull();
    void headCopyRuns_dependsOnTypeAndLines_data();
    void headCopyRuns_dependsOnTypeAndLines();
    void rulesScript_followsSupportScriptWithRules_data();
    void rulesScript_followsSupportScriptWithRules();
    void modernLook_addsSmallStyleForTheBoxAlone_data();
    void modernLook_addsSmallStyleForTheBoxAlone();
};

void TestHeadSection::scriptLines_splitsAtLineEnds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("LF line ends") << QByteArray("a\nb\n") << QStringList {"a", "b"};
    QTest::newRow("CR LF line ends") << QByteArray("a\r\nb\r\n") << QStringList {"a", "b"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList {"a", "b"};
    QTest::newRow("single line without line end") << QByteArray("x") << QStringList {"x"};
    QTest::newRow("blank lines kept") << QByteArray("\n\r\n\n") << QStringList {"", "", ""};
    QTest::newRow("lone CR stays in line") << QByteArray("a\rb\n") << QStringList {"a\rb"};
    QTest::newRow("only the CR before LF dropped") << QByteArray("a\r\r\n") << QStringList {"a\r"};
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\n\xe2\x82\xac")
                           << QStringList {QString::fromUtf8("caf\xc3\xa9"),
                                           QString::fromUtf8("\xe2\x82\xac")};
}

void TestHeadSection::scriptLines_splitsAtLineEnds()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    QCOMPARE(scriptLines(file), lines);
}

void TestHeadSection::boxHelpers_takeTheMarkersLine_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QByteArray>("helpers"); // null: the file is missing
    QTest::addColumn<QByteArray>("expected"); // null: refused
    QTest::addColumn<QString>("named"); // the file a refusal names

    QTest::newRow("marker on a last line without line end")
        << QByteArray("a\n  // zephrin: box helpers") << QByteArray("h1\nh2\n")
        << QByteArray("a\nh1\nh2") << QString();
    QTest::newRow("CR LF script") << QByteArray("a\r\n  // zephrin: box helpers\r\nb\r\n")
                                  << QByteArray("h1\nh2\n") << QByteArray("a\r\nh1\r\nh2\r\nb\r\n")
                                  << QString();
    QTest::newRow("helper nobody calls left out")
        << QByteArray("// zephrin: box helpers\nf();\n")
        << QByteArray(
               "// shared, not h\n\nfunction f() { g(); }\n\nfunction g() {}\n\nfunction h() {}\n")
        << QByteArray("// shared, not h\n\nfunction f() { g(); }\n\nfunction g() {}\nf();\n")
        << QString();
    QTest::newRow("missing marker") << QByteArray("a\n// zephrin: helpers\n") << QByteArray("h\n")
                                    << QByteArray() << "popup1.js";
    QTest::newRow("missing helper file") << QByteArray("// zephrin: box helpers\n") << QByteArray()
                                         << QByteArray() << "boxhelpers.js";
}

void TestHeadSection::boxHelpers_takeTheMarkersLine()
{
    QFETCH(QByteArray, script);
    QFETCH(QByteArray, helpers);
    QFETCH(QByteArray, expected);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const auto write = [&dir](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        return bytes.isNull()
            || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    QVERIFY(write("popup1.js", script) && write("boxhelpers.js", helpers));

    const ReadResult result = scriptWithBoxHelpers(dir.filePath(QStringLiteral("popup1.js")),
                                                   dir.filePath(QStringLiteral("boxhelpers.js")));
    QCOMPARE(result.contents, expected);
    QVERIFY2(named.isEmpty() ? result.ok() : result.error.contains(dir.filePath(named)),
             qPrintable(result.error));
}

void TestHeadSection::headSection_linesThenStyle_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stickme two lines")
        << AdType::StickMeNote << QByteArray("<script>\r\n</script>\r\n")
        << "<script>\r\n</script>\r\n" + stickMeStyle;
    QTest::newRow("stickme empty script") << AdType::StickMeNote << QByteArray() << stickMeStyle;
    QTest::newRow("window empty script") << AdType::WindowAd << QByteArray() << "";
    QTest::newRow("LF file gets CR LF")
        << AdType::JumpyAd << QByteArray("one\ntwo\n") << "one\r\ntwo\r\n";
    QTest::newRow("last line gets CR LF")
        << AdType::WindowAd << QByteArray("one\r\ntwo") << "one\r\ntwo\r\n";
}

void TestHeadSection::headSection_linesThenStyle()
{
    QFETCH(AdType, type);
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QCOMPARE(headSection(testSettings(type), scriptLines(file)), expected);
}

void TestHeadSection::styleElement_matchesTemplate_data()
{
    QTest::addColumn<AdSettings>("settings");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stickme note, rule only for the box")
        << testSettings(AdType::StickMeNote) << stickMeStyle;
    QTest::newRow("force emailer, rule only for the box")
        << testSettings(AdType::ForceEmailer)
        << "<style media=screen>#msg[data-zephrin] {top:100px;border:1px solid black;width:280px;"
           "background-color:FFCC00;padding:6px;position:absolute;left: 200px;}</style>";
    QTest::newRow("timer ad, rule only for the box")
        << testSettings(AdType::TimerAd)
        << "<style type='text/css'>#sponsorAdDiv[data-zephrin] {position:absolute; "
           "height:180; width:280px; top:100; left:200;}</style>";

    AdSettings s = testSettings(AdType::StickMeNote);
    s.width = s.height = s.colour = "";
    s.horizontal = "<Center>";
    QTest::newRow("stickme empty fields")
        << s
        << "<style "
           "type='text/css'>#fadeinbox[data-zephrin]{position:absolute;width:px;height:px;left: "
           "0;top: "
           "-400px;border: 2px solid black;background-color:;padding: 4px;z-index: "
           "100;visibility:hidden;}</style>";

    s = testSettings(AdType::TimerAd);
    s.height = QString::fromUtf8("1\xc3\xa9\xf0\x9f\x98\x80");
    s.width = QString("2") + QChar(0) + QChar(0x7F) + "\t";
    s.horizontal = s.vertical = "";
    QTest::newRow("controls and non-ASCII as CSS escapes")
        << s
        << "<style type='text/css'>#sponsorAdDiv[data-zephrin] {position:absolute; "
           "height:1\\0000E9\\01F600; "
           "width:2\\000000\\00007F\tpx; top:; left:;}</style>";

    QTest::newRow("window ad") << testSettings(AdType::WindowAd) << "";
    QTest::newRow("jumpy ad") << testSettings(AdType::JumpyAd) << "";
    QTest::newRow("no type") << testSettings(AdType::None) << "";
}

void TestHeadSection::styleElement_matchesTemplate()
{
    QFETCH(AdSettings, settings);
    QFETCH(QString, expected);
    QCOMPARE(styleElement(settings), expected);
}

void TestHeadSection::headSection_noTypeIsNull()
{
    QVERIFY(headSection(testSettings(AdType::None), {"line"}).isNull());
}

void TestHeadSection::headCopyRuns_dependsOnTypeAndLines_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<bool>("runs");

    QTest::newRow("window empty script") << AdType::WindowAd << 0 << false;
    QTest::newRow("window one line") << AdType::WindowAd << 1 << true;
    QTest::newRow("jumpy empty script") << AdType::JumpyAd << 0 << false;
    QTest::newRow("jumpy many lines") << AdType::JumpyAd << 40 << true;
    QTest::newRow("stickme empty script") << AdType::StickMeNote << 0 << true;
    QTest::newRow("emailer empty script") << AdType::ForceEmailer << 0 << true;
    QTest::newRow("timer empty script") << AdType::TimerAd << 0 << true;
    QTest::newRow("timer lines") << AdType::TimerAd << 3 << true;
    QTest::newRow("no type") << AdType::None << 3 << false;
}

void TestHeadSection::headCopyRuns_dependsOnTypeAndLines()
{
    QFETCH(AdType, type);
    QFETCH(int, lineCount);
    QFETCH(bool, runs);
    QCOMPARE(headCopyRuns(type, lineCount), runs);
}

void TestHeadSection::rulesScript_followsSupportScriptWithRules_data()
{
    QTest::addColumn<QStringList>("rules"); // as settings files and the command line give them
    // What the rules script receives after the key; empty: no rules script.
    // After " | ", what the analytics script receives; none: no such script.
    QTest::addColumn<QString>("object");

    QTest::newRow("no rules") << QStringList() << QString();
    QTest::newRow("defaults given")
        << QStringList {"start=now", "show-again=always", "screens=all"} << QString();
    QTest::newRow("delay") << QStringList {"start=delay:3600"} << "start:'delay',amount:3600";
    QTest::newRow("scroll") << QStringList {"start=scroll:1"} << "start:'scroll',amount:1";
    QTest::newRow("pointer leaves") << QStringList {"start=exit"} << "start:'exit'";
    QTest::newRow("once per visit, narrow")
        << QStringList {"show-again=visit", "screens=narrow"} << "visit:1,wide:false";
    QTest::newRow("every N days between two days")
        << QStringList {"show-again=days:3650", "from=2026-02-28", "until=2027-01-09"}
        << "days:3650,from:20260228,until:20270109";
    QTest::newRow("wide") << QStringList {"screens=wide"} << "wide:true";
    // The storage rule goes with what the box remembers: the rules' memory or a sign-up.
    QTest::newRow("every N days, stored on close")
        << QStringList {"show-again=days:7", "storage=on-close"} << "days:7,store:'close'";
    QTest::newRow("stored on show, as without the setting")
        << QStringList {"show-again=visit", "storage=on-show"} << "visit:1";
    QTest::newRow("storage with nothing to remember")
        << QStringList {"storage=none", "start=delay:5"} << "start:'delay',amount:5";
    QTest::newRow("storage alone") << QStringList {"storage=consent"} << QString();
    QTest::newRow("a sign-up remembered after consent")
        << QStringList {"type=force-emailer", "caption=https://app.kit.com/forms/1/subscriptions",
                        "storage=consent"}
        << "store:'consent'";
    QTest::newRow("analytics none")
        << QStringList {"analytics=none", "start=delay:5"} << "start:'delay',amount:5";
    QTest::newRow("analytics without rules")
        << QStringList {"analytics=plausible"} << " | to:'plausible'";
    QTest::newRow("analytics with rules, a box in French")
        << QStringList {"analytics=matomo", "language=fr", "show-again=visit"}
        << "language:'fr',visit:1 | language:'fr',to:'matomo'";
}

void TestHeadSection::rulesScript_followsSupportScriptWithRules()
{
    QFETCH(QStringList, rules);
    QFETCH(QString, object);
    AdSettings s = testSettings(AdType::StickMeNote);
    for (const QString &rule : rules) {
        const QString key = rule.section(QLatin1Char('='), 0, 0);
        const QString text = rule.section(QLatin1Char('='), 1);
        for (const RuleField &field : ruleFields) {
            if (key != QLatin1String(field.key))
                continue;
            QVERIFY2(field.read(text, s.rules), qPrintable(rule));
            // A rule saved and read back is the same rule; a default saves as nothing.
            const QString written = field.write(s.rules);
            QCOMPARE(written,
                     text.contains(QRegularExpression(QStringLiteral("^(now|always|all)$")))
                         ? QString()
                         : text);
        }
        for (const Setting &setting : designSettings()) {
            if (key == QLatin1String(setting.key))
                QVERIFY2(setting.value.read(text, s), qPrintable(rule));
        }
    }
    QString expected = QStringLiteral("popup\r\n");
    const QStringList objects = object.split(QStringLiteral(" | "));
    for (qsizetype i = 0; i < objects.size(); ++i) {
        if (!objects.at(i).isEmpty())
            expected += QStringLiteral("%1({key:'%2',%3});\r\n")
                            .arg(i == 0 ? "hold" : "track", rulesStorageKey(s.type, s.body),
                                 objects.at(i));
    }
    QCOMPARE(generateHead(s, "popup\n", "hold(/*RULES*/);\n", "track(/*ANALYTICS*/);\n"),
             expected + styleElement(s));

    // Another ad, of another type or with another text, keeps a count of its own.
    const QString key = rulesStorageKey(s.type, s.body);
    QVERIFY(key.startsWith(QStringLiteral("zephrin-%1-").arg(adTypeInfo(s.type).name)));
    QVERIFY(key != rulesStorageKey(AdType::JumpyAd, s.body));
    QVERIFY(key != rulesStorageKey(s.type, s.body + QLatin1Char(' ')));
}

void TestHeadSection::modernLook_addsSmallStyleForTheBoxAlone_data()
{
    QTest::addColumn<AdSettings>("settings");
    QTest::addColumn<QString>("box"); // the selector every rule must start with
    QTest::addColumn<bool>("dark"); // whether it has a dark variant

    QTest::newRow("stickme note, white")
        << testSettings(AdType::StickMeNote, "FFFFFF") << "#fadeinbox[data-zephrin]" << true;
    QTest::newRow("window ad, white")
        << testSettings(AdType::WindowAd, "FFFFFF") << "[data-zephrin]:not([id])" << true;
    AdSettings s = testSettings(AdType::JumpyAd);
    s.height = "1e3;}body{color:red";
    QTest::newRow("jumpy ad, colour, height not a number") << s << "#dropin[data-zephrin]" << false;
    QTest::newRow("force emailer, lowercase white")
        << testSettings(AdType::ForceEmailer, "ffffff") << "#msg[data-zephrin]" << false;
    QTest::newRow("timer ad, white")
        << testSettings(AdType::TimerAd, "FFFFFF") << "#sponsorAdDiv[data-zephrin]" << true;
}

void TestHeadSection::modernLook_addsSmallStyleForTheBoxAlone()
{
    QFETCH(AdSettings, settings);
    QFETCH(QString, box);
    QFETCH(bool, dark);

    const QString classic = headSection(settings, {"popup"});
    settings.look = Look::Modern;
    const QString modern = headSection(settings, {"popup"});
    QVERIFY(modern.startsWith(classic));
    QString style = modern.mid(classic.size());
    // About 1.5 KB: the style element and the font's script.
    QVERIFY2(style.size() <= 1664, qPrintable(QString::number(style.size())));
    // The style element, then the font's script.
    style.truncate(style.indexOf("<script>"));
    QVERIFY(style.startsWith("<style>") && style.endsWith("</style>"));
    QVERIFY(!style.contains("url(") && !style.contains("@import"));
    QCOMPARE(style.contains("prefers-color-scheme:dark"), dark);

    // Nothing but rules whose every selector starts at the box.
    style = style.mid(7, style.size() - 15).remove(QRegularExpression("@media[^{]*\\{"));
    const QRegularExpression rule("([^{}]+)\\{[^{}]*\\}");
    for (const QRegularExpressionMatch &m : rule.globalMatch(style)) {
        for (const QString &selector : m.captured(1).split(QRegularExpression(",(?![^(]*\\))")))
            QVERIFY2(selector.startsWith(box), qPrintable(selector));
    }
    QCOMPARE(style.remove(rule).remove('}'), QString());
}

QTEST_GUILESS_MAIN(TestHeadSection)
#include "tst_headsection.moc"
