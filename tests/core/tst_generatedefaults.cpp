#include "generator/generatedefaults.h"

#include <QTest>

Q_DECLARE_METATYPE(AdType)

namespace {

using Field = SettingsFormState::Field;

SettingsFormState state(std::array<Field, 5> fields, std::array<bool, 5> labels,
                        const QString &captionLabel)
{
    SettingsFormState s;
    s.fields = fields;
    s.labelsEnabled = labels;
    s.captionLabel = captionLabel;
    return s;
}

const Field height {"180", true};
const Field width {"280", true};
const Field horizontal {"200", true};
const Field vertical {"200", true};
const Field notRequired {"<Not required>", false};
const std::array<bool, 5> allLabels {true, true, true, true, true};

QString describe(const SettingsFormState &s)
{
    QStringList parts;
    for (const Field &f : s.fields)
        parts << QStringLiteral("%1%2").arg(f.text, f.enabled ? "" : " (disabled)");
    for (bool on : s.labelsEnabled)
        parts << (on ? "label on" : "label off");
    parts << s.captionLabel;
    return parts.join(QStringLiteral(", "));
}

} // namespace

Q_DECLARE_METATYPE(SettingsFormState)

class TestGenerateDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generateDefaults_perType_data();
    void generateDefaults_perType();
    void formState_comparesEveryPart_data();
    void formState_comparesEveryPart();
};

void TestGenerateDefaults::generateDefaults_perType_data()
{
    QTest::addColumn<AdType>("type");
    QTest::addColumn<SettingsFormState>("expected");

    const Field centre {"<Center>", false};
    QTest::newRow("stickme note") << AdType::StickMeNote
                                  << state({height, width, centre, centre, notRequired},
                                           {true, true, false, false, false}, "Caption");
    const SettingsFormState allOpen
        = state({height, width, horizontal, vertical, Field {"", true}}, allLabels, "Caption");
    QTest::newRow("window ad") << AdType::WindowAd << allOpen;
    const SettingsFormState captionNotRequired
        = state({height, width, horizontal, vertical, notRequired}, allLabels, "Caption");
    QTest::newRow("jumpy ad keeps caption label enabled") << AdType::JumpyAd << captionNotRequired;
    QTest::newRow("force emailer")
        << AdType::ForceEmailer
        << state({height, width, horizontal, vertical, Field {"you@example.com", true}}, allLabels,
                 "Email to:");
    QTest::newRow("timer ad keeps caption label enabled") << AdType::TimerAd << captionNotRequired;
    QTest::newRow("no type") << AdType::None << allOpen;
}

void TestGenerateDefaults::generateDefaults_perType()
{
    QFETCH(AdType, type);
    QFETCH(SettingsFormState, expected);
    const SettingsFormState actual = generateDefaults(type);
    QVERIFY2(actual == expected, qPrintable(describe(actual)));
}

void TestGenerateDefaults::formState_comparesEveryPart_data()
{
    QTest::addColumn<SettingsFormState>("changed");

    SettingsFormState s = generateDefaults(AdType::WindowAd);
    s.fields[0].text = "300";
    QTest::newRow("field text") << s;
    s = generateDefaults(AdType::WindowAd);
    s.fields[4].enabled = false;
    QTest::newRow("field enabled") << s;
    s = generateDefaults(AdType::WindowAd);
    s.labelsEnabled[4] = false;
    QTest::newRow("label enabled") << s;
    s = generateDefaults(AdType::WindowAd);
    s.captionLabel = "Email to:";
    QTest::newRow("caption label") << s;
}

void TestGenerateDefaults::formState_comparesEveryPart()
{
    QFETCH(SettingsFormState, changed);
    const SettingsFormState defaults = generateDefaults(AdType::WindowAd);
    QVERIFY(defaults == generateDefaults(AdType::WindowAd));
    QVERIFY(!(changed == defaults));
}

QTEST_GUILESS_MAIN(TestGenerateDefaults)
#include "tst_generatedefaults.moc"
