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

namespace zek {

namespace {

constexpr std::size_t largePage = std::size_t(2) << 20;

// Reads from fd into [data, data + size) until the end of the file or the
// block is full; the bytes read, or -1.
qsizetype readInto(int fd, char *data, qsizetype size)
{
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, std::size_t(size - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

} // namespace

bool readWholeFile(const QString &path, QByteArray &bytes)
{
    // plain system calls: the start calls this on a thread of its own before
    // the application object exists, where no Qt object may be made
    bytes.clear();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (ok && info.st_size > 0 && info.st_size < std::numeric_limits<int>::max())
        bytes.resize(qsizetype(info.st_size));
    qsizetype got = 0;
    while (ok) {
        // the file as long as it was said to be, then whatever it has grown by
        char more[16384];
        const bool full = got == bytes.size();
        const ssize_t n =
            full ? ::read(fd, more, sizeof more) : ::read(fd, bytes.data() + got, std::size_t(bytes.size() - got));
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

bool readWholeFileInLargePages(const QString &path, QByteArray &bytes, std::shared_ptr<const void> &keep)
{
    keep.reset();
    bytes.clear();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size <= 0 || info.st_size >= std::numeric_limits<int>::max()) {
        ::close(fd);
        return readWholeFile(path, bytes);
    }
    // one byte more than the file holds, so that its end is seen; in whole
    // large pages, placed at the start of one
    const std::size_t size = std::size_t(info.st_size) + 1;
    const std::size_t length = (size + largePage - 1) & ~(largePage - 1);
    void *const mapped =
        ::mmap(nullptr, length + largePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        ::close(fd);
        return readWholeFile(path, bytes);
    }
    const auto at = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (at + largePage - 1) & ~std::uintptr_t(largePage - 1);
    if (aligned > at)
        ::munmap(mapped, aligned - at);
    if (aligned + length < at + length + largePage)
        ::munmap(reinterpret_cast<void *>(aligned + length), at + length + largePage - (aligned + length));
    char *const block = reinterpret_cast<char *>(aligned);
    // advised before anything touches it; then mapped in one call (ignored by
    // a system that cannot)
    ::madvise(block, length, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    ::madvise(block, size, MADV_POPULATE_WRITE);
#endif
    const qsizetype got = readInto(fd, block, qsizetype(size));
    ::close(fd);
    if (got < 0 || got == qsizetype(size)) {
        ::munmap(block, length); // unreadable, or grown: read as any file
        return got >= 0 && readWholeFile(path, bytes);
    }
    keep = std::shared_ptr<const void>(block, [length](const void *p) { ::munmap(const_cast<void *>(p), length); });
    bytes = QByteArray::fromRawData(block, got);
    return true;
#else
    return readWholeFile(path, bytes);
#endif
}

} // namespace zek
