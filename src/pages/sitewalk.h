#pragma once

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

// The pages in the folders a user gives: a walk that takes what a site owner
// means as pages and leaves alone what they never would (hidden folders such
// as .git, files elsewhere that a link in the site leads to).
namespace SiteWalk {

// The names of pages by kind, in any letter case, space-separated as a file
// dialog's types list them: a walk takes the files whose names match one, the
// window's page dialog offers each kind and zephrin-cli's help names them.
inline constexpr char htmlPages[] = "*.htm *.html";
inline constexpr char aspPages[] = "*.asp";
inline constexpr char phpPages[] = "*.php";

// Every pattern of a page's name, one by one: "*.htm", "*.html", "*.asp", "*.php".
QStringList pageNamePatterns();

struct Rules
{
    bool hidden = false; // take files and folders whose names start with "." too
    QList<QRegularExpression> include; // when any: a page's path must match one
    QList<QRegularExpression> exclude; // a file or folder whose path matches one is left out
};

// glob as a pattern for a path relative to a walked folder ("sub/page.html"):
// "*" and "?" stand for characters within one name, "[...]" (or "[!...]") for
// one of the characters listed (or none of them), "**" for any number of
// folders: "**/x" is x in any folder, "x/**" everything in folder x and x
// itself. A leading "/" or "./" changes nothing: every glob is anchored at
// the walked folder. No pattern for an empty glob or an unclosed "[".
std::optional<QRegularExpression> globPattern(const QString &glob);

struct Skipped
{
    QString path;
    QString reason;
};

struct Walk
{
    QStringList pages; // sorted
    QList<Skipped> skipped; // sorted by path
};

// The files whose names match pageNamePatterns() under folders and their
// subfolders, as rules take them, each named by its folder as given
// and its path below it. Links to folders are not entered. A symbolic link to
// a file outside all of folders is skipped; one to a file inside is taken
// once: not at all when the file is itself taken by its own name, otherwise
// under the first link's name.
Walk walk(const QStringList &folders, const Rules &rules);

// A file that a killed run of the file store left behind (see filestore.h).
struct Leftover
{
    enum Kind {
        KeptCopy, // the page's contents before an update in place, kept beside it
        CachedCopy, // the same, kept in the cache folder
        NewContents, // new contents for a page in its folder, never put in place
    };
    Kind kind;
    QString path; // beside the page: named by the page's folder as given
};

// The leftovers of interrupted runs over pages, for each of pages that has
// any: the copies kept of it, beside the file it leads to or in the cache
// folder, and the new contents beside it (told to the first of pages in
// their folder, since they do not name their page). Each is named once.
QHash<QString, QList<Leftover>> leftovers(const QStringList &pages);

} // namespace SiteWalk
