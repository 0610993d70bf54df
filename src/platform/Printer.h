#pragma once

#include <QList>
#include <QString>

#include <functional>

class QPainter;
class QRectF;

namespace zek {

// The default printer as the layouts see it, in twips (1440 to the inch),
// measured with the printer's own font and resolution.
struct PrinterMetrics {
    double averageCharWidth = 0;
    double lineHeight = 0; // one text line of the printer font
    double pageWidth = 0; // the printable area
    double pageHeight = 0;
    // The width of a text in the printer font made scale times its size
    // (1: the size measured).
    std::function<double(const QString &text, double scale)> textWidth;
};

// A text on a page: x, y in twips from the top-left corner of the printable
// area, y the top of its line; scale is its font size against the job's.
struct PrintedText {
    double x = 0, y = 0;
    QString text;
    double scale = 1;
    // A text printed in syllables: for each character its syllable's mark,
    // or -1 for blanks and marks that belong to none. Each syllable of the
    // text has its own mark, even for a blue one, odd for a red one; with
    // arcs, each lies under its syllable in the text's colour instead. Empty:
    // the text as it is.
    QList<int> syllables;
    bool syllableArcs = false;
    friend bool operator==(const PrintedText &, const PrintedText &) = default;
};
using PrintedPage = QList<PrintedText>;

// What became of a print job.
struct PrintOutcome {
    enum Kind { Printed, SavedAsPdf, Failed };
    Kind kind = Failed;
    QString reason; // why nothing was printed, in German
    QString pdfName; // the PDF written into the card folder instead
};

// A page drawn by a window itself (a chart, a view as it is on screen):
// painter on the printer, page the printable area in the painter's units.
using PageDrawing = std::function<void(QPainter &painter, const QRectF &page)>;
// Pages drawn by a window itself, one after the other: number counts from 0;
// true while another page follows.
using PagesDrawing = std::function<bool(QPainter &painter, const QRectF &page, int number)>;

} // namespace zek
