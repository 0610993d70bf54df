#include "Sheets.h"

#include <algorithm>
#include <cmath>

namespace zek {

int pageCapacity(SheetKind kind)
{
    switch (kind) {
    case SheetKind::CardSheet: return 8;
    case SheetKind::WordList: return 30;
    case SheetKind::FamilySheet: return 10;
    }
    return 1;
}

QString sheetJobName(SheetKind kind)
{
    switch (kind) {
    case SheetKind::WordList: return QStringLiteral("Lernwoerter");
    case SheetKind::FamilySheet: return QStringLiteral("Wortfamilien");
    case SheetKind::CardSheet: break;
    }
    return QStringLiteral("Karteikarten");
}

namespace {

constexpr double cm = 567;

// The longest beginning of text that fits room (at least one character).
qsizetype fittingPart(const QString &text, double room, const PrinterMetrics &m, double scale)
{
    qsizetype fits = 1, tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        (m.textWidth(text.left(middle), scale) <= room ? fits : tooLong) = middle;
    }
    return fits;
}

// Splits text into lines no wider than room, in the printer font made scale
// times its size: at blanks where possible, inside a word only where the
// word alone is too wide. A line takes words while their widths and the
// blanks between add up to no more than room; a line that comes within a
// fiftieth of room is measured whole (the sum may differ a little from the
// width of the whole line where the font kerns), the others need not be.
QStringList wrapped(const QString &text, double room, const PrinterMetrics &m, double scale = 1)
{
    const double blankWidth = m.textWidth(QStringLiteral(" "), scale);
    const auto fits = [&](qsizetype start, qsizetype end, double sum) {
        return sum <= room && (sum < 0.98 * room || m.textWidth(text.mid(start, end - start), scale) <= room);
    };
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        if (!lines.isEmpty())
            while (start < text.size() && text[start] == u' ')
                ++start; // blanks that end a line are not carried into the next
        if (start == text.size())
            break;
        qsizetype end = start;
        double width = 0;
        QList<double> ends; // the sum up to each word taken
        for (qsizetype word = start; word <= text.size();) {
            qsizetype wordEnd = text.indexOf(u' ', word);
            if (wordEnd < 0)
                wordEnd = text.size();
            const double sum = width + (word > start ? blankWidth : 0) + m.textWidth(text.mid(word, wordEnd - word), scale);
            if (sum > room)
                break;
            width = sum;
            end = wordEnd;
            ends << sum;
            word = wordEnd + 1;
        }
        while (end > start && !fits(start, end, ends.takeLast())) {
            const qsizetype blank = text.lastIndexOf(u' ', end - 1);
            end = blank > start ? blank : start;
        }
        if (end == start) // a word wider than the line
            end = start + fittingPart(text.mid(start, text.indexOf(u' ', start) < 0 ? -1 : text.indexOf(u' ', start) - start), room, m, scale);
        lines << text.mid(start, end - start);
        start = end;
    }
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

// Places texts line by line at sheet columns; column n begins n - 1 average
// character widths from the left edge.
class LineWriter {
public:
    explicit LineWriter(const PrinterMetrics &m) : m(m) {}

    // A text right of its column pushes to the next line; a text too wide
    // for the page goes on at its column in the next line.
    void textAt(int column, const QString &text, bool endOfLine)
    {
        const double left = (column - 1) * m.averageCharWidth;
        if (x > left)
            endLine();
        const QStringList lines = wrapped(text, m.pageWidth - left, m);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                endLine();
            if (!lines[i].isEmpty())
                items.append({left, y, lines[i]});
            x = left + m.textWidth(lines[i], 1);
        }
        if (endOfLine)
            endLine();
    }
    // A rule of dots or underscores ends at the printable width.
    void ruleAt(int column, QChar c, int count, bool endOfLine)
    {
        const double left = (column - 1) * m.averageCharWidth;
        const double one = m.textWidth(QString(c), 1);
        const int fits = one > 0 ? int(std::floor((m.pageWidth - left) / one + 1e-9)) : count;
        textAt(column, QString(std::clamp(fits, 0, count), c), endOfLine);
    }
    void endLine()
    {
        x = 0;
        y += m.lineHeight;
    }

