#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace zek {

class Platform;
class Random;
struct CardEntry;
struct SharedState;

// A complete search for `wanted` cards whose words all differ from each
// other's (a card whose base and related word are the same counts that word
// once). Returns their positions in `cards`, fewer than `wanted` only when no
// such choice exists. One pass over the cards, then a search among at most a
// few hundred words, however the words clash.
QList<qsizetype> findDistinctPairs(const QList<const CardEntry *> &cards, int wanted);

// The memory game (MemoryWindow): nine word pairs, a card's base word and related
// word, hidden under 18 fields; two open fields of one pair stay open.
class MemoryGame : public QObject {
    Q_OBJECT
public:
    static constexpr int fieldCount = 18;

    MemoryGame(const QString &folder, SharedState &shared, Platform &platform, Random &random);

    // A new deal from the current card file. False, after the "not enough
    // words" message, only when the file does not hold nine pairs that fit.
    bool dealMemoryGame();
    void clickField(int field); // 0 to 17: Bezeichnung1 to Bezeichnung18
    void showMemoryHelp(); // Bild3
    void leaveMemory(); // Bild1, the frame

    QString shownText(int field) const; // empty while covered
    bool solved(int field) const { return m_fields[field].solved; }
    int pairNumber(int field) const { return m_fields[field].pair; }
    const QString &word(int field) const { return m_fields[field].word; }

signals:
    void changed();
    void left();

private:
    struct Field {
        int pair = 0;
        QString word;
        bool solved = false;
        bool open = false;
    };
    void clearBoard();

    QString m_folder;
    SharedState &m_shared;
    Platform &m_platform;
    Random &m_random;
    QList<Field> m_fields = QList<Field>(fieldCount);
    bool m_secondPickNext = false; // pickState 1
    int m_first = -1, m_second = -1;
};

} // namespace zek
