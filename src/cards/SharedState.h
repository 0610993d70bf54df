#pragma once

#include <QString>

namespace zek {

// MODUL1: the values several windows read and write.
struct SharedState {
    QString currentCardFile; // the card file of the main window's language, no folder
    int currentBox = 1; // 0 = error box, 1 to 5
    int level = 1; // 1 to 3
    int mode = 1; // presentation mode 1 to 12
    QString targetText; // what the child must type now; empty: no card
};

} // namespace zek
