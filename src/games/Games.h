#pragma once

#include <QString>

namespace zek {

class Platform;
class Random;
struct SharedState;

// The word a game is played with: the base word of a card drawn with the
// same odds among the complete cards of the current card file that have a
// base word. None there: the "not enough words" message under the game's
// title, and the empty word.
QString drawGameWord(const QString &folder, const SharedState &shared, Random &random, Platform &platform,
                     const QString &refusalTitle);

} // namespace zek
