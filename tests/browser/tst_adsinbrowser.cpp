// The generated ads at work in a real browser engine: each support script
// together with its body and head sections, in the order the preview page and
// code insertion write them and in the order a user pastes them, and the
// demonstration pages built into the application folder.

#include "demopage.h"
#include "generator/bodysection.h"
#include "generator/encoder.h"
#include "generator/headsection.h"
#include "pages/pagetext.h"

#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

const QString marker = QStringLiteral("Marker-7Q2");
const QString otherMarker = QStringLiteral("Other-5W1"); // the second box's
// Script expressions for the box that holds the marker, and whether it shows.
const QString box = QStringLiteral("zBox('%1')").arg(marker);
const QString boxShown = QStringLiteral("zShown(%1)").arg(box);

// Records the page's script errors (uncaught exceptions included).
class ConsolePage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList errors;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override
    {
        if (level == ErrorMessageLevel)
            errors.append(QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message));
    }
};

enum class Order {
    Preview, // the preview page: body section, then head section
    Pasted, // a page of its own with the head section in its head, the body section in its body
    Inserted, // the block added at the end of a page of its own, as code insertion writes it
    AfterLoad, // Window AD's script run after the pasted page has loaded
};

QString supportDir()
{
    return qEnvironmentVariable("ZEPHRIN_SUPPORT_DIR");
}

QByteArray supportFile(const char *name)
{
    QFile f(QDir(supportDir()).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

AdSettings testSettings(AdType type)
{
    AdSettings s;
    s.type = type;
    s.height = QStringLiteral("180");
    s.width = QStringLiteral("280");
    s.horizontal = QStringLiteral("200");
    s.vertical = QStringLiteral("200");
    s.caption = type == AdType::ForceEmailer ? QStringLiteral("ads@tolvane.example")
                                             : QStringLiteral("My CAPTION");
    s.body = QStringLiteral("<b>") + marker + QStringLiteral("</b> sale today");
    s.colour = QStringLiteral("FFFFFF");
    return s;
}

// A page's own start-up code, which the ad must leave running.
const QString ownOnload = QStringLiteral("<body onload=\"document.title = 'own onload'\">");

QString bodyFor(const AdSettings &s)
{
    return encodedBodySection(s.type, rawBodySection(s));
}

QString pageFor(const AdSettings &s, Order order)
{
    const QString body = order == Order::AfterLoad ? QString() : bodyFor(s);
    const QString head = headSection(s, scriptLines(supportFile(adTypeInfo(s.type).supportScript)));
    if (order == Order::Preview)
        return QStringLiteral("<body>") + body + QStringLiteral("</body><head>") + head
            + QStringLiteral("</head>\r\n");
    if (order == Order::Inserted) {
        const PreparedPage page = preparePage(QStringLiteral("<!DOCTYPE html>\n<html><head>"
                                                             "<title>Mine</title></head>\n")
                                                  .append(ownOnload)
                                                  .append(QStringLiteral("<p>Before the ad.</p>"
                                                                         "</body></html>\n"))
                                                  .toUtf8());
        return QString::fromUtf8(pageWithBlock(page, bodyFor(s), head));
    }
    // A page's own body onload wins over the one Force Emailer's body section
    // brings along, so that box must start without it.
    return QStringLiteral("<!DOCTYPE html>\n<html><head>") + head + QStringLiteral("</head>\n")
        + ownOnload + QStringLiteral("<p>Before the ad.</p>") + body
        + QStringLiteral("<p id='after'>After the ad.</p></body></html>\n");
}

QString pageFor(AdType type, Order order)
{
    return pageFor(testSettings(type), order);
}

// The script of a body section, run by a script element added to the page's
// body, or to its head (the block of a page that is already shown).
QString addScriptAfterLoad(const QString &element, const QString &parent = QStringLiteral("body"))
{
    const QString code = element.mid(8, element.size() - 8 - 9); // <script> ... </script>
    return QStringLiteral("(function () { var s = document.createElement('script'); s.text = %1[0];"
                          " document.%2.appendChild(s); return true; })()")
        .arg(QString::fromUtf8(QJsonDocument(QJsonArray {code}).toJson(QJsonDocument::Compact)),
             parent);
}

// A script expression: condition on the box's rectangle r.
QString onBoxRect(const QString &condition)
{
    return QStringLiteral("(function (r) { return %1; })(%2.getBoundingClientRect())")
        .arg(condition, box);
}

// Script helpers every check uses. The box is found from the text inside it,
// so the checks do not depend on how a script builds or names it.
const QString helpers = QStringLiteral(R"(
function zBox(text) {
  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (var n; (n = walker.nextNode());)
    if (n.data.indexOf(text) >= 0 && !/^(SCRIPT|STYLE)$/.test(n.parentNode.nodeName))
      return n.parentElement.closest('[role=dialog]');
  return null;
}
function zShown(el) {
  if (!el || !el.isConnected) return false;
  var cs = getComputedStyle(el), r = el.getBoundingClientRect();
  return cs.display !== 'none' && cs.visibility === 'visible' && Number(cs.opacity) > 0.5
      && r.width > 0 && r.height > 0 && r.bottom > 0 && r.right > 0
      && r.top < innerHeight && r.left < innerWidth;
}
// Entrance effects can pass through the box's place on their way (Jumpy AD
// wiggles around it), so a place is only judged once they are over.
function zSettled(el) {
  return el.getAnimations().every(function (a) { return a.playState === 'finished'; });
}
function zName(el) {
  var ids = el.getAttribute('aria-labelledby');
  if (ids) return ids.split(/\s+/).map(function (id) {
    var l = document.getElementById(id); return l ? l.textContent : ''; }).join(' ').trim();
  return (el.getAttribute('aria-label') || '').trim();
}
)");

} // namespace

class AdsInBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void box_appearsAsNamedDialogWithBodyText_data();
    void box_appearsAsNamedDialogWithBodyText();
    void closeControl_hidesBox_data();
    void closeControl_hidesBox();
    void windowAd_minimisesMaximisesAndRestores();
    void windowAd_titleBarDragMovesWindow();
    void stickMeNote_leavesFollowingPageContentVisible();
    void timedBox_disappearsOnItsOwn_data();
    void timedBox_disappearsOnItsOwn();
    void timedBox_waitsWhilePointerOrFocusInside_data();
    void timedBox_waitsWhilePointerOrFocusInside();
    void demoPage_showsBoxWithoutErrors_data();
    void demoPage_showsBoxWithoutErrors();
    void reducedMotion_showsBoxInPlaceAtOnce_data();
    void reducedMotion_showsBoxInPlaceAtOnce();
    void hostPage_keepsItsOwnWaysBesideTheBox_data();
    void hostPage_keepsItsOwnWaysBesideTheBox();

private:
    bool load(const QString &html);
    bool loadUrl(const QUrl &url);
    QVariant eval(const QString &script);
    bool check(const QString &expression) { return eval(expression).toBool(); }

    QTemporaryDir m_dir;
    std::unique_ptr<QWebEngineView> m_view;
    std::unique_ptr<ConsolePage> m_page;
};

