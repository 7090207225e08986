#include "pages/filestore.h"

#include "pages/fileaccess.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace FileStore;

namespace {

// Why the user may not change an existing page; empty when they may.
QString pageRefusal(const QString &path, const Target &target)
{
    if (::faccessat(AT_FDCWD, target.realPath.constData(), W_OK, AT_EACCESS) == 0)
        return {};
    if (errno == EACCES || errno == EPERM)
        return FileStore::tr("The page \"%1\" is read-only.").arg(path);
    if (errno == EROFS)
        return FileStore::tr("The page \"%1\" is on a read-only file system.").arg(path);
    return writeFailure(path, systemReason(errno));
}

// Why a missing file cannot be created in its folder.
QString folderRefusal(const QString &path)
{
    const QFileInfo info(path);
    return FileStore::tr("The folder \"%1\" is not writable, so \"%2\" cannot be created in it.")
        .arg(info.absolutePath(), info.fileName());
}

// The refusal for a resolved target, before anything is written; empty when
// the write is to be tried.
QString refusal(const QString &path, const Target &target)
{
    if (!target.error.isEmpty())
        return target.error;
    if (target.exists)
        return pageRefusal(path, target);
    if (::faccessat(AT_FDCWD, target.folder.constData(), W_OK | X_OK, AT_EACCESS) != 0
        && (errno == EACCES || errno == EPERM))
        return folderRefusal(path);
    return {};
}

// Whether folder keeps every name made in it (its append-only flag): a
// temporary file or a copy made there could never be removed again, and
// nothing can be renamed over the page. False when the flag cannot be read.
bool keepsEveryName(const QByteArray &folder)
{
    const Descriptor directory(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int flags = 0;
    return directory.fd() >= 0 && ::ioctl(directory.fd(), FS_IOC_GETFLAGS, &flags) == 0
        && (flags & FS_APPEND_FL) != 0;
}

// A new page in a folder that keeps every name: made empty where it belongs,
// then written in place. Should writing fail, it stays there empty.
QString createInPlace(const QString &path, const Target &target, const ContentWriter &contents)
{
    Target created = target;
    const Descriptor page(
        ::open(target.realPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (page.fd() < 0 || ::fstat(page.fd(), &created.status) != 0)
        return writeFailure(path, systemReason(errno));
    created.exists = true;
    return updateInPlace(path, created, contents, CopyPlace::Cache);
}

} // namespace

ReadResult readWholeFile(const QString &path)
{
    ReadResult result;
    struct stat status;
    const Descriptor file = openRegular(path, status, result.error);
    if (file.fd() < 0)
        return result;
    if (!readToEnd(file.fd(), qsizetype(status.st_size), result.contents)) {
        result.error = readFailure(path, systemReason(errno));
        result.contents.clear();
    }
    return result;
}

QString replaceFileContents(const QString &path, const QByteArray &contents)
{
    return replaceFileContents(path, [&contents](const ByteSink &sink) { return sink(contents); });
}

QString replaceFileContents(const QString &path, const ContentWriter &contents)
{
    const Target target = resolveTarget(path);
    if (const QString refused = refusal(path, target); !refused.isEmpty())
        return refused;

    // Looked at before anything is made there.
    const bool keptNames = keepsEveryName(target.folder);
    if (!target.exists) {
        if (keptNames)
            return createInPlace(path, target, contents);
        const Attempt created = replaceByRename(path, target, contents);
        return created.blocked ? folderRefusal(path) : created.error;
    }
    // Renaming would split a page with other hard links from them.
    if (target.status.st_nlink == 1 && !keptNames) {
        const Attempt replaced = replaceByRename(path, target, contents);
        if (!replaced.blocked)
            return replaced.error;
    }
    return updateInPlace(path, target, contents,
                         keptNames ? CopyPlace::Cache : CopyPlace::BesidePage);
}

QString replaceRefusal(const QString &path)
{
    return refusal(path, resolveTarget(path));
}

namespace {

// Whether name ends in the random letters and digits of a NewFile.
bool hasRandomEnd(const QString &name)
{
    return name.size() >= newFileRandomLength
        && std::all_of(name.cend() - newFileRandomLength, name.cend(),
                       [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
}

} // namespace

QString keptCopyPageName(const QString &copyName)
{
    const QLatin1String infix(keptCopyInfix);
    const qsizetype end = copyName.size() - infix.size() - newFileRandomLength;
    if (end < 2 || !copyName.startsWith(QLatin1Char('.')) || !copyName.mid(end).startsWith(infix)
        || !hasRandomEnd(copyName))
        return {};
    return copyName.mid(1, end - 1);
}

QString cachedCopyFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QByteArray cachedCopyPrefix(const QByteArray &realPath)
{
    const qsizetype slash = realPath.lastIndexOf('/');
    return realPath.mid(slash + 1) + '.'
        + QCryptographicHash::hash(realPath, QCryptographicHash::Sha256).toHex().left(8)
        + keptCopyInfix;
}

bool isCachedCopyOf(const QString &name, const QByteArray &realPath)
{
    const QString prefix = QFile::decodeName(cachedCopyPrefix(realPath));
    return name.size() == prefix.size() + newFileRandomLength && name.startsWith(prefix)
        && hasRandomEnd(name);
}

bool isNewContentsName(const QString &name)
{
    const QLatin1String prefix(newContentsPrefix);
    return name.size() == prefix.size() + newFileRandomLength && name.startsWith(prefix)
        && hasRandomEnd(name);
}
