#pragma once

#include "platform/Platform.h"

namespace zek {

// "Es sind nicht genügend Wörter vorhanden!" under the title of the window
// that cannot open: the main window refuses a game with it, and a game that
// finds no word to play in the card file.
Message notEnoughWords(const QString &title);

} // namespace zek
