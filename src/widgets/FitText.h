#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QLabel;
class QPaintDevice;
class QWidget;

namespace zek::ui {

// The smallest font a text is shrunk to before its words are broken; a
// phrase too long even so goes smaller, down to the last resort, before it
// is cut.
constexpr qreal readablePoints = 8;

// How a text may take more than one line of its box: never (a text box), as
// soon as it is too wide (a phrase), or only where one line would need less
// than half the size (a word, spaced out or not: its letters stay together).
enum class Wrap { Never, Always, AfterShrinking };

// Where a word too long for its line is broken: how many of its letters
// stay on the line, when at most `fitting` of them fit there. One place
// decides it. Without syllables neither part is a single letter; with them
// (the offsets at which a syllable other than the first begins) the word
// breaks only between two syllables, at the last one that fits. 0 when the
// word cannot be broken so.
qsizetype wordBreak(const QString &word, qsizetype fitting, const QList<qsizetype> *syllableStarts = nullptr);

// The syllables of each word a text is broken into (its offsets as
// wordBreak takes them); none given: words break between any two letters.
using SyllableStarts = std::function<QList<qsizetype>(const QString &word)>;

// A text laid out to be drawn: the font at its size and letter spacing, the
// lines as drawn (a broken word's first part ends with "-"), centred in
// `room`. `cut` when the text fits nowhere even so and its last line ends
// with "…".
struct FittedLines {
    QFont font;
    QStringList lines;
    QRectF room;
    bool cut = false;
};

// The text laid out in the largest font, down to minimumPoints, at which it
// fits one of the free rooms (on device; the earlier room wins at the same
// size). It is measured as it is drawn: the real font, its letter spacing
// (a share of its size, shrinking with it) and every blank. Lines break
// between words as wrap allows, a word display ("  H  u  n  d  ") only where
// its word had a blank; only at the smallest size a word that fits no line
// is broken (wordBreak), and only a text that fits at no size is cut.
FittedLines fitLines(const QString &text, const QFont &font, qreal spacingShare, const QList<QRectF> &rooms,
                     const QPaintDevice *device, Wrap wrap, qreal minimumPoints = readablePoints,
                     const SyllableStarts &syllables = {});

// Shows `text` in `label` so that none of it is clipped: the label's font
// shrinks from `font` towards `minimumPoints` in half points until the text
// fits the label's box, laid out by Qt with the label's own blanks. Where the
// box has room for more than one line, lines break between words, and inside
// a word only where no size shows it whole. Only a text that fits at no size
// is cut with "…"; its whole text is then the label's tool tip.
void showFitted(QLabel *label, const QString &text, const QFont &font, qreal minimumPoints = readablePoints);

// Sets the font on w at which text fits the room of w (its contents, less
// margin on each side) on one line or as wrap allows; the letter spacing
// shrinks with the font.
void fitFont(QWidget *w, const QString &text, const QFont &font, qreal spacingShare, Wrap wrap, int margin = 0);

} // namespace zek::ui
