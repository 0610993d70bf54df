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
