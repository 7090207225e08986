#include "pages/filestore.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString readFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot read \"%1\": %2").arg(path, reason);
}

QString writeFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(path, reason);
}

// Why a file that exists is no page to read or replace; empty for a regular file.
QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not an ordinary file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not an ordinary file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not an ordinary file");
    return QStringLiteral("it is not an ordinary file");
}

QByteArray resolvedPath(const QByteArray &path)
{
    char buffer[PATH_MAX];
    if (!::realpath(path.constData(), buffer))
        return {};
    return QByteArray(buffer);
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

mode_t currentUmask()
{
    // umask can only be read by setting it; the program is single-threaded
    // where files are written, so the brief change is harmless.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Where the new contents go and what the replaced file looked like.
struct Target
{
    QByteArray realPath; // every symbolic link resolved, so a link stays a link
    QByteArray folder;
    bool exists = false;
    struct stat status = {};
    QString error;
};

Target resolveTarget(const QString &path)
{
    Target target;
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty()) {
        target.error = writeFailure(path, QStringLiteral("no file name was given"));
        return target;
    }

    struct stat status;
    if (::stat(encoded.constData(), &status) == 0) {
        if (const QString reason = notRegularReason(status.st_mode); !reason.isEmpty()) {
            target.error = writeFailure(path, reason);
            return target;
        }
        target.realPath = resolvedPath(encoded);
        if (target.realPath.isEmpty()) {
            target.error = writeFailure(path, systemReason(errno));
            return target;
        }
        target.exists = true;
        target.status = status;
        target.folder = target.realPath.left(target.realPath.lastIndexOf('/'));
        if (target.folder.isEmpty())
            target.folder = "/";
        return target;
    }
    if (errno != ENOENT) {
        target.error = writeFailure(path, systemReason(errno));
        return target;
    }

    struct stat linkStatus;
    if (::lstat(encoded.constData(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) {
        target.error
            = writeFailure(path, QStringLiteral("it is a symbolic link to a missing file"));
        return target;
    }
    const QFileInfo info(path);
    if (info.fileName().isEmpty()) {
        target.error = writeFailure(path, QStringLiteral("no file name was given"));
        return target;
    }
    target.folder = resolvedPath(QFile::encodeName(info.absolutePath()));
    if (target.folder.isEmpty()) {
        target.error = writeFailure(path, systemReason(errno));
        return target;
    }
    target.realPath = (target.folder == "/" ? QByteArray() : target.folder) + '/'
        + QFile::encodeName(info.fileName());
    return target;
}

// Gives the finished temporary file the page's owner and permissions, or
// explains why it cannot; a page must never silently change hands.
QString matchOwnerAndMode(int fd, const Target &target)
{
    mode_t mode = 0666 & ~currentUmask();
    if (target.exists) {
        struct stat temp;
        if (::fstat(fd, &temp) != 0)
            return systemReason(errno);
        if (temp.st_uid != target.status.st_uid || temp.st_gid != target.status.st_gid) {
            if (::fchown(fd, target.status.st_uid, target.status.st_gid) != 0)
                return QStringLiteral("the rewritten file could not keep the owner and group of "
                                      "the page (%1)")
                    .arg(systemReason(errno));
        }
        mode = target.status.st_mode & 07777;
    }
    // After fchown, which clears set-id bits.
    if (::fchmod(fd, mode) != 0)
        return systemReason(errno);
    return {};
}

void syncFolder(const QByteArray &folder)
{
    // Makes the rename itself durable; the page is already complete either way.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReadResult readWholeFile(const QString &path)
{
    ReadResult result;
    const QByteArray encoded = QFile::encodeName(path);

    // Look before opening: opening a pipe would wait for a writer, and
    // opening a device can have effects of its own.
    struct stat status;
    if (::stat(encoded.constData(), &status) != 0) {
        result.error = readFailure(path, systemReason(errno));
        return result;
    }
    if (const QString reason = notRegularReason(status.st_mode); !reason.isEmpty()) {
        result.error = readFailure(path, reason);
        return result;
    }

    // Non-blocking, in case the name now leads somewhere else.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = readFailure(path, systemReason(errno));
        return result;
    }
    const QString openedReason
        = ::fstat(fd, &status) != 0 ? systemReason(errno) : notRegularReason(status.st_mode);
    if (!openedReason.isEmpty()) {
        ::close(fd);
        result.error = readFailure(path, openedReason);
        return result;
    }

    QByteArray contents(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    char spill[65536];
    for (;;) {
        // Read into the sized buffer, then keep going in case the file grew.
        char *into = filled < contents.size() ? contents.data() + filled : spill;
        const size_t room
            = filled < contents.size() ? size_t(contents.size() - filled) : sizeof spill;
        const ssize_t got = ::read(fd, into, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.error = readFailure(path, systemReason(errno));
            ::close(fd);
            return result;
        }
        if (got == 0)
            break;
        if (into == spill)
            contents.append(spill, got);
        filled += got;
    }
    ::close(fd);
    contents.truncate(filled);
    result.contents = std::move(contents);
    return result;
}

QString replaceFileContents(const QString &path, const QByteArray &contents)
{
    const Target target = resolveTarget(path);
    if (!target.error.isEmpty())
        return target.error;

    if (target.exists) {
        if (target.status.st_nlink > 1)
            return writeFailure(path,
                                QStringLiteral("the file has other hard links, which would keep "
                                               "the old contents if it were replaced"));
        // Replacing by rename would otherwise get round a read-only page.
        if (::faccessat(AT_FDCWD, target.realPath.constData(), W_OK, AT_EACCESS) != 0)
            return writeFailure(path, systemReason(errno));
    }

    QByteArray tempPath
        = (target.folder == "/" ? QByteArray() : target.folder) + "/.zephrin-XXXXXX";
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0)
        return writeFailure(path, systemReason(errno));

    QString reason;
    if (!writeAll(fd, contents.constData(), contents.size()))
        reason = systemReason(errno);
    if (reason.isEmpty())
        reason = matchOwnerAndMode(fd, target);
    if (reason.isEmpty() && ::fsync(fd) != 0)
        reason = systemReason(errno);
    // close reports late write errors on some file systems.
    if (::close(fd) != 0 && reason.isEmpty())
        reason = systemReason(errno);
    if (reason.isEmpty() && ::rename(tempPath.constData(), target.realPath.constData()) != 0)
        reason = systemReason(errno);

    if (!reason.isEmpty()) {
        ::unlink(tempPath.constData());
        return writeFailure(path, reason);
    }
    syncFolder(target.folder);
    return {};
}
