#include "pages/filestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace {

// The translation context of the messages below.
struct FileStore
{
    Q_DECLARE_TR_FUNCTIONS(FileStore)
};

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

QByteArray resolvedPath(const QByteArray &path)
{
    char buffer[PATH_MAX];
    if (!::realpath(path.constData(), buffer))
        return {};
    return QByteArray(buffer);
}

// Closes a descriptor when it goes out of scope; close() reports late write errors.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    { }
    Descriptor(Descriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    { }
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        if (this != &other) {
            close();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    ~Descriptor() { close(); }
    int fd() const { return m_fd; }
    int close()
    {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Opens path without waiting on a pipe or a device and reads the status of
// what was opened; no descriptor, with errno set, on failure.
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

// Reads fd from its current position to the end; sizeHint sizes the buffer, and
// reading goes on past it in case the file grew.
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

// A file made for one write (the temporary page, or the kept copy of a page),
// named prefix and six random characters, that did not exist before. It is
// removed again when it goes out of scope unless keep() was called, so no
// failure leaves it behind. The kernel applies the umask (or the folder's
// default ACL) to mode, so the process umask is never touched.
class NewFile
{
public:
    NewFile() = default;
    ~NewFile()
    {
        m_file.close();
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // False, with errno set, when no file could be created.
    bool create(const QByteArray &prefix, mode_t mode)
    {
        static const char letters[]
            = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = prefix;
            for (int i = 0; i < 6; ++i)
                name.append(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
            m_file
                = Descriptor(::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
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
    int fd() const { return m_file.fd(); }
    const QByteArray &path() const { return m_path; }
    // Flushes the file to disk and closes it: the system's reason when that
    // fails, empty when the file is complete.
    QString finish()
    {
        QString reason = ::fsync(m_file.fd()) != 0 ? systemReason(errno) : QString();
        if (m_file.close() != 0 && reason.isEmpty())
            reason = systemReason(errno);
        return reason;
    }
    void keep() { m_path.clear(); }

private:
    Descriptor m_file;
    QByteArray m_path; // empty once kept
};

// Where the new contents go and what the replaced file looked like.
struct Target
{
    QByteArray realPath; // every symbolic link resolved, so a link stays a link
    QByteArray folder; // ends with '/'
    QByteArray fileName;
    bool exists = false;
    struct stat status = {};
    QString error;
};

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

// Opens the resolved page again, checking it is still the same regular file.
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

// The names of the extended attributes (the ACL among them) this process may read.
std::optional<QList<QByteArray>> attributeNames(int fd)
{
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? std::optional(QList<QByteArray>()) : std::nullopt;
        QByteArray list(size, Qt::Uninitialized);
        const ssize_t got = ::flistxattr(fd, list.data(), size_t(list.size()));
        if (got < 0 && errno == ERANGE)
            continue; // grew meanwhile
        if (got < 0)
            return std::nullopt;
        list.truncate(got);
        QList<QByteArray> names = list.split('\0');
        names.removeAll(QByteArray());
        return names;
    }
}

std::optional<QByteArray> attributeValue(int fd, const QByteArray &name)
{
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name.constData(), nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray value(size, Qt::Uninitialized);
        const ssize_t got = ::fgetxattr(fd, name.constData(), value.data(), size_t(value.size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return std::nullopt;
        value.truncate(got);
        return value;
    }
}

// Gives to exactly the extended attributes of from, removing any it inherited
// (a folder's default ACL); false when one of them cannot be kept.
bool copyAttributes(int from, int to)
{
    const std::optional<QList<QByteArray>> wanted = attributeNames(from);
    const std::optional<QList<QByteArray>> present = attributeNames(to);
    if (!wanted || !present)
        return false;
    for (const QByteArray &name : *present) {
        if (!wanted->contains(name) && ::fremovexattr(to, name.constData()) != 0)
            return false;
    }
    for (const QByteArray &name : *wanted) {
        const std::optional<QByteArray> value = attributeValue(from, name);
        if (!value
            || ::fsetxattr(to, name.constData(), value->constData(), size_t(value->size()), 0) != 0)
            return false;
    }
    return true;
}

bool keepOwner(int fd, const struct stat &page)
{
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return false;
    return (status.st_uid == page.st_uid && status.st_gid == page.st_gid)
        || ::fchown(fd, page.st_uid, page.st_gid) == 0;
}

void syncFolder(const QByteArray &folder)
{
    // Makes the rename itself durable; the page is already complete either way.
    const Descriptor directory(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.fd() >= 0)
        ::fsync(directory.fd());
}

// How much of a large new file is written before the disk is set to work on it.
constexpr off_t flushStretch = 8 * 1024 * 1024;

struct Attempt
{
    bool blocked = false; // nothing was changed; the page needs the in-place route
    QString error;
};

// Renames the finished temporary file to the page. A new page never replaces
// a file another program made there meanwhile (EEXIST), where the file system
// can tell.
bool moveIntoPlace(const QByteArray &temporary, const Target &target)
{
    if (!target.exists) {
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.realPath.constData(),
                        RENAME_NOREPLACE)
            == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
    }
    return ::rename(temporary.constData(), target.realPath.constData()) == 0;
}

// The usual route: the new contents go to a temporary file beside the page,
// which takes the page's owner, group, extended attributes and mode, is flushed
// and is then renamed over the page, so the page is at every moment either
// wholly old or wholly new. A new page is created the same way, with the
// permissions the kernel gives a new file.
Attempt replaceByRename(const QString &path, const Target &target, const ContentWriter &contents)
{
    NewFile temp;
    if (!temp.create(target.folder + ".zephrin-", target.exists ? 0600 : 0666)) {
        if (errno == EACCES || errno == EPERM)
            return {true, {}};
        return {false, writeFailure(path, systemReason(errno))};
    }

    if (target.exists) {
        // Owner and attributes go first, so a page that cannot keep them costs no writing.
        const Descriptor page = openPage(target, O_RDONLY);
        if (page.fd() < 0 || !keepOwner(temp.fd(), target.status)
            || !copyAttributes(page.fd(), temp.fd()))
            return {true, {}};
    }

    QString reason;
    const int fd = temp.fd();
    off_t written = 0;
    off_t flushed = 0;
    const auto sink = [fd, &written, &flushed](QByteArrayView piece) {
        if (!writeAll(fd, piece.data(), piece.size()))
            return false;
        written += piece.size();
        // Starts the disk writing what is written so far while the rest is
        // being composed, so the fsync below waits only for the last stretch.
        // Its errors show again at the fsync.
        if (written - flushed >= flushStretch) {
            ::sync_file_range(fd, flushed, written - flushed, SYNC_FILE_RANGE_WRITE);
            flushed = written;
        }
        return true;
    };
    if (!contents(sink))
        reason = systemReason(errno);
    // Last, as writing and fchown may clear the set-id bits.
    if (reason.isEmpty() && target.exists && ::fchmod(fd, target.status.st_mode & 07777) != 0)
        reason = systemReason(errno);
    if (reason.isEmpty())
        reason = temp.finish();
    if (reason.isEmpty() && !moveIntoPlace(temp.path(), target)) {
        // A sticky folder lets only the page's owner replace it.
        if (target.exists && (errno == EPERM || errno == EACCES))
            return {true, {}};
        reason = errno == EEXIST
            ? FileStore::tr("another program created it meanwhile; it was left as that "
                            "program wrote it")
            : systemReason(errno);
    }
    if (!reason.isEmpty())
        return {false, writeFailure(path, reason)};
    temp.keep(); // it is the page now
    syncFolder(target.folder);
    return {};
}

// Writes bytes over the whole of fd, flushes them to disk and reads them back.
QString overwrite(int fd, const QByteArray &bytes)
{
    if (::lseek(fd, 0, SEEK_SET) != 0 || !writeAll(fd, bytes.constData(), bytes.size())
        || ::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0)
        return systemReason(errno);
    QByteArray back;
    if (::lseek(fd, 0, SEEK_SET) != 0 || !readToEnd(fd, bytes.size(), back))
        return systemReason(errno);
    if (back != bytes)
        return QCoreApplication::translate("FileStore",
                                           "the page read back differs from what was written");
    return {};
}

// Keeps a complete, flushed copy of original in copy: beside the page when its
// folder is writable, otherwise in the user's cache folder. Returns why no
// copy could be kept; empty when one was.
QString keepCopy(const Target &target, const QByteArray &original, NewFile &copy)
{
    QByteArray folder = target.folder.size() > 1 ? target.folder.chopped(1) : target.folder;
    bool created = copy.create(target.folder + '.' + target.fileName + ".zephrin-copy-", 0600);
    if (!created && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        folder = QFile::encodeName(cache);
        if (cache.isEmpty() || !QDir().mkpath(cache))
            errno = EACCES;
        else
            created = copy.create(folder + '/' + target.fileName + ".zephrin-copy-", 0600);
    }
    QString reason = created ? QString() : systemReason(errno);
    if (reason.isEmpty() && !writeAll(copy.fd(), original.constData(), original.size()))
        reason = systemReason(errno);
    if (reason.isEmpty())
        reason = copy.finish();
    if (reason.isEmpty())
        return {};
    return FileStore::tr("no copy of the page could be kept in the folder \"%1\" (%2), so the "
                         "page was left as it was")
        .arg(QFile::decodeName(folder), reason);
}

// The route for a page that cannot be replaced by rename (its folder is not
// writable, its owner, group or attributes cannot be kept, or it has other
// hard links): after a complete copy of the page is kept, the new contents are
// written into the page itself, flushed and read back. On any failure the
// original contents are written back; the copy is removed unless that failed
// too.
QString updateInPlace(const QString &path, const Target &target, const ContentWriter &writer)
{
    // Composed in full before the page is touched: the writer may be reading
    // from a mapping of this very page, and the bytes are read back after.
    QByteArray contents;
    const bool composed = writer([&contents](QByteArrayView piece) {
        contents.append(piece);
        return true;
    });
    // A writer that fails (its source shrank under it) leaves the page alone.
    if (!composed)
        return writeFailure(path, systemReason(errno));
    const Descriptor page = openPage(target, O_RDWR);
    if (page.fd() < 0)
        return writeFailure(path, systemReason(errno));
    QByteArray original;
    if (!readToEnd(page.fd(), qsizetype(target.status.st_size), original))
        return readFailure(path, systemReason(errno));
    NewFile copy;
    if (const QString reason = keepCopy(target, original, copy); !reason.isEmpty())
        return writeFailure(path, reason);

    const QString reason = overwrite(page.fd(), contents);
    if (reason.isEmpty() || overwrite(page.fd(), original).isEmpty())
        return reason.isEmpty() ? QString() : writeFailure(path, reason);
    copy.keep();
    return FileStore::tr("Cannot write \"%1\": %2. The page could not be put back as it was; "
                         "its original contents are kept in \"%3\".")
        .arg(path, reason, QFile::decodeName(copy.path()));
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

// Opens a regular file for reading, looking before opening: opening a pipe
// would wait for a writer, and opening a device can have effects of its own.
// No descriptor, and error set, on failure.
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

// Pages mapped for reading. When another program shortens a mapped page,
// reading past its new end raises SIGBUS; the handler maps zero pages over the
// vanished part and marks the mapping, so the read finishes and the page is
// refused as changed, instead of the program ending.
struct GuardedMapping
{
    std::atomic_bool taken {false}; // claimed by one mapping, set before start and cleared after
    std::atomic<char *> start {nullptr};
    std::atomic<size_t> size {0};
    std::atomic_bool shortened {false};
};
GuardedMapping guardedMappings[64];
struct sigaction previousBusErrorAction;
size_t memoryPageSize = 4096;

void onBusError(int signal, siginfo_t *info, void *context)
{
    char *const address = static_cast<char *>(info->si_addr);
    for (GuardedMapping &mapping : guardedMappings) {
        char *const start = mapping.start.load();
        const size_t size = mapping.size.load();
        if (!start || address < start || address >= start + size)
            continue;
        char *const from = start + size_t(address - start) / memoryPageSize * memoryPageSize;
        if (::mmap(from, size_t(start + size - from), PROT_READ,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0)
            != MAP_FAILED) {
            mapping.shortened.store(true);
            return;
        }
        break;
    }
    // Not a guarded mapping: whatever would have happened without us.
    if (previousBusErrorAction.sa_flags & SA_SIGINFO) {
        previousBusErrorAction.sa_sigaction(signal, info, context);
        return;
    }
    if (previousBusErrorAction.sa_handler != SIG_DFL
        && previousBusErrorAction.sa_handler != SIG_IGN) {
        previousBusErrorAction.sa_handler(signal);
        return;
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// A slot for a new mapping, or null when every slot is taken (the file is
// then read rather than mapped).
GuardedMapping *guardMapping(char *start, size_t size)
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        memoryPageSize = size_t(::sysconf(_SC_PAGESIZE));
        struct sigaction action = {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previousBusErrorAction);
    });
    // The slot is claimed before it is filled, so pages mapped on several
    // threads at once never share one; the handler looks at it once start is set.
    for (GuardedMapping &mapping : guardedMappings) {
        if (mapping.taken.exchange(true))
            continue;
        mapping.size.store(size);
        mapping.shortened.store(false);
        mapping.start.store(start);
        return &mapping;
    }
    return nullptr;
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

MappedReadResult mapWholeFile(const QString &path)
{
    // Below this a copy costs less than setting up a mapping.
    constexpr off_t smallestMapped = 1024 * 1024;

    MappedReadResult result;
    struct stat status;
    const Descriptor file = openRegular(path, status, result.error);
    if (file.fd() < 0)
        return result;
    if (status.st_size >= smallestMapped && status.st_size <= PTRDIFF_MAX) {
        const size_t size = size_t(status.st_size);
        // Populated in one call: cheaper than a fault every few pages as it is read.
        void *mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.fd(), 0);
        if (mapped != MAP_FAILED) {
            GuardedMapping *guard = guardMapping(static_cast<char *>(mapped), size);
            if (guard) {
                const std::shared_ptr<const char> mapping(static_cast<const char *>(mapped),
                                                          [size, guard](const char *p) {
                                                              guard->start.store(nullptr);
                                                              ::munmap(const_cast<char *>(p), size);
                                                              guard->taken.store(false);
                                                          });
                result.contents = FileBytes(mapping, qsizetype(size), &guard->shortened);
                return result;
            }
            ::munmap(mapped, size);
        }
    }
    QByteArray bytes;
    if (!readToEnd(file.fd(), qsizetype(status.st_size), bytes))
        result.error = readFailure(path, systemReason(errno));
    else
        result.contents = FileBytes(std::move(bytes));
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

    if (!target.exists) {
        const Attempt created = replaceByRename(path, target, contents);
        return created.blocked ? folderRefusal(path) : created.error;
    }
    // Renaming would split a page with other hard links from them.
    if (target.status.st_nlink == 1) {
        const Attempt replaced = replaceByRename(path, target, contents);
        if (!replaced.blocked)
            return replaced.error;
    }
    return updateInPlace(path, target, contents);
}

QString replaceRefusal(const QString &path)
{
    return refusal(path, resolveTarget(path));
}
