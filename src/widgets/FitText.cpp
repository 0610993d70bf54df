#include "widgets/FitText.h"

#include "widgets/ReadingFont.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>

#include <cmath>
#include <optional>

namespace zek::ui {

qsizetype wordBreak(const QString &word, qsizetype fitting, const QList<qsizetype> *syllableStarts)
{
    if (syllableStarts) { // never inside a syllable; the patterns keep the shortest ends
        qsizetype kept = 0;
        for (qsizetype start : *syllableStarts)
            if (start > 0 && start <= fitting && start < word.size())
                kept = start;
        return kept;
    }
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
    std::optional<QList<QList<qsizetype>>> syllableStarts; // of each word, where syllables are asked for

    Words(const QString &text, const SyllableStarts &syllables) : spaced(isSpacedOut(text))
    {
        QString plain;
        if (spaced)
            for (qsizetype i = 1; i < text.size(); i += 3)
                plain += text[i];
        words = (spaced ? plain : text).split(u' ', Qt::SkipEmptyParts);
        if (syllables) {
            syllableStarts.emplace();
            for (const QString &word : std::as_const(words))
                syllableStarts->append(syllables(word));
        }
    }
    // The syllables of what is left of word w after its first `gone` letters.
    std::optional<QList<qsizetype>> startsIn(qsizetype w, qsizetype gone) const
    {
        if (!syllableStarts)
            return std::nullopt;
        QList<qsizetype> starts;
        for (qsizetype start : (*syllableStarts)[w])
            if (start > gone)
                starts << start - gone;
        return starts;
    }
    QString line(const QStringList &onLine) const { return spacedOut(onLine.join(u' ')); }
    // The first part of a broken word, with its hyphen after the last letter
    // (broken at syllables, after a hyphen of its own no second one).
    QString broken(const QString &part) const
    {
        QString shown = spacedOut(part);
        if (spaced)
            shown.chop(1);
        return syllableStarts && part.endsWith(u'-') ? shown : shown + u'-';
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
    for (qsizetype w = 0; w < words.words.size(); ++w) {
        const QString &word = words.words[w];
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
        qsizetype gone = 0; // letters of the word on earlier lines
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
            const std::optional<QList<qsizetype>> starts = words.startsIn(w, gone);
            const qsizetype kept =
                fits(words.broken(rest.left(low))) ? wordBreak(rest, low, starts ? &*starts : nullptr) : 0;
            if (kept == 0)
                return std::nullopt;
            lines << words.broken(rest.left(kept));
            rest = rest.mid(kept);
            gone += kept;
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

namespace {

// One way of laying a text out: how its lines may break, down to which size,
// with its letter spacing or without.
struct Try {
    Lines how;
    qreal smallest;
    bool spaced = true;
};

// The ways tried, in order, until one fits: shrink before a line breaks,
// break between words before a word breaks, and only then lose the letter
// spacing and go below the smallest size.
QList<Try> triesFor(Wrap wrap, qreal largest, qreal minimumPoints)
{
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
    return tries;
}

} // namespace

FittedLines fitLines(const QString &text, const QFont &font, qreal spacingShare, const QList<QRectF> &rooms,
                     const QPaintDevice *device, Wrap wrap, qreal minimumPoints, const SyllableStarts &syllables)
{
    const Words words(text, syllables);
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
    const QList<Try> tries = triesFor(wrap, largest, minimumPoints);
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

namespace {

struct LabelLines {
    QStringList lines;
    bool fits = false;
};

// The text broken into lines of the width at this font, as `wrap` allows;
// it fits when no line is wider than the box and the lines are not higher.
LabelLines layOutLabel(const QString &text, const QFont &font, const QLabel *label, QTextOption::WrapMode wrap)
{
    const QRectF box = label->contentsRect();
    const qreal width = box.width() - 1; // a pixel for rounding
    QTextLayout layout(text, font, const_cast<QLabel *>(label));
    QTextOption option;
    option.setWrapMode(wrap);
    layout.setTextOption(option);
    LabelLines result;
    bool tooWide = false;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        tooWide = tooWide || line.naturalTextWidth() > width;
        result.lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    const qreal height = qreal(std::max<qsizetype>(1, result.lines.size())) * QFontMetricsF(font, label).lineSpacing();
    result.fits = !tooWide && height <= box.height();
    return result;
}

} // namespace

void showFitted(QLabel *label, const QString &text, const QFont &font, qreal minimumPoints)
{
    label->setWordWrap(false); // the lines are broken here
    QFont sized = font;
    const qreal largest = font.pointSizeF();
    for (QTextOption::WrapMode wrap : {QTextOption::WordWrap, QTextOption::WrapAtWordBoundaryOrAnywhere}) {
        for (qreal points = largest; points >= minimumPoints; points -= 0.5) {
            sized.setPointSizeF(points);
            const LabelLines fitted = layOutLabel(text, sized, label, wrap);
            if (fitted.fits) {
                label->setFont(sized);
                label->setText(fitted.lines.join(u'\n'));
                label->setToolTip(QString());
                return;
            }
        }
    }
    // Too long for the box at any size: as many lines as fit, the last cut.
    sized.setPointSizeF(minimumPoints);
    const QFontMetricsF metrics(sized, label);
    const auto room =
        std::max<qsizetype>(1, qsizetype(std::floor(label->contentsRect().height() / metrics.lineSpacing())));
    QStringList lines = layOutLabel(text, sized, label, QTextOption::WrapAtWordBoundaryOrAnywhere).lines.mid(0, room);
    qsizetype shown = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        shown += lines[i].size();
    lines.last() = metrics.elidedText(text.mid(shown), Qt::ElideRight, label->contentsRect().width() - 1);
    label->setFont(sized);
    label->setText(lines.join(u'\n'));
    label->setToolTip(text);
}

void fitFont(QWidget *w, const QString &text, const QFont &font, qreal spacingShare, Wrap wrap, int margin)
{
    const QRectF room = QRectF(w->contentsRect()).adjusted(margin, margin, -margin, -margin);
    const QFont fitted = fitLines(text, font, spacingShare, {room}, w, wrap).font;
    if (fitted != w->font())
        w->setFont(fitted);
}

} // namespace zek::ui
