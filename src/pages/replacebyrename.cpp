#include "pages/fileaccess.h"
#include "pages/filestore.h"

#include <QList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/xattr.h>
#include <unistd.h>

namespace FileStore {

namespace {

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

// Writes the new contents to fd, starting the disk on what is written so far
// every few megabytes while the rest is composed, so the final flush waits
// only for the last stretch. Errors of those early starts show again at the
// flush.
class FileSink : public ByteSink
{
public:
    explicit FileSink(int fd)
        : m_fd(fd)
    { }
    bool operator()(QByteArrayView piece) const override
    {
        for (qsizetype at = 0; at < piece.size(); at += flushStretch) {
            const qsizetype size = qMin(qsizetype(flushStretch), piece.size() - at);
            if (!writeAll(m_fd, piece.data() + at, size))
                return false;
            wrote(size);
        }
        return true;
    }
    // Copied file to file by the kernel, as cp does, rather than read through
    // the mapping. Where the file system cannot, and where the copy stops
    // short (the page was shortened), the rest comes from the mapping, whose
    // guard then tells the page changed.
    bool copy(const FileBytes &from, qsizetype size) const override
    {
        off_t at = 0;
        while (from.descriptor() >= 0 && !m_copyFails && at < size) {
            const ssize_t copied = ::copy_file_range(from.descriptor(), &at, m_fd, nullptr,
                                                     size_t(qMin(flushStretch, size - at)), 0);
            if (copied > 0)
                wrote(copied);
            else if (copied == 0 || errno == EXDEV || errno == EINVAL || errno == ENOSYS
                     || errno == EOPNOTSUPP)
                m_copyFails = true;
            else if (errno != EINTR)
                return false;
        }
        return (*this)(from.view().sliced(at, size - at));
    }

private:
    void wrote(qsizetype size) const
    {
        m_written += size;
        if (m_written - m_flushed >= flushStretch) {
            ::sync_file_range(m_fd, m_flushed, m_written - m_flushed, SYNC_FILE_RANGE_WRITE);
            m_flushed = m_written;
        }
    }

    int m_fd;
    mutable off_t m_written = 0;
    mutable off_t m_flushed = 0;
    mutable bool m_copyFails = false;
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

} // namespace

Attempt replaceByRename(const QString &path, const Target &target, const ContentWriter &contents)
{
    NewFile temp;
    if (!temp.create(target.folder + newContentsPrefix, target.exists ? 0600 : 0666)) {
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
    const FileSink sink(fd);
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

} // namespace FileStore