void AdsInBrowser::initTestCase()
{
    QVERIFY2(QFileInfo::exists(QDir(supportDir()).filePath(QStringLiteral("popup1.js"))),
             "ZEPHRIN_SUPPORT_DIR must name the support folder");
    QVERIFY(m_dir.isValid());
    m_view = std::make_unique<QWebEngineView>();
    m_view->show();
}

void AdsInBrowser::init()
{
    auto page = std::make_unique<ConsolePage>();
    m_view->setPage(page.get());
    m_page = std::move(page); // the view lets go of the old page first
    m_view->resize(800, 600);
}

void AdsInBrowser::cleanup()
{
    if (QTest::currentTestFailed() && m_page && !m_page->errors.isEmpty())
        qWarning() << "script errors:" << m_page->errors.mid(0, 5);
}

bool AdsInBrowser::loadUrl(const QUrl &url)
{
    QSignalSpy finished(m_page.get(), &QWebEnginePage::loadFinished);
    m_page->load(url);
    if (!finished.wait(15000) || !finished.first().first().toBool())
        return false;
    m_page->runJavaScript(helpers);
    return true;
}

bool AdsInBrowser::load(const QString &html)
{
    static int n = 0;
    QFile file(m_dir.filePath(QStringLiteral("page%1.html").arg(++n)));
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0)
        return false;
    file.close();
    return loadUrl(QUrl::fromLocalFile(file.fileName()));
}

