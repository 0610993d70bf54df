#pragma once

#include "cards/Settings.h"
#include "widgets/FitText.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextLayout>

class QPainter;

namespace zek {
class SyllablePatterns;
}

namespace zek::ui {

// The syllables' colours, alternately from the first syllable of each word:
// a calm blue and a calm red, both dark enough to read on white.
inline const QColor syllableBlue(0, 84, 196);
inline const QColor syllableRed(196, 32, 32);
inline QColor syllableColour(int place) { return place % 2 == 0 ? syllableBlue : syllableRed; }

// How a text is shown in syllables: the look and the language's patterns
// (none: every word is one syllable).
struct SyllableStyle {
    SyllableLook look = SyllableLook::Off;
    const SyllablePatterns *patterns = nullptr;
    bool on() const { return look != SyllableLook::Off; }
    friend bool operator==(const SyllableStyle &, const SyllableStyle &) = default;
};

// Where a word may break: between two of its syllables.
SyllableStarts syllableStartsOf(const SyllableStyle &style);

// For each character of each line drawn its syllable's mark, or -1: twice
// the syllable's number in the text, plus one for a red one (so even marks
// are blue, as places are). The lines are matched letter by letter with the
// text they were made of, so blanks of a spaced-out word and the hyphen of a
// broken word belong to no syllable, and a syllable goes on over a line break.
QList<QList<int>> placesOnLines(const QString &text, const QStringList &lines, const SyllableStyle &style);

// One syllable's stretch on a line: its first and last character.
struct SyllableRun {
    qsizetype first = 0, last = 0;
    int place = 0;
};
QList<SyllableRun> syllableRuns(const QList<int> &places);

// The letters of each syllable in its colour.
QList<QTextLayout::FormatRange> syllableColours(const QList<int> &places);

// The arcs under the syllables of one laid-out line, in the layout's
// coordinates: each spans its syllable's letters (without the spacing after
// the last) and lies in the line's descent.
QList<QRectF> syllableArcs(const QTextLine &line, const QList<int> &places, qreal letterSpacing);
// Draws one arc as a thin curve along the bottom of rect.
void drawSyllableArc(QPainter &painter, const QRectF &arc);

} // namespace zek::ui
