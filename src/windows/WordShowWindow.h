#pragma once

#include "cards/Settings.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QScrollBar;
class QToolButton;

namespace zek {
class WordShow;
}

namespace zek::ui {

class WordField;

// The word show window: the three lines of a card, the card and pause
// scrollers and the show timer, which runs while the model says so.
class WordShowWindow : public QWidget {
    Q_OBJECT
public:
    explicit WordShowWindow(WordShow &show, QWidget *parent = nullptr);

    // The three lines in the reading font of the card box.
    void setReadingAids(const ReadingAids &aids);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    WordShow &m_show;
    WordField *m_lines[3] = {};
    QLabel *m_number = nullptr, *m_count = nullptr, *m_pause = nullptr;
    QScrollBar *m_cards = nullptr, *m_pauses = nullptr;
    QTimer *m_timer = nullptr; // Zeit1
    QToolButton *m_readAloud = nullptr;
    ReadingAids m_aids;
};

} // namespace zek::ui