QVariant AdsInBrowser::eval(const QString &script)
{
    // The callback may come after a timeout, so it must not touch this frame.
    struct Result
    {
        bool done = false;
        QVariant value;
    };
    auto result = std::make_shared<Result>();
    const QString guarded
        = QStringLiteral("(function () { try { return (%1); } catch (e) { return null; } })()")
              .arg(script);
    m_page->runJavaScript(guarded, [result](const QVariant &v) {
        result->value = v;
        result->done = true;
    });
    QDeadlineTimer deadline(5000);
    while (!result->done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return result->value;
}

// ---------------------------------------------------------------------------

void AdsInBrowser::box_appearsAsNamedDialogWithBodyText_data()
{
    QTest::addColumn<AdSettings>("settings");
    QTest::addColumn<Order>("order");
    QTest::addColumn<QString>("name"); // expected accessible name; empty: any
    QTest::addColumn<QString>("placement"); // script condition on the box's rectangle r
    QTest::addColumn<bool>("whiteBox"); // the box itself carries the background colour
    QTest::addColumn<QSize>("view");

    const QString centred
        = QStringLiteral("Math.abs(r.left + r.width / 2 - innerWidth / 2) <= 1 && "
                         "Math.abs(r.top + r.height / 2 - innerHeight / 2) <= 1");
    const QString at200
        = QStringLiteral("Math.abs(r.left - 200) <= 1 && Math.abs(r.top - 200) <= 1");
    const QString caption = QStringLiteral("My CAPTION");
    const QSize desktop(800, 600);
    for (Order order : {Order::Preview, Order::Pasted, Order::Inserted}) {
        const char *o = order == Order::Preview ? "preview order"
            : order == Order::Pasted            ? "pasted order"
                                                : "inserted order";
        QTest::addRow("StickME note, %s", o) << testSettings(AdType::StickMeNote) << order
                                             << QString() << centred << true << desktop;
        QTest::addRow("Window AD, %s", o)
            << testSettings(AdType::WindowAd) << order << caption << at200 << true << desktop;
        QTest::addRow("Jumpy AD, %s", o)
            << testSettings(AdType::JumpyAd) << order << QString() << at200 << true << desktop;
        QTest::addRow("Force Emailer, %s", o)
            << testSettings(AdType::ForceEmailer) << order << QString() << at200 << true << desktop;
        QTest::addRow("Timer AD, %s", o)
            << testSettings(AdType::TimerAd) << order << QString() << at200 << false << desktop;
    }
    QTest::newRow("Window AD, added after the page loaded")
        << testSettings(AdType::WindowAd) << Order::AfterLoad << caption << at200 << true
        << desktop;
    AdSettings noCaption = testSettings(AdType::WindowAd);
    noCaption.caption.clear();
    QTest::newRow("Window AD, no caption")
        << noCaption << Order::Preview << QStringLiteral("Announcement window") << at200 << true
        << desktop;
    AdSettings accents = testSettings(AdType::WindowAd);
    accents.caption = QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac") + QChar(0) + QChar(0x1B);
    QTest::newRow("Window AD, non-ASCII and controls in caption")
        << accents << Order::Inserted << accents.caption << at200 << true << desktop;
    // A phone: the box is 280 wide at 200 from the left, yet stays inside.
    const QString inside
        = QStringLiteral("r.left >= 0 && r.right <= document.documentElement.clientWidth");
    for (AdType type : DemoPage::allTypes) {
        QTest::addRow("%s, narrow window", adTypeInfo(type).caption)
            << testSettings(type) << Order::Pasted << QString() << inside
            << (type != AdType::TimerAd) << QSize(360, 640);
    }
}

void AdsInBrowser::box_appearsAsNamedDialogWithBodyText()
{
    QFETCH(AdSettings, settings);
    QFETCH(Order, order);
    QFETCH(QString, name);
    QFETCH(QString, placement);
    QFETCH(bool, whiteBox);
    QFETCH(QSize, view);

    m_view->resize(view);
    QVERIFY(load(pageFor(settings, order)));
    if (order == Order::AfterLoad) {
        QCOMPARE(eval(QStringLiteral("document.readyState")).toString(),
                 QStringLiteral("complete"));
        QVERIFY(check(addScriptAfterLoad(bodyFor(settings))));
    }
    QTRY_VERIFY_WITH_TIMEOUT(check(boxShown), 15000);
    // Entrance effects (1.6 s at most) end at the box's own place; the wait
    // allows for a busy machine.
    QTRY_VERIFY_WITH_TIMEOUT(check(QStringLiteral("zSettled(%1)").arg(box)), 15000);
    QVERIFY(check(onBoxRect(placement)));
    const QString accessibleName = eval(QStringLiteral("zName(%1)").arg(box)).toString();
    if (name.isEmpty())
        QVERIFY(!accessibleName.isEmpty());
    else
        QCOMPARE(accessibleName, name);
    if (whiteBox) {
        QCOMPARE(eval(QStringLiteral("getComputedStyle(%1).backgroundColor").arg(box)).toString(),
                 QStringLiteral("rgb(255, 255, 255)"));
    }
    // The page's own load handler ran beside the ad's.
    if (order != Order::Preview)
        QCOMPARE(eval(QStringLiteral("document.title")).toString(), QStringLiteral("own onload"));
    QCOMPARE(m_page->errors, QStringList());
}

void AdsInBrowser::closeControl_hidesBox_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<QString>("action");

    const QString esc = QStringLiteral(
        "document.dispatchEvent(new KeyboardEvent('keydown', {key: 'Escape', bubbles: true}))");
    QTest::newRow("StickME note, Hide Box link")
        << AdType::StickMeNote << QStringLiteral("document.querySelector('#fadeinbox a').click()");
    QTest::newRow("StickME note, Esc") << AdType::StickMeNote << esc;
    QTest::newRow("Window AD, close button")
        << AdType::WindowAd
        << QStringLiteral("document.querySelector('button[aria-label=Close]').click()");
    QTest::newRow("Window AD, Esc") << AdType::WindowAd << esc;
    QTest::newRow("Jumpy AD, Close Box link")
        << AdType::JumpyAd << QStringLiteral("document.querySelector('#dropin a').click()");
    QTest::newRow("Jumpy AD, Esc") << AdType::JumpyAd << esc;
}

