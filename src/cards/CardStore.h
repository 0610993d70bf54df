#pragma once

#include "AtomicFile.h"
#include "CardFile.h"
#include "CardList.h"
#include "FolderWriter.h"

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
//
// Where the drill only moved cards, a save writes their box digits where they
// stand in the file, one byte each, and nothing else: when every box before
// and after is one digit, the file holds exactly what the whole save would
// write, and it is still the file as last read or saved (same file, size and
// time). Otherwise, and for every change of the editor, the whole file is
// saved. Both end with the same bytes on the disk.
//
// The saves run on the folder's writer thread; a save waits for it at most
// two seconds. One that takes longer is given up for now (it may still land
// later) and the next save writes the whole file.
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

    bool isChanged() const;
    const QString &folder() const { return m_folder; }

    // The drill writes a new box code into the card at position.
    void setBox(qsizetype position, const QString &box);
    // The editor's changes; each is saved by the editor at once, as a whole.
    void reboxCard(qsizetype position, const QString &box) { edited()[position].box = box; }
    void insertCard(qsizetype position, const CardEntry &card) { edited().insert(position, card); }
    void setCard(qsizetype position, const CardEntry &card) { edited()[position] = card; }
    void removeCard(qsizetype position) { edited().remove(position); }
    void setCards(CardList cards);

    // The thread that writes the card folder's files; the practice record
    // goes through it too, after the cards.
    FolderWriter &writer() { return m_writer; }

private:
    bool takeIndex(CardFileIndex index, bool blockError);
    CardList &decoded()
    {
        cards();
        return m_cards;
    }
    CardList &edited()
    {
        m_otherChanges = true;
        return decoded();
    }
    // The box digits to write where they stand; false when the file must be
    // saved whole.
    bool boxesInPlace(QList<ByteAt> &bytes) const;
    enum class Saved { Done, Failed, NotHere };
    Saved saveInPlace(const QString &path, const QList<ByteAt> &bytes);
    Saved saveWhole(const QString &path, QChar &bad);
    void writerLost();

    QString m_folder;
    Dialogs &m_dialogs;
    // Until the list is first asked for, the cards are only indexed.
    mutable CardFileIndex m_index;
    mutable bool m_decoded = true;
    mutable CardList m_cards;
    mutable CardList m_saved; // the list as last loaded or saved
    QString m_savedFile; // the file m_saved belongs to
    bool m_loaded = false;
    FileIdentity m_identity; // the file as last read or saved; none when not known
    mutable QList<qint64> m_lineStarts; // where each card of m_saved starts in it; none when not as written
    QList<qsizetype> m_boxesSet; // the cards whose box the drill set since the last save
    bool m_otherChanges = false; // anything else changed since
    bool m_diskUnknown = false; // a save was given up: what the file holds is not known
    FolderWriter m_writer;
};

} // namespace zek
