// zephrin-cli run as a program: the code it prints against the window's,
// pages added to and taken off a site folder, and arguments it refuses.

#include "generator/generatedefaults.h"
#include "generator/generation.h"
#include "generator/settingsfile.h"
#include "pages/filestore.h"
#include "pages/pagetext.h"
#include "pages/previewpage.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

Q_DECLARE_METATYPE(AdSettings)

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString &program, const QStringList &arguments, const QString &folder,
               const QByteArray &input = QByteArray(),
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Runs zephrin-cli in folder, in English unless leading NAME=value arguments
// set its environment as a shell would ("LANGUAGE=de add p.html").
Run runCli(QStringList arguments, const QString &folder = QString(),
           const QByteArray &input = QByteArray())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    while (!arguments.isEmpty() && arguments.constFirst().contains(QLatin1Char('='))
           && !arguments.constFirst().startsWith(QLatin1Char('-'))) {
        const QString setting = arguments.takeFirst();
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));
    }
    return runProgram(QStringLiteral(ZEPHRIN_CLI), arguments, folder, input, environment);
}

// git in folder, with no line-end conversion and an identity of its own.
Run runGit(const QString &folder, const QStringList &arguments)
{
    return runProgram(QStringLiteral("git"),
                      QStringList {QStringLiteral("-c"), QStringLiteral("core.autocrlf=false"),
                                   QStringLiteral("-c"), QStringLiteral("user.name=Zephrin"),
                                   QStringLiteral("-c"),
                                   QStringLiteral("user.email=zephrin@tolvane.example")}
                          + arguments,
                      folder);
}

// The window's settings after choosing type and pressing Generate, with the
// body and colour it starts with: the form's fields in the window's order.
// Spelt out rather than taken from defaultSettings(), which the command line
// itself uses, so a field mixed up there shows as a difference here.
AdSettings windowAfterGenerate(AdType type)
{
    const SettingsFormState form = generateDefaults(type);
    AdSettings s;
    s.type = type;
    s.height = form.fields[0].text;
    s.width = form.fields[1].text;
    s.horizontal = form.fields[2].text;
    s.vertical = form.fields[3].text;
    s.caption = form.fields[4].text;
    s.body = QString::fromLatin1(sampleBody);
    s.colour = QString::fromLatin1(defaultColour);
    return s;
}

GeneratedCode windowCode(const AdSettings &settings)
{
    const SupportScripts scripts
        = readSupportScripts(qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR"), settings);
    if (!scripts.ok())
        return {};
    return generateCode(settings, scripts.support, scripts.rules);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The Content-Security-Policy source that allows the first script element of
// html: the SHA-256 of its text as a browser reads it (CR LF and CR as LF).
QByteArray hashSource(QString script)
{
    script.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    return "'sha256-"
        + QCryptographicHash::hash(script.toUtf8(), QCryptographicHash::Sha256).toBase64() + "'";
}

QByteArray firstScriptSource(const QString &html)
{
    const qsizetype start = html.indexOf(QLatin1Char('>'), html.indexOf(QLatin1String("<script")));
    return hashSource(html.mid(start + 1, html.indexOf(QLatin1String("</script>")) - start - 1));
}

// Every file under folder: its bytes and modification time.
QMap<QString, QPair<QByteArray, QDateTime>> snapshot(const QString &folder)
{
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, {readFile(path), QFileInfo(path).lastModified()});
    }
    return files;
}

} // namespace

class TestZephrinCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generate_givesTheWindowsClipboardBytes_data();
    void generate_givesTheWindowsClipboardBytes();
    void addAndRemove_onASite();
    void siteWalk_takesThePagesASiteMeans_data();
    void siteWalk_takesThePagesASiteMeans();
    void addAndRemove_inAGitRepository_changeOnlyTheBlock();
    void badArguments_exitTwoAndWriteNothing_data();
    void badArguments_exitTwoAndWriteNothing();
    void check_exitsOneOnFindings();
};

