#pragma once

#include <QFont>
#include <QString>

class QLabel;

namespace zek::ui {

// The smallest font a long word or phrase is shrunk to on screen.
constexpr qreal readablePoints = 8;

// Shows `text` in `label` so that none of it is clipped: the label's font
// shrinks from `font` towards `minimumPoints` until the text fits the
// label's box. Where the box has room for more than one line, lines break
// between words, and inside a word only where no size shows it whole.
// Only a text that fits at no size is cut with "…"; its whole text is then
// the label's tool tip. Line breaks are put into the label's text.
void showFitted(QLabel *label, const QString &text, const QFont &font, qreal minimumPoints = readablePoints);

} // namespace zek::ui
