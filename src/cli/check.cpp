#include "cli/check.h"

#include "cli/adoptions.h"
#include "generator/designcheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString Check::summary() const
{
    return tr("Check the design before publishing: contrast, control sizes, storage on the "
              "reader's device, the share of a phone screen it covers, a mailto: form, and "
              "what the code adds to a page. Exit 0 when nothing is found, 1 when something is.");
}

QList<QCommandLineOption> Check::options() const
{
    return AdOptions::options()
        + QList<QCommandLineOption> {
            {QStringLiteral("format"), tr("text (the default) or json."), QStringLiteral("FORMAT"),
             QStringLiteral("text")},
        };
}

int Check::execute(const QCommandLineParser &parser, Console &console) const
{
    const QString format = parser.value(QStringLiteral("format"));
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        return badArguments(console, tr("--format: \"%1\" is not text or json").arg(format));
    const AdOptions::Design design = AdOptions::design(parser);
    if (!design.error.isEmpty())
        return badArguments(console, design.error);
    if (const QString saveError = AdOptions::saveSettings(parser, design.settings);
        !saveError.isEmpty())
        return badArguments(console, saveError);

    const DesignCheck check = checkDesign(design.settings, design.code);
    if (format == QLatin1String("json")) {
        QJsonArray findings;
        for (const DesignFinding &f : check.findings)
            findings.append(QJsonObject {{QStringLiteral("setting"), f.setting},
                                         {QStringLiteral("rule"), f.rule},
                                         {QStringLiteral("figure"), f.figure},
                                         {QStringLiteral("finding"), f.finding},
                                         {QStringLiteral("change"), f.change}});
        const QJsonObject block {{QStringLiteral("bytes"), qint64(check.blockBytes)},
                                 {QStringLiteral("gzipBytes"), qint64(check.gzipBytes)}};
        console.write(QJsonDocument(QJsonObject {{QStringLiteral("findings"), findings},
                                                 {QStringLiteral("block"), block}})
                          .toJson());
    } else {
        for (const DesignFinding &f : check.findings)
            console.print(QStringLiteral("--%1: %2 [%3]\n    %4")
                              .arg(f.setting, f.finding, f.rule, f.change));
        console.print(check.blockSizes());
    }
    return check.findings.isEmpty() ? ExitDone : ExitFound;
}
