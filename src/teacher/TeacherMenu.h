#pragma once

#include "teacher/WordsForAll.h"

#include <QObject>
#include <QStringList>

namespace zek {

class ClassPassword;
class Platform;

// The teacher's menu of a class ("Lehrkraft …" in "Wer übt heute?", behind
// the teacher's password): the words for every child, the class overview,
// and the children themselves: renamed, put into the class's "Archiv" and
// brought back, their cards all back to "Fach 1". The children's list beside
// the menu says whom an entry is for. No entry touches a child whose box is
// open on this or another computer.
class TeacherMenu : public QObject {
    Q_OBJECT
public:
    TeacherMenu(const QString &classFolder, Platform &platform, ClassPassword &password);

    // Each time the menu comes: the children as the folder holds them now.
    void activate();
    const QStringList &children() const { return m_children; }
    void selectChild(int index);
    int selectedChild() const { return m_selected; }
    // The line below the menu: where the class has chosen to have no
    // password, that every child can see every result; else empty.
    QString passwordLine() const;

    // "Wörter für alle …"
    void wordsForAll();
    // "Klassenübersicht": the program shows the overview of the class.
    void classOverview() { emit classOverviewWanted(); }
    // "Kind umbenennen …", "Kind ins Archiv …", "Kartei zurücksetzen …":
    // for the child chosen in the list.
    void renameChild();
    void archiveChild();
    void resetChild();
    // "Aus dem Archiv holen …": one of the children in the archive.
    void restoreChild();
    // "Kennwort ändern …": the old password first, where there is one.
    void changePassword();
    // "Zurück" and the window's frame.
    void leave() { emit left(); }

    WordsForAll &words() { return m_words; }

    const QString &classFolder() const { return m_classFolder; }

signals:
    void changed();
    void wordsForAllWanted();
    void classOverviewWanted();
    void left();

private:
    QString selectedName() const;
    // Why the child's box may not be touched now, as a message; false then.
    bool childIsFree(const QString &title, const QString &name);
    void readChildren(const QString &select);
    // The child chosen, when its box is free and the teacher says "Ja" to
    // the question (%1 the child's name); else empty.
    QString confirmedChild(const QString &title, const QString &question);

    QString m_classFolder;
    Platform &m_platform;
    ClassPassword &m_password;
    WordsForAll m_words;
    QStringList m_children;
    int m_selected = -1;
};

} // namespace zek
