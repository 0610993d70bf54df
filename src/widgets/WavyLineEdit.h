#pragma once

#include <QLineEdit>
#include <QList>
#include <QPair>

namespace zek::ui {

// A line edit that draws a red wavy line under stretches of its text (the
// words a spelling check does not know). It paints them over the text itself
// and leaves the text and an input method's pre-edit text (accents typed with
// compose or IBus) as they are.
class WavyLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    // Each stretch as its first character and its length.
    void setWavyLines(const QList<QPair<int, int>> &stretches);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QPair<int, int>> m_stretches;
};

} // namespace zek::ui
