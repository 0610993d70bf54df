#pragma once

#include "ClassFolder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zek {

// The name under which a file stands in folder: the exact spelling when it
// is there, else an entry that matches name without regard to case, else
// name itself. Card boxes copied from elsewhere may carry lower-case names.
QString findFile(const QString &folder, const QString &name);

// The full path of that file.
QString filePath(const QString &folder, const QString &name);

// The four files of a card box: the language file and the three card files.
QStringList cardBoxFiles();

// How many of those the folder holds, each found as the program opens it
// (findFile): the start-up check wants all four, the choice of the card
// folder any one.
int cardBoxFilesIn(const QString &folder);

// Whether the folder holds any of them, with as few looks as can be (each
// costs a round trip to a school server): one for a box whose files carry
// the names the program writes, a listing only for one spelt otherwise.
bool holdsCardBoxFile(const QString &folder);

} // namespace zek

namespace zek {

// Who holds a card folder, as its lock file says.
struct LockHolder {
    QString computer; // the host name
    QString child; // in a class, the child practising; empty for a card box alone
    QDateTime since; // when the folder was opened (an older program's lock: when it was written)
    // A lock of more than a school day: its computer was most likely switched
    // off in the middle of a lesson.
    bool olderThanASchoolDay(const QDateTime &now) const;
};

// One running copy of the program per card folder, so that a second copy
// cannot save over the boxes the first one reached, also from another
// computer when the folder lies on a school server. The lock is a file in the
// folder, created exclusively (the one promise SMB and NFS servers keep as a
// local disk does) and saying who holds it: the computer, the process, since
// when, the child in a class, and a token of this opening. A lock of this
// computer whose copy no longer runs is taken over; one of another computer
// is lifted only by takeOver(), when a teacher says so, and the copy that held
// it finds at its next save that the lock is no longer its own (stillHeld).
// Besides, the copy holds an OS lock on the language file ZEKCARDS.INI while
// it runs: the program never replaces that file, and the lock goes with the
// process, so a folder that takes no new file is locked all the same.
class FolderLock {
public:
    // Locked: the folder is ours. Running: a copy on this computer holds it.
    // Elsewhere: another computer's lock, which takeOver() lifts (also where
    // the server keeps that computer's OS lock: NFS keeps one of a computer
    // switched off until it starts again). Busy: another copy holds it
    // and does not say where. Unavailable: no lock of either kind can be had
    // there; the program runs all the same.
    enum class State { Locked, Running, Elsewhere, Busy, Unavailable };
    explicit FolderLock(const QString &folder, const QString &computer = thisComputer());
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // The computer's name the lock gives (the host name unless set).
    void setComputer(const QString &computer) { m_computer = computer; }
    // The child whose box this is, in a class.
    void setChild(const QString &child) { m_child = child; }
    State lock(const QDateTime &now = QDateTime::currentDateTime());
    // After Elsewhere: the lock becomes ours. Locked, or Running when another
    // copy was quicker.
    State takeOver();
    // Who holds the folder: after Running, Elsewhere and Busy, and after
    // stillHeld() found the lock gone. Empty where the lock says nothing.
    const LockHolder &holder() const { return m_holder; }
    // Whether the lock file still carries this opening's token: one small
    // read. A lock file that cannot be read (the server away) counts as
    // held; one deleted by hand is made again. Once false, always false.
    bool stillHeld();
    // The same question as one read that touches nothing of the lock, for
    // a thread of its own (a server that has gone may hold it): false only
    // where the lock file is gone or carries another token, and then
    // stillHeld() decides; true where it is ours or cannot be read.
    static bool carriesToken(const QString &path, const QByteArray &token);
    const QString &path() const { return m_path; }
    const QByteArray &token() const { return m_token; }
    // Ends the lock; the lock file goes only while it is still our own.
    void unlock();

    static QString fileName() { return QStringLiteral("ZEK-Rechtschreibkartei.lock"); }
    static QString thisComputer();

private:
    enum class OsLock { Held, Busy, None };
    OsLock lockLanguageFile();
    // What the lock file says now (and who holds it, into m_holder).
    enum class Found { Nothing, Unreadable, Unknown, Ours, OwnStale, OwnRunning, Other };
    Found readLockFile();
    QByteArray contents() const;
    bool createLockFile();
    State replaceLockFile();

    QString m_folder;
    QString m_path;
    QString m_computer;
    QString m_child;
    QByteArray m_token; // this opening's; set while the lock file is ours
    QDateTime m_since;
    bool m_lost = false;
    LockHolder m_holder;
    int m_held = -1; // the open language file while its lock is held
};

} // namespace zek

namespace zek {

// Which card folder the program works on.
struct CardFolderChoice {
    QString folder; // empty when none: error says why
    QString error; // a German message
    bool classMode = false; // a class folder: the children choose their box
    QStringList classes = {}; // several classes listed: "Welche Klasse?" comes first (folder empty)
};

// The folder given as the one argument; otherwise the working folder when it
// holds any of the four files of a card box; otherwise ~/ZEK-Rechtschreibkartei,
// filled once from the template when it does not exist yet and never written
// over afterwards. A folder given that does not exist or cannot be read is
// refused, and nothing is written anywhere.
// A given or own folder that is a class folder opens the class; so does
// "--klasse [FOLDER]"; the class folder given is made, empty, when it does not
// exist yet. "--klasse" alone opens the classes of classList (classListFile()):
// one class, that class; several, a choice; with no list, ~/ZEK-Klasse, made
// as a folder given is.
CardFolderChoice chooseCardFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                  const QString &templateFolder, const QString &classList = classListFile());

// The rule by which chooseCardFolder names the folder of one card box, and
// nothing more: the first argument as an absolute path, the working folder
// when it holds any of the four files, otherwise ~/ZEK-Rechtschreibkartei;
// whether that folder is there or can be read is not asked. Makes nothing
// and says nothing, so the start can use it before the application exists.
QString cardBoxFolderFor(const QStringList &arguments, const QString &workingFolder, const QString &home);

} // namespace zek