void AdsInBrowser::closeControl_hidesBox()
{
    QFETCH(AdType, type);
    QFETCH(QString, action);

    QVERIFY(load(pageFor(type, Order::Preview)));
    QTRY_VERIFY_WITH_TIMEOUT(check(boxShown), 15000);
    eval(action);
    QTRY_VERIFY_WITH_TIMEOUT(!check(boxShown), 2000);
    // The links' href is '#': closing must not navigate or scroll the page.
    QCOMPARE(eval(QStringLiteral("location.hash")).toString(), QString());
    QCOMPARE(m_page->errors, QStringList());
}

void AdsInBrowser::windowAd_minimisesMaximisesAndRestores()
{
    QVERIFY(load(pageFor(AdType::WindowAd, Order::Preview)));
    const QString text = QStringLiteral("zShown(%1.lastChild)").arg(box);
    const QString rect = onBoxRect(QStringLiteral("[r.left, r.top, r.width, r.height]"));
    const auto click = [this](const char *label) {
        eval(QStringLiteral("document.querySelector('button[aria-label=%1]').click()")
                 .arg(QLatin1String(label)));
    };
    QTRY_VERIFY_WITH_TIMEOUT(check(text), 15000);
    const QVariantList normal = eval(rect).toList();
    QCOMPARE(normal, (QVariantList {200, 200, 280, 180}));

    // A title button is named for what it does next.
    const QString labels = QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('[role=dialog] button'),"
        " function (b) { return b.getAttribute('aria-label') + '/' + b.title; }).join(' ')");
    const QString normalLabels = QStringLiteral("Minimise/Minimise Maximise/Maximise Close/Close");
    QCOMPARE(eval(labels).toString(), normalLabels);

    click("Minimise");
    QVERIFY(!check(text));
    QVERIFY(eval(rect).toList().at(3).toDouble() < 60);
    QCOMPARE(eval(labels).toString(),
             QStringLiteral("Restore/Restore Maximise/Maximise Close/Close"));
    click("Restore");
    QVERIFY(check(text));
    QCOMPARE(eval(rect).toList(), normal);
    QCOMPARE(eval(labels).toString(), normalLabels);

    click("Maximise");
    QCOMPARE(
        eval(rect).toList(),
        eval(QStringLiteral("[0, 0, document.documentElement.clientWidth, innerHeight]")).toList());
    QCOMPARE(eval(labels).toString(),
             QStringLiteral("Minimise/Minimise Restore/Restore Close/Close"));
    click("Restore");
    QCOMPARE(eval(rect).toList(), normal);
    QCOMPARE(eval(labels).toString(), normalLabels);
    QCOMPARE(m_page->errors, QStringList());
}

