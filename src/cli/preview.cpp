#include "cli/preview.h"

#include "cli/adoptions.h"
#include "pages/filestore.h"
#include "pages/previewpage.h"

#include <QCoreApplication>

QString Preview::summary() const
{
    return QCoreApplication::translate("Preview",
                                       "Write a page holding only the ad, to open in a browser.");
}

QList<QCommandLineOption> Preview::options() const
{
    return AdOptions::options()
        + QList<QCommandLineOption> {
            {{QStringLiteral("o"), QStringLiteral("output")},
             QCoreApplication::translate("Preview", "The page to write (required)."),
             QStringLiteral("FILE")},
        };
}

int Preview::execute(const QCommandLineParser &parser, Console &console) const
{
    if (!parser.isSet(QStringLiteral("output")))
        return badArguments(console,
                            QCoreApplication::translate("Preview", "-o FILE: no page to write"));
    const AdOptions::Design design = AdOptions::design(parser);
    if (!design.error.isEmpty())
        return badArguments(console, design.error);
    QString error = AdOptions::saveSettings(parser, design.settings);
    if (error.isEmpty())
        error = replaceFileContents(parser.value(QStringLiteral("output")),
                                    previewPage(design.code.body, design.code.head));
    if (!error.isEmpty())
        return badArguments(console, error);
    return ExitDone;
}
