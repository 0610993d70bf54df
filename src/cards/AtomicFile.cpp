#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace zek {
namespace {

// Writes all of bytes into file from its start and cuts it there; the data is
// on the disk when this returns true.
bool writeAll(QFile &file, const QByteArray &bytes)
{
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size())
        && ::fsync(file.handle()) == 0;
}

bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const QByteArray previous = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (writeAll(file, bytes))
        return true;
    writeAll(file, previous);
    return false;
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QFileInfo(path).isFile() && writeInPlace(path, bytes);
    if (file.write(bytes) == bytes.size() && file.size() == bytes.size() && file.commit())
        return true;
    file.cancelWriting();
    return false;
}

} // namespace zek