void AdsInBrowser::windowAd_titleBarDragMovesWindow()
{
    QVERIFY(load(pageFor(AdType::WindowAd, Order::Preview)));
    const QString where = onBoxRect(QStringLiteral("[r.left, r.top]"));
    QTRY_VERIFY_WITH_TIMEOUT(eval(where).toList() == (QVariantList {200, 200}), 15000);

    // Real mouse input, through the widget that renders the page.
    QWidget *surface = m_view->focusProxy();
    QVERIFY(surface);
    const QPoint grip(215, 208); // on the caption, left of the buttons
    QTest::mousePress(surface, Qt::LeftButton, {}, grip);
    for (int step = 1; step <= 5; ++step) {
        QMouseEvent move(QEvent::MouseMove, grip + QPoint(10 * step, 6 * step),
                         surface->mapToGlobal(grip + QPoint(10 * step, 6 * step)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &move);
        QTest::qWait(20);
    }
    QTest::mouseRelease(surface, Qt::LeftButton, {}, grip + QPoint(50, 30));
    QTRY_COMPARE_WITH_TIMEOUT(eval(where).toList(), (QVariantList {250, 230}), 3000);
    QCOMPARE(m_page->errors, QStringList());
}

void AdsInBrowser::stickMeNote_leavesFollowingPageContentVisible()
{
    // The note's mark-up leaves its divisions open; the page after it must
    // not end up inside the note.
    QVERIFY(load(pageFor(AdType::StickMeNote, Order::Pasted)));
    QTRY_VERIFY_WITH_TIMEOUT(check(boxShown), 15000);
    QVERIFY(check(QStringLiteral("!document.getElementById('fadeinbox')"
                                 ".contains(document.getElementById('after'))")));
    eval(QStringLiteral("hidefadebox()"));
    QVERIFY(check(QStringLiteral("getComputedStyle(document.getElementById('after'))"
                                 ".visibility === 'visible'")));
}

void AdsInBrowser::timedBox_disappearsOnItsOwn_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<int>("withinMs");
    QTest::newRow("Force Emailer, 5 s") << AdType::ForceEmailer << 7000;
    QTest::newRow("Timer AD, a few s") << AdType::TimerAd << 9000;
}

void AdsInBrowser::timedBox_disappearsOnItsOwn()
{
    QFETCH(AdType, type);
    QFETCH(int, withinMs);

    QVERIFY(load(pageFor(type, Order::Preview)));
    QTRY_VERIFY_WITH_TIMEOUT(check(boxShown), 15000);
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(!check(boxShown), withinMs);
    QVERIFY2(clock.elapsed() > 3000, "gone too soon to be read");
    QCOMPARE(m_page->errors, QStringList());
}

void AdsInBrowser::timedBox_waitsWhilePointerOrFocusInside_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<QString>("enter");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("holdMs");

    QTest::newRow("Timer AD, pointer inside")
        << AdType::TimerAd
        << box + QStringLiteral(".dispatchEvent(new PointerEvent('pointerenter'))")
        << box + QStringLiteral(".dispatchEvent(new PointerEvent('pointerleave'))") << 8000;
    QTest::newRow("Force Emailer, focus on Subscribe")
        << AdType::ForceEmailer
        << QStringLiteral("document.querySelector('#msg input[type=submit]')"
                          ".dispatchEvent(new FocusEvent('focusin', {bubbles: true}))")
        << QStringLiteral("document.querySelector('#msg input[type=submit]')"
                          ".dispatchEvent(new FocusEvent('focusout', {bubbles: true}))")
        << 6500;
}

void AdsInBrowser::timedBox_waitsWhilePointerOrFocusInside()
{
    QFETCH(AdType, type);
    QFETCH(QString, enter);
    QFETCH(QString, leave);
    QFETCH(int, holdMs);

    QVERIFY(load(pageFor(type, Order::Preview)));
    QTRY_VERIFY_WITH_TIMEOUT(check(boxShown), 15000);
    eval(enter);
    QTest::qWait(holdMs); // longer than the box's whole showing time
    QVERIFY(check(boxShown));
    eval(leave);
    QTRY_VERIFY_WITH_TIMEOUT(!check(boxShown), holdMs);
    QCOMPARE(m_page->errors, QStringList());
}

