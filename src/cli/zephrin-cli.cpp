// zephrin-cli: the ad code of the window for scripts and whole sites.
// Dispatches to one command class per command.

#include "cli/add.h"
#include "cli/adoptions.h"
#include "cli/check.h"
#include "cli/generate.h"
#include "cli/preview.h"
#include "cli/remove.h"
#include "generator/designschema.h"
#include "generator/supportfolder.h"
#include "generator/userlanguage.h"
#include "pages/sitewalk.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// option as lines of the overall help, its description wrapped in a column.
QString optionHelp(const QCommandLineOption &option)
{
    constexpr qsizetype column = 24; // where descriptions start
    constexpr qsizetype width = 79;
    QString names = QStringLiteral("  --") + option.names().join(QLatin1String(", --"))
        + QLatin1Char(' ') + option.valueName();
    QString text;
    if (names.size() >= column - 1) { // the description goes below long names
        text = names + QLatin1Char('\n');
        names.clear();
    }
    QString line = names;
    for (const QString &word : option.description().split(QLatin1Char(' '))) {
        if (line.size() >= column && line.size() + 1 + word.size() > width) {
            text += line + QLatin1Char('\n');
            line.clear();
        }
        line = line.leftJustified(column - 1) + QLatin1Char(' ') + word;
    }
    return text + line + QLatin1Char('\n');
}

QString overallHelp()
{
    QString adOptions;
    QString rules;
    for (const QCommandLineOption &option : AdOptions::options()) {
        const bool rule = std::any_of(designSettings().begin(), designSettings().end(),
                                      [&](const Setting &setting) {
                                          return setting.group == SettingGroup::Rules
                                              && setting.option() == option.names().constFirst();
                                      });
        (rule ? rules : adOptions) += optionHelp(option);
    }
    const QString head = QCoreApplication::translate(
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
        "  --check           write nothing; list the pages that would change, exit 1 if "
        "any\n"
        "  -r, --recursive   the %1 pages in folders, without\n"
        "                    hidden names (--hidden takes them) or links out of the folder\n"
        "  --exclude GLOB  --include GLOB   narrow the walk (** for any folders)\n"
        "\n"
        "Ad options (generate, add, preview, check):\n");
    return head.arg(SiteWalk::pageNamePatterns().join(QStringLiteral(", "))) + adOptions
        + QCoreApplication::translate(
               "zephrin-cli",
               "Unset options take the window's Generate defaults for the type.\n"
               "\n"
               "Display rules (generate, add, preview, check; none by default):\n")
        + rules
        + QCoreApplication::translate(
               "zephrin-cli",
               "\n"
               "Exit status: 0 done, 1 some page refused (or would change, with --check;\n"
               "or check found something), 2 bad arguments (nothing written).\n"
               "\"zephrin-cli COMMAND --help\" lists a command's options; see also "
               "zephrin-cli(1).\n");
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
