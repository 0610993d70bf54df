#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace zek {
class ChildChoice;
}

namespace zek::ui {

class KeyRepeat;

// "Wer übt heute?": a large button per child in a grid that scrolls for a
// big class, and "Neues Kind …", "Lernfortschritt …", "Lehrkraft …",
// "Beenden" below.
class ChildChoiceWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildChoiceWindow(ChildChoice &choice, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void rebuildChildren();

    ChildChoice &m_choice;
    KeyRepeat *m_keys;
    QLabel *m_hint;
    QScrollArea *m_scroll;
    QWidget *m_grid;
    QPushButton *m_new;
    QPushButton *m_progress;
    QList<QPushButton *> m_buttons;
    QStringList m_shown;
};

} // namespace zek::ui
