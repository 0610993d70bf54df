#include "widgets/KeyRepeat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace zek::ui {

KeyRepeat::KeyRepeat(QWidget *window) : QObject(window) { window->installEventFilter(this); }

// The physical key where the window system names it, else Qt's key, else
// the character typed (keys Qt has no name for).
quint64 KeyRepeat::keyOf(const QKeyEvent *event)
{
    if (event->nativeScanCode() != 0)
        return (quint64(1) << 62) | event->nativeScanCode();
    if (event->key() != Qt::Key_unknown && event->key() != 0)
        return (quint64(1) << 61) | quint64(event->key());
    return event->text().isEmpty() ? 0 : event->text().at(0).unicode();
}

bool KeyRepeat::isRepeat(const QKeyEvent *press)
{
    const quint64 key = keyOf(press);
    const bool stillHeld = m_held.contains(key);
    const bool pairedWithRelease =
        key == m_lastReleasedKey && press->timestamp() != 0 && press->timestamp() == m_lastReleaseTime;
    m_held.insert(key);
    return press->isAutoRepeat() || stillHeld || pairedWithRelease;
}

bool KeyRepeat::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const auto *release = static_cast<const QKeyEvent *>(event);
        m_lastReleasedKey = keyOf(release);
        m_lastReleaseTime = release->timestamp();
        m_held.remove(m_lastReleasedKey);
        break;
    }
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        m_held.clear(); // its release goes elsewhere
        m_lastReleasedKey = m_lastReleaseTime = 0;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// Swallows the repeats of one held key in every window of the program, by
// the same rule as KeyRepeat: a press before the key's release, or one that
// carries the time stamp of the release just before it, is a repeat. The
// first press by hand ends it.
class HeldKey : public QObject {
public:
    HeldKey(quint64 key, quint64 (*keyOf)(const QKeyEvent *)) : m_key(key), m_keyOf(keyOf)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (m_keyOf(key) != m_key)
            return false;
        if (event->type() == QEvent::KeyRelease) {
            m_held = false;
            m_releaseTime = key->timestamp();
            return true; // the press it ends went nowhere either
        }
        if (m_held || key->isAutoRepeat() || (key->timestamp() != 0 && key->timestamp() == m_releaseTime))
            return true;
        deleteLater(); // pressed anew by hand: it counts
        qApp->removeEventFilter(this);
        return false;
    }

private:
    quint64 m_key;
    quint64 (*m_keyOf)(const QKeyEvent *);
    bool m_held = true;
    quint64 m_releaseTime = 0;
};

} // namespace

void KeyRepeat::ignoreWhileHeld(const QKeyEvent *press)
{
    static QPointer<HeldKey> held;
    delete held.data();
    held = new HeldKey(keyOf(press), &KeyRepeat::keyOf);
}

} // namespace zek::ui
