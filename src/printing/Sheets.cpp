#include "Sheets.h"

#include "syllables/Syllables.h"

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

constexpr double twipsPerCm = 567;

// How many characters of the beginning of text fit room (at least one).
qsizetype fittingLength(const QString &text, double room, const PrinterMetrics &printer, double scale)
{
    qsizetype fits = 1, tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        (printer.textWidth(text.left(middle), scale) <= room ? fits : tooLong) = middle;
    }
    return fits;
}

// Splits text into lines no wider than room, in the printer font made scale
// times its size: at blanks where possible, inside a word only where the
// word alone is too wide. A line takes words while their widths and the
// blanks between add up to no more than room; a line that comes within a
// fiftieth of room is measured whole (the sum may differ a little from the
// width of the whole line where the font kerns), the others need not be.
QStringList wrapped(const QString &text, double room, const PrinterMetrics &printer, double scale = 1)
{
    const double blankWidth = printer.textWidth(QStringLiteral(" "), scale);
    const auto lineFits = [&](qsizetype lineStart, qsizetype lineEnd, double widthSum) {
        return widthSum <= room
            && (widthSum < 0.98 * room || printer.textWidth(text.mid(lineStart, lineEnd - lineStart), scale) <= room);
    };
    QStringList lines;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        if (!lines.isEmpty())
            while (lineStart < text.size() && text[lineStart] == u' ')
                ++lineStart; // blanks that end a line are not carried into the next
        if (lineStart == text.size())
            break;
        qsizetype lineEnd = lineStart;
        double lineWidth = 0;
        QList<double> widthsUpToWordEnds; // the width sum up to the end of each word taken
        for (qsizetype wordStart = lineStart; wordStart <= text.size();) {
            qsizetype wordEnd = text.indexOf(u' ', wordStart);
            if (wordEnd < 0)
                wordEnd = text.size();
            const double widthSum = lineWidth + (wordStart > lineStart ? blankWidth : 0)
                + printer.textWidth(text.mid(wordStart, wordEnd - wordStart), scale);
            if (widthSum > room)
                break;
            lineWidth = widthSum;
            lineEnd = wordEnd;
            widthsUpToWordEnds << widthSum;
            wordStart = wordEnd + 1;
        }
        while (lineEnd > lineStart && !lineFits(lineStart, lineEnd, widthsUpToWordEnds.takeLast())) {
            const qsizetype blank = text.lastIndexOf(u' ', lineEnd - 1);
            lineEnd = blank > lineStart ? blank : lineStart;
        }
        if (lineEnd == lineStart) { // a word wider than the line
            const qsizetype wordEnd = text.indexOf(u' ', lineStart);
            const QString word = text.mid(lineStart, wordEnd < 0 ? -1 : wordEnd - lineStart);
            lineEnd = lineStart + fittingLength(word, room, printer, scale);
        }
        lines << text.mid(lineStart, lineEnd - lineStart);
        lineStart = lineEnd;
    }
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

// The syllables of each line wrapped from text, as a printed text carries
// them: each syllable of text its own mark, even for blue, odd for red. The
// lines are the text's own pieces, in order, without the blanks at a break.
// Empty when the sheet is printed without syllables.
QList<QList<int>> syllablesOnLines(const QString &text, const QStringList &lines, const SheetSyllables &syllables)
{
    QList<QList<int>> onLines;
    if (syllables.look == SyllableLook::Off)
        return onLines;
    const QList<Syllable> divided = syllablesOf(text, syllables.patterns);
    QList<int> marks(text.size(), -1);
    for (qsizetype k = 0; k < divided.size(); ++k)
        for (qsizetype i = divided[k].start; i < divided[k].start + divided[k].length; ++i)
            marks[i] = int(2 * k) + divided[k].place % 2;
    qsizetype from = 0;
    for (const QString &line : lines) {
        const qsizetype at = std::max<qsizetype>(text.indexOf(line, from), from);
        onLines << marks.mid(at, line.size());
        from = at + line.size();
    }
    return onLines;
}

