#pragma once

#include <QLockFile>
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

} // namespace zek

namespace zek {

// One running copy of the program per card folder, so that a second copy
// cannot save over the boxes the first one reached. The lock is a file in the
// folder; one left behind by a crashed copy is taken over. Besides, the copy
// holds an OS lock on the language file ZEKCARDS.INI while it runs: the
// program never replaces that file, and the lock goes with the process, so a
// folder that takes no new file is locked all the same.
class FolderLock {
public:
    enum class State { Locked, Busy, Unavailable };
    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    // Busy: another running copy holds the folder. Unavailable: no lock of
    // either kind can be had there; the program runs all the same.
    State lock();
    void unlock();

    static QString fileName() { return QStringLiteral("ZEK-Rechtschreibkartei.lock"); }
    // The computer that holds the folder's lock, as its lock file names it;
    // empty when none is named.
    static QString holder(const QString &folder);

private:
    enum class OsLock { Held, Busy, None };
    OsLock lockLanguageFile();

    QString m_folder;
    QLockFile m_file;
    int m_held = -1; // the open language file while its lock is held
};

} // namespace zek

namespace zek {

// Which card folder the program works on.
struct CardFolderChoice {
    QString folder; // empty when none: error says why
    QString error; // a German message
    bool classMode = false; // a class folder: the children choose their box
};

// The folder given as the one argument; otherwise the working folder when it
// holds any of the four files of a card box; otherwise ~/ZEK-Rechtschreibkartei,
// filled once from the template when it does not exist yet and never written
// over afterwards. A folder given that does not exist or cannot be read is
// refused, and nothing is written anywhere.
// A given or own folder that is a class folder opens the class; so does
// "--klasse [FOLDER]", by default on ~/ZEK-Klasse; the class folder is made,
// empty, when it does not exist yet.
CardFolderChoice chooseCardFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                  const QString &templateFolder);

// The rule by which chooseCardFolder names the folder of one card box, and
// nothing more: the first argument as an absolute path, the working folder
// when it holds any of the four files, otherwise ~/ZEK-Rechtschreibkartei;
// whether that folder is there or can be read is not asked. Makes nothing
// and says nothing, so the start can use it before the application exists.
QString cardBoxFolderFor(const QStringList &arguments, const QString &workingFolder, const QString &home);

} // namespace zek
