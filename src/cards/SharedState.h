#pragma once

#include <QString>

namespace zek {

// MODUL1: the values several windows read and write.
struct SharedState {
    QString currentCardFile;   // name of the current card list file, no folder
    int currentBox = 1;        // 0 = error box, 1 to 5
    int level = 1;             // 1 to 3
    int mode = 1;              // presentation mode 1 to 12
    QString targetText;        // what the child must type now; empty: no card
    QString displayText;       // presentation form of the base word, during a draw
    QString typedText;         // the answer box at the last check
};

} // namespace zek
