#pragma once

#include <QString>
#include <QStringList>

namespace zek {

// A class on one computer: a class folder holds one sub-folder per child,
// named after the child, each a card box of its own. A sub-folder "Vorlage"
// is the box every new child starts from; it is no child. Hidden sub-folders
// (a child's folder still being made) are no children either.

// The class's own template for new children.
inline QString classTemplateName() { return QStringLiteral("Vorlage"); }
// The sub-folder "Archiv" keeps the folders of children who left the class;
// it is no child, and the program never deletes what it holds.
inline QString classArchiveName() { return QStringLiteral("Archiv"); }

// The names of the children of folder: its sub-folders that hold any file
// of a card box, in the order of the German alphabet ("Özlem" before "Paul",
// "Jan 2" before "Jan 10").
QStringList childrenOf(const QString &folder);

// A folder with no card box of its own and at least one child.
bool isClassFolder(const QString &folder);

// Why name cannot be a new child of classFolder, in German; empty when it can.
// A child's folder must be a folder name on Windows and on Linux shares: no
// / \ : * ? " < > |, no control character, no blank or dot at either end, not
// a reserved device name (CON, PRN, AUX, NUL, COM1…, LPT1…), not too long,
// and no entry of that name, in any case, in the class folder.
QString childNameError(const QString &classFolder, const QString &name);

// The folders of the children in the class's "Archiv", sorted as
// childrenOf sorts.
QStringList archivedChildrenOf(const QString &classFolder);

// Renames the child's folder to newName, under the rules of a new child's
// name; the German reason when it is refused or fails, else empty.
QString renameChild(const QString &classFolder, const QString &name, const QString &newName);
// Moves the child's folder into "Archiv" (made when missing), or back into
// the class; the German reason when it cannot be done, else empty. Nothing is
// written over: a folder of that name already there is named.
QString archiveChild(const QString &classFolder, const QString &name);
QString restoreChild(const QString &classFolder, const QString &name);

// The longest child's name, in characters.
constexpr int longestChildName = 60;

struct NewChild {
    QString folder; // the child's card box; empty when none was made
    QString error; // a German message
};

// Makes the child's folder with the card box of the class's "Vorlage" when
// there is one, otherwise of sampleFolder. The folder is filled under a
// hidden name and then renamed, so a half-made folder never shows as a child;
// on failure nothing stays behind.
NewChild makeChild(const QString &classFolder, const QString &name, const QString &sampleFolder);

// The classes of a computer room, set once for every computer: one class
// folder a line; blank lines and lines beginning with "#" say nothing, "~/"
// stands for the user's home, a path that is not absolute is read from the
// list's own folder.
inline QString classListFile() { return QStringLiteral("/etc/zek-rechtschreibkartei/klassen.conf"); }

// The class folders the list names, in its order; empty where there is no
// list or it names none.
QStringList readClassList(const QString &file, const QString &home);

// Why a listed class folder cannot be opened now, in German; empty when it
// can. A listed folder is never made: on a school server that is not
// connected, it would be made on this computer.
QString classFolderProblem(const QString &folder);

} // namespace zek
