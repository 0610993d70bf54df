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

namespace {

constexpr double cm = 567;

// Splits text into lines no wider than room: at blanks where possible,
// inside a word only where the word alone is too wide.
QStringList wrapped(const QString &text, double room, const PrinterMetrics &m)
{
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty() && m.textWidth(rest) > room) {
        // the longest beginning that fits (at least one character)
        qsizetype fits = 1, tooLong = rest.size();
        while (tooLong - fits > 1) {
            const qsizetype middle = (fits + tooLong) / 2;
            (m.textWidth(rest.left(middle)) <= room ? fits : tooLong) = middle;
        }
        qsizetype cut = fits;
        const qsizetype blank = rest.lastIndexOf(u' ', cut);
        if (blank > 0 && m.textWidth(rest.left(blank)) <= room)
            cut = blank;
        lines << rest.left(cut);
        rest = rest.mid(cut);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    }
    if (!rest.isEmpty() || lines.isEmpty())
        lines << rest;
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
            x = left + m.textWidth(lines[i]);
        }
        if (endOfLine)
            endLine();
    }
    // A rule of dots or underscores ends at the printable width.
    void ruleAt(int column, QChar c, int count, bool endOfLine)
    {
        const double left = (column - 1) * m.averageCharWidth;
        const double one = m.textWidth(QString(c));
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

void place(PrintedPage &page, const PrintedPage &items, double top)
{
    for (const PrintedText &t : items)
        page.append({t.x, top + t.y, t.text});
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
    for (const CardEntry &card : cards) {
        const Block b = block(m, [&](LineWriter &w) { rows(kind, card, w); });
        const double advance = kind == SheetKind::FamilySheet ? b.height + m.lineHeight : b.height;
        if (pages.isEmpty() || onPage == capacity || (onPage > 0 && y + b.height > m.pageHeight)) {
            pages.append(headWriter.items);
            y = headHeight;
            onPage = 0;
        }
        place(pages.last(), b.items, y);
        y += advance;
        ++onPage;
    }
    return pages;
}

// Card sheets: blocks of three lines on a grid, 1 cm and 11.5 cm from the
// left, rows 7.4 cm apart from 2 cm down. Where the page is too short for
// the grid, the rows move closer together.
QList<PrintedPage> cardBlocks(const CardList &cards, const PrinterMetrics &m)
{
    QList<PrintedPage> pages;
    const double lefts[2] = {1 * cm, 11.5 * cm};
    const double blockHeight = 2 * cm + m.lineHeight;
    const double top = std::min(2 * cm, std::max(0.0, m.pageHeight - blockHeight) / 4);
    const double step = std::min(7.4 * cm, std::max(0.0, m.pageHeight - top - blockHeight) / 3);
    for (qsizetype j = 0; j < cards.size(); ++j) {
        if (j % 8 == 0)
            pages.append(PrintedPage());
        const double x = lefts[j % 2];
        const double right = j % 2 == 0 ? lefts[1] : m.pageWidth;
        double y = top + double((j % 8) / 2) * step;
        const CardEntry &card = cards[j];
        for (const QString *text : {&card.baseWord, &card.relatedWord, &card.phrase}) {
            const QStringList parts = wrapped(*text, right - x, m);
            for (qsizetype i = 0; i < parts.size(); ++i)
                if (!parts[i].isEmpty())
                    pages.last().append({x, y + double(i) * m.lineHeight, parts[i]});
            // the next line 1 cm further down, or below a text that wrapped
            y += std::max(cm, double(parts.size()) * m.lineHeight);
        }
    }
    return pages;
}

} // namespace

QList<PrintedPage> layOutSheets(SheetKind kind, const CardList &cards, const PrinterMetrics &printer)
{
    return kind == SheetKind::CardSheet ? cardBlocks(cards, printer) : lines(kind, cards, printer);
}

} // namespace zek
