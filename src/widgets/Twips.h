#pragma once

#include <QRect>

namespace zek::ui {

// Positions and sizes are given in twips, 1440 to the inch; on screen they
// are scaled by the screen's logical DPI.
int twips(int value);
QRect twipsRect(int left, int top, int width, int height);

} // namespace zek::ui