void TestZephrinCli::generate_givesTheWindowsClipboardBytes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<AdSettings>("window");
    QTest::addColumn<QByteArray>("given"); // the file "given", and standard input

    const QByteArray typedBody = "<b>Sale</b>\nToday only \u20AC5\n";
    for (AdType type : {AdType::StickMeNote, AdType::WindowAd, AdType::JumpyAd,
                        AdType::ForceEmailer, AdType::TimerAd}) {
        const QString name = QString::fromLatin1(adTypeInfo(type).caption);
        // Types by name and by number.
        const QString typeArgument = type == AdType::WindowAd
            ? QStringLiteral("2")
            : name.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
        QTest::addRow("%s, defaults", qPrintable(name))
            << QStringList {QStringLiteral("--type"), typeArgument} << windowAfterGenerate(type)
            << QByteArray();

        AdSettings typed = windowAfterGenerate(type);
        typed.height = QStringLiteral("300");
        typed.width = QStringLiteral("410");
        typed.horizontal = QStringLiteral("-5");
        typed.vertical = QStringLiteral("20");
        // Any caption but Force Emailer's, which is an address.
        typed.caption = type == AdType::ForceEmailer ? QStringLiteral("caf\u00E9@news.example")
                                                     : QStringLiteral("caf\u00E9 \"news\"");
        typed.colour = QStringLiteral("00FF7F");
        // The window's body box gives its line breaks as CR LF.
        typed.body = QStringLiteral("<b>Sale</b>\r\nToday only \u20AC5\r\n");
        QTest::addRow("%s, typed values", qPrintable(name))
            << QStringList {QStringLiteral("--type"),
                            typeArgument,
                            QStringLiteral("--height"),
                            QStringLiteral("300"),
                            QStringLiteral("--width"),
                            QStringLiteral("410"),
                            QStringLiteral("--left"),
                            QStringLiteral("-5"),
                            QStringLiteral("--top"),
                            QStringLiteral("20"),
                            QStringLiteral("--caption"),
                            typed.caption,
                            QStringLiteral("--colour"),
                            QStringLiteral("#00ff7f"),
                            QStringLiteral("--body"),
                            QStringLiteral("<b>Sale</b>\nToday only \u20AC5\n")}
            << typed << QByteArray();
    }

    AdSettings withBody = windowAfterGenerate(AdType::StickMeNote);
    withBody.body = QStringLiteral("<b>Sale</b>\r\nToday only \u20AC5\r\n");
    QTest::newRow("body from a file")
        << QStringList {QStringLiteral("--body-file"), QStringLiteral("given")} << withBody
        << typedBody;
    QTest::newRow("body from standard input")
        << QStringList {QStringLiteral("--body-file"), QStringLiteral("-")} << withBody
        << typedBody;
    // Options given beside a settings file win over its values.
    AdSettings fromFile = windowAfterGenerate(AdType::TimerAd);
    fromFile.width = QStringLiteral("500");
    fromFile.caption = QStringLiteral("from the file");
    QTest::newRow("settings file and options")
        << QStringList {QStringLiteral("--settings"), QStringLiteral("given"),
                        QStringLiteral("--width"), QStringLiteral("500")}
        << fromFile
        << QByteArray(
               R"({"version": 1, "type": "timer-ad", "width": 300, "caption": "from the file"})");
    // What the window saves at once after start: the sizes, empty until
    // Generate, are left out and read as Generate fills them.
    AdSettings startUp;
    startUp.type = AdType::StickMeNote;
    startUp.caption = QStringLiteral("My CAPTION");
    startUp.body = QString::fromLatin1(sampleBody);
    startUp.colour = QString::fromLatin1(defaultColour);
    AdSettings firstSave = windowAfterGenerate(AdType::StickMeNote);
    firstSave.caption = startUp.caption;
    QTest::newRow("settings file saved before Generate")
        << QStringList {QStringLiteral("--settings"), QStringLiteral("given")} << firstSave
        << designJson(startUp);
    AdSettings ruled = windowAfterGenerate(AdType::TimerAd);
    ruled.rules.start = DisplayRules::Start::AfterScroll;
    ruled.rules.startAmount = 30;
    ruled.rules.showAgain = DisplayRules::ShowAgain::EveryNDays;
    ruled.rules.days = 7;
    ruled.rules.from = QDate(2026, 12, 1);
    ruled.rules.until = QDate(2026, 12, 24);
    ruled.rules.screens = DisplayRules::Screens::Wide;
    QTest::newRow("Timer AD, display rules")
        << QString::fromLatin1("--type timer-ad --start scroll:30 --show-again days:7 --from "
                               "2026-12-01 --until 2026-12-24 --screens wide")
               .split(QLatin1Char(' '))
        << ruled << QByteArray();
    // A language on the command line fills all the file's texts; a single text still counts.
    AdSettings texts = windowAfterGenerate(AdType::ForceEmailer);
    texts.texts.language = QStringLiteral("fr");
    texts.texts.button = QStringLiteral("Je m'abonne");
    QTest::newRow("texts from a file and options")
        << QStringList {QStringLiteral("--settings"),     QStringLiteral("given"),
                        QStringLiteral("--box-language"), QStringLiteral("fr"),
                        QStringLiteral("--button-text"),  QStringLiteral("Je m'abonne")}
        << texts
        << QByteArray(R"({"version": 2, "type": "force-emailer",)"
                      R"( "texts": {"language": "de", "close": "Zu", "button": "Los"}})");
    // A sign-up form: its own field name and thank-you, kept in the saved design.
    AdSettings signup = windowAfterGenerate(AdType::ForceEmailer);
    signup.caption = QStringLiteral("https://lists.tolvane.example:8443/join?list=7");
    signup.formField = QStringLiteral("addr");
    signup.texts.thanks = QStringLiteral("Merci !");
    QTest::newRow("Force Emailer, sign-up form")
        << QStringList {QStringLiteral("--type"),        QStringLiteral("4"),
                        QStringLiteral("--form-action"), signup.caption,
                        QStringLiteral("--form-field"),  QStringLiteral("addr"),
                        QStringLiteral("--thanks-text"), QStringLiteral("Merci !")}
        << signup << QByteArray();
}

