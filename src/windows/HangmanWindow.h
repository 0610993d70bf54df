#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace zek {
class Hangman;
}

namespace zek::ui {

class KeyRepeat;

// The hangman window: the masked word, the drawing, the character table and
// four picture buttons. It paints the model's state and hands clicks and
// keys on.
class HangmanWindow : public QWidget {
    Q_OBJECT
public:
    explicit HangmanWindow(Hangman &game, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    Hangman &m_game;
    QLabel *m_masked = nullptr;
    QLabel *m_solution = nullptr;
    QListWidget *m_table = nullptr;
    QStringList m_shownEntries;
    KeyRepeat *m_keys = nullptr;
};

} // namespace zek::ui
