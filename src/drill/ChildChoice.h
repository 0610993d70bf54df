#pragma once

#include "cards/ClassPassword.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace zek {

class Platform;

// The window "Wer übt heute?" of a class folder: a button per child, sorted
// as a class list reads; "Neues Kind …" makes a child's card box, and
// "Lernfortschritt …" shows the next child chosen instead of opening their
// box; "Lehrkraft …" opens the teacher's menu; "Beenden" ends the program.
// Where the class has a teacher's password, all but the children's names
// and "Beenden" ask for it first.
class ChildChoice : public QObject {
    Q_OBJECT
public:
    ChildChoice(const QString &classFolder, const QString &sampleFolder, Platform &platform);

    // Each time the window comes (at the start, and when a child's turn has
    // ended): the children as the folder holds them now.
    void activate();

    const QStringList &children() const { return m_children; }
    QString childFolder(int index) const;
    // The child made last, to be seen; -1 when none.
    int newestChild() const { return m_newest; }
    // The line above the buttons.
    QString hint() const;

    // A child's button: the child's turn, or their progress shown. A child
    // whose folder is gone (removed while the window was open) is named in a
    // message, and the list is read anew.
    void chooseChild(int index);

    // The names stand in a grid of this many columns, row by row.
    static constexpr int columns = 3;
    // The name the keyboard goes to from the name at index: the arrow keys
    // move by the grid (Left and Right in reading order, Up and Down to the
    // name above or below, to the last one where the row below is short),
    // Home and End to the first and last name; a typed letter goes to the
    // next name that starts with it, in any case, wrapping round ("ä" is
    // "Ä", never "A"). index may be the number of names: the buttons below
    // them, from where Up and End go to the last name, Home to the first and
    // a letter to the first name with it. Where nothing fits: index.
    int childAfterKey(int index, int key, const QString &typed) const;
    // "Neues Kind …": asks for the name until it can be a folder's, or the
    // teacher cancels; then makes the child's box.
    void newChild();
    // "Lernfortschritt …": the next child chosen is shown; pressed again, not.
    void chooseProgress();
    bool choosingProgress() const { return m_choosingProgress; }
    // Whether the program has a progress view to show.
    void setProgressAvailable(bool available);
    bool progressAvailable() const { return m_progressAvailable; }
    // "Lehrkraft …": the first time, the choice of a password or none.
    void teacher();
    ClassPassword &password() { return m_password; }
    // "Beenden" and the window's frame.
    void quit() { emit quitRequested(); }

signals:
    void changed();
    void childChosen(const QString &folder, const QString &name);
    void progressRequested(const QString &folder);
    void teacherMenuWanted();
    void quitRequested();

private:
    QString m_classFolder;
    QString m_sampleFolder;
    Platform &m_dialogs;
    ClassPassword m_password;
    QStringList m_children;
    int m_newest = -1;
    bool m_choosingProgress = false;
    bool m_progressAvailable = false;
};

} // namespace zek
