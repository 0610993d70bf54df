#pragma once

#include "widgets/FitText.h"
#include "widgets/SyllableDrawing.h"

#include <QLabel>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTextLayout;

namespace zek::ui {

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

    void showText(const QString &text, const QFont &font, qreal spacingShare, Wrap wrap,
                  qreal minimumPoints = readablePoints);
    // How the next texts show syllables: coloured or with arcs, and broken
    // only between two syllables. Off until asked.
    void showSyllables(const SyllableStyle &style);
    // For each line drawn, each character's syllable place (-1 none); empty
    // without syllables.
    const QList<QList<int>> &syllablePlaces() const { return m_places; }
    // Where the arcs under the syllables lie, in the field's coordinates.
    QList<QRectF> arcs() const;
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
        SyllableStyle syllables;
        friend bool operator==(const Asked &, const Asked &) = default;
    };
    std::optional<Asked> m_asked; // what the lines were fitted for
    FittedLines m_fitted;
    SyllableStyle m_syllables;
    QList<QList<int>> m_places;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
};

} // namespace zek::ui
