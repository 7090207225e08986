#include "pages/parallelpages.h"

#include <QFile>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Pages are rewritten by several workers at once: each page is flushed to disk
// before it replaces the old one, and the disk can take many such flushes
// together in the time of one.
constexpr int workerCount = 8;

// The most page bytes held in memory at once; a larger page runs alone.
constexpr qint64 memoryBudget = qint64(512) * 1024 * 1024;

// The file a page name leads to: two names of one file (hard or symbolic
// links) are rewritten one after the other, in the order listed, never at once.
using FileKey = std::pair<dev_t, ino_t>;

// A page's file and the bytes it counts against the memory budget, from one
// look at it before the run.
struct PageFile
{
    FileKey key {0, 0};
    qint64 cost = 0;
};

PageFile pageFileOf(const QString &page)
{
    struct stat status;
    if (::stat(QFile::encodeName(page).constData(), &status) != 0)
        return {};
    return {{status.st_dev, status.st_ino}, qMin(qint64(status.st_size), memoryBudget)};
}

// Runs change over pages on the workers; results are handed back in order.
class ParallelPages
{
public:
    ParallelPages(const QStringList &pages,
                  const std::function<PageResult(const QString &)> &change)
        : m_pages(pages)
        , m_change(change)
        , m_results(size_t(pages.size()))
        , m_cost(size_t(pages.size()))
        , m_sameFileBefore(size_t(pages.size()), -1)
    {
        std::map<FileKey, qsizetype> lastWithFile;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const PageFile file = pageFileOf(pages.at(i));
            m_cost[size_t(i)] = file.cost;
            if (file.key == FileKey {0, 0})
                continue;
            const auto [it, first] = lastWithFile.emplace(file.key, i);
            if (!first) {
                m_sameFileBefore[size_t(i)] = it->second;
                it->second = i;
            }
        }
        const int count = int(qMin<qsizetype>(workerCount, pages.size()));
        for (int i = 0; i < count; ++i)
            m_workers.emplace_back([this] { work(); });
    }
    ~ParallelPages()
    {
        for (std::thread &worker : m_workers)
            worker.join();
    }

    // The result of page index, once it is done.
    PageResult result(qsizetype index)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return m_results[size_t(index)].has_value(); });
        return *m_results[size_t(index)];
    }

private:
    void work()
    {
        for (qsizetype index; (index = m_next++) < m_pages.size();) {
            const QString &page = m_pages.at(index);
            const qint64 cost = m_cost[size_t(index)];
            const qsizetype before = m_sameFileBefore[size_t(index)];
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                // Another name of the same file waits for the one listed before it.
                m_changed.wait(lock, [&] {
                    return m_inUse + cost <= memoryBudget
                        && (before < 0 || m_results[size_t(before)].has_value());
                });
                m_inUse += cost;
            }
            PageResult result = m_change(page);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_inUse -= cost;
                m_results[size_t(index)] = std::move(result);
            }
            m_changed.notify_all();
        }
    }

    const QStringList &m_pages;
    const std::function<PageResult(const QString &)> &m_change;
    std::vector<std::optional<PageResult>> m_results;
    std::vector<qint64> m_cost; // each page's bytes, at most the budget
    std::vector<qsizetype> m_sameFileBefore; // index of an earlier name of the same file, or -1
    std::atomic<qsizetype> m_next {0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qint64 m_inUse = 0;
    std::vector<std::thread> m_workers;
};

} // namespace

void changePagesInParallel(const QStringList &pages,
                           const std::function<PageResult(const QString &)> &change,
                           const std::function<void(qsizetype, const PageResult &)> &done)
{
    ParallelPages parallel(pages, change);
    for (qsizetype i = 0; i < pages.size(); ++i)
        done(i, parallel.result(i));
}
