#pragma once

#include "widgets/ReadingFont.h"

#include <QLabel>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTextLayout;

namespace zek::ui {

// Where a word too long for its line is broken: how many of its letters
// stay on the line, when at most `fitting` of them fit there. One place
// decides it, so that breaking at syllables can come in here. Neither part
// is a single letter; 0 when the word cannot be broken so.
qsizetype wordBreak(const QString &word, qsizetype fitting);

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
                     const QPaintDevice *device, Wrap wrap, qreal minimumPoints = 8);

// A label that shows its text fitted into the room left free by the
// controls lying over it (the speaker buttons of the word field). Its
// text() stays the whole text; what it draws are the fitted lines.
class WordField : public QLabel {
    Q_OBJECT
public:
    explicit WordField(QWidget *parent);
    ~WordField() override;

    // The controls over the field whose rectangles the text keeps clear of.
    void keepClearOf(const QList<QWidget *> &controls) { m_obstacles = controls; }
    // The rooms of another field, so that a text breaks here as it does there.
    void takeRoomsOf(const WordField &field) { m_givenRooms = field.rooms(); }
    // The free rooms, in the field's coordinates: the whole field, or beside
    // and below the controls over it.
    QList<QRectF> rooms() const;

    void showText(const QString &text, const QFont &font, qreal spacingShare, Wrap wrap, qreal minimumPoints = 8);
    const FittedLines &fitted() const { return m_fitted; }
    // Where each glyph drawn lies, its ink in the field's coordinates.
    QList<QRectF> glyphBounds() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layOut();

    QList<QWidget *> m_obstacles;
    QList<QRectF> m_givenRooms;
    struct Asked {
        QString text;
        QFont font;
        qreal spacingShare, minimumPoints;
        Wrap wrap;
        QList<QRectF> rooms;
        friend bool operator==(const Asked &, const Asked &) = default;
    };
    std::optional<Asked> m_asked; // what the lines were fitted for
    FittedLines m_fitted;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
};

} // namespace zek::ui
