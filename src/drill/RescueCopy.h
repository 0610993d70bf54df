#pragma once

#include "cards/CardList.h"
#include "record/PracticeRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace zek {

// A child's box kept on this computer when its card folder cannot be
// written (the school server gone): the teacher copies it back.
struct RescueCopy {
    QString rescueFolder; // ~/ZEK-Rettung
    QString name; // the child's: its card folder's name
    QString cardFolder;
    QString cardFile; // the card file of the cards in memory
    CardList cards;
    QList<RecordLine> record; // the lines not yet in the card folder's record
    QDateTime now;
};

// ~/ZEK-Rettung
QString defaultRescueFolder();

// Writes the copy into a folder of its own in the rescue folder: the child's
// name, or, where that is taken by an earlier copy, the name with the date
// and time (and a number after it, should that be taken too). It holds the
// cards in memory as their card file, the other files of the box as far as
// they can still be read from the card folder, and the record lines not yet
// saved as "Verlauf-Nachtrag.csv" (the record's format, header first).
// The folder made; empty when the cards could not be written there.
QString writeRescueCopy(const RescueCopy &copy);

} // namespace zek
