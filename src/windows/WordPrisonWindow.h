#pragma once

#include <QWidget>

class QPushButton;

namespace zek {
class Prison;
}

namespace zek::ui {

class KeyRepeat;

// The word prison window: the field painted from the game's state, the
// arrow buttons, the hint, the wish box and "ENDE". The arrow keys move the
// player, Esc leaves, a typed character asks for a wish.
class WordPrisonWindow : public QWidget {
    Q_OBJECT
public:
    explicit WordPrisonWindow(Prison &game, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    Prison &m_game;
    QPushButton *m_wishes = nullptr;
    KeyRepeat *m_keys = nullptr;
};

} // namespace zek::ui
