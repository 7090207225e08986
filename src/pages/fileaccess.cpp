#include "pages/fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

// path with every symbolic link resolved; empty, with errno set, on failure.
QByteArray resolvedPath(const QByteArray &path)
{
    char buffer[PATH_MAX];
    if (!::realpath(path.constData(), buffer))
        return {};
    return QByteArray(buffer);
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
        for (int i = 0; i < newFileRandomLength; ++i)
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

} // namespace FileStore
