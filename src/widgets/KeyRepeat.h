#pragma once

#include <QObject>
#include <QSet>

class QKeyEvent;
class QWidget;

namespace zek::ui {

// Tells a key pressed by hand from one the keyboard repeats while a key is
// held, for the windows where one key press picks one thing. Qt's
// auto-repeat flag alone is not enough: on X11 Qt guesses it by looking at
// the next event and misses under load. A press is a repeat when its key is
// still held (no release since its last press), when its time stamp equals
// that of the release of the same key just before it (the pair X11 sends for
// a repeat), or when Qt flags it.
class KeyRepeat : public QObject {
public:
    // Watches the window's key releases; losing the keyboard (focus, the
    // window deactivated or hidden) releases every key.
    explicit KeyRepeat(QWidget *window);

    // Call once for each key press the window acts on.
    bool isRepeat(const QKeyEvent *press);

    // The key of press picked something that brings another window (a
    // child's name opens the child's main window): while it is held on, its
    // repeats reach no window of the program; its next press by hand does.
    static void ignoreWhileHeld(const QKeyEvent *press);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static quint64 keyOf(const QKeyEvent *event);

    QSet<quint64> m_held;
    quint64 m_lastReleasedKey = 0;
    quint64 m_lastReleaseTime = 0;
};

} // namespace zek::ui
