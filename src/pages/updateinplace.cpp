#include "pages/fileaccess.h"
#include "pages/filestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace FileStore {

namespace {

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

// Keeps a complete, flushed copy of original in copy: at copyPlace, beside the
// page when its folder is writable, otherwise in the user's cache folder.
// Returns why no copy could be kept; empty when one was.
QString keepCopy(const Target &target, const QByteArray &original, CopyPlace copyPlace,
                 NewFile &copy)
{
    QByteArray folder = target.folder.size() > 1 ? target.folder.chopped(1) : target.folder;
    bool created = copyPlace == CopyPlace::BesidePage
        && copy.create(target.folder + '.' + target.fileName + keptCopyInfix, 0600);
    if (!created
        && (copyPlace == CopyPlace::Cache || errno == EACCES || errno == EPERM || errno == EROFS)) {
        const QString cache = cachedCopyFolder();
        folder = QFile::encodeName(cache);
        if (cache.isEmpty() || !QDir().mkpath(cache))
            errno = EACCES;
        else
            created = copy.create(folder + '/' + cachedCopyPrefix(target.realPath), 0600);
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

} // namespace

QString updateInPlace(const QString &path, const Target &target, const ContentWriter &writer,
                      CopyPlace copyPlace)
{
    // Composed in full before the page is touched: the writer may be reading
    // from a mapping of this very page, and the bytes are read back after.
    struct Buffer : ByteSink
    {
        QByteArray &contents;
        explicit Buffer(QByteArray &into)
            : contents(into)
        { }
        bool operator()(QByteArrayView piece) const override
        {
            contents.append(piece);
            return true;
        }
    };
    QByteArray contents;
    const bool composed = writer(Buffer(contents));
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
    if (const QString reason = keepCopy(target, original, copyPlace, copy); !reason.isEmpty())
        return writeFailure(path, reason);

    const QString reason = overwrite(page.fd(), contents);
    if (reason.isEmpty() || overwrite(page.fd(), original).isEmpty())
        return reason.isEmpty() ? QString() : writeFailure(path, reason);
    copy.keep();
    return FileStore::tr("Cannot write \"%1\": %2. The page could not be put back as it was; "
                         "its original contents are kept in \"%3\".")
        .arg(path, reason, QFile::decodeName(copy.path()));
}

} // namespace FileStore