    const PrinterMetrics &m;
    PrintedPage items;
    double x = 0, y = 0;
};

void head(SheetKind kind, LineWriter &w)
{
    w.endLine(); // a blank line
    if (kind == SheetKind::FamilySheet) {
        w.textAt(6, QStringLiteral("Lernwort"), false);
        w.textAt(22, QStringLiteral("Wortfamilie"), false);
        w.textAt(41, QStringLiteral("Wortbeispiel"), true);
    } else {
        w.textAt(6, QStringLiteral("W o r t"), false);
        w.textAt(26, QStringLiteral("Abschreiben"), false);
        w.textAt(52, QStringLiteral("Auswendig schreiben"), true);
    }
    w.ruleAt(6, u'_', 53, true);
    w.endLine();
    if (kind == SheetKind::FamilySheet)
        w.endLine();
}

void rows(SheetKind kind, const CardEntry &card, LineWriter &w)
{
    if (kind == SheetKind::FamilySheet) {
        w.textAt(6, card.baseWord, false);
        w.textAt(22, card.relatedWord, false);
        w.textAt(41, card.phrase, true);
        w.ruleAt(6, u'.', 25, false);
        w.ruleAt(22, u'.', 30, false);
        w.ruleAt(41, u'.', 66, true);
        w.endLine();
    } else {
        w.textAt(6, card.baseWord, false);
        w.ruleAt(26, u'_', 18, false);
        w.ruleAt(52, u'_', 18, true);
    }
}

// The items of a block laid out from y = 0, and how high it is; the
// blank line that may end it need not fit on the page.
struct Block {
    PrintedPage items;
    double height = 0;
};

template <typename Write>
Block block(const PrinterMetrics &m, Write write)
{
    LineWriter w(m);
    write(w);
    double bottom = 0;
    for (const PrintedText &t : w.items)
        bottom = std::max(bottom, t.y + m.lineHeight);
    return {w.items, bottom};
}

QList<PrintedPage> lines(SheetKind kind, const CardList &cards, const PrinterMetrics &m)
{
    QList<PrintedPage> pages;
    const int capacity = pageCapacity(kind);
    LineWriter headWriter(m);
    head(kind, headWriter);
    const double headHeight = headWriter.y;
    double y = 0;
    int onPage = 0;
    const auto newPage = [&] {
        pages.append(headWriter.items);
        y = headHeight;
        onPage = 0;
    };
    for (const CardEntry &card : cards) {
        const Block b = block(m, [&](LineWriter &w) { rows(kind, card, w); });
        const double advance = kind == SheetKind::FamilySheet ? b.height + m.lineHeight : b.height;
        const bool fitsOnAPage = headHeight + b.height <= m.pageHeight;
        if (pages.isEmpty() || onPage == capacity || (onPage > 0 && fitsOnAPage && y + b.height > m.pageHeight))
            newPage();
        // A card taller than a page begins where it is and goes on, line by
        // line, on the next pages, each with its head.
        double top = y;
        for (const PrintedText &t : b.items) {
            if (top + t.y + m.lineHeight > m.pageHeight && top + t.y > headHeight) {
                newPage();
                top = headHeight - t.y;
            }
            pages.last().append({t.x, top + t.y, t.text});
        }
        y = top + advance;
        ++onPage;
    }
    return pages;
}

// A card's place on a card sheet.
struct Cell {
    double left, top, right, bottom;
};

// The lines of a card in its cell, in the sheet font made scale times its
// size: baseWord, relatedWord and phrase one (scaled) centimetre apart, each
// below the lines of the one before where that wraps. Empty lines are kept,
// so a cut knows where each line stands.
PrintedPage cardLines(const CardEntry &card, const Cell &cell, double scale, const PrinterMetrics &m)
{
    PrintedPage out;
    const double line = m.lineHeight * scale;
    double y = cell.top;
    for (const QString *text : {&card.baseWord, &card.relatedWord, &card.phrase}) {
        const QStringList parts = wrapped(*text, cell.right - cell.left, m, scale);
        for (qsizetype i = 0; i < parts.size(); ++i)
            out.append({cell.left, y + double(i) * line, parts[i], scale});
        y += std::max(cm * scale, double(parts.size()) * line);
    }
    return out;
}

