#include "widgets/WordField.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>
#include <optional>

namespace zek::ui {

WordField::WordField(QWidget *parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

WordField::~WordField() = default;

QList<QRectF> WordField::rooms() const
{
    if (!m_givenRooms.isEmpty())
        return m_givenRooms;
    constexpr qreal margin = 3;
    const QRectF inner = QRectF(contentsRect()).adjusted(margin, margin, -margin, -margin);
    QRectF over;
    for (const QWidget *control : m_obstacles)
        if (control->isVisibleTo(parentWidget()))
            over |= QRectF(control->geometry()).translated(-QPointF(pos()));
    over = over.adjusted(-margin, -margin, margin, margin) & inner;
    if (over.isEmpty())
        return {inner};
    // beside the controls, as far from both sides to stay centred; or below them
    const qreal side =
        over.center().x() > inner.center().x() ? inner.right() - over.left() : over.right() - inner.left();
    QList<QRectF> free;
    const QRectF beside = inner.adjusted(side, 0, -side, 0);
    if (beside.width() > 0)
        free << beside;
    free << (over.center().y() < inner.center().y() ? inner.adjusted(0, over.bottom() - inner.top(), 0, 0)
                                                    : inner.adjusted(0, 0, 0, over.top() - inner.bottom()));
    return free;
}

void WordField::showText(const QString &text, const QFont &font, qreal spacingShare, Wrap wrap, qreal minimumPoints)
{
    Asked asked{text, font, spacingShare, minimumPoints, wrap, rooms(), m_syllables};
    if (asked == m_asked) // refreshed at every key: laid out once
        return;
    if (QLabel::text() != text)
        setText(text);
    setWordWrap(false); // the lines are broken here
    m_fitted =
        fitLines(text, font, spacingShare, asked.rooms, this, wrap, minimumPoints, syllableStartsOf(m_syllables));
    m_places = placesOnLines(text, m_fitted.lines, m_syllables);
    m_asked = std::move(asked);
    setFont(m_fitted.font);
    setToolTip(m_fitted.cut ? text : QString());
    layOut();
    update();
}

void WordField::showSyllables(const SyllableStyle &style)
{
    m_syllables = style; // the next showText lays the text out anew
}

void WordField::layOut()
{
    m_layouts.clear();
    const QFontMetricsF metrics(m_fitted.font, this);
    const qreal spacing = metrics.lineSpacing();
    const QRectF &room = m_fitted.room;
    qreal top = room.top() + (room.height() - spacing * qreal(m_fitted.lines.size())) / 2;
    for (qsizetype i = 0; i < m_fitted.lines.size(); ++i) {
        const QString &text = m_fitted.lines[i];
        auto layout = std::make_unique<QTextLayout>(text, m_fitted.font, this);
        if (m_syllables.look == SyllableLook::Coloured && i < m_places.size())
            layout->setFormats(syllableColours(m_places[i]));
        layout->beginLayout();
        QTextLine line = layout->createLine();
        line.setNumColumns(int(text.size()));
        line.setPosition(QPointF(0, 0));
        layout->endLayout();
        const QRectF ink = metrics.boundingRect(text);
        const qreal width = std::max(metrics.horizontalAdvance(text), ink.right()) - std::min<qreal>(0, ink.left());
        layout->setPosition(QPointF(room.left() + (room.width() - width) / 2 - std::min<qreal>(0, ink.left()), top));
        top += spacing;
        m_layouts.push_back(std::move(layout));
    }
}

QList<QRectF> WordField::glyphBounds() const
{
    QList<QRectF> bounds;
    for (const auto &layout : m_layouts)
        for (const QGlyphRun &run : layout->glyphRuns()) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                const QRectF ink = font.boundingRect(glyphs[i]);
                if (!ink.isEmpty())
                    bounds << ink.translated(positions[i] + layout->position());
            }
        }
    return bounds;
}

QList<QRectF> WordField::arcs() const
{
    QList<QRectF> arcs;
    if (m_syllables.look != SyllableLook::Arcs)
        return arcs;
    const qreal spacing =
        m_fitted.font.letterSpacingType() == QFont::AbsoluteSpacing ? m_fitted.font.letterSpacing() : 0;
    for (std::size_t i = 0; i < m_layouts.size() && qsizetype(i) < m_places.size(); ++i)
        for (const QRectF &arc : syllableArcs(m_layouts[i]->lineAt(0), m_places[qsizetype(i)], spacing))
            arcs << arc.translated(m_layouts[i]->position());
    return arcs;
}

void WordField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    for (const auto &layout : m_layouts)
        layout->draw(&painter, QPointF());
    const QList<QRectF> under = arcs();
    if (under.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(foregroundRole()), std::max<qreal>(1, m_fitted.font.pointSizeF() / 14)));
    for (const QRectF &arc : under)
        drawSyllableArc(painter, arc);
}

} // namespace zek::ui
