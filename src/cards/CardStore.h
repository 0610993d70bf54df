#pragma once

#include "CardList.h"

#include <QString>

namespace zek {

struct CardFileContent;

class Platform;

// The one CardList in memory, read from and written to a card file in the
// card folder, named without a folder.
//
// A card file is never lost: it is written to a temporary file beside it and
// then renamed over it, so a failed save leaves the old file as it was. A list
// that could not be read is never written over its file, and an unchanged
// list is not written at all, so a second copy of the program that changed
// nothing cannot overwrite the boxes another copy saved.
class CardStore {
public:
    CardStore(const QString &folder, Platform &platform);

    // Empties the list and reads the card file into it. A file that ends
    // inside a card shows the block error (unless blockError is false); its
    // fields are kept as one more card. False, with a message, when the file
    // cannot be read.
    bool loadCardList(const QString &fileName, bool blockError = true);

    // Writes the list to the card file when it differs from what was last
    // loaded or saved. False when that failed; the old file stays as it was.
    // Tell shows why and keeps the list in memory; RevertThenTell puts the
    // list back to what was last loaded or saved before it shows why; Quiet
    // keeps the list and says nothing. A changed list that was never read
    // from this file (it could not be read, or the list is another file's) is
    // not saved.
    enum class OnFailure { Tell, RevertThenTell, Quiet };
    bool saveCardList(const QString &fileName, OnFailure onFailure = OnFailure::Tell);

    const CardList &cards() const { return m_cards; }
    bool isChanged() const { return m_cards != m_saved; }
    const QString &folder() const { return m_folder; }

    // The drill writes a new box code into the card at position.
    void setBox(qsizetype position, const QString &box);
    // The editor's changes; each is saved by the editor at once.
    void insertCard(qsizetype position, const CardEntry &card) { m_cards.insert(position, card); }
    void setCard(qsizetype position, const CardEntry &card) { m_cards[position] = card; }
    void removeCard(qsizetype position) { m_cards.remove(position); }
    void setCards(CardList cards) { m_cards = std::move(cards); }

private:
    bool takeContent(CardFileContent content, bool blockError);

    QString m_folder;
    Platform &m_platform;
    CardList m_cards;
    CardList m_saved; // the list as last loaded or saved
    QString m_savedFile; // the file m_saved belongs to
    bool m_loaded = false;
};

} // namespace zek
