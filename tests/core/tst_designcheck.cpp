// The design check: each finding's setting and figure, the figures worked out
// by hand from WCAG's contrast formula and the box's place on a phone screen.

#include "generator/designcheck.h"
#include "generator/settingsfile.h"

#include <QTest>

Q_DECLARE_METATYPE(AdSettings)

class TestDesignCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkDesign_findsWhatToChange_data();
    void checkDesign_findsWhatToChange();
};

void TestDesignCheck::checkDesign_findsWhatToChange_data()
{
    QTest::addColumn<AdSettings>("settings");
    QTest::addColumn<QStringList>("expected"); // each finding's setting and figure

    // The type's defaults with a colour, a size and a top.
    const auto design = [](AdType type, const char *colour = "FFFFFF", int width = 280,
                           int height = 180, int top = 200) {
        AdSettings s = defaultSettings(type);
        s.colour = QLatin1String(colour);
        s.width = QString::number(width);
        s.height = QString::number(height);
        if (type != AdType::StickMeNote)
            s.vertical = QString::number(top);
        return s;
    };
    const QString small = QStringLiteral("type 19 px"); // every type's credit link but Window AD

    QTest::newRow("Window AD, the defaults") << design(AdType::WindowAd) << QStringList();
    // Contrast: black text, the template's own, and links #0000EE.
    QTest::newRow("Jumpy AD, white text on a light colour")
        << design(AdType::JumpyAd, "FFFFCC") << QStringList {"colour 1.02:1", small};
    QTest::newRow("Jumpy AD, green text on the untouched white")
        << design(AdType::JumpyAd) << QStringList {small};
    QTest::newRow("StickME note on navy: text and links")
        << design(AdType::StickMeNote, "000080")
        << QStringList {"colour 1.31:1", "colour 1.70:1", small};
    AdSettings modern = design(AdType::StickMeNote, "000080");
    modern.look = Look::Modern;
    QTest::newRow("StickME note on navy, modern look") << modern << QStringList();
    QTest::newRow("Timer AD on 777777: black text 4.69:1 passes, links do not")
        << design(AdType::TimerAd, "777777") << QStringList {"colour 2.09:1", small};
    QTest::newRow("Window AD on 336699")
        << design(AdType::WindowAd, "336699") << QStringList {"colour 3.50:1"};
    // Storage when the box shows.
    AdSettings visit = design(AdType::WindowAd);
    visit.rules.showAgain = DisplayRules::ShowAgain::OncePerVisit;
    QTest::newRow("once per visit") << visit << QStringList {"storage sessionStorage"};
    AdSettings days = design(AdType::JumpyAd);
    days.rules.showAgain = DisplayRules::ShowAgain::EveryNDays;
    days.rules.days = 7;
    QTest::newRow("every 7 days") << days << QStringList {small, "storage localStorage"};
    days.rules.storage = DisplayRules::Storage::OnClose;
    QTest::newRow("every 7 days, stored on close") << days << QStringList {small};
    // The share of a 360 x 640 screen: the box's width inside 344 px, its rows on screen.
    QTest::newRow("240 x 288: 30 %, no more")
        << design(AdType::WindowAd, "FFFFFF", 240, 288) << QStringList();
    QTest::newRow("240 x 298: 31 %")
        << design(AdType::WindowAd, "FFFFFF", 240, 298) << QStringList {"height 31 %"};
    QTest::newRow("Window AD above the top moves down to it")
        << design(AdType::WindowAd, "FFFFFF", 280, 300, -100) << QStringList {"height 36 %"};
    QTest::newRow("Jumpy AD above the top: only its lower part shows")
        << design(AdType::JumpyAd, "FFFFFF", 280, 300, -100) << QStringList {small};
    QTest::newRow("low on the page: the rows below the screen")
        << design(AdType::WindowAd, "FFFFFF", 400, 300, 500) << QStringList();
    QTest::newRow("StickME note in the middle, whatever its top")
        << design(AdType::StickMeNote, "FFFFFF", 280, 300) << QStringList {small, "height 36 %"};
    QTest::newRow("wider than the phone: 344 px of it")
        << design(AdType::TimerAd, "FFFFFF", 1000, 210, 0) << QStringList {small, "height 31 %"};
    QTest::newRow("Force Emailer sends mail")
        << design(AdType::ForceEmailer) << QStringList {small, "caption mailto:you@example.com"};
}

void TestDesignCheck::checkDesign_findsWhatToChange()
{
    QFETCH(AdSettings, settings);
    QFETCH(QStringList, expected);

    QStringList found;
    for (const DesignFinding &f : checkDesign(settings, GeneratedCode()).findings)
        found << f.setting + QLatin1Char(' ') + f.figure;
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestDesignCheck)
#include "tst_designcheck.moc"
