#include "Memory.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/mman.h>
#endif

#if defined(__linux__) && defined(MADV_HUGEPAGE)
namespace {
// MADV_POPULATE_WRITE, which older C libraries do not name yet
#ifdef MADV_POPULATE_WRITE
constexpr int populateWrite = MADV_POPULATE_WRITE;
#else
constexpr int populateWrite = 23;
#endif
} // namespace
#endif

namespace zek {

namespace {
constexpr std::uintptr_t largePage = std::uintptr_t(2) << 20;
} // namespace

qsizetype largeBlockCapacity(qsizetype count, std::size_t elementSize)
{
    const std::size_t bytes = std::size_t(count) * elementSize;
    if (bytes < largePage / 2)
        return count;
    // A whole number of large pages, less a little for the bookkeeping in
    // front of the block: the system places a mapping of that length at the
    // start of a large page, so every page of the block can be a large one.
    constexpr std::size_t bookkeeping = 2048;
    const std::size_t pages = (bytes + 2 * bookkeeping + largePage - 1) / largePage;
    return qsizetype((pages * largePage - bookkeeping) / elementSize);
}

void adviseLargePages(void *data, std::size_t size, std::size_t capacity)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto at = reinterpret_cast<std::uintptr_t>(data);
    // A block of this size is mapped for itself, starting at a page: where
    // that page begins a large page (as the system places large mappings),
    // the large page starts with the block's own few bytes of bookkeeping
    // and may be taken whole; else only from the next large page on.
    auto begin = at & ~(largePage - 1);
    if (at - begin > 64)
        begin += largePage;
    // the end within the room the block owns, which reaches to the end of
    // its last page
    constexpr std::uintptr_t page = 4096;
    const auto owned = (at + capacity + page - 1) & ~(page - 1);
    const auto end = std::min((at + size + largePage - 1) & ~(largePage - 1), owned & ~(largePage - 1));
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
    // and all of it mapped in one call rather than one fault a page (ignored
    // by a system that cannot)
    const auto first = at & ~(page - 1);
    ::madvise(reinterpret_cast<void *>(first), at + size - first, populateWrite);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
    Q_UNUSED(capacity);
#endif
}

bool readWholeFile(const QString &path, QByteArray &bytes, bool largePages)
{
    // plain system calls: the start calls this on a thread of its own before
    // the application object exists, where no Qt object may be made
    bytes.clear();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (ok && info.st_size > 0 && info.st_size < std::numeric_limits<int>::max()) {
        if (largePages)
            bytes.reserve(largeBlockCapacity(qsizetype(info.st_size), 1));
        bytes.resize(qsizetype(info.st_size));
        if (largePages)
            adviseLargePages(bytes.data(), std::size_t(info.st_size), std::size_t(bytes.capacity()));
    }
    qsizetype got = 0;
    while (ok) {
        // the file as long as it was said to be, then whatever it has grown by
        char more[16384];
        const bool full = got == bytes.size();
        const ssize_t n = full ? ::read(fd, more, sizeof more)
                               : ::read(fd, bytes.data() + got, std::size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0;
        if (n <= 0)
            break;
        if (full)
            bytes.append(more, qsizetype(n));
        got += n;
    }
    ::close(fd);
    if (!ok) {
        bytes.clear();
        return false;
    }
    bytes.truncate(got);
    return true;
}

} // namespace zek
