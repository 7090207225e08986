#include "pages/sitewalk.h"

#include "pages/filestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SiteWalk", text);
}

bool isPageName(const QString &name, const QStringList &patterns)
{
    // Each pattern is "*" and a suffix.
    return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString &pattern) {
        return name.endsWith(QStringView(pattern).mid(1), Qt::CaseInsensitive);
    });
}

bool matchesAny(const QList<QRegularExpression> &patterns, const QString &path)
{
    return std::any_of(patterns.cbegin(), patterns.cend(),
                       [&path](const QRegularExpression &p) { return p.match(path).hasMatch(); });
}

// The path of a file in a folder whose real path is root, "/" included.
QString below(const QString &root, const QString &relative)
{
    return root.endsWith(QLatin1Char('/')) ? root + relative : root + QLatin1Char('/') + relative;
}

bool insideAny(const QString &realPath, const QStringList &roots)
{
    return std::any_of(roots.cbegin(), roots.cend(), [&realPath](const QString &root) {
        return realPath.startsWith(below(root, QString()));
    });
}

} // namespace

QStringList SiteWalk::pageNamePatterns()
{
    QStringList patterns;
    for (const char *kind : {htmlPages, aspPages, phpPages})
        patterns += QString::fromLatin1(kind).split(QLatin1Char(' '));
    return patterns;
}

std::optional<QRegularExpression> SiteWalk::globPattern(const QString &glob)
{
    QString text = glob;
    if (text.startsWith(QLatin1String("./")))
        text.remove(0, 2);
    else if (text.startsWith(QLatin1Char('/')))
        text.remove(0, 1);
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype size = text.size();
    QString regex;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('*') && i + 1 < size && text.at(i + 1) == QLatin1Char('*')) {
            const bool wholeName = i == 0 || text.at(i - 1) == QLatin1Char('/');
            while (i + 1 < size && text.at(i + 1) == QLatin1Char('*'))
                ++i;
            if (wholeName && i + 1 < size && text.at(i + 1) == QLatin1Char('/')) {
                regex += QLatin1String("(?:.*/)?"); // "**/": any folders, or none
                ++i;
            } else if (wholeName && i + 1 == size && !regex.isEmpty()) {
                regex.chop(1); // "/**" at the end: the folder itself and all in it
                regex += QLatin1String("(?:/.*)?");
            } else {
                regex += QLatin1String(".*");
            }
        } else if (c == QLatin1Char('*')) {
            regex += QLatin1String("[^/]*");
        } else if (c == QLatin1Char('?')) {
            regex += QLatin1String("[^/]");
        } else if (c == QLatin1Char('/')) {
            regex += c;
        } else if (c == QLatin1Char('[')) {
            qsizetype j = i + 1;
            const bool negated
                = j < size && (text.at(j) == QLatin1Char('!') || text.at(j) == QLatin1Char('^'));
            if (negated)
                ++j;
            QString set;
            // A "]" first in the set is one of its characters.
            for (bool first = true; j < size && (first || text.at(j) != QLatin1Char(']'));
                 ++j, first = false) {
                const QChar d = text.at(j);
                if (d == QLatin1Char('\\') || d == QLatin1Char('[') || d == QLatin1Char(']')
                    || d == QLatin1Char('^'))
                    set += QLatin1Char('\\');
                set += d;
            }
            if (j >= size)
                return std::nullopt;
            regex += (negated ? QLatin1String("[^/") : QLatin1String("[")) + set + QLatin1Char(']');
            i = j;
        } else {
            regex += QRegularExpression::escape(QString(c));
        }
    }
    QRegularExpression pattern(QRegularExpression::anchoredPattern(regex));
    if (!pattern.isValid()) // a range written backwards, "[z-a]"
        return std::nullopt;
    return pattern;
}

