#include "widgets/WordField.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>
#include <optional>

namespace zek::ui {

qsizetype wordBreak(const QString &word, qsizetype fitting)
{
    // no single letter on either line
    const qsizetype kept = std::min(fitting, word.size() - 2);
    return kept >= 2 ? kept : 0;
}

namespace {

// The smallest size a text too long for its field is shown at.
constexpr qreal lastResortPoints = 6;

// The word display spaces every letter out: a blank, the letter, a blank.
bool isSpacedOut(const QString &text)
{
    if (text.isEmpty() || text.size() % 3 != 0)
        return false;
    for (qsizetype i = 0; i < text.size(); i += 3)
        if (text[i] != u' ' || text[i + 2] != u' ')
            return false;
    return true;
}

// The text as words and how a line of them is written back: a word display
// is broken where its word had a blank and keeps its blanks on every line.
struct Words {
    QStringList words;
    bool spaced = false;

    explicit Words(const QString &text) : spaced(isSpacedOut(text))
    {
        QString plain;
        if (spaced)
            for (qsizetype i = 1; i < text.size(); i += 3)
                plain += text[i];
        words = (spaced ? plain : text).split(u' ', Qt::SkipEmptyParts);
    }
    QString line(const QStringList &onLine) const { return spacedOut(onLine.join(u' ')); }
    // The first part of a broken word, with its hyphen after the last letter.
    QString broken(const QString &part) const
    {
        QString shown = spacedOut(part);
        if (spaced)
            shown.chop(1);
        return shown + u'-';
    }
    QString spacedOut(const QString &plain) const
    {
        if (!spaced)
            return plain;
        QString out;
        for (QChar c : plain)
            out += QLatin1Char(' ') + c + QLatin1Char(' ');
        return out;
    }
};

// How a text may take lines in one try.
enum class Lines { One, BetweenWords, BreakingWords };

// Measures lines at one font as they are drawn: the advance with the letter
// spacing and every blank, widened where a glyph's ink reaches out of it.
class Measure {
public:
    Measure(const QFont &font, const QPaintDevice *device) : m_metrics(font, device) {}
    qreal width(const QString &line) const
    {
        const QRectF ink = m_metrics.boundingRect(line);
        return std::max(m_metrics.horizontalAdvance(line), ink.right()) - std::min<qreal>(0, ink.left());
    }
    qreal lineSpacing() const { return m_metrics.lineSpacing(); }
    QString elided(const QString &text, qreal width) const { return m_metrics.elidedText(text, Qt::ElideRight, width); }

private:
    QFontMetricsF m_metrics;
};

// The lines of the words in room at this font, or none when they do not fit.
std::optional<QStringList> linesIn(const Words &words, const Measure &measure, const QRectF &room, Lines how,
                                   bool cutting = false)
{
    const auto roomLines = qsizetype(std::floor(room.height() / measure.lineSpacing()));
    const auto most = how == Lines::One ? std::min<qsizetype>(1, roomLines) : roomLines;
    if (most < 1 || room.width() <= 0)
        return std::nullopt;
    const auto fits = [&](const QString &line) { return measure.width(line) <= room.width(); };
    QStringList lines, current;
    const auto tooMany = [&] { return !cutting && lines.size() + (current.isEmpty() ? 0 : 1) > most; };
    for (const QString &word : words.words) {
        if (fits(words.line(current + QStringList{word}))) {
            current << word;
            continue;
        }
        if (!current.isEmpty()) {
            if (how == Lines::One)
                return std::nullopt;
            lines << words.line(current);
            current.clear();
        }
        QString rest = word;
        while (!fits(words.line({rest}))) {
            if (how != Lines::BreakingWords)
                return std::nullopt;
            qsizetype low = 1, high = rest.size() - 1; // the most letters that fit with the hyphen
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                if (fits(words.broken(rest.left(middle))))
                    low = middle;
                else
                    high = middle - 1;
            }
            const qsizetype kept = fits(words.broken(rest.left(low))) ? wordBreak(rest, low) : 0;
            if (kept == 0)
                return std::nullopt;
            lines << words.broken(rest.left(kept));
            rest = rest.mid(kept);
            if (tooMany())
                return std::nullopt;
        }
        current << rest;
        if (tooMany())
            return std::nullopt;
    }
    if (!current.isEmpty())
        lines << words.line(current);
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

} // namespace

FittedLines fitLines(const QString &text, const QFont &font, qreal spacingShare, const QList<QRectF> &rooms,
                     const QPaintDevice *device, Wrap wrap, qreal minimumPoints)
{
    const Words words(text);
    const qreal largest = font.pointSizeF();
    qreal share = spacingShare;
    const auto sized = [&](qreal points) {
        QFont f = font;
        f.setPointSizeF(points);
        spaceLetters(f, share, device);
        return f;
    };
    // The largest of the sizes largest, largest - 0.5, … down to smallest
    // at which the text fits room, found by halving the steps (a text needs
    // at least as much room at a larger size); every size tried makes a font
    // of its own, which costs.
    const auto largestFitting = [&](const QRectF &room, qreal smallest, Lines how) -> std::optional<FittedLines> {
        const auto at = [&](qreal points) -> std::optional<FittedLines> {
            const QFont f = sized(points);
            if (auto lines = linesIn(words, Measure(f, device), room, how))
                return FittedLines{f, *lines, room};
            return std::nullopt;
        };
        if (auto fitted = at(largest))
            return fitted;
        std::optional<FittedLines> found;
        for (int low = 1, high = int(std::floor((largest - smallest) * 2 + 1e-9)); low <= high;) {
            const int middle = (low + high) / 2;
            if (auto fitted = at(largest - 0.5 * middle)) {
                found = fitted;
                high = middle - 1;
            } else {
                low = middle + 1;
            }
        }
        return found;
    };
    struct Try {
        Lines how;
        qreal smallest;
        bool spaced = true;
    };
    QList<Try> tries;
    if (wrap == Wrap::Never)
        tries = {{Lines::One, minimumPoints}};
    else if (wrap == Wrap::AfterShrinking) // a word keeps one line down to half its size
        tries = {{Lines::One, std::max(minimumPoints, largest / 2)}, {Lines::BetweenWords, minimumPoints}};
    else
        tries = {{Lines::BetweenWords, minimumPoints}};
    if (wrap != Wrap::Never) // a word is broken only at the smallest size
        tries.append({Lines::BreakingWords, minimumPoints});
    // A text too long for the field even so (a phrase of many sentences)
    // loses its letter spacing, then goes below the smallest size, before
    // any of it is cut.
    if (wrap != Wrap::Never)
        for (qreal points = minimumPoints; points >= lastResortPoints; points -= 0.5)
            tries.append({Lines::BreakingWords, points, false});
    for (const Try &t : tries) {
        share = t.spaced ? spacingShare : 0;
        std::optional<FittedLines> best;
        for (const QRectF &room : rooms) {
            std::optional<FittedLines> fitted;
            if (t.how != Lines::BreakingWords)
                fitted = largestFitting(room, t.smallest, t.how);
            else if (auto lines = linesIn(words, Measure(sized(t.smallest), device), room, t.how))
                fitted = FittedLines{sized(t.smallest), *lines, room};
            if (fitted && (!best || fitted->font.pointSizeF() > best->font.pointSizeF()))
                best = fitted;
        }
        if (best)
            return *best;
    }
    // Too long for its field at any size: as many lines as there is room for, the last cut.
    share = spacingShare;
    const QRectF room = rooms.isEmpty() ? QRectF() : rooms.first();
    const QFont f = sized(minimumPoints);
    const Measure measure(f, device);
    const Lines how = wrap == Wrap::Never ? Lines::One : Lines::BreakingWords;
    QStringList lines = linesIn(words, measure, room, how, true).value_or(QStringList{text});
    const auto most = how == Lines::One ? 1 : std::max<qsizetype>(1, qsizetype(room.height() / measure.lineSpacing()));
    const QString rest = lines.mid(most - 1).join(u' ');
    lines = lines.mid(0, most - 1);
    lines << measure.elided(rest, room.width());
    return {f, lines, room, true};
}

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
    Asked asked{text, font, spacingShare, minimumPoints, wrap, rooms()};
    if (asked == m_asked) // refreshed at every key: laid out once
        return;
    if (QLabel::text() != text)
        setText(text);
    setWordWrap(false); // the lines are broken here
    m_fitted = fitLines(text, font, spacingShare, asked.rooms, this, wrap, minimumPoints);
    m_asked = std::move(asked);
    setFont(m_fitted.font);
    setToolTip(m_fitted.cut ? text : QString());
    layOut();
    update();
}

void WordField::layOut()
{
    m_layouts.clear();
    const QFontMetricsF metrics(m_fitted.font, this);
    const qreal spacing = metrics.lineSpacing();
    const QRectF &room = m_fitted.room;
    qreal top = room.top() + (room.height() - spacing * qreal(m_fitted.lines.size())) / 2;
    for (const QString &text : m_fitted.lines) {
        auto layout = std::make_unique<QTextLayout>(text, m_fitted.font, this);
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

void WordField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    for (const auto &layout : m_layouts)
        layout->draw(&painter, QPointF());
}

} // namespace zek::ui
