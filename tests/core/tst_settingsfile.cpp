#include "generator/settingsfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// A value each setting takes (as a file and the option give it, and as the
// file keeps it) and one it refuses (a JSON number where it is a number), by
// the setting's path. A setting without a row here fails the table.
const QMap<QString, std::pair<QString, QString>> samples {
    {"type", {"jumpy-ad", "banner"}},
    {"height", {"250", "-3"}},
    {"width", {"0", "12px"}},
    {"left", {"-20", "1.5"}},
    {"top", {"999999999", "1000000000"}},
    {"caption", {"\"Hi\" & <b>you</b>", {}}}, // any text: a file's number is refused
    {"form-field", {"fields[addr]", "my field"}},
    {"colour", {"00FF7F", "12345G"}},
    {"body", {"one\r\ntwo\u00a0three", {}}},
    {"look", {"modern", "Modern"}},
    {"analytics", {"matomo", "google"}},
    {"rules.start", {"scroll:40", "delay:0"}},
    {"rules.show-again", {"days:7", "days:3651"}},
    {"rules.storage", {"consent", "on-view"}},
    {"rules.from", {"2026-12-01", "2026-02-30"}},
    {"rules.until", {"2026-12-24", "2026-2-1"}},
    {"rules.screens", {"narrow", "tall"}},
    {"texts.language", {"pl", "en-GB"}},
    {"texts.close", {"Zu", ""}},
    {"texts.notice", {"Gleich weg", ""}},
    {"texts.button", {"Los", ""}},
    {"texts.thanks", {"Danke!", ""}},
};

// key: value in a settings file of the newest version, value where setting keeps it.
QByteArray fileWith(const Setting &setting, const QJsonValue &value)
{
    QJsonObject file {{"version", settingsFileVersion}};
    if (setting.group == SettingGroup::Top)
        file.insert(QLatin1String(setting.key), value);
    else
        file.insert(setting.path().section(QLatin1Char('.'), 0, 0),
                    QJsonObject {{QLatin1String(setting.key), value}});
    return QJsonDocument(file).toJson();
}

DesignReadResult fromOption(const Setting &setting, const QString &text)
{
    QCommandLineParser parser;
    parser.addOptions(designOptions());
    if (!parser.parse({"zephrin-cli", "--" + setting.option(), text}))
        return {{}, parser.errorText()};
    return designFromOptions(parser);
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setting_roundTripsAndRefusesBadValues_data();
    void setting_roundTripsAndRefusesBadValues();
    void file_refusedNamingKey_data();
    void file_refusedNamingKey();
};

void TestSettingsFile::setting_roundTripsAndRefusesBadValues_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("bad");
    for (std::size_t row = 0; row < designSettings().size(); ++row) {
        const QString path = designSettings()[row].path();
        const auto sample = samples.value(path);
        QTest::newRow(qPrintable(path)) << int(row) << sample.first << sample.second;
    }
}

void TestSettingsFile::setting_roundTripsAndRefusesBadValues()
{
    QFETCH(int, row);
    QFETCH(QString, good);
    QFETCH(QString, bad);
    const Setting &setting = designSettings()[std::size_t(row)];
    QVERIFY2(!good.isNull(), "no sample values for this setting");

    // The text, as a file gives it, makes settings that are saved as the same file.
    const QJsonValue value = setting.value.number ? QJsonValue(good.toDouble()) : QJsonValue(good);
    const DesignReadResult read = designFromJson(fileWith(setting, value), "s.json");
    QVERIFY2(read.ok(), qPrintable(read.error));
    QVERIFY(read.design.gives(setting));
    const AdSettings settings = resolvedSettings(read.design);
    const QByteArray saved = designJson(settings);
    const QJsonObject file = QJsonDocument::fromJson(saved).object();
    const QJsonObject group = setting.group == SettingGroup::Top
        ? file
        : file.value(setting.path().section(QLatin1Char('.'), 0, 0)).toObject();
    QCOMPARE(group.value(QLatin1String(setting.key)), value);
    QCOMPARE(file.value("version").toInt(), setting.since); // no newer than the file needs
    const DesignReadResult again = designFromJson(saved, "saved.json");
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(designJson(resolvedSettings(again.design)), saved);
    QVERIFY(!fieldNotKeptInFile(settings));
    if (setting.value.number) {
        // Left empty, as before the window's first Generate, it is left out
        // of the file, which then gives the type's default for it.
        AdSettings empty = settings;
        setting.value.copy(AdSettings(), empty);
        QVERIFY(!fieldNotKeptInFile(empty));
        const QByteArray withoutIt = designJson(empty);
        QVERIFY(!QJsonDocument::fromJson(withoutIt).object().contains(setting.key));
        QCOMPARE(setting.value.write(resolvedSettings(designFromJson(withoutIt, "e.json").design)),
                 setting.value.write(defaultSettings(settings.type)));
    }
    // The option gives the same settings.
    const DesignReadResult option = fromOption(setting, good);
    QVERIFY2(option.ok(), qPrintable(option.error));
    QVERIFY(resolvedSettings(option.design) == settings);

    // A refused value names the key in a file and the option on the command line.
    bool numeric = false;
    const double number = bad.toDouble(&numeric);
    const QJsonValue badValue = bad.isNull() ? QJsonValue(1)
        : setting.value.number && numeric    ? QJsonValue(number)
                                             : QJsonValue(bad);
    const DesignReadResult badFile = designFromJson(fileWith(setting, badValue), "s.json");
    QVERIFY2(badFile.error.startsWith("s.json: \"" + setting.path() + "\" must be "),
             qPrintable(badFile.error));
    if (!bad.isNull()) {
        const DesignReadResult badOption = fromOption(setting, bad);
        QVERIFY2(badOption.error.startsWith("--" + setting.option() + ": \"" + bad + "\" must be "),
                 qPrintable(badOption.error));
    }
}

void TestSettingsFile::file_refusedNamingKey_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown key") << QByteArray(R"({"version": 1, "hight": 200})")
                                 << "\"hight\" is not a setting this program knows";
    QTest::newRow("unknown rule") << QByteArray(R"({"version": 2, "rules": {"colour": "wide"}})")
                                  << "\"rules.colour\" is not a setting this program knows";
    QTest::newRow("unknown text") << QByteArray(R"({"version": 2, "texts": {"title": "Hi"}})")
                                  << "\"texts.title\" is not a setting this program knows";
    QTest::newRow("rules not an object")
        << QByteArray(R"({"version": 2, "rules": "wide"})") << "\"rules\" must be an object";
    QTest::newRow("newer version")
        << QByteArray(R"({"version": 3})") << "\"version\" is 3, newer than this program reads (2)";
    QTest::newRow("no version") << QByteArray(R"({"type": "timer-ad"})")
                                << "\"version\" is missing";
    QTest::newRow("fraction of a version")
        << QByteArray(R"({"version": 1.5})") << "\"version\" must be a whole number";
}

void TestSettingsFile::file_refusedNamingKey()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QCOMPARE(designFromJson(json, "s.json").error, "s.json: " + error);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