// Line i of a text printed in syllables, where the sheet has them.
void markSyllables(PrintedText &line, const QList<QList<int>> &onLines, qsizetype i, const SheetSyllables &syllables)
{
    if (onLines.isEmpty() || line.text.isEmpty())
        return;
    line.syllables = onLines[i];
    line.syllableArcs = syllables.look == SyllableLook::Arcs;
}

// Writes texts line by line at sheet columns, from the top down; column n
// begins n - 1 average character widths from the left edge.
class LineWriter {
public:
    explicit LineWriter(const PrinterMetrics &metrics, const SheetSyllables &inSyllables = {})
        : printer(metrics), syllables(inSyllables)
    {}

    // A text right of its column pushes to the next line; a text too wide
    // for the page goes on at its column in the next line. A card's word is
    // written in syllables where the sheet has them.
    void textAt(int column, const QString &text, bool endOfLine, bool word = false)
    {
        const double left = (column - 1) * printer.averageCharWidth;
        if (x > left)
            endLine();
        const QStringList lines = wrapped(text, printer.pageWidth - left, printer);
        const QList<QList<int>> onLines = word ? syllablesOnLines(text, lines, syllables) : QList<QList<int>>();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                endLine();
            if (!lines[i].isEmpty()) {
                written.append({left, y, lines[i], 1, {}, false});
                markSyllables(written.last(), onLines, i, syllables);
            }
            x = left + printer.textWidth(lines[i], 1);
        }
        if (endOfLine)
            endLine();
    }
    // A rule of dots or underscores ends at the printable width.
    void ruleAt(int column, QChar c, int count, bool endOfLine)
    {
        const double left = (column - 1) * printer.averageCharWidth;
        const double charWidth = printer.textWidth(QString(c), 1);
        const int fitting = charWidth > 0 ? int(std::floor((printer.pageWidth - left) / charWidth + 1e-9)) : count;
        textAt(column, QString(std::clamp(fitting, 0, count), c), endOfLine);
    }
    void endLine()
    {
        x = 0;
        y += printer.lineHeight;
    }

    const PrinterMetrics &printer;
    SheetSyllables syllables;
    PrintedPage written;
    double x = 0, y = 0; // where the next text would begin
};

// The head of every page of a word list or word-family sheet: the head line
// where there is one, then the column titles over a rule, between blank lines.
void writePageHead(SheetKind kind, const QString &headLine, LineWriter &writer)
{
    if (!headLine.isEmpty())
        writer.textAt(6, headLine, true);
    writer.endLine(); // a blank line
    if (kind == SheetKind::FamilySheet) {
        writer.textAt(6, QStringLiteral("Lernwort"), false);
        writer.textAt(22, QStringLiteral("Wortfamilie"), false);
        writer.textAt(41, QStringLiteral("Wortbeispiel"), true);
    } else {
        writer.textAt(6, QStringLiteral("W o r t"), false);
        writer.textAt(26, QStringLiteral("Abschreiben"), false);
        writer.textAt(52, QStringLiteral("Auswendig schreiben"), true);
    }
    writer.ruleAt(6, u'_', 53, true);
    writer.endLine();
    if (kind == SheetKind::FamilySheet)
        writer.endLine();
}

// A card's entry on a word list (the word, then rules to copy it and to
// write it from memory) or on a word-family sheet (its three texts over
// dotted rules, then a blank line).
void writeCardEntry(SheetKind kind, const CardEntry &card, LineWriter &writer)
{
    if (kind == SheetKind::FamilySheet) {
        writer.textAt(6, card.baseWord, false);
        writer.textAt(22, card.relatedWord, false);
        writer.textAt(41, card.phrase, true);
        writer.ruleAt(6, u'.', 25, false);
        writer.ruleAt(22, u'.', 30, false);
        writer.ruleAt(41, u'.', 66, true);
        writer.endLine();
    } else {
        writer.textAt(6, card.baseWord, false, true);
        writer.ruleAt(26, u'_', 18, false);
        writer.ruleAt(52, u'_', 18, true);
    }
}

// A card's entry written alone from y = 0, and how far down its texts
// reach; the blank line that may end it need not fit on the page.
struct WrittenEntry {
    PrintedPage texts;
    double height = 0;
};

