#pragma once

#include "cards/Settings.h"

#include <QFont>

class QPaintDevice;

namespace zek::ui {

// The font of the word, the answer box and the word show as the reading aids
// ask: the family, the size (points times the size factor) and the letter
// spacing, a share of the font's size added between two letters. The
// defaults give "Comic Sans MS" (shown as Comic Neue) at points, unspaced.
QFont readingFont(const ReadingAids &aids, qreal points, bool bold = false);

// Puts share times the font's size, in pixels of device, between two letters.
void spaceLetters(QFont &font, qreal share, const QPaintDevice *device);

// The family that stands for a reading font on screen.
QString readingFamily(ReadingFont font);

} // namespace zek::ui