void TestZephrinCli::generate_givesTheWindowsClipboardBytes()
{
    QFETCH(QStringList, arguments);
    QFETCH(AdSettings, window);
    QFETCH(QByteArray, given);
    const GeneratedCode code = windowCode(window);
    QVERIFY(!code.head.isEmpty());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("given")), given));
    const auto run = [&](const QStringList &command) {
        return runCli(command + arguments, dir.path(), given);
    };

    // After Generate Body the clipboard holds the body; after Generate Head, the head.
    const Run body = run({QStringLiteral("generate"), QStringLiteral("--section"),
                          QStringLiteral("body"), QStringLiteral("--csp")});
    QCOMPARE(body.exitCode, 0);
    QCOMPARE(body.out, code.body.toUtf8());
    const Run both = run({QStringLiteral("generate"), QStringLiteral("-o"), QStringLiteral("out"),
                          QStringLiteral("--csp"), QStringLiteral("--save-settings"),
                          QStringLiteral("saved.json")});
    QCOMPARE(both.exitCode, 0);
    QVERIFY(both.out.isEmpty());
    QCOMPARE(readFile(dir.filePath(QStringLiteral("out"))),
             code.body.toUtf8() + code.clipboard.toUtf8());
    // One directive for the page: each section holds one script (the head's with
    // the support script's line breaks), the head a second with display rules,
    // and the close links are inline handlers.
    QByteArray policy
        = "script-src " + firstScriptSource(code.body) + ' ' + firstScriptSource(code.head);
    const qsizetype rulesScript = code.head.indexOf(QLatin1String("<script>"), 1);
    if (rulesScript > 0)
        policy += ' ' + firstScriptSource(code.head.mid(rulesScript));
    if (window.type == AdType::StickMeNote)
        policy += " 'unsafe-hashes' " + hashSource(QStringLiteral("hidefadebox();return false"));
    if (window.type == AdType::JumpyAd)
        policy += " 'unsafe-hashes' " + hashSource(QStringLiteral("dismissbox();return false"));
    if (window.caption.startsWith(QLatin1String("https:")))
        policy += "; form-action https://lists.tolvane.example:8443"
                  "; frame-src https://lists.tolvane.example:8443";
    QCOMPARE(both.err, policy + '\n');
    QCOMPARE(body.err, both.err); // the page's policy, whichever section is printed

    // The saved design reads back as the settings in use ("<Center>" included),
    // and alone makes the same code again.
    const DesignReadResult saved = readDesignFile(dir.filePath(QStringLiteral("saved.json")));
    QVERIFY2(saved.ok(), qPrintable(saved.error));
    AdSettings back = resolvedSettings(saved.design);
    back.body = withCrLfLineBreaks(back.body);
    QCOMPARE(back, window);
    // Without rules the file stays version 1, which older programs read.
    const QJsonObject file
        = QJsonDocument::fromJson(readFile(dir.filePath(QStringLiteral("saved.json")))).object();
    QCOMPARE(file.value(QStringLiteral("version")).toInt(),
             window.rules.isEmpty() && window.texts.isDefault() ? 1 : 2);
    const Run preview
        = runCli({QStringLiteral("preview"), QStringLiteral("--settings"),
                  QStringLiteral("saved.json"), QStringLiteral("-o"), QStringLiteral("view.html")},
                 dir.path());
    QCOMPARE(preview.exitCode, 0);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("view.html"))),
             previewPage(code.body, code.head));
}

