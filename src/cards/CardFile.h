#pragma once

#include "CardList.h"

#include <QByteArray>
#include <QByteArrayView>

namespace zek {

// What the reader made of a card file.
struct CardFileContent {
    CardList cards;
    // Fields read for each position of a card: box, baseWord, relatedWord,
    // phrase. They differ only when the file ends inside a card.
    std::array<qsizetype, 4> fieldCounts{};

    bool complete() const
    {
        return fieldCounts[0] == fieldCounts[1] && fieldCounts[1] == fieldCounts[2] && fieldCounts[2] == fieldCounts[3];
    }
};

// Reads the file as a stream of fields: a comma or a line end (CR LF, LF or
// CR) ends a field, blanks in front of a field are skipped, every four fields
// are one card. Empty lines are passed over. A field is taken as it stands,
// quotes and trailing blanks included. The fields of an incomplete last card
// are kept as one more card, its missing fields empty.
//
// Where the cards' memory comes from: the heap, in blocks that come and go
// again (a running program), or large pages taken whole (a fresh start,
// where every page would be faulted in anyway).
enum class CardMemory { Heap, LargePages };
CardFileContent readCardFile(QByteArrayView bytes, CardMemory memory = CardMemory::Heap);

// The cards of a file that a window reads by itself (the games, the word
// show): the file found in any case of its name and decoded as the card
// list's loader does, with no message; only complete cards. No cards when
// the file cannot be read.
CardList readCompleteCards(const QString &folder, const QString &fileName);

// One line per card, the four fields joined by ", ", CR LF after every line;
// no cards, no bytes. False when a character does not fit into
// Windows-1252; *bad then holds it.
bool writeCardFile(const CardList &cards, QByteArray &out, QChar *bad = nullptr);

} // namespace zek
