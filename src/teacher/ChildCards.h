#pragma once

#include "cards/CardList.h"
#include "cards/Folder.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace zek {

class Dialogs;

// What the teacher does to one child's card box from the class: each under
// the child's folder lock, taken as the trainer takes it, so that a box open
// on this or another computer is never written; each card file replaced
// atomically (either as it was or complete), and one "Lehrkraft" line in
// the child's practice record for each card whose box changed.

// Takes the lock of the child's folder. Empty when it is held, or when no
// lock can be had there at all (the trainer then runs too); else why the
// child is left alone: "an Computer „PC-07“ geöffnet".
QString lockChild(FolderLock &lock);

// What became of one child.
struct ChildOutcome {
    QString skipped; // why nothing was changed, in German; empty when done
    qsizetype added = 0; // the cards now new in the file
};

// Gives the new cards of the word list (its bytes as readWordListFile read
// them) to the card file of the language in folder: into box 1, each at its
// sorted place, as "Wortliste importieren" places them. record: whether the
// lines go into the child's practice record (not the template's).
ChildOutcome giveWordList(const QString &folder, const QByteArray &wordList, QChar language, const QDateTime &time,
                          Dialogs &dialogs, bool record = true);

// Every card of every language back to "Fach 1".
ChildOutcome resetCards(const QString &folder, const QDateTime &time, Dialogs &dialogs);

} // namespace zek
