#include "Widgets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QToolButton>

namespace zek::ui {
namespace {

const QColor buttonGrey(224, 224, 224);

// Swallows the double-click event, which Qt would otherwise take as a
// second press of the button.
class DoubleClickEater : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::MouseButtonDblClick || QObject::eventFilter(watched, event);
    }
};

} // namespace

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

void ignoreDoubleClicks(QWidget *w)
{
    static DoubleClickEater *eater = new DoubleClickEater(qApp);
    w->installEventFilter(eater);
}

QToolButton *addPictureButton(QWidget *parent, const char *name, const QString &toolTip,
                              const QString &icon, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setGeometry(geometry);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setIconSize(button->size() - QSize(6, 6));
    button->setFocusPolicy(Qt::NoFocus);
    setBackground(button, buttonGrey);
    ignoreDoubleClicks(button);
    return button;
}

} // namespace zek::ui
