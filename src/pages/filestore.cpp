#include "pages/filestore_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace FileStore {

// Every text the file store gives for what the system reports is made here.

QString tr(const char *text)
{
    return QCoreApplication::translate("FileStore", text);
}

QString systemReason(int error)
{
    // Said of a page whose file is no longer the one looked at first: another
    // program (a second Zephrin among them) put a new file in its place.
    if (error == ESTALE)
        return FileStore::tr("it was replaced by another program while Zephrin worked on it; "
                             "nothing was changed; run again");
    return QString::fromLocal8Bit(std::strerror(error));
}

QString readFailure(const QString &path, const QString &reason)
{
    return FileStore::tr("Cannot read \"%1\": %2").arg(path, reason);
}

QString writeFailure(const QString &path, const QString &reason)
{
    return FileStore::tr("Cannot write \"%1\": %2").arg(path, reason);
}

namespace {

// Why a file that exists is no page to read or replace; empty for a regular file.
QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return FileStore::tr("it is a folder, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileStore::tr("it is a device, not an ordinary file");
    if (S_ISFIFO(mode))
        return FileStore::tr("it is a pipe, not an ordinary file");
    if (S_ISSOCK(mode))
        return FileStore::tr("it is a socket, not an ordinary file");
    return FileStore::tr("it is not an ordinary file");
}

} // namespace

Descriptor openWithStatus(const QByteArray &path, int flags, struct stat &status)
{
    Descriptor file(::open(path.constData(), flags | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() >= 0 && ::fstat(file.fd(), &status) != 0) {
        const int error = errno;
        file.close();
        errno = error;
    }
    return file;
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool readToEnd(int fd, qsizetype sizeHint, QByteArray &contents)
{
    contents = QByteArray(sizeHint, Qt::Uninitialized);
    qsizetype filled = 0;
    char spill[65536];
    for (;;) {
        char *into = filled < contents.size() ? contents.data() + filled : spill;
        const size_t room
            = filled < contents.size() ? size_t(contents.size() - filled) : sizeof spill;
        const ssize_t got = ::read(fd, into, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            break;
        if (into == spill)
            contents.append(spill, got);
        filled += got;
    }
    contents.truncate(filled);
    return true;
}

NewFile::~NewFile()
{
    m_file.close();
    if (!m_path.isEmpty())
        ::unlink(m_path.constData());
}

bool NewFile::create(const QByteArray &prefix, mode_t mode)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = prefix;
        for (int i = 0; i < 6; ++i)
            name.append(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
        m_file = Descriptor(::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (m_file.fd() >= 0) {
            m_path = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    errno = EEXIST;
    return false;
}

QString NewFile::finish()
{
    QString reason = ::fsync(m_file.fd()) != 0 ? systemReason(errno) : QString();
    if (m_file.close() != 0 && reason.isEmpty())
        reason = systemReason(errno);
    return reason;
}

Descriptor openPage(const Target &target, int flags)
{
    struct stat status;
    Descriptor page = openWithStatus(target.realPath, flags, status);
    if (page.fd() >= 0
        && (status.st_dev != target.status.st_dev || status.st_ino != target.status.st_ino)) {
        page.close();
        errno = ESTALE;
    }
    return page;
}

Descriptor openRegular(const QString &path, struct stat &status, QString &error)
{
    const QByteArray encoded = QFile::encodeName(path);
    QString reason = ::stat(encoded.constData(), &status) != 0 ? systemReason(errno)
                                                               : notRegularReason(status.st_mode);
    Descriptor file;
    if (reason.isEmpty()) {
        // Looked at again once open, in case the name now leads somewhere else.
        file = openWithStatus(encoded, O_RDONLY, status);
        reason = file.fd() < 0 ? systemReason(errno) : notRegularReason(status.st_mode);
    }
    if (!reason.isEmpty()) {
        error = readFailure(path, reason);
        file.close();
    }
    return file;
}

} // namespace FileStore

using namespace FileStore;

namespace {

QByteArray resolvedPath(const QByteArray &path)
{
    char buffer[PATH_MAX];
    if (!::realpath(path.constData(), buffer))
        return {};
    return QByteArray(buffer);
}

Target resolveTarget(const QString &path)
{
    Target target;
    const auto refuse = [&](const QString &reason) {
        target.error = writeFailure(path, reason);
        return target;
    };
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty())
        return refuse(FileStore::tr("no file name was given"));

    struct stat status;
    if (::stat(encoded.constData(), &status) == 0) {
        if (const QString reason = notRegularReason(status.st_mode); !reason.isEmpty())
            return refuse(reason);
        target.realPath = resolvedPath(encoded);
        if (target.realPath.isEmpty())
            return refuse(systemReason(errno));
        target.exists = true;
        target.status = status;
    } else if (errno != ENOENT) {
        return refuse(systemReason(errno));
    } else {
        struct stat linkStatus;
        if (::lstat(encoded.constData(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode))
            return refuse(FileStore::tr("it is a symbolic link to a missing file"));
        const QFileInfo info(path);
        if (info.fileName().isEmpty())
            return refuse(FileStore::tr("no file name was given"));
        const QByteArray folder = resolvedPath(QFile::encodeName(info.absolutePath()));
        if (folder.isEmpty())
            return refuse(systemReason(errno));
        target.realPath
            = (folder == "/" ? QByteArray() : folder) + '/' + QFile::encodeName(info.fileName());
    }
    const qsizetype slash = target.realPath.lastIndexOf('/');
    target.folder = target.realPath.left(slash + 1);
    target.fileName = target.realPath.mid(slash + 1);
    return target;
}

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
