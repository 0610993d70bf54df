#pragma once

#include "games/MemoryGame.h"

#include <QWidget>

#include <array>

namespace zek::ui {

class ClickableLabel;

// The memory window: 18 fields in two columns and a grey bar with the leave
// and help buttons.
class MemoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit MemoryWindow(MemoryGame &game, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    MemoryGame &m_game;
    std::array<ClickableLabel *, MemoryGame::fieldCount> m_fields{};
};

} // namespace zek::ui
