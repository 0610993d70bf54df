#include "widgets/WavyLineEdit.h"

#include "widgets/SyllableDrawing.h"

#include <QCoreApplication>
#include <QInputMethodEvent>

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace zek::ui {

void WavyLineEdit::setWavyLines(const QList<QPair<int, int>> &stretches)
{
    if (stretches == m_stretches)
        return;
    m_stretches = stretches;
    update();
}

// The colours go to the line edit as an input method gives the formats of
// its text: an event without text, whose formats start at the cursor. It is
// sent only when the colours change, that is when the text has changed: a
// pre-edit text (which the event would end) never changes the text.
void WavyLineEdit::setSyllableColours(const QList<int> &places)
{
    if (places == m_places)
        return;
    m_places = places;
    QList<QInputMethodEvent::Attribute> formats;
    for (const QTextLayout::FormatRange &range : syllableColours(places))
        formats << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, range.start - cursorPosition(),
                                                range.length, range.format);
    QInputMethodEvent event(QString(), formats);
    QCoreApplication::sendEvent(this, &event);
}

void WavyLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_stretches.isEmpty() || text().isEmpty())
        return;
    // Where a character stands: the cursor's place on the screen, moved by
    // the width of the text between the cursor and the character (the line
    // edit may have scrolled its text).
    QTextLayout layout(text(), font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    const qreal cursorX = cursorRect().center().x() - line.cursorToX(cursorPosition());
    const QFontMetricsF metrics(font());
    const QRect box = contentsRect();
    const qreal baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2 + 2;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 1));
    painter.setClipRect(box);
    for (const auto &[start, length] : std::as_const(m_stretches)) {
        const qreal from = cursorX + line.cursorToX(start);
        const qreal to = cursorX + line.cursorToX(start + length);
        QPainterPath wave;
        wave.moveTo(from, baseline);
        bool up = true;
        for (qreal x = from + 2; x <= to + 0.5; x += 2, up = !up)
            wave.lineTo(x, baseline + (up ? -1.5 : 1.5));
        painter.drawPath(wave);
    }
}

} // namespace zek::ui
