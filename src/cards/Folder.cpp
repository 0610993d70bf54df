#include "Folder.h"

#include "ClassFolder.h"
#include "Languages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSysInfo>

#include <algorithm>
#include <cstdlib>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/vfs.h>
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

bool holdsCardBoxFile(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = cardBoxFiles();
    for (const QString &name : names)
        if (QFileInfo(dir.filePath(name)).isFile())
            return true;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    return std::any_of(entries.begin(), entries.end(), [&](const QString &entry) {
        return names.contains(entry, Qt::CaseInsensitive) && QFileInfo(dir.filePath(entry)).isFile();
    });
}

} // namespace zek

namespace zek {

bool LockHolder::olderThanASchoolDay(const QDateTime &now) const
{
    return since.isValid() && since.secsTo(now) > 12 * 3600;
}

namespace {

QByteArray firstLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readLine(256).trimmed() : QByteArray();
}

// This start of the computer: a process of an earlier one runs no more.
QByteArray bootId() { return firstLine(QStringLiteral("/proc/sys/kernel/random/boot_id")); }

// When a process started, in clock ticks since the computer started: with
// the boot, it tells a process from a later one that got the same number.
QByteArray startTicks(qint64 pid)
{
    const QByteArray stat = firstLine(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype name = stat.lastIndexOf(')'); // the program's name may hold blanks
    return name < 0 ? QByteArray() : stat.mid(name + 2).split(' ').value(19);
}

// The program a process runs, as an older program's lock names it; empty
// where it cannot be seen (another user's process).
QString programOf(const QString &pid)
{
    return QFileInfo(QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget()).fileName();
}

// The file systems of the kernel's SMB client (linux/magic.h).
constexpr unsigned long cifsMagic = 0xFF534D42UL, smb2Magic = 0xFE534D42UL;

bool processExists(qint64 pid) { return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM); }

} // namespace

QString FolderLock::thisComputer() { return QSysInfo::machineHostName(); }

FolderLock::FolderLock(const QString &folder, const QString &computer)
    : m_folder(folder), m_path(QDir(folder).filePath(fileName())), m_computer(computer)
{}

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
    // On an SMB share the kernel's client (since Linux 5.5) turns flock()
    // into the server's byte-range lock on the whole file, which is
    // mandatory: our own reading of the language file through another
    // descriptor would fail. There the lock file alone holds.
    struct statfs where {};
    const bool smb = ::fstatfs(fd, &where) == 0
        && ((static_cast<unsigned long>(where.f_type) & 0xFFFFFFFFUL) == cifsMagic
            || (static_cast<unsigned long>(where.f_type) & 0xFFFFFFFFUL) == smb2Magic);
    if (smb) {
        ::close(fd);
        return OsLock::None;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_held = fd;
        return OsLock::Held;
    }
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? OsLock::Busy : OsLock::None;
}

// The lock file begins as an older program's did (process, program,
// computer, machine), so that program, too, sees who holds the folder; then
// come the fields it did not know, one "name=value" a line.
QByteArray FolderLock::contents() const
{
    const QString program = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    const QDateTime since = m_since.toOffsetFromUtc(m_since.offsetFromUtc());
    return QByteArray::number(::getpid()) + '\n' + program.toUtf8() + '\n' + m_computer.toUtf8() + '\n'
        + QSysInfo::machineUniqueId() + '\n' + "since=" + since.toString(Qt::ISODate).toUtf8() + '\n'
        + "child=" + m_child.toUtf8() + '\n' + "token=" + m_token + '\n' + "boot=" + bootId() + '\n'
        + "started=" + startTicks(::getpid()) + '\n';
}

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// Creates path exclusively with bytes; errno tells why not.
bool createExclusively(const QString &path, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes);
    const int error = errno;
    ::close(fd);
    if (written)
        return true;
    ::unlink(name.constData());
    errno = error;
    return false;
}

} // namespace

bool FolderLock::createLockFile() { return createExclusively(m_path, contents()); }

FolderLock::Found FolderLock::readLockFile()
{
    m_holder = {};
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(m_path) ? Found::Unreadable : Found::Nothing;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    QHash<QByteArray, QByteArray> fields;
    for (qsizetype i = 4; i < lines.size(); ++i)
        if (const qsizetype is = lines[i].indexOf('='); is > 0)
            fields.insert(lines[i].left(is), lines[i].mid(is + 1).trimmed());
    bool numbered = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&numbered);
    m_holder.computer = QString::fromUtf8(lines.value(2).trimmed());
    m_holder.child = QString::fromUtf8(fields.value("child"));
    m_holder.since = QDateTime::fromString(QString::fromLatin1(fields.value("since")), Qt::ISODate).toLocalTime();
    if (!m_holder.since.isValid()) // an older program's lock: since it was written
        m_holder.since = file.fileTime(QFileDevice::FileModificationTime);
    const QByteArray token = fields.value("token");
    if (!numbered || pid <= 0 || m_holder.computer.isEmpty())
        return Found::Unknown;
    if (!token.isEmpty() && token == m_token)
        return Found::Ours;
    const QByteArray machine = lines.value(3).trimmed();
    if (m_holder.computer.compare(m_computer, Qt::CaseInsensitive) != 0
        || (!machine.isEmpty() && machine != QSysInfo::machineUniqueId()))
        return Found::Other;
    // this computer: does the copy that wrote it still run?
    const bool running = token.isEmpty() ? processExists(pid)
            && (programOf(QString::number(pid)).isEmpty()
                || programOf(QString::number(pid)) == QString::fromUtf8(lines.value(1).trimmed()))
                                         : fields.value("boot") == bootId() && !fields.value("started").isEmpty()
            && fields.value("started") == startTicks(pid);
    return running ? Found::OwnRunning : Found::OwnStale;
}

