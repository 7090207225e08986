#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

// File access for the user's pages, the support scripts and the preview page.
// Failures come back as a message naming the file and the system's reason;
// nothing here shows any UI.

struct ReadResult
{
    QByteArray contents;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Reads a whole regular file. Refuses folders, devices, pipes and sockets.
ReadResult readWholeFile(const QString &path);

// A file's bytes as read: a large file is mapped into memory rather than
// copied, so reading it costs no fresh memory. Copies share the bytes.
class FileBytes
{
public:
    FileBytes() = default;
    explicit FileBytes(QByteArray bytes)
        : m_bytes(std::move(bytes))
    { }
    // The mapping's deleter also closes descriptor, the file the bytes are mapped from.
    FileBytes(std::shared_ptr<const char> mapping, qsizetype size,
              const std::atomic_bool *shortened, int descriptor)
        : m_mapping(std::move(mapping))
        , m_mappedSize(size)
        , m_shortened(shortened)
        , m_descriptor(descriptor)
    { }
    QByteArrayView view() const
    {
        return m_mapping ? QByteArrayView(m_mapping.get(), m_mappedSize) : QByteArrayView(m_bytes);
    }
    // Whether another program shortened the mapped file while it was read:
    // the vanished part then reads as zero bytes, so what was read is not the
    // page and must not be written back.
    bool shortenedWhileRead() const { return m_shortened && m_shortened->load(); }
    // The open file a large page is mapped from, so its bytes can be copied
    // file to file without passing through this program; -1 for bytes held
    // in memory.
    int descriptor() const { return m_mapping ? m_descriptor : -1; }
    // Where needle first occurs in part, a stretch of view(); -1 when it does
    // not. A mapped file is read a little at a time into one small buffer:
    // going once through a fresh mapping of a large file costs several times
    // more. Where reading stops short, the rest is searched in the mapping.
    qsizetype find(QByteArrayView part, QByteArrayView needle) const;

private:
    QByteArray m_bytes;
    std::shared_ptr<const char> m_mapping;
    qsizetype m_mappedSize = 0;
    const std::atomic_bool *m_shortened = nullptr;
    int m_descriptor = -1;
};

struct MappedReadResult
{
    FileBytes contents;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// readWholeFile, mapping a file of some megabytes instead of copying it. The
// bytes are those of the file when it was opened. A program that shortens the
// file while it is mapped would make reading past the new end end this
// program with SIGBUS; instead the vanished part reads as zero bytes and
// FileBytes::shortenedWhileRead() tells, so the caller can refuse the page.
MappedReadResult mapWholeFile(const QString &path);

// New contents handed to a file piece by piece, so a large page need not be
// composed in one buffer first. Each call returns false, with errno set, when
// writing failed; the writer then stops and returns false.
class ByteSink
{
public:
    virtual ~ByteSink() = default;
    virtual bool operator()(QByteArrayView piece) const = 0;
    // The first size bytes of from. A file store may copy them from the file
    // itself; they are the bytes of from.view() all the same.
    virtual bool copy(const FileBytes &from, qsizetype size) const
    {
        return (*this)(from.view().first(size));
    }
};
using ContentWriter = std::function<bool(const ByteSink &sink)>;

// Replaces the contents of path with contents; a page the user may write is
// never refused, and a failure leaves it byte for byte as it was. Usually the
// bytes go to a temporary file in the same folder that takes the page's owner,
// group, extended attributes (its ACL among them) and permissions, is flushed,
// and only then replaces the page by rename. When that cannot be done (the
// folder is not writable or is append-only, the owner, group or an attribute
// cannot be kept, or the page has other hard links) the page is updated in
// place instead: a complete copy of it is kept first (beside it, or in the
// user's cache folder when its folder is not writable or is append-only), the
// new bytes are written into it, flushed and read back, and on any failure the
// original is written back. The copy is removed afterwards, unless even that
// restoring failed, in which case the message says where the copy is. Nothing
// else is left behind. A symbolic link is followed and stays a link. A missing
// file is created with the permissions the kernel gives a new file (0666 less
// the umask, or the folder's default ACL); in an append-only folder it is made
// empty and written in place, and stays empty if that fails. Refused, with the
// cause in plain words and nothing changed: targets that are not regular
// files, read-only pages, and missing files whose folder is not writable.
// Returns an empty string on success.
QString replaceFileContents(const QString &path, const QByteArray &contents);
// The same with the contents given by a writer. A writer that returns false
// leaves the page as it was. It is called once, or a second time when the
// folder refused the rename after the contents were written and the page is
// then updated in place.
QString replaceFileContents(const QString &path, const ContentWriter &contents);

// The refusal replaceFileContents would give for path without writing
// anything: a target that is not a regular file, a read-only page, a missing
// file whose folder is not writable. Empty when the write would be tried.
QString replaceRefusal(const QString &path);