void TestZephrinCli::addAndRemove_onASite()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString site = dir.filePath(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(site + QStringLiteral("/sub")));
    const GeneratedCode code = windowCode(windowAfterGenerate(AdType::JumpyAd));
    const auto withBlock = [&](const QByteArray &page) {
        return pageWithBlock(preparePage(page), code.body, code.head);
    };

    const QByteArray plain = "<html><body>Hello</body></html>\n";
    const QByteArray older
        = "<p>x</p>\r\n" + insertionMarker + "\r\n<body>old</body><head></head>\r\n";
    const QByteArray notes = "notes\n";
    QVERIFY(writeFile(site + QStringLiteral("/a.html"), plain));
    QVERIFY(writeFile(site + QStringLiteral("/sub/b.php"), older));
    // A page with an element of the box's id gets a note; the code goes in all the same.
    QVERIFY(writeFile(site + QStringLiteral("/c.asp"), withBlock("<p id='dropin'>done</p>\r\n")));
    QVERIFY(writeFile(site + QStringLiteral("/d.htm"), QByteArray("GIF89a\0\0", 8)));
    QVERIFY(writeFile(site + QStringLiteral("/notes.txt"), notes));
    // The block is current, but the page's own lines still end in LF alone.
    const QByteArray lfLines = "<p>lf</p>\n";
    QVERIFY(writeFile(site + QStringLiteral("/e.html"), lfLines + withBlock(QByteArray())));
    // A second name of b.php: the two are rewritten one after the other.
    QVERIFY(::link(QFile::encodeName(site + QStringLiteral("/sub/b.php")).constData(),
                   QFile::encodeName(site + QStringLiteral("/sub/b.html")).constData())
            == 0);
    const QStringList add
        = {QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("jumpy-ad"),
           QStringLiteral("--recursive"), QStringLiteral("site")};

    // A dry run says what would happen and touches nothing.
    const auto before = snapshot(site);
    const Run dry = runCli(add + QStringList {QStringLiteral("--dry-run")}, dir.path());
    QCOMPARE(dry.exitCode, 1);
    QCOMPARE(snapshot(site), before);
    QVERIFY(dry.out.contains("site/a.html: updated\n"));

    // A refused page leaves the others updated.
    const Run first = runCli(add, dir.path());
    QCOMPARE(first.exitCode, 1);
    QCOMPARE(
        first.out,
        QByteArray("site/a.html: updated\nsite/c.asp: unchanged (note: the page already uses "
                   "the id \"dropin\", as the box does)\n"
                   "site/d.htm: refused: Cannot add the code to \"site/d.htm\": The file is "
                   "not a text page: it contains NUL bytes, as programs, images and other "
                   "binary files do.\nsite/e.html: updated\nsite/sub/b.html: updated\n"
                   "site/sub/b.php: unchanged\n6 pages: 3 updated, 2 unchanged, 1 refused.\n"));
    QCOMPARE(readFile(site + QStringLiteral("/a.html")), withBlock(plain));
    QCOMPARE(readFile(site + QStringLiteral("/sub/b.php")), withBlock("<p>x</p>\r\n"));
    QCOMPARE(readFile(site + QStringLiteral("/notes.txt")), notes);

    // The second run changes nothing: same bytes, same modification times.
    const auto added = snapshot(site);
    QTest::qWait(20);
    const Run again = runCli(add, dir.path());
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.out.endsWith("6 pages: 0 updated, 5 unchanged, 1 refused.\n"));
    QCOMPARE(snapshot(site), added);
    QCOMPARE(runCli({QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("3"),
                     QStringLiteral("site/a.html")},
                    dir.path())
                 .exitCode,
             0);

    // A dry run of remove touches nothing either.
    QCOMPARE(
        runCli({QStringLiteral("remove"), QStringLiteral("--dry-run"), QStringLiteral("-r"), site})
            .exitCode,
        1);
    QCOMPARE(snapshot(site), added);

    // remove takes the block off; a second remove finds none.
    const Run removed = runCli({QStringLiteral("remove"), QStringLiteral("-r"), site});
    QCOMPARE(removed.exitCode, 1);
    QCOMPARE(readFile(site + QStringLiteral("/a.html")), plain);
    QCOMPARE(readFile(site + QStringLiteral("/c.asp")), "<p id='dropin'>done</p>\r\n");
    const auto cleared = snapshot(site);
    const Run removedAgain = runCli({QStringLiteral("remove"), QStringLiteral("-r"), site});
    QVERIFY(removedAgain.out.endsWith("6 pages: 0 updated, 5 unchanged, 1 refused.\n"));
    QCOMPARE(snapshot(site), cleared);

    // A Window AD of the page's own, pasted by hand: the author hears that a
    // second one would not work; the code goes in all the same.
    const GeneratedCode window = windowCode(windowAfterGenerate(AdType::WindowAd));
    const QString pasted = dir.filePath(QStringLiteral("pasted.html"));
    QVERIFY(writeFile(pasted, (window.head + window.body).toUtf8()));
    const Run second = runCli({QStringLiteral("add"), QStringLiteral("--type"),
                               QStringLiteral("window-ad"), QStringLiteral("pasted.html")},
                              dir.path());
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.out.startsWith("pasted.html: updated (note: the page already holds a Window "
                                   "AD outside the code block: two boxes of the same type"),
             second.out.constData());
}

