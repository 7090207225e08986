#include "cli/pagerun.h"

#include "pages/parallelpages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <utility>

namespace {

// The page run's translation context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PageRun)
};

// Below this many pages the run is over before a bar would be any help.
constexpr int progressFrom = 8;

QString progressBar(int done, int total)
{
    constexpr int width = 30;
    const int filled = int(qint64(done) * width / total);
    return QStringLiteral("[%1%2] %3/%4")
        .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char(' ')))
        .arg(done)
        .arg(total);
}

// The line for something an interrupted run left while it wrote page: what it
// holds, and when it may be deleted.
QString leftoverLine(const SiteWalk::Leftover &left, const QString &page)
{
    switch (left.kind) {
    case SiteWalk::Leftover::KeptCopy:
        break;
    case SiteWalk::Leftover::CachedCopy:
        return Texts::tr("%1: a copy of %2 that an interrupted run kept in the cache folder, "
                         "holding the page as it was before that run; if %2 is whole, delete "
                         "the copy")
            .arg(left.path, page);
    case SiteWalk::Leftover::NewContents:
        return Texts::tr("%1: not a page: new contents for a page in its folder that an "
                         "interrupted run wrote but never put in place, the page being left as "
                         "it was; delete it")
            .arg(left.path);
    }
    return Texts::tr("%1: not a page: a copy of %2 that an interrupted run kept, holding the page "
                     "as it was before that run; if %2 is whole, delete the copy")
        .arg(left.path, page);
}

} // namespace

QList<QCommandLineOption> PageRun::options()
{
    const QStringList pages = SiteWalk::pageNamePatterns();
    return {
        {QStringLiteral("dry-run"), Texts::tr("Write nothing; say what would happen.")},
        {QStringLiteral("check"),
         Texts::tr("Write nothing; list the pages that would change; exit 1 if any.")},
        {{QStringLiteral("r"), QStringLiteral("recursive")},
         Texts::tr("Take the %1 and %2 pages in folders.")
             .arg(pages.first(pages.size() - 1).join(QStringLiteral(", ")), pages.last())},
        {QStringLiteral("hidden"),
         Texts::tr("With -r, take hidden files and folders (.name) too.")},
        {QStringLiteral("exclude"),
         Texts::tr("With -r, leave out paths matching GLOB (** for folders)."),
         QStringLiteral("GLOB")},
        {QStringLiteral("include"), Texts::tr("With -r, take only pages matching GLOB."),
         QStringLiteral("GLOB")},
    };
}

PageRun::Mode PageRun::modeOf(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("check")))
        return Mode::Check;
    return parser.isSet(QStringLiteral("dry-run")) ? Mode::DryRun : Mode::Write;
}

PageRun::PageList PageRun::pagesOf(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    const bool recursive = parser.isSet(QStringLiteral("recursive"));
    PageList list;
    if (arguments.isEmpty()) {
        list.error = Texts::tr("no page or folder given");
        return list;
    }
    SiteWalk::Rules rules;
    rules.hidden = parser.isSet(QStringLiteral("hidden"));
    const std::pair<QString, QList<QRegularExpression> *> globOptions[] = {
        {QStringLiteral("exclude"), &rules.exclude}, {QStringLiteral("include"), &rules.include}};
    for (const auto &[option, patterns] : globOptions) {
        for (const QString &glob : parser.values(option)) {
            const std::optional<QRegularExpression> pattern = SiteWalk::globPattern(glob);
            if (!pattern) {
                list.error = Texts::tr("--%1 \"%2\": not a pattern (empty, or a \"[\" not closed)")
                                 .arg(option, glob);
                return list;
            }
            patterns->append(*pattern);
        }
    }
    for (const char *option : {"hidden", "exclude", "include"}) {
        if (parser.isSet(QString::fromLatin1(option)) && !recursive) {
            list.error = Texts::tr("--%1 chooses pages in folders; give --recursive too")
                             .arg(QString::fromLatin1(option));
            return list;
        }
    }
    QStringList folders;
    for (const QString &argument : arguments) {
        const QFileInfo info(argument);
        if (!info.exists()) {
            list.error = Texts::tr("\"%1\": no such file or folder").arg(argument);
            return list;
        }
        if (!info.isDir()) {
            list.pages.append(argument);
            continue;
        }
        if (!recursive) {
            list.error = Texts::tr("\"%1\" is a folder; give --recursive to take the pages in it")
                             .arg(argument);
            return list;
        }
        folders.append(argument);
    }
    if (!folders.isEmpty()) {
        SiteWalk::Walk walk = SiteWalk::walk(folders, rules);
        list.pages += walk.pages;
        list.skipped = std::move(walk.skipped);
    }
    list.pages.sort();
    list.pages.removeDuplicates();
    list.leftovers = SiteWalk::leftovers(list.pages);
    return list;
}

