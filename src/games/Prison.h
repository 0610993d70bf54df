#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace zek {

class Platform;
class Random;
struct SharedState;

// The word prison (WordPrisonWindow): the player "+" eats a way out of a 17 x 17 field
// of the word's letters, spelling the word again and again.
class Prison : public QObject {
    Q_OBJECT
public:
    static constexpr int size = 17;

    Prison(const QString &folder, SharedState &shared, Platform &platform, Random &random);

    // A new game on a word of the current card file. False, after the "not
    // enough words" message, when the file has no word to play.
    bool newPrisonGame();
    void move(int dx, int dy); // the arrow buttons and keys
    void keyPress(const QString &text); // a character typed: a wish
    void askWish(); // Befehl2
    void showHint(); // Bild5
    void leavePrison(); // "ENDE", Esc, the frame

    const QString &word() const { return m_word; }
    QString title() const { return QStringLiteral("Wortgefängnis:  ") + m_word; }
    // Row and column from 1 to 17; a blank is an empty cell.
    QChar cell(int row, int column) const { return m_grid[row - 1][column - 1]; }
    int playerRow() const { return m_row; }
    int playerColumn() const { return m_column; }
    int nextLetterIndex() const { return m_next + 1; } // counted from 1
    int moveCount() const { return m_moves; }
    const QString &wishCaption() const { return m_wishes; } // Befehl2

signals:
    void changed();
    void left();

private:
    void advance();

    QString m_folder;
    SharedState &m_shared;
    Platform &m_platform;
    Random &m_random;
    QString m_word;
    std::array<std::array<QChar, size>, size> m_grid{};
    int m_row = 9, m_column = 9;
    qsizetype m_next = 0;
    int m_wishesUsed = 0;
    int m_moves = 0;
    QString m_wishes = QStringLiteral(" ? ? ?");
};

} // namespace zek
