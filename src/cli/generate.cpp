#include "cli/generate.h"

#include "cli/adoptions.h"
#include "pages/filestore.h"

#include <QCoreApplication>

QString Generate::summary() const
{
    return tr("Print the body section, the head section or both (body, then head).");
}

QList<QCommandLineOption> Generate::options() const
{
    return AdOptions::options()
        + QList<QCommandLineOption> {
            {QStringLiteral("section"), tr("body, head or both (the default)."),
             QStringLiteral("WHICH"), QStringLiteral("both")},
            {{QStringLiteral("o"), QStringLiteral("output")},
             tr("Write to FILE instead of standard output."),
             QStringLiteral("FILE")},
            {QStringLiteral("csp"),
             tr("Print on standard error the Content-Security-Policy the code needs: script-src "
                "for both sections, and form-action and frame-src for a sign-up form.")},
        };
}

int Generate::execute(const QCommandLineParser &parser, Console &console) const
{
    const QString section = parser.value(QStringLiteral("section"));
    if (section != QLatin1String("body") && section != QLatin1String("head")
        && section != QLatin1String("both"))
        return badArguments(console,
                            tr("--section: \"%1\" is not body, head or both").arg(section));
    const AdOptions::Design design = AdOptions::design(parser);
    if (!design.error.isEmpty())
        return badArguments(console, design.error);

    // The sections exactly as the window copies them to the clipboard.
    QString text;
    if (section != QLatin1String("head"))
        text += design.code.body;
    if (section != QLatin1String("body"))
        text += design.code.head;

    if (const QString saveError = AdOptions::saveSettings(parser, design.settings);
        !saveError.isEmpty())
        return badArguments(console, saveError);
    if (parser.isSet(QStringLiteral("output"))) {
        const QString writeError
            = replaceFileContents(parser.value(QStringLiteral("output")), text.toUtf8());
        if (!writeError.isEmpty())
            return badArguments(console, writeError);
    } else {
        console.write(text.toUtf8());
    }
    // The policy is the page's, so it covers both sections whichever are printed.
    if (parser.isSet(QStringLiteral("csp")))
        console.error(scriptSrcPolicy(design.settings, design.code));
    return ExitDone;
}