void TestZephrinCli::siteWalk_takesThePagesASiteMeans_data()
{
    QTest::addColumn<QString>("arguments"); // after "COMMAND -r site"
    QTest::addColumn<bool>("addedBefore"); // every page, hidden ones too, has the block
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QStringList>("changed"); // files (not links) whose bytes or time changed

    const QByteArray allPages = "site/.git/c.html\nsite/.hidden.html\nsite/a.html\n"
                                "site/drafts/e.htm\nsite/node_modules/lib/d.html\nsite/sub/b.php\n";
    QTest::newRow("hidden names, links out and in, leftovers of interrupted runs")
        << "add" << false << 0
        << QByteArray("site/.a.html.zephrin-copy-Ab12Cd: not a page: a copy of site/a.html that "
                      "an interrupted run kept, holding the page as it was before that run; if "
                      "site/a.html is whole, delete the copy\n"
                      "site/.zephrin-Xy34Ef: not a page: new contents for a page in its folder "
                      "that an interrupted run wrote but never put in place, the page being left "
                      "as it was; delete it\n"
                      "<cached copy of a.html>: a copy of site/a.html that an interrupted run kept "
                      "in the cache folder, holding the page as it was before that run; if "
                      "site/a.html is whole, delete the copy\nsite/a.html: updated\n"
                      "site/drafts/e.htm: updated\nsite/node_modules/lib/d.html: updated\n"
                      "site/out.html: skipped: link to a file outside site\n"
                      "site/sub/b.php: updated\n4 pages: 4 updated, 0 unchanged, 0 refused; "
                      "1 skipped.\n")
        << QStringList {"site/a.html", "site/drafts/e.htm", "site/node_modules/lib/d.html",
                        "site/sub/b.php"};
    QTest::newRow("--hidden") << "add --check --hidden" << false << 1 << allPages << QStringList();
    QTest::newRow("--exclude a folder anywhere and a file glob")
        << "add --check --exclude **/node_modules --exclude drafts/*.htm" << false << 1
        << QByteArray("site/a.html\nsite/sub/b.php\n") << QStringList();
    QTest::newRow("--include a folder") << "add --check --include sub/**" << false << 1
                                        << QByteArray("site/sub/b.php\n") << QStringList();
    QTest::newRow("--include a link whose file is not taken")
        << "add --check --include in.html" << false << 1 << QByteArray("site/in.html\n")
        << QStringList();
    QTest::newRow("--include with a negated set")
        << "add --check --include [!a]*.html" << false << 1 << QByteArray("site/in.html\n")
        << QStringList();
    QTest::newRow("a link to a folder outside: not entered, its pages unchanged")
        << "add --include **/x.html" << false << 0
        << QByteArray("0 pages: 0 updated, 0 unchanged, 0 refused.\n") << QStringList();
    QTest::newRow("a link to a folder inside: not entered, its pages taken once")
        << "add --include **/b.php" << false << 0
        << QByteArray("site/sub/b.php: updated\n1 pages: 1 updated, 0 unchanged, 0 refused.\n")
        << QStringList {"site/sub/b.php"};
    QTest::newRow("--check, up to date")
        << "add --check --hidden" << true << 0 << QByteArray() << QStringList();
    QTest::newRow("remove --check")
        << "remove --check --hidden" << true << 1 << allPages << QStringList();
}

