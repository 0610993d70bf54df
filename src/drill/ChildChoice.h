#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace zek {

class Platform;

// The window "Wer übt heute?" of a class folder: a button per child, sorted
// as a class list reads; "Neues Kind …" makes a child's card box, and
// "Lernfortschritt …" shows the next child chosen instead of opening their
// box; "Beenden" ends the program.
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

    // A child's button: the child's turn, or their progress shown.
    void chooseChild(int index);
    // "Neues Kind …": asks for the name until it can be a folder's, or the
    // teacher cancels; then makes the child's box.
    void newChild();
    // "Lernfortschritt …": the next child chosen is shown; pressed again, not.
    void chooseProgress();
    bool choosingProgress() const { return m_choosingProgress; }
    // Whether the program has a progress view to show.
    void setProgressAvailable(bool available);
    bool progressAvailable() const { return m_progressAvailable; }
    // "Beenden" and the window's frame.
    void quit() { emit quitRequested(); }

signals:
    void changed();
    void childChosen(const QString &folder, const QString &name);
    void progressRequested(const QString &folder);
    void quitRequested();

private:
    QString m_classFolder;
    QString m_sampleFolder;
    Platform &m_platform;
    QStringList m_children;
    int m_newest = -1;
    bool m_choosingProgress = false;
    bool m_progressAvailable = false;
};

} // namespace zek
