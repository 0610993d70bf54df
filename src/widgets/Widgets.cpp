#include "widgets/Widgets.h"

#include "widgets/Picture.h"

#include "cards/BoxColours.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QEvent>
#include <QIcon>
#include <QToolButton>

namespace zek::ui {
namespace {

const QColor buttonGrey(224, 224, 224);

// Swallows the double-click event, which Qt would otherwise take as a
// second press, and the release that follows it (an item view would take
// that release as a second click).
class DoubleClickEater : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_swallowRelease.insert(watched);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && m_swallowRelease.remove(watched))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    QSet<QObject *> m_swallowRelease;
};

// Remembers when the mouse was last released and keeps a window that just
// came forward from the presses that follow within the double-click
// interval.
class PressGuard : public QObject {
public:
    using QObject::QObject;
    QPointer<QWidget> guarded;
    quint64 since = 0;
    quint64 lastRelease = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto type = event->type();
        if (type == QEvent::MouseButtonRelease) {
            lastRelease = static_cast<QMouseEvent *>(event)->timestamp();
        } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && guarded
                   && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == guarded) {
            const quint64 at = static_cast<QMouseEvent *>(event)->timestamp();
            if (at >= since && at - since < quint64(QApplication::doubleClickInterval()))
                return true;
            guarded = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }
};

PressGuard *pressGuard()
{
    static PressGuard *guard = [] {
        auto *g = new PressGuard(qApp);
        qApp->installEventFilter(g);
        return g;
    }();
    return guard;
}

} // namespace

void showReadAloud(QToolButton *button, bool voiceAvailable, const QString &tip)
{
    button->setEnabled(voiceAvailable);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move(area.left() + (area.width() - window->width()) / 2,
                     area.top() + (area.height() - window->height()) / 2);
    }
}

void switchWindow(QWidget *from, QWidget *to)
{
    PressGuard *guard = pressGuard();
    guard->guarded = to;
    guard->since = guard->lastRelease;
    to->show();
    to->raise();
    to->activateWindow();
    if (from)
        from->hide();
}

void setBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setForeground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

QColor toColor(const Rgb &colour) { return QColor(colour.r, colour.g, colour.b); }

void ignoreDoubleClicks(QWidget *w)
{
    static DoubleClickEater *eater = new DoubleClickEater(qApp);
    pressGuard(); // it must see the releases before the first window switch
    w->installEventFilter(eater);
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    else
        QLabel::mousePressEvent(event);
}

// Qt would take it as one more press.
void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }

namespace {

template <typename Label> Label *placed(Label *label, const char *name, const QRect &geometry)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QLabel *addLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    return placed(new QLabel(text, parent), name, geometry);
}

ClickableLabel *addClickableLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    return placed(new ClickableLabel(text, parent), name, geometry);
}

QToolButton *addPictureButton(QWidget *parent, const char *name, const QString &toolTip, const QString &icon,
                              const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setGeometry(geometry);
    button->setIcon(picture(icon));
    button->setIconSize(button->size() - QSize(6, 6));
    button->setFocusPolicy(Qt::NoFocus);
    setBackground(button, buttonGrey);
    ignoreDoubleClicks(button);
    return button;
}

} // namespace zek::ui
