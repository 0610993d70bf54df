#pragma once

#include "CardFile.h"
#include "CardList.h"

#include <QString>

namespace zek {

class Dialogs;

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
    CardStore(const QString &folder, Dialogs &dialogs);

    // Empties the list and reads the card file into it. A file that ends
    // inside a card shows the block error (unless blockError is false); its
    // fields are kept as one more card. False, with a message, when the file
    // cannot be read; with unreadable given, the message is put there
    // instead of shown, for the caller to show once its window is up to date.
    bool loadCardList(const QString &fileName, bool blockError = true, QString *unreadable = nullptr);

    // Writes the list to the card file when it differs from what was last
    // loaded or saved. False when that failed; the old file stays as it was.
    // Tell shows why and keeps the list in memory; RevertThenTell puts the
    // list back to what was last loaded or saved before it shows why; Quiet
    // keeps the list and says nothing. A changed list that was never read
    // from this file (it could not be read, or the list is another file's) is
    // not saved.
    enum class OnFailure { Tell, RevertThenTell, Quiet };
    bool saveCardList(const QString &fileName, OnFailure onFailure = OnFailure::Tell);

    // A load finds only where the cards are and in which box; their texts
    // are decoded when the whole list is first asked for. Drawing a card
    // asks for that card alone.
    const CardList &cards() const;
    qsizetype cardCount() const { return m_decoded ? m_cards.size() : m_index.size(); }
    // The box number of the card at position (boxNumber() of its box text).
    int boxNumberAt(qsizetype position) const;
    bool hasBaseWordAt(qsizetype position) const;
    CardEntry cardAt(qsizetype position) const;

    bool isChanged() const { return m_decoded && m_cards != m_saved; }
    const QString &folder() const { return m_folder; }

    // The drill writes a new box code into the card at position.
    void setBox(qsizetype position, const QString &box);
    // The editor's changes; each is saved by the editor at once.
    void insertCard(qsizetype position, const CardEntry &card) { decoded().insert(position, card); }
    void setCard(qsizetype position, const CardEntry &card) { decoded()[position] = card; }
    void removeCard(qsizetype position) { decoded().remove(position); }
    void setCards(CardList cards);

private:
    bool takeIndex(CardFileIndex index, bool blockError);
    CardList &decoded()
    {
        cards();
        return m_cards;
    }

    QString m_folder;
    Dialogs &m_dialogs;
    // Until the list is first asked for, the cards are only indexed.
    mutable CardFileIndex m_index;
    mutable bool m_decoded = true;
    mutable CardList m_cards;
    mutable CardList m_saved; // the list as last loaded or saved
    QString m_savedFile; // the file m_saved belongs to
    bool m_loaded = false;
};

} // namespace zek
