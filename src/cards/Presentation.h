#pragma once

#include <QString>
#include <QStringList>

namespace zek {

class Random;

// The twelve names of the mode list; entry n - 1 is mode n.
const QStringList &presentationModeNames();

constexpr int presentationModeCount = 12;

// The display form of word in presentation mode 1 to 12; any other mode
// shows the word as it is. Mode 12 draws from random; the others are fixed.
QString presentWord(int mode, const QString &word, Random &random);

// The capital of a letter, one character for one: "ä" becomes "Ä", "ß" stays.
QString toCapitals(const QString &word);

} // namespace zek