void TestZephrinCli::siteWalk_takesThePagesASiteMeans()
{
    QFETCH(QString, arguments);
    QFETCH(bool, addedBefore);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QStringList, changed);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    for (const char *folder :
         {"site/sub", "site/.git", "site/node_modules/lib", "site/drafts", "elsewhere"})
        QVERIFY(root.mkpath(QString::fromLatin1(folder)));
    for (const char *page :
         {"outside.html", "elsewhere/x.html", "site/a.html", "site/sub/b.php", "site/.hidden.html",
          "site/.git/c.html", "site/node_modules/lib/d.html", "site/drafts/e.htm",
          "site/.a.html.zephrin-copy-Ab12Cd", "site/.zephrin-Xy34Ef"})
        QVERIFY(writeFile(root.filePath(QString::fromLatin1(page)), page));
    // A copy kept in the cache folder, named for the page's real path.
    const QString cache = root.filePath(QStringLiteral("cache"));
    const QString cachedCopy = cache + QStringLiteral("/zephrin-cli/")
        + QFile::decodeName(cachedCopyPrefix(QFile::encodeName(
            QFileInfo(root.filePath(QStringLiteral("site/a.html"))).canonicalFilePath())))
        + QStringLiteral("Ab12Cd");
    QVERIFY(root.mkpath(QFileInfo(cachedCopy).path()));
    QVERIFY(writeFile(cachedCopy, "a copy"));
    QVERIFY(
        QFile::link(QStringLiteral("sub/b.php"), root.filePath(QStringLiteral("site/in.html"))));
    QVERIFY(QFile::link(QStringLiteral("../outside.html"),
                        root.filePath(QStringLiteral("site/out.html"))));
    // Links to folders, outside the site and inside it.
    QVERIFY(
        QFile::link(QStringLiteral("../elsewhere"), root.filePath(QStringLiteral("site/linked"))));
    QVERIFY(QFile::link(QStringLiteral("sub"), root.filePath(QStringLiteral("site/mirror"))));
    if (addedBefore)
        QCOMPARE(runCli({QStringLiteral("XDG_CACHE_HOME=") + cache, QStringLiteral("add"),
                         QStringLiteral("-r"), QStringLiteral("--hidden"), QStringLiteral("site")},
                        dir.path())
                     .exitCode,
                 0);

    const auto before = snapshot(dir.path());
    QTest::qWait(20);
    QStringList command = arguments.split(QLatin1Char(' '));
    command.insert(1, QStringLiteral("-r"));
    command.insert(2, QStringLiteral("site"));
    command.prepend(QStringLiteral("XDG_CACHE_HOME=") + cache);
    const Run run = runCli(command, dir.path());
    QCOMPARE(run.out, out.replace("<cached copy of a.html>", QFile::encodeName(cachedCopy)));
    QCOMPARE(run.exitCode, exitCode);
    const auto after = snapshot(dir.path());
    QStringList differ;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!QFileInfo(it.key()).isSymLink() && before.value(it.key()) != it.value())
            differ.append(root.relativeFilePath(it.key()));
    }
    QCOMPARE(differ, changed);
}

void TestZephrinCli::addAndRemove_inAGitRepository_changeOnlyTheBlock()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QMap<QString, QByteArray> pages {
        {QStringLiteral("bom.htm"), "\xEF\xBB\xBF<p>BOM</p>\n"},
        {QStringLiteral("crlf.html"), "<html>\r\n<p>CR LF</p>\r\n</html>\r\n"},
        {QStringLiteral("lf.html"), "<html>\n<p>LF</p>\n</html>\n"},
        {QStringLiteral("mixed.php"), "<?php echo 1; ?>\n<p>mixed</p>\r\n"},
        {QStringLiteral("open.html"), "<p>no final line end</p>\n</html>"},
    };
    for (auto page = pages.cbegin(); page != pages.cend(); ++page)
        QVERIFY(writeFile(dir.filePath(page.key()), page.value()));
    for (const char *command : {"init -q", "add -A", "commit -q -m site"}) {
        const Run git = runGit(dir.path(), QString::fromLatin1(command).split(QLatin1Char(' ')));
        QVERIFY2(git.exitCode == 0, git.err.constData());
    }

    const Run added = runCli({QStringLiteral("add"), QStringLiteral("--type"),
                              QStringLiteral("timer-ad"), QStringLiteral("-r"), dir.path()});
    QVERIFY2(added.exitCode == 0, added.err.constData());
    // Only the block's lines are added; the last line of a page that had no
    // line end gains one, so git counts it as changed.
    const GeneratedCode code = windowCode(windowAfterGenerate(AdType::TimerAd));
    QVERIFY(!code.head.isEmpty());
    QByteArray expected;
    for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
        const QByteArray block
            = pageWithBlock(preparePage(page.value()), code.body, code.head).sliced(page->size());
        const int lastLine = page->endsWith('\n') ? 0 : 1;
        expected += QByteArray::number(block.count('\n') + lastLine) + '\t'
            + QByteArray::number(lastLine) + '\t' + page.key().toUtf8() + '\n';
    }
    QCOMPARE(runGit(dir.path(), {QStringLiteral("diff"), QStringLiteral("--numstat")}).out,
             expected);

    const Run removed = runCli({QStringLiteral("remove"), QStringLiteral("-r"), dir.path()});
    QVERIFY2(removed.exitCode == 0, removed.err.constData());
    const Run status
        = runGit(dir.path(), {QStringLiteral("status"), QStringLiteral("--porcelain")});
    QCOMPARE(status.exitCode, 0);
    QCOMPARE(status.out, QByteArray());
}

