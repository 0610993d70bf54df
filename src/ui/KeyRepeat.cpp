#include "KeyRepeat.h"

#include <QKeyEvent>
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

} // namespace zek::ui
