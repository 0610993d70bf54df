#include "TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zek::test {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QString sampleFolder() { return QStringLiteral(ZEK_SAMPLE_DIR); }

void copySampleBox(const QString &folder)
{
    for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        writeBytes(QDir(folder).filePath(QLatin1String(name)),
                   readBytes(QDir(sampleFolder()).filePath(QLatin1String(name))));
}

} // namespace zek::test

#include <csignal>
#include <sys/resource.h>

namespace zek::test {

FileSizeLimit::FileSizeLimit(unsigned long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_old = limit.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
    limit.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        ADD_FAILURE() << "cannot limit the file size";
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_old;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace zek::test

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace zek::test {
namespace {

bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &path) : m_path(path)
{
    if (::geteuid() == 0) {
        m_immutable = setImmutable(path, true);
        m_made = m_immutable;
    } else {
        m_made = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_immutable)
        setImmutable(m_path, false);
    else if (m_made)
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace zek::test
