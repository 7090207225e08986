#pragma once

// The system-level helpers behind the file store's public functions
// (filestore.h): messages, descriptors, new files and targets (all in
// fileaccess.cpp), and the two routes for replacing a page, in
// replacebyrename.cpp and updateinplace.cpp. Only the file store's own files
// include this header.

#include "pages/filecontents.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

namespace FileStore {

// The translation context of the file store's messages.
QString tr(const char *text);

// The words for a system error number, as every message of the file store
// gives them: the one place where an errno becomes text.
QString systemReason(int error);
// "Cannot read \"path\": reason" and "Cannot write \"path\": reason".
QString readFailure(const QString &path, const QString &reason);
QString writeFailure(const QString &path, const QString &reason);

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
    // Hands the descriptor over to whoever closes it next.
    int release() { return std::exchange(m_fd, -1); }
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
Descriptor openWithStatus(const QByteArray &path, int flags, struct stat &status);

// Writes all of data to fd; false, with errno set, when that fails.
bool writeAll(int fd, const char *data, qsizetype size);

// Reads fd from its current position to the end; sizeHint sizes the buffer, and
// reading goes on past it in case the file grew.
bool readToEnd(int fd, qsizetype sizeHint, QByteArray &contents);

// Opens a regular file for reading, looking before opening: opening a pipe
// would wait for a writer, and opening a device can have effects of its own.
// No descriptor, and error set, on failure.
Descriptor openRegular(const QString &path, struct stat &status, QString &error);

// The random letters and digits that end the name of each NewFile.
inline constexpr int newFileRandomLength = 6;

// A file made for one write (the temporary page, or the kept copy of a page),
// named prefix and newFileRandomLength random characters, that did not exist before. It is
// removed again when it goes out of scope unless keep() was called, so no
// failure leaves it behind. The kernel applies the umask (or the folder's
// default ACL) to mode, so the process umask is never touched.
class NewFile
{
public:
    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // False, with errno set, when no file could be created.
    bool create(const QByteArray &prefix, mode_t mode);
    int fd() const { return m_file.fd(); }
    const QByteArray &path() const { return m_path; }
    // Flushes the file to disk and closes it: the system's reason when that
    // fails, empty when the file is complete.
    QString finish();
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

// Where path leads, for writing: its real path, folder, name and status. error
// is set when it can be no page (not a regular file, no name given, a link to a
// missing file, a folder that cannot be found).
Target resolveTarget(const QString &path);

// Opens the resolved page again, checking it is still the same regular file.
Descriptor openPage(const Target &target, int flags);

struct Attempt
{
    bool blocked = false; // nothing was changed; the page needs the in-place route
    QString error;
};

// The usual route: the new contents go to a temporary file beside the page,
// which takes the page's owner, group, extended attributes and mode, is flushed
// and is then renamed over the page, so the page is at every moment either
// wholly old or wholly new. A new page is created the same way, with the
// permissions the kernel gives a new file.
Attempt replaceByRename(const QString &path, const Target &target, const ContentWriter &contents);

// Where the in-place route keeps its copy of the page.
enum class CopyPlace {
    BesidePage, // beside the page, or in the user's cache folder when its folder is not writable
    Cache, // in the user's cache folder: the page's folder would never let the copy go
};

// The route for a page that cannot be replaced by rename (its folder is not
// writable or keeps every name made in it, its owner, group or attributes
// cannot be kept, or it has other hard links): after a complete copy of the
// page is kept, the new contents are written into the page itself, flushed and
// read back. On any failure the original contents are written back; the copy
// is removed unless that failed too.
QString updateInPlace(const QString &path, const Target &target, const ContentWriter &writer,
                      CopyPlace copyPlace);

} // namespace FileStore
