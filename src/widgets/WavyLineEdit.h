#pragma once

#include <QLineEdit>
#include <QList>
#include <QPair>

namespace zek::ui {

// A line edit that draws a red wavy line under stretches of its text (the
// words a spelling check does not know). It paints them over the text itself
// and leaves the text and an input method's pre-edit text (accents typed with
// compose or IBus) as they are. It may show its letters in the colours of
// their syllables.
class WavyLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    // Each stretch as its first character and its length.
    void setWavyLines(const QList<QPair<int, int>> &stretches);
    // For each character its syllable's place (blue for even, red for odd),
    // -1 or past the end in the text's own colour; empty: all of it.
    void setSyllableColours(const QList<int> &places);
    const QList<int> &syllablePlaces() const { return m_places; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QPair<int, int>> m_stretches;
    QList<int> m_places;
};

} // namespace zek::ui