void TestZephrinCli::badArguments_exitTwoAndWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("settingsFile"); // written as s.json when not empty
    QTest::addColumn<QString>("named"); // what the message must name

    const auto args = [](const char *text) {
        return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QTest::newRow("height not a number")
        << args("add --height 12px p.html") << QByteArray() << "--height";
    QTest::newRow("negative width") << args("add --width -3 p.html") << QByteArray() << "--width";
    QTest::newRow("colour not six hex digits")
        << args("add --colour 12345G p.html") << QByteArray() << "--colour";
    QTest::newRow("unknown type") << args("add --type banner p.html") << QByteArray() << "--type";
    QTest::newRow("missing body file")
        << args("add --body-file nothere.txt p.html") << QByteArray() << "--body-file";
    QTest::newRow("body and body file")
        << args("add --body x --body-file p.html p.html") << QByteArray() << "--body";
    QTest::newRow("unknown option") << args("add --colr 000000 p.html") << QByteArray() << "colr";
    QTest::newRow("ad option to remove")
        << args("remove --type 1 p.html") << QByteArray() << "type";
    QTest::newRow("unknown command") << args("insert p.html") << QByteArray() << "insert";
    QTest::newRow("no page") << args("add") << QByteArray() << "no page";
    QTest::newRow("missing page") << args("add p.html gone.html") << QByteArray() << "gone.html";
    QTest::newRow("folder without --recursive") << args("add .") << QByteArray() << "--recursive";
    QTest::newRow("walk option without --recursive")
        << args("remove --exclude drafts p.html") << QByteArray() << "--recursive";
    QTest::newRow("glob with an unclosed [")
        << args("add -r --include [ab .") << QByteArray() << "--include";
    QTest::newRow("unknown section")
        << args("generate --section middle -o out.html") << QByteArray() << "--section";
    QTest::newRow("preview without -o") << args("preview") << QByteArray() << "-o";
    QTest::newRow("check, unknown format")
        << args("check --format xml") << QByteArray() << "--format";
    QTest::newRow("settings: unknown key")
        << args("add --settings s.json --save-settings saved.json p.html")
        << QByteArray(R"({"version": 1, "hight": 200})") << "\"hight\"";
    QTest::newRow("settings: wrong type")
        << args("add --settings s.json p.html") << QByteArray(R"({"version": 1, "height": "tall"})")
        << "\"height\"";
    QTest::newRow("settings: ten-digit height")
        << args("add --settings s.json p.html")
        << QByteArray(R"({"version": 1, "height": 1000000000})") << "\"height\"";
    QTest::newRow("colour in other digits")
        << QStringList {QStringLiteral("add"), QStringLiteral("--colour"),
                        QString::fromUtf8("\xd9\xa1\xd9\xa2\xd9\xa3\xd9\xa4\xd9\xa5\xd9\xa6"),
                        QStringLiteral("p.html")}
        << QByteArray() << "--colour";
    QTest::newRow("settings: fraction") << args("add --settings s.json p.html")
                                        << QByteArray(R"({"version": 1, "top": 2.5})") << "\"top\"";
    QTest::newRow("settings: newer version")
        << args("add --settings s.json p.html") << QByteArray(R"({"version": 3})") << "\"version\"";
    QTest::newRow("no delay") << args("add --start delay:0 p.html") << QByteArray() << "--start";
    QTest::newRow("scrolled past the end")
        << args("generate --start scroll:101 -o out.html") << QByteArray() << "--start";
    QTest::newRow("days beyond ten years")
        << args("add --show-again days:3651 p.html") << QByteArray() << "--show-again";
    QTest::newRow("no such day") << args("add --from 2026-02-30 p.html") << QByteArray()
                                 << "--from";
    QTest::newRow("day not YYYY-MM-DD")
        << args("preview --until 2026-2-1 -o out.html") << QByteArray() << "--until";
    QTest::newRow("unknown storage")
        << args("add --storage later p.html") << QByteArray() << "--storage";
    QTest::newRow("unknown screens")
        << args("add --screens tall p.html") << QByteArray() << "--screens";
    QTest::newRow("until before from")
        << args("add --from 2026-12-24 --until 2026-12-01 p.html") << QByteArray() << "--until";
    QTest::newRow("settings: bad rule value")
        << args("add --settings s.json p.html")
        << QByteArray(R"({"version": 2, "rules": {"start": "soon"}})") << "\"rules.start\"";
    QTest::newRow("settings: unknown rule")
        << args("add --settings s.json p.html")
        << QByteArray(R"({"version": 2, "rules": {"colour": "wide"}})") << "\"rules.colour\"";
    QTest::newRow("unknown box language")
        << args("add --box-language en-GB p.html") << QByteArray() << "--box-language";
    QTest::newRow("empty notice") << QStringList {QStringLiteral("add"),
                                                  QStringLiteral("--notice-text"), QString(),
                                                  QStringLiteral("p.html")}
                                  << QByteArray() << "--notice-text";
    QTest::newRow("settings: unknown text")
        << args("add --settings s.json p.html")
        << QByteArray(R"({"version": 2, "texts": {"title": "Hi"}})") << "\"texts.title\"";
    // Force Emailer's caption is an address or a sign-up form's https: address.
    QTest::newRow("Force Emailer caption over http:")
        << args("add --type force-emailer --caption http://lists.tolvane.example/join p.html")
        << QByteArray() << "--caption: \"http:";
    QTest::newRow("Force Emailer caption javascript:")
        << args("generate --type 4 --caption javascript:alert(1)//@tolvane.example -o out.html")
        << QByteArray() << "--caption";
    QTest::newRow("Force Emailer caption with a space")
        << QStringList {QStringLiteral("add"),
                        QStringLiteral("--type"),
                        QStringLiteral("4"),
                        QStringLiteral("--caption"),
                        QStringLiteral("news @tolvane.example"),
                        QStringLiteral("p.html")}
        << QByteArray() << "--caption";
    QTest::newRow("--form-action over http:")
        << args("add --type 4 --form-action http://lists.tolvane.example/join p.html")
        << QByteArray() << "--form-action: \"http:";
    QTest::newRow("settings: Force Emailer caption with a quote")
        << args("add --settings s.json p.html")
        << QByteArray(
               R"({"version": 1, "type": "force-emailer", "caption": "https://x.example/'"})")
        << "s.json: \"caption\"";
    QTest::newRow("settings: no version") << args("add --settings s.json p.html")
                                          << QByteArray(R"({"type": "timer-ad"})") << "\"version\"";
    QTest::newRow("settings: not JSON")
        << args("add --settings s.json p.html") << QByteArray("type=1") << "s.json";
    // In the user's language: zephrin-cli's texts, the core's, and Qt's own.
    QTest::newRow("unknown command, in German")
        << args("LANGUAGE=de insert p.html") << QByteArray() << "„insert“ ist kein Befehl";
    QTest::newRow("settings: newer version, in Austrian German")
        << args("LANGUAGE=de_AT add --settings s.json p.html") << QByteArray(R"({"version": 3})")
        << "neuer, als dieses Programm lesen kann";
    QTest::newRow("unknown option, in German")
        << args("LANGUAGE=de add --colr 000000 p.html") << QByteArray() << "Unbekannte Option";
}

void TestZephrinCli::badArguments_exitTwoAndWriteNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, settingsFile);
    QFETCH(QString, named);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("p.html")), "<p>page</p>\n"));
    if (!settingsFile.isEmpty())
        QVERIFY(writeFile(dir.filePath(QStringLiteral("s.json")), settingsFile));
    const auto before = snapshot(dir.path());

    const Run run = runCli(arguments, dir.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(named.toUtf8()), run.err.constData());
    QVERIFY(run.out.isEmpty());
    QCOMPARE(snapshot(dir.path()), before);
}