void AdsInBrowser::demoPage_showsBoxWithoutErrors_data()
{
    QTest::addColumn<AdType>("type");
    for (AdType type : DemoPage::allTypes)
        QTest::newRow(adTypeInfo(type).demoPage) << type;
}

void AdsInBrowser::demoPage_showsBoxWithoutErrors()
{
    QFETCH(AdType, type);
    const AdTypeInfo &info = adTypeInfo(type);
    m_view->resize(545, 377); // the preview window's browser
    // The pages are built into the application folder with the program.
    QVERIFY(
        loadUrl(QUrl::fromLocalFile(QDir(QStringLiteral(ZEPHRIN_APP_DIR))
                                        .absoluteFilePath(QString::fromLatin1(info.demoPage)))));
    // The sample text's first words, as the box shows them.
    const QString body = DemoPage::sampleSettings(type).body;
    const QString words = body.mid(3, body.indexOf(QLatin1Char('<'), 3) - 3);
    const QString quoted
        = QString::fromUtf8(QJsonDocument(QJsonArray {words}).toJson(QJsonDocument::Compact));
    QTRY_VERIFY_WITH_TIMEOUT(check(QStringLiteral("zShown(zBox(%1[0]))").arg(quoted)), 15000);
    QCOMPARE(m_page->errors, QStringList());
}

// Runs in a process of its own, started with the engine's reduced-motion switch.
void AdsInBrowser::reducedMotion_showsBoxInPlaceAtOnce_data()
{
    QTest::addColumn<AdType>("type");
    QTest::newRow("StickME note fades") << AdType::StickMeNote;
    QTest::newRow("Jumpy AD falls and wiggles") << AdType::JumpyAd;
    QTest::newRow("Force Emailer slides") << AdType::ForceEmailer;
}

void AdsInBrowser::reducedMotion_showsBoxInPlaceAtOnce()
{
    QFETCH(AdType, type);
    QVERIFY(load(pageFor(type, Order::Preview)));
    if (!check(QStringLiteral("matchMedia('(prefers-reduced-motion: reduce)').matches")))
        QSKIP("needs the browser's --force-prefers-reduced-motion switch");
    QTRY_VERIFY_WITH_TIMEOUT(check(boxShown), 2000);
    QVERIFY(check(QStringLiteral("document.getAnimations().length === 0")));
    QCOMPARE(eval(QStringLiteral("getComputedStyle(%1).opacity").arg(box)).toString(),
             QStringLiteral("1"));
    const QString position = onBoxRect(QStringLiteral("r.left + ',' + r.top"));
    const QString first = eval(position).toString();
    QTest::qWait(300);
    QCOMPARE(eval(position).toString(), first);
    QCOMPARE(m_page->errors, QStringList());
}

