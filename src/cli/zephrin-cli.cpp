// zephrin-cli: the ad code of the window for scripts and whole sites.
// Dispatches to one command class per command.

#include "cli/add.h"
#include "cli/check.h"
#include "cli/generate.h"
#include "cli/preview.h"
#include "cli/remove.h"
#include "generator/supportfolder.h"
#include "generator/userlanguage.h"
#include "pages/sitewalk.h"

#include <QCoreApplication>

namespace {

QString overallHelp()
{
    const QString help = QCoreApplication::translate(
        "zephrin-cli",
        "Usage: zephrin-cli COMMAND [OPTIONS] [PAGE|FOLDER...]\n"
        "Makes Zephrin's ad code and adds it to web pages, as the window does.\n"
        "\n"
        "Commands:\n"
        "  generate [--section body|head|both] [-o FILE] [--csp]   print the code\n"
        "  add [--dry-run|--check] [--recursive] PAGE|FOLDER...   add or replace the block\n"
        "  remove [--dry-run|--check] [--recursive] PAGE|FOLDER...   take the block off\n"
        "  preview -o FILE   write a page holding only the ad\n"
        "  check [--format text|json]   what to change before publishing; exit 1 if any\n"
        "\n"
        "Page options (add, remove):\n"
        "  --check           write nothing; list the pages that would change, exit 1 if any\n"
        "  -r, --recursive   the %1 pages in folders, without\n"
        "                    hidden names (--hidden takes them) or links out of the folder\n"
        "  --exclude GLOB  --include GLOB   narrow the walk (** for any folders)\n"
        "\n"
        "Ad options (generate, add, preview, check):\n"
        "  --type TYPE       stickme-note (default), window-ad, jumpy-ad,\n"
        "                    force-emailer, timer-ad, or 1-5\n"
        "  --height N  --width N  --left N  --top N   size and position in pixels\n"
        "  --caption TEXT    caption (--email TEXT for force-emailer)\n"
        "  --colour RRGGBB   background colour (default FFFFFF)\n"
        "  --body TEXT       body HTML; or --body-file FILE (- for standard input)\n"
        "  --box-language en|de|fr|es|it|nl|pt|pl   language of the box's texts\n"
        "  --close-text TEXT  --notice-text TEXT  --button-text TEXT   single texts:\n"
        "                    close link, Timer AD's notice, Force Emailer's button\n"
        "  --settings FILE   start from a design saved as JSON; options override it\n"
        "  --save-settings FILE   save the design in use as JSON\n"
        "Unset options take the window's Generate defaults for the type.\n"
        "\n"
        "Display rules (generate, add, preview, check; none by default):\n"
        "  --start now|delay:N|scroll:P|exit   when the box starts (exit: the pointer\n"
        "                    leaves through the top; never on touch screens)\n"
        "  --show-again always|visit|days:N   how often a reader sees it\n"
        "  --from YYYY-MM-DD  --until YYYY-MM-DD   the days it shows (reader's date)\n"
        "  --screens all|wide|narrow   wide: viewport 768 px wide or more\n"
        "\n"
        "Exit status: 0 done, 1 some page refused (or would change, with --check;\n"
        "or check found something), 2 bad arguments (nothing written).\n"
        "\"zephrin-cli COMMAND --help\" lists a command's options; see also zephrin-cli(1).\n");
    return help.arg(SiteWalk::pageNamePatterns().join(QStringLiteral(", ")));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zephrin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEPHRIN_VERSION));
    installTranslations(translationsFolder());

    const Generate generate;
    const Add add;
    const Remove remove;
    const Preview preview;
    const Check check;
    const Command *const commands[] = {&generate, &add, &remove, &preview, &check};

    Console console;
    const QStringList arguments = app.arguments().mid(1);
    const QString first = arguments.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        console.write(overallHelp().toUtf8());
        return ExitDone;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        console.print(QStringLiteral("zephrin-cli %1").arg(QCoreApplication::applicationVersion()));
        return ExitDone;
    }
    for (const Command *command : commands) {
        if (command->name() == first)
            return command->run(arguments, console);
    }
    console.error(
        first.isEmpty()
            ? QCoreApplication::translate("zephrin-cli", "zephrin-cli: no command given")
            : QCoreApplication::translate("zephrin-cli", "zephrin-cli: \"%1\" is not a command")
                  .arg(first));
    console.error(QCoreApplication::translate(
        "zephrin-cli",
        "Commands: generate, add, remove, preview, check. Try \"zephrin-cli --help\"."));
    return ExitBadArguments;
}
