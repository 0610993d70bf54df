#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace zek {
class ClassChoice;
}

namespace zek::ui {

class KeyRepeat;

// "Welche Klasse?": a large button per class of the computer room, in a grid
// that scrolls for many, the classes that cannot be reached grey with a line
// below saying why, and "Beenden".
class ClassChoiceWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClassChoiceWindow(ClassChoice &choice, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    ClassChoice &m_choice;
    KeyRepeat *m_keys;
    QLabel *m_hint;
    QLabel *m_problems;
    QScrollArea *m_scroll;
    QList<QPushButton *> m_buttons;
};

} // namespace zek::ui
