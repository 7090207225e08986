#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <atomic>
#include <functional>
#include <memory>

// The bytes the file store reads and writes: a file's contents as read, and
// new contents handed to it piece by piece. Shared by the file store's public
// functions and the helpers behind them.

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