FolderLock::State FolderLock::lock(const QDateTime &now)
{
    if (!m_token.isEmpty())
        return State::Locked;
    m_lost = false;
    m_holder = {};
    const OsLock os = lockLanguageFile();
    if (os == OsLock::Busy) // a copy runs here, or one elsewhere whose OS lock the server keeps
        switch (readLockFile()) {
        case Found::Other: return State::Elsewhere; // it may be a computer switched off
        case Found::OwnRunning:
        case Found::OwnStale: return State::Running;
        default: return State::Busy;
        }
    m_since = now;
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_token = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
        if (createLockFile())
            return State::Locked;
        m_token.clear();
        if (errno != EEXIST) // a folder that takes no new file
            return os == OsLock::Held ? State::Locked : State::Unavailable;
        switch (readLockFile()) {
        case Found::Nothing: continue; // gone meanwhile
        case Found::Ours: // cannot be: no token yet
        case Found::Unreadable: break;
        case Found::Unknown: { // one being written now, or left half-written long ago
            const QDateTime written = QFileInfo(m_path).lastModified();
            if (written.isValid() && std::abs(written.secsTo(QDateTime::currentDateTime())) < 60)
                break;
            return replaceLockFile();
        }
        case Found::OwnStale: return replaceLockFile();
        case Found::OwnRunning: unlock(); return State::Running;
        case Found::Other: return State::Elsewhere; // the OS lock is kept for takeOver()
        }
        break;
    }
    unlock();
    return State::Busy;
}

FolderLock::State FolderLock::takeOver() { return replaceLockFile(); }

// Our lock written beside the lock file and renamed over it, so the lock
// file is never missing; read back, as another computer may have done the
// same at the same moment.
FolderLock::State FolderLock::replaceLockFile()
{
    const LockHolder before = m_holder;
    m_token = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    const QString beside = QDir(m_folder).filePath(u'.' + fileName() + u'-' + QString::fromLatin1(m_token));
    if (!createExclusively(beside, contents())) {
        m_token.clear();
        return m_held >= 0 ? State::Locked : State::Unavailable;
    }
    if (::rename(QFile::encodeName(beside).constData(), QFile::encodeName(m_path).constData()) != 0) {
        QFile::remove(beside);
        m_token.clear();
        unlock();
        m_holder = before;
        return State::Busy;
    }
    const Found found = readLockFile();
    if (found == Found::Ours || found == Found::Unreadable) {
        m_holder = {};
        return State::Locked;
    }
    m_token.clear();
    unlock();
    return m_holder.computer.isEmpty() ? State::Busy : State::Running;
}

bool FolderLock::stillHeld()
{
    if (m_lost)
        return false;
    if (m_token.isEmpty())
        return true; // no lock file of ours to lose
    const LockHolder ours = m_holder;
    switch (readLockFile()) {
    case Found::Ours:
    case Found::Unreadable: m_holder = ours; return true;
    case Found::Nothing: // deleted by hand: ours again, unless another copy came first
        if (createLockFile() || errno != EEXIST || readLockFile() == Found::Ours) {
            m_holder = ours;
            return true;
        }
        break;
    default: break;
    }
    m_lost = true;
    return false;
}

bool FolderLock::carriesToken(const QString &path, const QByteArray &token)
{
    if (token.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.error() != QFileDevice::OpenError || QFileInfo::exists(path);
    for (const QByteArray &line : file.read(4096).split('\n'))
        if (line.startsWith("token="))
            return line.mid(6).trimmed() == token;
    return false;
}

void FolderLock::unlock()
{
    // A file share may still hold the file open from the read just done (a
    // FUSE client closes after close() has returned) and refuse to remove it
    // for a moment: asked again, for at most a second, so that no lock of
    // ours is left behind.
    if (!m_token.isEmpty() && stillHeld()) {
        const QByteArray path = QFile::encodeName(m_path);
        for (int attempt = 0; ::unlink(path.constData()) != 0 && attempt < 20; ++attempt) {
            if (errno != EBUSY && errno != EACCES && errno != EPERM && errno != ETXTBSY)
                break;
            ::usleep(50'000);
        }
    }
    m_token.clear();
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
                                  const QString &templateFolder, const QString &classList)
{
    if (arguments.size() == 1 && arguments.first() == u"--klasse") {
        const QStringList listed = readClassList(classList, home);
        if (listed.size() > 1)
            return {{}, {}, true, listed};
        if (listed.size() == 1) {
            const QString problem = classFolderProblem(listed.first());
            if (!problem.isEmpty())
                return {{}, problem + QStringLiteral("\rDie ZEK-Rechtschreibkartei wird beendet.")};
            return {listed.first(), {}, true};
        }
    }
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