// Pages with ways of their own that a guest must leave alone. A page
// template holds %head% and %body% where the head and body sections of the
// box (and the second box, if any) are pasted. Steps run in order once the
// boxes show: "key:Escape" is a real key press, "inject" (or "inject:head")
// adds the body sections to the body (or head) after the page has loaded,
// "expect:" waits for a condition, and anything else is run as script. BOX and OTHER stand for the
// two boxes.
void AdsInBrowser::hostPage_keepsItsOwnWaysBesideTheBox_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<AdType>("second");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("steps");

    const auto page = [](const QString &head, const QString &before, const QString &after,
                         const QString &html = QStringLiteral("<html>")) {
        return QStringLiteral("<!DOCTYPE html>\n") + html + QStringLiteral("<head>%head%") + head
            + QStringLiteral("</head>\n<body><p id=own>Own text.</p>") + before
            + QStringLiteral("%body%") + after + QStringLiteral("</body></html>\n");
    };
    const AdType none = AdType::None;
    const QString esc = QStringLiteral("key:Escape");

    QTest::newRow("own var s before, let i and const u after the block")
        << AdType::StickMeNote << none
        << page({}, QStringLiteral("<script>var s = 'analytics';</script>"),
                QStringLiteral("<script>let i = 1; const u = 2; var ownRan = s + i + u;</script>"))
        << QStringList {QStringLiteral("expect:window.ownRan === 'analytics12' && typeof md === "
                                       "'undefined'")};
    QTest::newRow("own window.onload")
        << AdType::ForceEmailer << none
        << page(QStringLiteral("<script>window.onload = function () { window.ownLoad = true; "
                               "};</script>"),
                {}, {})
        << QStringList {QStringLiteral("expect:window.ownLoad === true")};
    QTest::newRow("lang=fr, body attributes untouched")
        << AdType::ForceEmailer << none << page({}, {}, {}, QStringLiteral("<html lang=fr>"))
        << QStringList {QStringLiteral("expect:document.body.attributes.length === 0 && "
                                       "document.body.closest('[lang]').lang === 'fr'")};
    const QString ownIds = QStringLiteral(
        "<style>#msg, #dropin, #fadeinbox, #sponsorAdDiv { color: rgb(1, 2, 3) }</style>"
        "<div id=msg>Own msg</div><div id=dropin>Own dropin</div>"
        "<div id=fadeinbox>Own fadeinbox</div><div id=sponsorAdDiv>Own sponsorAdDiv</div>");
    const QString idsUntouched = QStringLiteral(
        "expect:['msg', 'dropin', 'fadeinbox', 'sponsorAdDiv'].every(function (id) {"
        " var e = document.getElementById(id), cs = getComputedStyle(e);"
        " return e.textContent === 'Own ' + id && !e.hasAttribute('role') && !e.style.cssText"
        " && cs.position === 'static' && cs.visibility === 'visible'"
        " && cs.color === 'rgb(1, 2, 3)'; })");
    for (AdType type :
         {AdType::StickMeNote, AdType::JumpyAd, AdType::ForceEmailer, AdType::TimerAd}) {
        QTest::addRow("own ids msg, dropin, fadeinbox, sponsorAdDiv; %s", adTypeInfo(type).caption)
            << type << none << page({}, ownIds, {}) << QStringList {idsUntouched};
    }
    QTest::newRow("own popUp function")
        << AdType::WindowAd << none
        << page({}, {},
                QStringLiteral("<script>function popUp(url) { return 'own ' + url; }</script>"))
        << QStringList {QStringLiteral("expect:popUp('x') === 'own x'")};
    QTest::newRow("pasted mid-page before a </div>")
        << AdType::StickMeNote << none
        << page({}, QStringLiteral("<div id=wrap>"), QStringLiteral("</div><p id=tail>Tail</p>"))
        << QStringList {QStringLiteral(
               "expect:BOX.parentNode.id === 'wrap' && document.getElementById('tail')"
               ".parentNode === document.body && zShown(document.getElementById('tail'))")};
    QTest::newRow("body section injected after load")
        << AdType::JumpyAd << none << page({}, {}, {}).remove(QStringLiteral("%body%"))
        << QStringList {QStringLiteral("inject"),
                        QStringLiteral("expect:zShown(BOX) && zSettled(BOX) && "
                                       "document.getElementById('own').textContent === 'Own "
                                       "text.' && document.title === 'Mine'")};
    QTest::newRow("body section injected into the head after load")
        << AdType::TimerAd << none << page({}, {}, {}).remove(QStringLiteral("%body%"))
        << QStringList {QStringLiteral("inject:head"), QStringLiteral("expect:zShown(BOX)")};
    QTest::newRow("own modal dialog takes Esc first")
        << AdType::StickMeNote << none
        << page({}, QStringLiteral("<dialog id=mine><button>OK</button></dialog>"), {})
        << QStringList {QStringLiteral("document.getElementById('mine').showModal()"), esc,
                        QStringLiteral("expect:!document.getElementById('mine').open && "
                                       "zShown(BOX)"),
                        esc, QStringLiteral("expect:!zShown(BOX)")};
    QTest::newRow("own Esc handler that prevents the default")
        << AdType::JumpyAd << none
        << page(QStringLiteral("<script>document.addEventListener('keydown', function (e) { if "
                               "(e.key === 'Escape') { e.preventDefault(); window.ownEsc = "
                               "true; } });</script>"),
                {}, {})
        << QStringList {esc, QStringLiteral("expect:window.ownEsc === true && zShown(BOX)")};
    QTest::newRow("two boxes, Esc closes the topmost only")
        << AdType::StickMeNote << AdType::JumpyAd << page({}, {}, {})
        << QStringList {esc, QStringLiteral("expect:zShown(BOX) && !zShown(OTHER)"), esc,
                        QStringLiteral("expect:!zShown(BOX) && !zShown(OTHER)")};
    for (AdType type : DemoPage::allTypes) {
        QTest::addRow("fixed header with z-index 10; %s", adTypeInfo(type).caption)
            << type << none
            << page({},
                    QStringLiteral("<div style='position:fixed; top:0; left:0; right:0; "
                                   "height:500px; z-index:10; background:#eee'>Menu</div>"),
                    {})
            << QStringList {QStringLiteral(
                   "expect:(function (r) { return BOX.contains(document.elementFromPoint("
                   "r.left + r.width / 2, r.top + r.height / 2)); "
                   "})(BOX.getBoundingClientRect())")};
    }
    // Focus goes from the page into the box; Esc closes it and puts focus back.
    const QString ownButton = QStringLiteral("<button id=mine>Mine</button>");
    const QString focusMine = QStringLiteral("document.getElementById('mine').focus()");
    const QString focusBack
        = QStringLiteral("expect:!zShown(BOX) && document.activeElement.id === 'mine'");
    for (AdType type : {AdType::WindowAd, AdType::ForceEmailer, AdType::TimerAd}) {
        QTest::addRow("Esc from inside the box gives focus back; %s", adTypeInfo(type).caption)
            << type << none << page({}, ownButton, {})
            << QStringList {focusMine,
                            QStringLiteral("BOX.querySelector('a[href], input, button').focus()"),
                            esc, focusBack};
    }
    QTest::newRow("Window AD title buttons at least 24 px")
        << AdType::WindowAd << none << page({}, {}, {})
        << QStringList {QStringLiteral(
               "expect:Array.prototype.every.call(BOX.querySelectorAll('button'), function (b) {"
               " var r = b.getBoundingClientRect(); return r.width >= 24 && r.height >= 24; })")};
}