int PageRun::run(const PageList &list, Mode mode, Console &console,
                 const std::function<PageResult(const QString &)> &change)
{
    const QStringList &pages = list.pages;
    const bool check = mode == Mode::Check;
    // A check lists on standard output only the pages that would change.
    const auto say = [&](const QString &line) {
        if (check)
            console.error(line);
        else
            console.print(line);
    };
    // A check needs only to read: a page refused only because it may not be
    // written (read-only) would still change.
    const std::function<PageResult(const QString &)> checkedChange = [&](const QString &page) {
        PageResult result = change(page);
        if (check && result.outcome == PageOutcome::Refused && loadPage(page).ok())
            result = {PageOutcome::Updated, {}, {}};
        return result;
    };
    qsizetype skippedShown = 0;
    const auto saySkippedBefore = [&](const QString *page) {
        for (; skippedShown < list.skipped.size()
             && (!page || list.skipped.at(skippedShown).path < *page);
             ++skippedShown) {
            const SiteWalk::Skipped &skipped = list.skipped.at(skippedShown);
            say(Texts::tr("%1: skipped: %2").arg(skipped.path, skipped.reason));
        }
    };

    const bool showProgress = console.errorIsTerminal() && pages.size() >= progressFrom;
    int updated = 0, unchanged = 0, refused = 0;
    changePagesInParallel(pages, checkedChange, [&](qsizetype i, const PageResult &result) {
        const QString &page = pages.at(i);
        saySkippedBefore(&page);
        for (const SiteWalk::Leftover &left : list.leftovers.value(page))
            say(leftoverLine(left, page));
        const QString note
            = result.note.isEmpty() ? QString() : Texts::tr(" (note: %1)").arg(result.note);
        switch (result.outcome) {
        case PageOutcome::Updated:
            ++updated;
            console.print(check ? page : Texts::tr("%1: updated").arg(page) + note);
            break;
        case PageOutcome::Unchanged:
            ++unchanged;
            if (!check)
                console.print(Texts::tr("%1: unchanged").arg(page) + note);
            break;
        case PageOutcome::Refused:
            ++refused;
            say(Texts::tr("%1: refused: %2").arg(page, result.message));
            break;
        }
        if (showProgress)
            console.status(progressBar(updated + unchanged + refused, int(pages.size())));
    });
    saySkippedBefore(nullptr);
    console.clearStatus();
    QString counts = Texts::tr("%1 updated, %2 unchanged, %3 refused")
                         .arg(updated)
                         .arg(unchanged)
                         .arg(refused);
    if (!list.skipped.isEmpty())
        counts += Texts::tr("; %1 skipped").arg(list.skipped.size());
    switch (mode) {
    case Mode::Write:
        console.print(Texts::tr("%n pages: %1.", nullptr, int(pages.size())).arg(counts));
        break;
    case Mode::DryRun:
        console.print(Texts::tr("Dry run, nothing written; %n pages would be: %1.", nullptr,
                                int(pages.size()))
                          .arg(counts));
        break;
    case Mode::Check:
        console.error(Texts::tr("Check, nothing written; %n pages: %1 would change, %2 up to "
                                "date, %3 refused.",
                                nullptr, int(pages.size()))
                          .arg(updated)
                          .arg(unchanged)
                          .arg(refused));
        return updated + refused > 0 ? ExitCheckFailed : ExitDone;
    }
    return refused > 0 ? ExitSomeRefused : ExitDone;
}
