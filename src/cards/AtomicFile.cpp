#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zek {
namespace {

FileIdentity identityOf(const struct stat &s)
{
    return {true, s.st_dev, s.st_ino, s.st_size, s.st_mtim.tv_sec, s.st_mtim.tv_nsec};
}

FileIdentity identityOfHandle(int fd)
{
    struct stat s {};
    return ::fstat(fd, &s) == 0 ? identityOf(s) : FileIdentity();
}

// Writes all of bytes into file from its start and cuts it there; the data is
// on the disk when this returns true.
bool writeAll(QFile &file, const QByteArray &bytes)
{
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size())
        && ::fsync(file.handle()) == 0;
}

bool writeInPlace(const QString &path, const QByteArray &bytes, FileIdentity *written)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const QByteArray previous = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (writeAll(file, bytes)) {
        if (written)
            *written = identityOfHandle(file.handle());
        return true;
    }
    writeAll(file, previous);
    return false;
}

} // namespace

FileIdentity identityOf(const QString &path)
{
    struct stat s {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? identityOf(s) : FileIdentity();
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, FileIdentity *written)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QFileInfo(path).isFile() && writeInPlace(path, bytes, written);
    if (file.write(bytes) == bytes.size() && file.size() == bytes.size()) {
        // the temporary file becomes the file: its inode, size and time
        const FileIdentity identity = identityOfHandle(file.handle());
        if (file.commit()) {
            if (written)
                *written = identity;
            return true;
        }
    }
    file.cancelWriting();
    return false;
}

InPlace writeBytesInPlace(const QString &path, const FileIdentity &expected, const QList<ByteAt> &bytes,
                          FileIdentity &written)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? InPlace::Changed : InPlace::Failed;
    const FileIdentity before = identityOfHandle(fd);
    InPlace result = InPlace::Written;
    if (!before.exists)
        result = InPlace::Failed;
    else if (!expected.exists || before != expected)
        result = InPlace::Changed;
    for (qsizetype i = 0; result == InPlace::Written && i < bytes.size(); ++i) {
        ssize_t n;
        do
            n = ::pwrite(fd, &bytes[i].byte, 1, off_t(bytes[i].offset));
        while (n < 0 && errno == EINTR);
        if (n != 1)
            result = InPlace::Failed;
    }
    if (result == InPlace::Written && ::fdatasync(fd) != 0)
        result = InPlace::Failed;
    written = identityOfHandle(fd);
    ::close(fd);
    return result;
}

} // namespace zek
