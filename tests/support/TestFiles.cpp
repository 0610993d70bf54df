#include "TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zek::test {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << "cannot read " << path.toStdString();
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size())
        << "cannot write " << path.toStdString();
}

QString sampleFolder() { return QStringLiteral(ZEK_SAMPLE_DIR); }

void copySampleBox(const QString &folder)
{
    for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        writeBytes(QDir(folder).filePath(QLatin1String(name)), readBytes(QDir(sampleFolder()).filePath(QLatin1String(name))));
}

void writeBox(const QString &folder, const QByteArray &german)
{
    const QDir dir(folder);
    writeBytes(dir.filePath("ZEKCARDS.INI"), "ABC\xc4\xe4\xdf\r\nXYZ\r\n\xe9\xe8\xe7\r\n");
    writeBytes(dir.filePath("ZEKCARD1.LST"), german);
    writeBytes(dir.filePath("ZEKCARD2.LST"), "1, dog, puppy, The dog barks.\r\n");
    writeBytes(dir.filePath("ZEKCARD3.LST"), "1, chat, chaton, Le chat dort.\r\n");
}

// Sets the soft limit of the file size; gives the one it had.
static unsigned long limitFileSize(unsigned long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const unsigned long old = limit.rlim_cur;
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0) << "cannot limit the file size";
    return old;
}

// a failed write, not a killed process
FileSizeLimit::FileSizeLimit(unsigned long bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) { m_old = limitFileSize(bytes); }

FileSizeLimit::~FileSizeLimit()
{
    limitFileSize(m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

static bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

ReadOnly::ReadOnly(const QString &path) : m_path(path), m_old(QFile::permissions(path))
{
    if (::geteuid() == 0)
        m_made = m_immutable = setImmutable(path, true);
    else
        m_made = QFile::setPermissions(path, m_old & ~(QFile::WriteOwner | QFile::WriteUser));
}

ReadOnly::~ReadOnly()
{
    if (m_immutable)
        setImmutable(m_path, false);
    else if (m_made)
        QFile::setPermissions(m_path, m_old);
}

} // namespace zek::test
