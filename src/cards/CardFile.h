#pragma once

#include "CardList.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

namespace zek {

// What the reader made of a card file.
struct CardFileContent {
    CardList cards;
    // Fields read for each position of a card: box, baseWord, relatedWord,
    // phrase. They differ only when the file ends inside a card.
    std::array<qsizetype, 4> fieldCounts{};

    // Four fields read for every card: the file ends after a whole card.
    static bool complete(const std::array<qsizetype, 4> &counts)
    {
        return counts[0] == counts[1] && counts[1] == counts[2] && counts[2] == counts[3];
    }
    bool complete() const { return complete(fieldCounts); }
};

// Reads the file as a stream of fields: a comma or a line end (CR LF, LF or
// CR) ends a field, blanks in front of a field are skipped, every four fields
// are one card. Empty lines are passed over. A field is taken as it stands,
// quotes and trailing blanks included. The fields of an incomplete last card
// are kept as one more card, its missing fields empty.
//
CardFileContent readCardFile(QByteArrayView bytes);

// A card file read only as far as drawing a card needs it: where each card
// begins, its box and whether it has a base word, and the fields counted as
// readCardFile counts them. The file's bytes are kept; a card's texts are
// decoded when that card is asked for, all cards' when the whole list is.
// Finding that much is a few times a raw read of the file, where decoding
// every text of 32,767 cards costs twenty times that.
class CardFileIndex {
public:
    CardFileIndex() = default;
    // keep holds the memory that bytes refers into, where it is not their own.
    explicit CardFileIndex(QByteArray bytes, std::shared_ptr<const void> keep = {});

    qsizetype size() const { return m_cards.size(); }
    // The box number of the card at position, as boxNumber() gives it.
    int boxNumber(qsizetype position) const { return m_cards[position].box; }
    bool hasBaseWord(qsizetype position) const { return m_cards[position].hasBaseWord; }
    // The card at position, the same as readCardFile() reads it.
    CardEntry card(qsizetype position) const;
    const std::array<qsizetype, 4> &fieldCounts() const { return m_fieldCounts; }
    bool complete() const { return CardFileContent::complete(m_fieldCounts); }
    // Every card, decoded.
    CardFileContent content() const;
    // False for a file too long to be indexed (beyond 4 GB): it is read
    // whole, through content().
    bool whole() const { return m_whole; }
    // The file holds exactly what writeCardFile() writes for its cards: a
    // box can then be written where it stands, at the start of its card.
    bool asWritten() const { return m_asWritten; }
    qint64 start(qsizetype position) const { return m_cards[position].start; }

private:
    struct Card {
        quint32 start; // the byte of its first field, blanks in front included
        qint8 box; // -1 for a box text other than "0" to "6"
        bool hasBaseWord;
        bool afterComma; // the card before ended with a comma, not a line end
    };
    std::shared_ptr<const void> m_keep; // the memory m_bytes may refer into
    QByteArray m_bytes;
    QList<Card> m_cards;
    std::array<qsizetype, 4> m_fieldCounts{};
    bool m_whole = true; // false for a file too long to be found by 32-bit places
    bool m_asWritten = false;
};

// The cards of a file that a window reads by itself (the games, the word
// show): the file found in any case of its name and decoded as the card
// list's loader does, with no message; only complete cards. No cards when
// the file cannot be read.
CardList readCompleteCards(const QString &folder, const QString &fileName);

// One line per card, the four fields joined by ", ", CR LF after every line;
// no cards, no bytes. False when a character does not fit into
// Windows-1252; *bad then holds it. lineStarts, when given, gets where each
// card's line (its box) starts.
bool writeCardFile(const CardList &cards, QByteArray &out, QChar *bad = nullptr, QList<qint64> *lineStarts = nullptr);

} // namespace zek
