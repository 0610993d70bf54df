#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace zek {

class Dialogs;

// "Welche Klasse?": the classes of the computer room's list, a large button
// each, in the list's order. A class whose folder cannot be reached (the
// school server not connected) is grey, and a line below says why.
class ClassChoice : public QObject {
    Q_OBJECT
public:
    ClassChoice(const QStringList &folders, Dialogs &dialogs);

    // Each time the window comes: every folder looked at anew.
    void activate();

    qsizetype count() const { return m_folders.size(); }
    // The class's name on its button: its folder's name.
    QString name(int index) const;
    bool reachable(int index) const { return m_problems.value(index).isEmpty(); }
    QString hint() const { return QStringLiteral("Bitte die Klasse anklicken."); }
    // One line for each class that cannot be opened; empty when all can.
    QString problems() const;

    // A class's button: that class. One that went away since the window
    // came is told, and the list looked at again.
    void chooseClass(int index);
    // "Beenden" and the window's frame.
    void quit() { emit quitRequested(); }

signals:
    void changed();
    void classChosen(const QString &folder);
    void quitRequested();

private:
    QStringList m_folders;
    QStringList m_problems;
    Dialogs &m_dialogs;
};

} // namespace zek