// A card inside its cell: at the sheet font's size where it fits, else at
// the largest half-point size down to the minimum where it fits, else at the
// minimum with the lines that fit, the last one ending in "…". The size is
// looked for with the widths of the full size scaled down (near enough to
// choose, and each word is measured once), then the card is wrapped with the
// widths of the size chosen.
PrintedPage cardInCell(const CardEntry &card, const Cell &cell, const PrinterMetrics &m, const PrinterMetrics &scaledDown)
{
    const int smallest = int(std::lround((sheetFontPoints - cardSheetMinimumPoints) * 2));
    const auto scaleOf = [](int step) { return (sheetFontPoints - 0.5 * step) / sheetFontPoints; };
    const auto fits = [&](const PrintedPage &lines) {
        return lines.isEmpty() || lines.last().y + m.lineHeight * lines.last().scale <= cell.bottom;
    };
    PrintedPage lines = cardLines(card, cell, 1, m);
    if (!fits(lines)) {
        int step = smallest;
        if (fits(cardLines(card, cell, scaleOf(smallest), scaledDown))) {
            int tooLarge = 0; // the largest fitting size lies between
            while (step - tooLarge > 1) {
                const int middle = (tooLarge + step) / 2;
                (fits(cardLines(card, cell, scaleOf(middle), scaledDown)) ? step : tooLarge) = middle;
            }
        }
        for (lines = cardLines(card, cell, scaleOf(step), m); !fits(lines) && step < smallest;)
            lines = cardLines(card, cell, scaleOf(++step), m);
        if (!fits(lines)) {
            qsizetype kept = 0;
            while (kept < lines.size() && lines[kept].y + m.lineHeight * lines[kept].scale <= cell.bottom)
                ++kept;
            lines.resize(kept);
            if (!lines.isEmpty()) {
                PrintedText &last = lines.last();
                while (!last.text.isEmpty() && m.textWidth(last.text + u'…', last.scale) > cell.right - cell.left)
                    last.text.chop(1);
                last.text = last.text.trimmed() + u'…';
            }
        }
    }
    lines.removeIf([](const PrintedText &t) { return t.text.isEmpty(); });
    return lines;
}

// Card sheets: blocks of three lines on a grid, 1 cm and 11.5 cm from the
// left, rows 7.4 cm apart from 2 cm down. Where the page is too short for
// the grid, the rows move closer together. Each card keeps to its cell: half
// a centimetre clear of the column to its right and the row below, and
// inside the printable area.
QList<PrintedPage> cardBlocks(const CardList &cards, const PrinterMetrics &m)
{
    QList<PrintedPage> pages;
    const double gap = 0.5 * cm;
    const double lefts[2] = {1 * cm, 11.5 * cm};
    const double blockHeight = 2 * cm + m.lineHeight;
    const double top = std::min(2 * cm, std::max(0.0, m.pageHeight - blockHeight) / 4);
    const double step = std::min(7.4 * cm, std::max(0.0, m.pageHeight - top - blockHeight) / 3);
    PrinterMetrics scaledDown = m;
    scaledDown.textWidth = [&m](const QString &text, double scale) { return scale * m.textWidth(text, 1); };
    for (qsizetype j = 0; j < cards.size(); ++j) {
        if (j % 8 == 0)
            pages.append(PrintedPage());
        const int row = int(j % 8) / 2;
        const double y = top + double(row) * step;
        const Cell cell{lefts[j % 2], y, j % 2 == 0 ? lefts[1] - gap : m.pageWidth, row == 3 ? m.pageHeight : y + step - gap};
        pages.last().append(cardInCell(cards[j], cell, m, scaledDown));
    }
    return pages;
}

} // namespace

QList<PrintedPage> layOutSheets(SheetKind kind, const CardList &cards, const PrinterMetrics &printer)
{
    return kind == SheetKind::CardSheet ? cardBlocks(cards, printer) : lines(kind, cards, printer);
}

} // namespace zek
