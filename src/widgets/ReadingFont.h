#pragma once

#include "cards/Settings.h"

#include <QFont>
#include <QSize>

class QPaintDevice;
class QWidget;

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

// How a text may take more than one line of its box: never (a text box), as
// soon as it is too wide (a phrase), or only where one line would need less
// than half the size (a word, spaced out or not: its letters stay together).
enum class Wrap { Never, Always, AfterShrinking };

// The font, as large as it comes and no smaller than needed, down to
// minimumPoints, at which text fits a box of this size on device; lines
// break between words as wrap allows. The letter spacing shrinks with the
// font. The font comes back unchanged when the text fits at its size.
QFont fittedFont(const QString &text, const QFont &font, qreal spacingShare, const QSize &box,
                 const QPaintDevice *device, Wrap wrap, qreal minimumPoints = 8);

// Sets the font on w, fitted to the room of w (its contents, less margin on
// each side) for text.
void fitFont(QWidget *w, const QString &text, const QFont &font, qreal spacingShare, Wrap wrap, int margin = 0);

} // namespace zek::ui