SiteWalk::Walk SiteWalk::walk(const QStringList &folders, const Rules &rules)
{
    Walk result;
    const QStringList patterns = pageNamePatterns();
    QStringList roots;
    for (const QString &folder : folders)
        roots.append(QFileInfo(folder).canonicalFilePath());
    QSet<QString> taken; // the real paths of the pages taken
    QList<std::pair<QString, QString>> links; // a link's path and its file's real path

    for (qsizetype f = 0; f < folders.size(); ++f) {
        // Folders to look into: as named, and relative to the folder given.
        QList<std::pair<QString, QString>> pending {{folders.at(f), QString()}};
        while (!pending.isEmpty()) {
            const auto [folder, relativeFolder] = pending.takeLast();
            QDirIterator it(folder,
                            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            while (it.hasNext()) {
                const QString path = it.next();
                const QFileInfo info = it.fileInfo();
                const QString name = info.fileName();
                const QString relative
                    = relativeFolder.isEmpty() ? name : relativeFolder + QLatin1Char('/') + name;
                if ((!rules.hidden && name.startsWith(QLatin1Char('.')))
                    || matchesAny(rules.exclude, relative))
                    continue;
                if (info.isDir()) {
                    if (!info.isSymLink())
                        pending.append({path, relative});
                    continue;
                }
                if (!info.isFile() || !isPageName(name, patterns)
                    || (!rules.include.isEmpty() && !matchesAny(rules.include, relative)))
                    continue;
                if (!info.isSymLink()) {
                    result.pages.append(path);
                    // No linked folder is entered, so this is the file's real path.
                    taken.insert(below(roots.at(f), relative));
                    continue;
                }
                const QString realPath = info.canonicalFilePath();
                if (insideAny(realPath, roots))
                    links.append({path, realPath});
                else
                    result.skipped.append(
                        {path, tr("link to a file outside %1").arg(folders.at(f))});
            }
        }
    }

    std::sort(links.begin(), links.end());
    for (const auto &[path, realPath] : links) {
        if (!taken.contains(realPath)) {
            taken.insert(realPath);
            result.pages.append(path);
        }
    }
    result.pages.sort();
    std::sort(result.skipped.begin(), result.skipped.end(),
              [](const Skipped &a, const Skipped &b) { return a.path < b.path; });
    return result;
}

QHash<QString, QList<SiteWalk::Leftover>> SiteWalk::leftovers(const QStringList &pages)
{
    // Each folder is looked at once: a site may hold thousands of pages in one.
    struct FolderLeftovers
    {
        QHash<QString, QStringList> copies; // page file name → copies beside it
        QStringList newContents;
    };
    QHash<QString, FolderLeftovers> inFolder;
    QStringList cached; // names in the cache folder that may be copies
    bool cacheRead = false;
    QSet<QString> named;
    QHash<QString, QList<Leftover>> result;
    for (const QString &page : pages) {
        const QFileInfo info(page);
        // Copies and new contents are made beside the file a link leads to.
        const bool link = info.isSymLink();
        const QFileInfo file = link ? QFileInfo(info.canonicalFilePath()) : info;
        const QString folder = file.absolutePath();
        auto found = inFolder.find(folder);
        if (found == inFolder.end()) {
            FolderLeftovers here;
            QDirIterator it(folder, {QStringLiteral(".zephrin-*"), QStringLiteral(".*.zephrin-*")},
                            QDir::Files | QDir::Hidden);
            while (it.hasNext()) {
                it.next();
                const QString name = it.fileName();
                if (const QString pageName = keptCopyPageName(name); !pageName.isEmpty())
                    here.copies[pageName].append(name);
                else if (isNewContentsName(name))
                    here.newContents.append(name);
            }
            found = inFolder.insert(folder, here);
        }
        const auto tell = [&](Leftover::Kind kind, const QString &path) {
            if (!named.contains(QFileInfo(path).absoluteFilePath())) {
                named.insert(QFileInfo(path).absoluteFilePath());
                result[page].append({kind, path});
            }
        };
        const auto beside = [&](const QString &name) {
            return link                             ? file.dir().filePath(name)
                : info.path() == QLatin1String(".") ? name
                                                    : info.path() + QLatin1Char('/') + name;
        };
        for (const QString &name : found->copies.value(file.fileName()))
            tell(Leftover::KeptCopy, beside(name));
        for (const QString &name : std::exchange(found->newContents, {}))
            tell(Leftover::NewContents, beside(name));

        if (!cacheRead) {
            cacheRead = true;
            const QString cache = cachedCopyFolder();
            if (!cache.isEmpty())
                cached = QDir(cache).entryList(
                    {QStringLiteral("*%1*").arg(QLatin1String(keptCopyInfix))}, QDir::Files);
        }
        if (cached.isEmpty())
            continue;
        const QByteArray realPath = QFile::encodeName(file.canonicalFilePath());
        for (const QString &name : std::as_const(cached)) {
            if (isCachedCopyOf(name, realPath))
                tell(Leftover::CachedCopy, QDir(cachedCopyFolder()).filePath(name));
        }
    }
    return result;
}
