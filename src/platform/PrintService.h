#pragma once

#include "Printer.h"

namespace zek {

// The system's default printer. No dialog is shown; where that printer is
// missing or refuses a job, the pages go into a PDF file in the card folder
// instead, and the outcome says which.
class PrintService {
public:
    virtual ~PrintService() = default;

    // The default printer, set up for a job in this font: its measures.
    virtual PrinterMetrics printerMetrics(const QString &font, double points) = 0;
    // Prints the pages, set in the font their metrics were taken with, as
    // one job; what names the job, folder takes the PDF.
    virtual PrintOutcome print(const QList<PrintedPage> &pages, const QString &font, double points, const QString &what,
                               const QString &folder) = 0;
    // One page drawn by the program itself, printed and delivered as print()
    // does.
    virtual PrintOutcome printDrawing(const PageDrawing &draw, const QString &what, const QString &folder) = 0;
    // Pages drawn by the program, upright or across the paper (landscape),
    // as one job, delivered as print() does.
    virtual PrintOutcome printPages(const PagesDrawing &draw, bool landscape, const QString &what,
                                    const QString &folder) = 0;
};

} // namespace zek