void AdsInBrowser::hostPage_keepsItsOwnWaysBesideTheBox()
{
    QFETCH(AdType, type);
    QFETCH(AdType, second);
    QFETCH(QString, page);
    QFETCH(QStringList, steps);

    QList<AdSettings> boxes {testSettings(type)};
    if (second != AdType::None) {
        boxes.append(testSettings(second));
        boxes.last().body.replace(marker, otherMarker);
    }
    QString head, body;
    for (const AdSettings &s : boxes) {
        head += headSection(s, scriptLines(supportFile(adTypeInfo(s.type).supportScript)));
        body += bodyFor(s);
    }
    const bool pasted = page.contains(QStringLiteral("%body%"));
    page.replace(QStringLiteral("%head%"), head)
        .replace(QStringLiteral("%body%"), body)
        .replace(QStringLiteral("<head>"), QStringLiteral("<head><title>Mine</title>"));
    QVERIFY(load(page));
    const QString other = QStringLiteral("zBox('%1')").arg(otherMarker);
    if (pasted) {
        for (const QString &b : QStringList {box, other}.mid(0, boxes.size())) {
            QTRY_VERIFY_WITH_TIMEOUT(check(QStringLiteral("zShown(%1)").arg(b)), 15000);
            QTRY_VERIFY_WITH_TIMEOUT(check(QStringLiteral("zSettled(%1)").arg(b)), 15000);
        }
    }
    // Keys and focus events reach a page only while it has the focus.
    m_view->activateWindow();
    m_view->setFocus();
    QTRY_VERIFY(check(QStringLiteral("document.hasFocus()")));
    for (QString step : steps) {
        step.replace(QLatin1String("BOX"), box).replace(QLatin1String("OTHER"), other);
        if (step == QLatin1String("key:Escape")) {
            QTest::keyClick(m_view->focusProxy(), Qt::Key_Escape);
        } else if (step.startsWith(QLatin1String("inject"))) {
            QCOMPARE(eval(QStringLiteral("document.readyState")).toString(),
                     QStringLiteral("complete"));
            QVERIFY(check(addScriptAfterLoad(body,
                                             step.endsWith(QLatin1String(":head"))
                                                 ? QStringLiteral("head")
                                                 : QStringLiteral("body"))));
        } else if (step.startsWith(QLatin1String("expect:"))) {
            QTRY_VERIFY2_WITH_TIMEOUT(check(step.mid(7)), qPrintable(step), 5000);
        } else {
            eval(step);
        }
    }
    QCOMPARE(m_page->errors, QStringList());
}

QTEST_MAIN(AdsInBrowser)
#include "tst_adsinbrowser.moc"