void TestZephrinCli::check_exitsOneOnFindings()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Run clean
        = runCli({QStringLiteral("check"), QStringLiteral("--type"), QStringLiteral("window-ad")});
    QCOMPARE(clean.exitCode, 0);
    QVERIFY2(clean.out.startsWith("The code adds "), clean.out.constData());

    // White text on a light colour, and the template's small links.
    const QStringList design {QStringLiteral("--type"), QStringLiteral("jumpy-ad"),
                              QStringLiteral("--colour"), QStringLiteral("FFFFCC")};
    const Run found = runCli(
        QStringList {QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("json")}
        + design);
    QCOMPARE(found.exitCode, 1);
    const QJsonObject report = QJsonDocument::fromJson(found.out).object();
    QStringList settings;
    for (const QJsonValue finding : report.value(QStringLiteral("findings")).toArray())
        settings << finding[QStringLiteral("setting")].toString();
    QCOMPARE(settings, (QStringList {QStringLiteral("colour"), QStringLiteral("type")}));

    // What the block adds is what adding it to a page adds.
    const QString page = dir.filePath(QStringLiteral("p.html"));
    QVERIFY(writeFile(page, "<p>page</p>\r\n"));
    QCOMPARE(runCli(QStringList {QStringLiteral("add")} + design + QStringList {page}).exitCode, 0);
    QCOMPARE(report[QStringLiteral("block")][QStringLiteral("bytes")].toInteger(),
             readFile(page).size() - 13);
}

QTEST_GUILESS_MAIN(TestZephrinCli)
#include "tst_zephrincli.moc"
