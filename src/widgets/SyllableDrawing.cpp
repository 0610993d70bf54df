#include "widgets/SyllableDrawing.h"

#include "syllables/Syllables.h"

#include <QPainter>
#include <QPainterPath>

namespace zek::ui {

SyllableStarts syllableStartsOf(const SyllableStyle &style)
{
    if (!style.on())
        return {};
    const SyllablePatterns *patterns = style.patterns;
    return [patterns](const QString &word) { return syllableBreaks(word, syllablesOf(word, patterns)); };
}

QList<QList<int>> placesOnLines(const QString &text, const QStringList &lines, const SyllableStyle &style)
{
    QList<QList<int>> onLines;
    if (!style.on())
        return onLines;
    // the text as its words, as the lines were made of it: a word display's
    // letters without their spacing
    QString plain;
    bool spaced = !text.isEmpty() && text.size() % 3 == 0;
    for (qsizetype i = 0; spaced && i < text.size(); i += 3)
        spaced = text[i] == u' ' && text[i + 2] == u' ';
    if (spaced)
        for (qsizetype i = 1; i < text.size(); i += 3)
            plain += text[i];
    else
        plain = text;
    plain = plain.split(u' ', Qt::SkipEmptyParts).join(u' ');
    // each syllable its own mark, of its colour: a syllable stays apart
    // from the next word's first one of the same colour
    const QList<Syllable> syllables = syllablesOf(plain, style.patterns);
    QList<int> places(plain.size(), -1);
    for (qsizetype k = 0; k < syllables.size(); ++k)
        for (qsizetype i = syllables[k].start; i < syllables[k].start + syllables[k].length; ++i)
            places[i] = int(2 * k) + syllables[k].place % 2;
    qsizetype next = 0;
    for (const QString &line : lines) {
        QList<int> onLine(line.size(), -1);
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u' ')
                continue;
            while (next < plain.size() && plain[next] == u' ')
                ++next;
            if (next < plain.size() && plain[next] == line[i])
                onLine[i] = places[next++];
        }
        onLines << onLine;
    }
    return onLines;
}

QList<SyllableRun> syllableRuns(const QList<int> &places)
{
    QList<SyllableRun> runs;
    for (qsizetype i = 0; i < places.size(); ++i) {
        if (places[i] < 0)
            continue;
        // a spaced-out syllable has blanks between its letters
        if (!runs.isEmpty() && runs.last().place == places[i]) {
            bool between = true;
            for (qsizetype j = runs.last().last + 1; j < i; ++j)
                between = between && places[j] < 0;
            if (between) {
                runs.last().last = i;
                continue;
            }
        }
        runs << SyllableRun{i, i, places[i]};
    }
    return runs;
}

QList<QTextLayout::FormatRange> syllableColours(const QList<int> &places)
{
    QList<QTextLayout::FormatRange> formats;
    for (const SyllableRun &run : syllableRuns(places)) {
        QTextLayout::FormatRange range;
        range.start = int(run.first);
        range.length = int(run.last - run.first + 1);
        range.format.setForeground(syllableColour(run.place));
        formats << range;
    }
    return formats;
}

QList<QRectF> syllableArcs(const QTextLine &line, const QList<int> &places, qreal letterSpacing)
{
    QList<QRectF> arcs;
    const qreal baseline = line.y() + line.ascent();
    const qreal descent = line.descent();
    for (const SyllableRun &run : syllableRuns(places)) {
        const qreal from = line.cursorToX(int(run.first));
        const qreal to = line.cursorToX(int(run.last + 1)) - letterSpacing;
        const qreal inset = std::min<qreal>(2, (to - from) / 6); // neighbouring arcs do not touch
        arcs << QRectF(from + inset, baseline + descent * 0.25, to - from - 2 * inset, descent * 0.7);
    }
    return arcs;
}

void drawSyllableArc(QPainter &painter, const QRectF &arc)
{
    QPainterPath path;
    path.moveTo(arc.topLeft());
    // a curve through the bottom's middle
    path.quadTo(QPointF(arc.center().x(), arc.bottom() + arc.height()), arc.topRight());
    painter.drawPath(path);
}

} // namespace zek::ui
