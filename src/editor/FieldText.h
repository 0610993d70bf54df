#pragma once

#include <QString>

namespace zek {

// What a field may hold: line breaks, tabs and non-breaking spaces become
// blanks, letters are composed (NFC). The characters a card file cannot
// hold, besides the comma, are listed in *refused (control and format
// characters, those outside Windows-1252) and left out.
QString fieldText(const QString &typed, QString *refused = nullptr);
// Those characters as a message names them: "'Ω', U+00AD".
QString characterNames(const QString &characters);

} // namespace zek
