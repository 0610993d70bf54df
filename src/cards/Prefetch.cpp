#include "Prefetch.h"

#include "AtomicFile.h"
#include "Memory.h"

#include <QFileInfo>

#include <future>
#include <mutex>

namespace zek {
namespace {

struct Prefetched {
    FileIdentity identity; // before the read; not existing when the file changed during it
    std::optional<CardFileIndex> index;
};

Prefetched readInBackground(const QString &path)
{
    Prefetched result;
    result.identity = identityOf(path);
    QByteArray bytes;
    std::shared_ptr<const void> keep;
    if (!result.identity.exists || !readWholeFileInLargePages(path, bytes, keep) || identityOf(path) != result.identity)
        return {};
    result.index.emplace(std::move(bytes), std::move(keep));
    return result;
}

std::mutex prefetchMutex;
QString prefetchPath;
std::future<Prefetched> prefetch; // waited for at the end of the run, should nobody take it

} // namespace

void prefetchCardFile(const QString &path)
{
    const std::lock_guard lock(prefetchMutex);
    if (prefetch.valid() || path.isEmpty())
        return;
    prefetchPath = path;
    try {
        prefetch = std::async(std::launch::async, readInBackground, path);
    } catch (const std::system_error &) {
        // no thread to be had: the start reads the file itself
    }
}

void waitForPrefetchedCardFile()
{
    const std::lock_guard lock(prefetchMutex); // the read itself never takes it
    if (prefetch.valid())
        prefetch.wait();
}

std::optional<CardFileIndex> takePrefetchedCardFile(const QString &path, FileIdentity *identity)
{
    std::future<Prefetched> pending;
    {
        const std::lock_guard lock(prefetchMutex);
        if (!prefetch.valid())
            return std::nullopt;
        pending = std::move(prefetch);
        if (QFileInfo(prefetchPath) != QFileInfo(path))
            return std::nullopt; // another file: the read is waited for and dropped
    }
    Prefetched done = pending.get();
    if (!done.index || identityOf(path) != done.identity)
        return std::nullopt;
    if (identity)
        *identity = done.identity;
    return std::move(done.index);
}

} // namespace zek
