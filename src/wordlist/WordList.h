#pragma once

#include "cards/CardList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// A teacher's word list: the table a spreadsheet or a text editor writes,
// brought into the card list and taken out of it again.
namespace zek {

// One line of a word list, as the import judges it.
struct WordListLine {
    enum class Verdict { New, Present, Refused };
    qsizetype number = 0; // the line of the file it starts on, from 1
    CardEntry card; // box "1" and the three texts, cleaned as typed input is
    Verdict verdict = Verdict::New;
    QString reason; // why it is refused, in German
};

// What the import of a word list would do.
struct WordListImport {
    QString error; // the whole file is refused: why, in German; then there are no lines
    QList<WordListLine> lines; // the lines that hold words, in file order
    qsizetype newCount = 0, presentCount = 0, refusedCount = 0;

    CardList newCards() const;
    QString countsText() const; // "12 neue Karten, 3 schon vorhanden, 1 abgelehnt"
    QStringList refusedTexts() const; // "Zeile 4: kein Grundwort"
};

// Reads the bytes of a word list and judges each line against the cards of
// the list. The text is UTF-8 (with or without byte order mark) when its
// bytes are valid UTF-8, UTF-16 after its byte order mark, and Windows-1252
// otherwise; lines end in CR LF, LF or CR; the fields are separated by the
// tab, the semicolon or the comma, whichever most of the first lines hold;
// a field in double quotes may hold separators, line breaks and doubled
// quotes. A first line that names the columns is passed over; "Fach" as its
// first column (an export's) moves the words one column on. The columns are
// the base word, the related word and the phrase.
WordListImport readWordList(QByteArrayView bytes, const CardList &cards);

// The longest word list read: more bytes are no list a teacher keeps.
constexpr qsizetype maxWordListBytes = 32 * 1024 * 1024;

// The bytes of the word list file at path, as the import reads them: only a
// regular file, and one byte more than a list may have, so that readWordList
// refuses a bigger file. None, with the German reason in *error, when the
// file cannot be read.
std::optional<QByteArray> readWordListFile(const QString &path, QString *error);

// The cards with the added ones, each at its sorted place as a new card is
// inserted: before the first card whose base word compares greater; added
// cards of the same base word keep their order.
CardList insertSorted(const CardList &cards, CardList added);

// The cards as a table the common spreadsheet programs open with umlauts
// right: UTF-8 with byte order mark, the header "Fach;Grundwort;Verwandtes
// Wort;Phrase", fields separated by semicolons, in double quotes where they
// hold a semicolon, a quote or a line break, CR LF after every line.
QByteArray writeWordList(const CardList &cards);

} // namespace zek
