#include "pages/fileaccess.h"
#include "pages/filestore.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

using namespace FileStore;

namespace {

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

MappedReadResult mapWholeFile(const QString &path)
{
    // Below this a copy costs less than setting up a mapping.
    constexpr off_t smallestMapped = 1024 * 1024;

    MappedReadResult result;
    struct stat status;
    Descriptor file = openRegular(path, status, result.error);
    if (file.fd() < 0)
        return result;
    if (status.st_size >= smallestMapped && status.st_size <= PTRDIFF_MAX) {
        const size_t size = size_t(status.st_size);
        // Populated in one call: cheaper than a fault every few pages as it is read.
        void *mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.fd(), 0);
        if (mapped != MAP_FAILED) {
            GuardedMapping *guard = guardMapping(static_cast<char *>(mapped), size);
            if (guard) {
                // Kept open with the mapping, so the file store can copy from it.
                const int descriptor = file.fd();
                const std::shared_ptr<const char> mapping(static_cast<const char *>(mapped),
                                                          [size, guard, descriptor](const char *p) {
                                                              guard->start.store(nullptr);
                                                              ::munmap(const_cast<char *>(p), size);
                                                              guard->taken.store(false);
                                                              ::close(descriptor);
                                                          });
                file.release();
                result.contents
                    = FileBytes(mapping, qsizetype(size), &guard->shortened, descriptor);
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

qsizetype FileBytes::find(QByteArrayView part, QByteArrayView needle) const
{
    const auto inMemory = [needle](QByteArrayView bytes) -> qsizetype {
        const void *found
            = ::memmem(bytes.data(), size_t(bytes.size()), needle.data(), size_t(needle.size()));
        return found ? static_cast<const char *>(found) - bytes.data() : -1;
    };
    if (descriptor() < 0 || needle.isEmpty())
        return inMemory(part);
    // Each read starts where a match could still begin in the one before.
    // The first reads are small, so a search for the next of many matches
    // costs little; later ones grow to a size that reads fast.
    qsizetype stretch = 4096;
    QByteArray buffer;
    const off_t start = part.data() - view().data();
    qsizetype at = 0;
    while (at + needle.size() <= part.size()) {
        const qsizetype wanted = qMin(stretch + needle.size() - 1, part.size() - at);
        buffer.resize(wanted);
        const ssize_t got = ::pread(descriptor(), buffer.data(), size_t(wanted), start + at);
        if (got != wanted)
            break;
        if (const qsizetype found = inMemory(buffer); found >= 0)
            return at + found;
        at += got - needle.size() + 1;
        stretch = qMin(2 * stretch, qsizetype(256 * 1024));
    }
    const qsizetype found = inMemory(part.sliced(at));
    return found < 0 ? -1 : at + found;
}
