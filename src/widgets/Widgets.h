#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

class QRect;
class QToolButton;
class QWidget;

namespace zek {
struct Rgb;
}

namespace zek::ui {

// The helpers every form builds its controls with.

void setBackground(QWidget *w, const QColor &colour);
void setForeground(QWidget *w, const QColor &colour);
// A colour the program's rules give, as Qt paints it.
QColor toColor(const Rgb &colour);

// A button or clickable field ignores the second press of a double click:
// children double-click, and one click must make one command.
void ignoreDoubleClicks(QWidget *w);

// A label that works as a button: a press of the left button is a click,
// the second press of a double click is none. Its text is always plain
// text, so a word or name with markup shows as it is typed.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// A label named and placed in parent. Its text is always plain text, so a
// word or name with markup shows as it is typed.
QLabel *addLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text = {});
// The same as a ClickableLabel.
ClickableLabel *addClickableLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text = {});

// A square picture button of a tool bar, named, with a tool tip that is also
// its accessible name, the picture :/icons/<icon>.svg, light grey, never
// taking the keyboard focus, one command per click.
QToolButton *addPictureButton(QWidget *parent, const char *name, const QString &toolTip, const QString &icon,
                              const QRect &geometry);

// The "Vorlesen" button: usable only where a voice speaks the language, and
// its tool tip says why not.
void showReadAloud(QToolButton *button, bool voiceAvailable, const QString &tip);

// Puts a window in the middle of the screen.
void centreOnScreen(QWidget *window);

// Shows, raises and activates `to`, then hides `from`. The window that comes
// forward ignores mouse presses for the double-click interval after the last
// mouse release, so the second press of a double click on a leave button
// does not land in the window underneath.
void switchWindow(QWidget *from, QWidget *to);

} // namespace zek::ui
