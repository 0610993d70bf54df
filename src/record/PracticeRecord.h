#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

namespace zek {

// The practice record "Verlauf.csv" in the card folder: one line for every
// card answered, for the teacher's view and for any spreadsheet. UTF-8,
// fields separated by ";", CR LF after every line, the header line first:
//
//   Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe
//   2026-03-02T08:15:00;Deutsch;Fahrrad;2;3;falsch;Fahrrad;Fahra
//
// Zeit is the local time (ISO 8601, to the second), Sprache the language's
// name, the boxes are the box codes of the card file (0 "Fehler", 1 to 5
// "Fach 1" to "Fach 5", 6 "Gelernt"), Ergebnis "richtig" when the card was
// typed without a wrong character and "falsch" otherwise. For a card typed
// wrong, Aufgabe is the text the child was typing at its first wrong letter
// (the word, the related word or the phrase) and Eingabe the answer box up to
// and including that letter; both are empty otherwise. A field holding ";"
// or a double quote is quoted as CSV quotes it.
//
// Records written before the last two columns existed have the header and
// lines of the first six; they are read as before, and lines appended to
// them have all eight.
//
// The teacher's changes in the editor are lines of their own, Ergebnis
// "Lehrkraft", one per card whose box changed; a box field is empty where the
// card is not in the file before or after:
//
//   2026-03-09T14:02:11;Deutsch;Igel;;1;Lehrkraft;;     inserted or imported
//   2026-03-09T14:03:40;Deutsch;Haus;3;;Lehrkraft;;     deleted
//   2026-03-09T14:05:02;Deutsch;Hund;6;1;Lehrkraft;;    moved to another box
//
// A re-box writes lines only for the cards it moves.
inline constexpr char16_t recordFileName[] = u"Verlauf.csv";
inline constexpr char recordHeader[] = "Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe\r\n";

// One answered card, or one card changed by the teacher.
struct RecordLine {
    QDate date;
    int second = 0; // of the day, local time
    QChar language; // 'D', 'E', 'F'
    QString baseWord;
    int boxBefore = 0; // 0 to 6; -1 (teacher only): the card was not there
    int boxAfter = 0; // 0 to 6; -1 (teacher only): the card is gone
    bool right = false;
    bool byTeacher = false; // "Lehrkraft"; right is then false
    QString asked = {}; // "Aufgabe": the text typed at the first wrong letter
    QString typed = {}; // "Eingabe": the answer box up to and including it

    friend bool operator==(const RecordLine &, const RecordLine &) = default;
};

// The line as it is written, CR LF included.
QByteArray recordLineBytes(const RecordLine &line);

// Appends the line to the record in folder: the header first when the file is
// new or empty, a line end first when the last line was cut off (a crash
// while it was written). The file is opened, written and closed for every
// line, so what was answered is on disk at once. False when it cannot be
// written; the record then stays as it was.
bool appendToRecord(const QString &folder, const RecordLine &line);

// Appends the lines with one write, the header first when the file is new
// (a re-box of a whole list is one write, not one per card). Nothing to
// append is a success.
bool appendToRecord(const QString &folder, const QList<RecordLine> &lines);

// The lines of a record, read tolerantly: the header and any line that is not
// a complete record line (cut off, a field missing or unreadable, an unknown
// language or result) are passed over. Lines end with CR LF, LF or CR.
QList<RecordLine> readRecord(QByteArrayView bytes);

// The record of the card folder; none when there is no file or it cannot be
// read.
QList<RecordLine> readRecordFile(const QString &folder);

} // namespace zek
