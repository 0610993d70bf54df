#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace zek {
class MemoryGame;
}

namespace zek::ui {

// The memory window: 18 fields in two columns and a grey bar with the leave
// and help buttons.
class Memo : public QWidget {
    Q_OBJECT
public:
    explicit Memo(MemoryGame &game, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    MemoryGame &m_game;
    std::array<QLabel *, 18> m_fields{};
};

} // namespace zek::ui
