#include "Folder.h"

#include "ClassFolder.h"
#include "Languages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

QString filePath(const QString &folder, const QString &name) { return QDir(folder).filePath(findFile(folder, name)); }

QStringList cardBoxFiles()
{
    QStringList names{QString::fromUtf16(languageFileName)};
    for (const LanguageRecord &language : languages)
        names << language.cardFileName();
    return names;
}

int cardBoxFilesIn(const QString &folder)
{
    const QStringList names = cardBoxFiles();
    return int(std::count_if(names.begin(), names.end(),
                             [&](const QString &name) { return QFileInfo(filePath(folder, name)).isFile(); }));
}

} // namespace zek

namespace zek {

FolderLock::FolderLock(const QString &folder) : m_folder(folder), m_file(QDir(folder).filePath(fileName()))
{
    // A lock is stale only when its copy no longer runs: the program may run
    // for hours without touching the lock file.
    m_file.setStaleLockTime(0);
}

FolderLock::~FolderLock() { unlock(); }

// flock() on the language file, opened apart from every other open of it:
// a second copy, in this process or another, finds it held. The descriptor is
// closed on exec, so nothing the program starts keeps the lock alive.
FolderLock::OsLock FolderLock::lockLanguageFile()
{
    if (m_held >= 0)
        return OsLock::Held;
    const QByteArray path = QFile::encodeName(filePath(m_folder, QStringLiteral("ZEKCARDS.INI")));
    int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) // a read-only file: its lock needs no writing
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return OsLock::None;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_held = fd;
        return OsLock::Held;
    }
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? OsLock::Busy : OsLock::None;
}

FolderLock::State FolderLock::lock()
{
    const OsLock os = lockLanguageFile();
    if (os == OsLock::Busy)
        return State::Busy;
    if (m_file.isLocked() || m_file.tryLock(0))
        return State::Locked;
    if (m_file.error() == QLockFile::LockFailedError) {
        unlock();
        return State::Busy;
    }
    return os == OsLock::Held ? State::Locked : State::Unavailable;
}

QString FolderLock::holder(const QString &folder)
{
    QLockFile file(QDir(folder).filePath(fileName()));
    qint64 pid = 0;
    QString host, application;
    return file.getLockInfo(&pid, &host, &application) ? host : QString();
}

void FolderLock::unlock()
{
    m_file.unlock();
    if (m_held >= 0)
        ::close(m_held); // closing the last descriptor of the open file ends its flock
    m_held = -1;
}

} // namespace zek

namespace zek {
namespace {

CardFolderChoice chooseBoxFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                 const QString &templateFolder);

} // namespace

CardFolderChoice chooseCardFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                  const QString &templateFolder)
{
    if (!arguments.isEmpty() && arguments.first() == u"--klasse") {
        // a class folder that is not there yet is made, empty, as the
        // default one is: the teacher adds the children
        const QString klasse = arguments.size() > 1 ? QDir(workingFolder).absoluteFilePath(arguments[1])
                                                    : QDir(home).filePath(QStringLiteral("ZEK-Klasse"));
        const QString named = arguments.size() > 1 ? arguments[1] : klasse;
        if (!QFileInfo::exists(klasse) && !QDir().mkpath(klasse))
            return {{},
                    QStringLiteral("Der Klassen-Ordner \u201e%1\u201c lässt sich nicht anlegen.\r"
                                   "Die ZEK-Rechtschreibkartei wird beendet.")
                        .arg(named)};
        if (arguments.size() > 1) {
            CardFolderChoice given = chooseCardFolder(arguments.mid(1, 1), workingFolder, home, templateFolder);
            given.classMode = !given.folder.isEmpty();
            return given;
        }
        return {klasse, {}, true};
    }
    CardFolderChoice choice = chooseBoxFolder(arguments, workingFolder, home, templateFolder);
    choice.classMode = !choice.folder.isEmpty() && isClassFolder(choice.folder);
    return choice;
}

namespace {

// The folder as it is chosen for one card box.
CardFolderChoice chooseBoxFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                 const QString &templateFolder)
{
    const QString folder = cardBoxFolderFor(arguments, workingFolder, home);
    if (!arguments.isEmpty()) {
        const QFileInfo given(folder);
        if (!given.isDir())
            return {{},
                    QStringLiteral("Den Ordner \u201e%1\u201c gibt es nicht.\rDie ZEK-Rechtschreibkartei wird beendet.")
                        .arg(arguments.first())};
        if (!given.isReadable() || !given.isExecutable())
            return {{},
                    QStringLiteral(
                        "Der Ordner \u201e%1\u201c lässt sich nicht lesen.\rDie ZEK-Rechtschreibkartei wird beendet.")
                        .arg(arguments.first())};
        return {folder, {}};
    }
    if (QFileInfo::exists(folder)) // the working folder's box, the own box or a class folder
        return {folder, {}};
    // the first start: the sample card box, as files of the user's own
    bool made = QDir().mkpath(folder);
    for (const QString &name : cardBoxFiles()) {
        const QString target = QDir(folder).filePath(name);
        made = made && QFile::copy(QDir(templateFolder).filePath(name), target)
            && QFile::setPermissions(target,
                                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    if (!made) {
        QDir(folder).removeRecursively(); // made just now: nothing half done stays
        return {{},
                QStringLiteral("Der Kartei-Ordner \u201e%1\u201c lässt sich nicht aus der Vorlage anlegen.\r"
                               "Die ZEK-Rechtschreibkartei wird beendet.")
                    .arg(folder)};
    }
    return {folder, {}};
}

} // namespace

QString cardBoxFolderFor(const QStringList &arguments, const QString &workingFolder, const QString &home)
{
    if (!arguments.isEmpty())
        return QFileInfo(QDir(workingFolder).absoluteFilePath(arguments.first())).absoluteFilePath();
    if (cardBoxFilesIn(workingFolder) > 0)
        return QDir(workingFolder).absolutePath();
    return QDir(home).filePath(QStringLiteral("ZEK-Rechtschreibkartei"));
}

} // namespace zek