WrittenEntry writtenEntry(SheetKind kind, const CardEntry &card, const PrinterMetrics &printer,
                          const SheetSyllables &syllables)
{
    LineWriter writer(printer, syllables);
    writeCardEntry(kind, card, writer);
    double bottom = 0;
    for (const PrintedText &t : writer.written)
        bottom = std::max(bottom, t.y + printer.lineHeight);
    return {writer.written, bottom};
}

// Word lists and word-family sheets: on every page the head, then the
// cards' entries one below the other.
QList<PrintedPage> listPages(SheetKind kind, const CardList &cards, const PrinterMetrics &printer,
                             const QString &headLine, const SheetSyllables &syllables)
{
    QList<PrintedPage> pages;
    const int capacity = pageCapacity(kind);
    LineWriter headWriter(printer);
    writePageHead(kind, headLine, headWriter);
    const double headHeight = headWriter.y;
    double nextEntryTop = 0;
    int entriesOnPage = 0;
    const auto newPage = [&] {
        pages.append(headWriter.written);
        nextEntryTop = headHeight;
        entriesOnPage = 0;
    };
    for (const CardEntry &card : cards) {
        const WrittenEntry entry = writtenEntry(kind, card, printer, syllables);
        const double advance = kind == SheetKind::FamilySheet ? entry.height + printer.lineHeight : entry.height;
        const bool fitsOnAPage = headHeight + entry.height <= printer.pageHeight;
        if (pages.isEmpty() || entriesOnPage == capacity
            || (entriesOnPage > 0 && fitsOnAPage && nextEntryTop + entry.height > printer.pageHeight))
            newPage();
        // A card taller than a page begins where it is and goes on, line by
        // line, on the next pages, each with its head.
        double entryTop = nextEntryTop;
        for (const PrintedText &t : entry.texts) {
            if (entryTop + t.y + printer.lineHeight > printer.pageHeight && entryTop + t.y > headHeight) {
                newPage();
                entryTop = headHeight - t.y;
            }
            pages.last().append(t);
            pages.last().last().y = entryTop + t.y;
        }
        nextEntryTop = entryTop + advance;
        ++entriesOnPage;
    }
    return pages;
}

// The room of one card on a card sheet.
struct Cell {
    double left, top, right, bottom;
};

// The lines of a card in its cell, in the sheet font made scale times its
// size: baseWord, relatedWord and phrase one (scaled) centimetre apart, each
// below the lines of the one before where that wraps. Empty lines are kept,
// so a cut knows where each line stands.
PrintedPage cardLines(const CardEntry &card, const Cell &cell, double scale, const PrinterMetrics &printer,
                      const SheetSyllables &syllables)
{
    PrintedPage lines;
    const double lineHeight = printer.lineHeight * scale;
    double fieldTop = cell.top;
    for (const QString *field : {&card.baseWord, &card.relatedWord, &card.phrase}) {
        const QStringList fieldLines = wrapped(*field, cell.right - cell.left, printer, scale);
        const QList<QList<int>> onLines = syllablesOnLines(*field, fieldLines, syllables);
        for (qsizetype i = 0; i < fieldLines.size(); ++i) {
            lines.append({cell.left, fieldTop + double(i) * lineHeight, fieldLines[i], scale, {}, false});
            markSyllables(lines.last(), onLines, i, syllables);
        }
        fieldTop += std::max(twipsPerCm * scale, double(fieldLines.size()) * lineHeight);
    }
    return lines;
}

