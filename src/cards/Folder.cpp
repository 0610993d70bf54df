#include "Folder.h"

#include <QDir>

namespace zek {

QString findFile(const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return name;
    const QDir dir(folder);
    if (dir.exists(name))
        return name;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return name;
}

QString filePath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(findFile(folder, name));
}

} // namespace zek

namespace zek {

FolderLock::FolderLock(const QString &folder) : m_file(QDir(folder).filePath(fileName()))
{
    // A lock is stale only when its copy no longer runs: the program may run
    // for hours without touching the lock file.
    m_file.setStaleLockTime(0);
}

FolderLock::State FolderLock::lock()
{
    if (m_file.isLocked() || m_file.tryLock(0))
        return State::Locked;
    return m_file.error() == QLockFile::LockFailedError ? State::Busy : State::Unavailable;
}

} // namespace zek
