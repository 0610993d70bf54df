#pragma once

#include <QString>

namespace zek {

// What a field may hold: line breaks, tabs and the spaces of word processors
// (no-break, narrow, thin …) become blanks, letters are composed (NFC). The
// characters a card file cannot hold, besides the comma, are listed in
// *refused (control and format characters, those outside Windows-1252) and
// left out.
QString fieldText(const QString &typed, QString *refused = nullptr);
// Those characters as a message names them: what can be seen as itself,
// what cannot by its meaning ("das Zeichen 'Ω', ein unsichtbares
// Steuerzeichen (U+200B)").
QString characterNames(const QString &characters);
// "das Zeichen 'Ω' lässt sich nicht in der Kartei speichern", with "lassen"
// for more than one.
QString refusedCharacters(const QString &characters);
// A number as a German text writes it: "32.767".
QString germanNumber(qint64 n);

} // namespace zek