// A card inside its cell: at the sheet font's size where it fits, else at
// the largest half-point size down to the minimum where it fits, else at the
// minimum with the lines that fit, the last one ending in "…". The size is
// looked for with the widths of the full size scaled down (near enough to
// choose, and each word is measured once), then the card is wrapped with the
// widths of the size chosen.
PrintedPage cardInCell(const CardEntry &card, const Cell &cell, const PrinterMetrics &printer,
                       const PrinterMetrics &scaledDown, const SheetSyllables &syllables)
{
    // a size is counted in half points below the sheet font's
    const int minimumSize = int(std::lround((sheetFontPoints - cardSheetMinimumPoints) * 2));
    const auto scaleOf = [](int halfPointsLess) { return (sheetFontPoints - 0.5 * halfPointsLess) / sheetFontPoints; };
    const auto lineFits = [&](const PrintedText &line) {
        return line.y + printer.lineHeight * line.scale <= cell.bottom;
    };
    const auto allFit = [&](const PrintedPage &lines) { return lines.isEmpty() || lineFits(lines.last()); };
    PrintedPage lines = cardLines(card, cell, 1, printer, syllables);
    if (!allFit(lines)) {
        int size = minimumSize;
        if (allFit(cardLines(card, cell, scaleOf(minimumSize), scaledDown, syllables))) {
            int tooLarge = 0; // the largest fitting size lies between
            while (size - tooLarge > 1) {
                const int middle = (tooLarge + size) / 2;
                (allFit(cardLines(card, cell, scaleOf(middle), scaledDown, syllables)) ? size : tooLarge) = middle;
            }
        }
        for (lines = cardLines(card, cell, scaleOf(size), printer, syllables); !allFit(lines) && size < minimumSize;)
            lines = cardLines(card, cell, scaleOf(++size), printer, syllables);
        if (!allFit(lines)) {
            qsizetype kept = 0;
            while (kept < lines.size() && lineFits(lines[kept]))
                ++kept;
            lines.resize(kept);
            if (!lines.isEmpty()) {
                PrintedText &last = lines.last();
                const QString whole = last.text;
                while (!last.text.isEmpty() && printer.textWidth(last.text + u'…', last.scale) > cell.right - cell.left)
                    last.text.chop(1);
                last.text = last.text.trimmed();
                if (!last.syllables.isEmpty()) // the letters kept keep their syllables, "…" has none
                    last.syllables =
                        last.syllables.mid(std::max<qsizetype>(0, whole.indexOf(last.text)), last.text.size()) << -1;
                last.text += u'…';
            }
        }
    }
    lines.removeIf([](const PrintedText &t) { return t.text.isEmpty(); });
    return lines;
}

// Card sheets: cards of three lines on a grid, 1 cm and 11.5 cm from the
// left, rows 7.4 cm apart from 2 cm down. Where the page is too short for
// the grid, the rows move closer together. Each card keeps to its cell: half
// a centimetre clear of the column to its right and the row below, and
// inside the printable area.
QList<PrintedPage> cardSheetPages(const CardList &cards, const PrinterMetrics &printer, const SheetSyllables &syllables)
{
    QList<PrintedPage> pages;
    const double clearance = 0.5 * twipsPerCm;
    const double columnLefts[2] = {1 * twipsPerCm, 11.5 * twipsPerCm};
    const double cardHeight = 2 * twipsPerCm + printer.lineHeight;
    const double firstRowTop = std::min(2 * twipsPerCm, std::max(0.0, printer.pageHeight - cardHeight) / 4);
    const double rowStep = std::min(7.4 * twipsPerCm, std::max(0.0, printer.pageHeight - firstRowTop - cardHeight) / 3);
    PrinterMetrics scaledDown = printer;
    scaledDown.textWidth = [&printer](const QString &text, double scale) { return scale * printer.textWidth(text, 1); };
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (i % 8 == 0)
            pages.append(PrintedPage());
        const int column = int(i % 2);
        const int row = int(i % 8) / 2;
        const double top = firstRowTop + double(row) * rowStep;
        const Cell cell{columnLefts[column], top, column == 0 ? columnLefts[1] - clearance : printer.pageWidth,
                        row == 3 ? printer.pageHeight : top + rowStep - clearance};
        pages.last().append(cardInCell(cards[i], cell, printer, scaledDown, syllables));
    }
    return pages;
}

} // namespace

QList<PrintedPage> layOutSheets(SheetKind kind, const CardList &cards, const PrinterMetrics &printer,
                                const QString &headLine, const SheetSyllables &syllables)
{
    return kind == SheetKind::CardSheet ? cardSheetPages(cards, printer, syllables)
                                        : listPages(kind, cards, printer, headLine, syllables);
}

} // namespace zek
