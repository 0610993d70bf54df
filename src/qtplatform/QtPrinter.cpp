// The default printer through Qt and CUPS. Every job is rendered into a PDF
// of our own first; CUPS gets that file, and its answer is checked, so a job
// that does not go out is never reported as printed. Where no printer takes
// the job, the PDF goes into the card folder.
#include "qtplatform/QtPlatform.h"

#include "widgets/SyllableDrawing.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QLibrary>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextLayout>

#include <cups/cups.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace zek::ui {
namespace {

constexpr double twipsPerInch = 1440;

// The printer as the default printer has it: its paper, its margins.
void configure(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    printer.setPageSize(info.isNull() ? QPageSize(QPageSize::A4) : info.defaultPageSize());
}

QFont printerFont(const QString &family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

// A text in syllables with its top-left corner at topLeft: its syllables
// alternately blue and red, or in black with a thin arc under each.
void drawInSyllables(QPainter &painter, QPaintDevice &device, const QPointF &topLeft, const PrintedText &text)
{
    QTextLayout layout(text.text, painter.font(), &device);
    if (!text.syllableArcs) // the layout's own colours: a drawn selection would not print as such
        layout.setFormats(syllableColours(text.syllables));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(int(text.text.size()));
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    layout.draw(&painter, topLeft);
    if (!text.syllableArcs)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // as thick against the letters as the word field's arcs
    painter.setPen(QPen(painter.pen().color(), painter.font().pointSizeF() / 14 * device.logicalDpiY() / 72.0));
    painter.translate(topLeft);
    for (const QRectF &arc : syllableArcs(line, text.syllables, 0))
        drawSyllableArc(painter, arc);
    painter.restore();
}

// libcups and the score of libraries it pulls in are loaded on the first
// print, not at every start of the program.
struct Cups {
    decltype(&::cupsGetDests2) getDests2 = nullptr;
    decltype(&::cupsGetDest) getDest = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsPrintFile2) printFile2 = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;

    // nullptr when libcups is not there
    static const Cups *get()
    {
        static const Cups cups = [] {
            Cups c;
            QLibrary lib(QStringLiteral("cups"), 2);
            if (!lib.load())
                return c;
            c.getDests2 = reinterpret_cast<decltype(c.getDests2)>(lib.resolve("cupsGetDests2"));
            c.getDest = reinterpret_cast<decltype(c.getDest)>(lib.resolve("cupsGetDest"));
            c.getOption = reinterpret_cast<decltype(c.getOption)>(lib.resolve("cupsGetOption"));
            c.printFile2 = reinterpret_cast<decltype(c.printFile2)>(lib.resolve("cupsPrintFile2"));
            c.lastErrorString = reinterpret_cast<decltype(c.lastErrorString)>(lib.resolve("cupsLastErrorString"));
            c.lastError = reinterpret_cast<decltype(c.lastError)>(lib.resolve("cupsLastError"));
            c.freeDests = reinterpret_cast<decltype(c.freeDests)>(lib.resolve("cupsFreeDests"));
            return c;
        }();
        return cups.getDests2 && cups.getDest && cups.getOption && cups.printFile2 && cups.lastErrorString
                && cups.lastError && cups.freeDests
            ? &cups
            : nullptr;
    }
};

// Hands the PDF to the default CUPS destination; the empty text when the job
// went out, otherwise why not.
QString sendToCups(const QString &pdf, const QString &title)
{
    const Cups *cups = Cups::get();
    if (!cups)
        return QStringLiteral("Es ist kein Standarddrucker eingerichtet");
    cups_dest_t *dests = nullptr;
    const int count = cups->getDests2(CUPS_HTTP_DEFAULT, &dests);
    const cups_dest_t *dest = cups->getDest(nullptr, nullptr, count, dests);
    QString reason;
    if (!dest && cups->lastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) {
        reason = QStringLiteral("Der Druckdienst des Computers antwortet nicht");
    } else if (!dest) {
        reason = QStringLiteral("Es ist kein Standarddrucker eingerichtet");
    } else {
        const QString name = QString::fromLocal8Bit(dest->name);
        const char *state = cups->getOption("printer-state", dest->num_options, dest->options);
        const char *accepting = cups->getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        if (state && std::strcmp(state, "5") == 0) {
            reason = QStringLiteral("Der Drucker \u201e%1\u201c ist angehalten").arg(name);
        } else if (accepting && std::strcmp(accepting, "false") == 0) {
            reason = QStringLiteral("Der Drucker \u201e%1\u201c nimmt keine Auftr\u00e4ge an").arg(name);
        } else if (cups->printFile2(CUPS_HTTP_DEFAULT, dest->name, QFile::encodeName(pdf).constData(),
                                    title.toUtf8().constData(), 0, nullptr)
                   == 0) {
            reason = QStringLiteral("Der Drucker \u201e%1\u201c hat den Auftrag abgelehnt (%2)")
                         .arg(name, QString::fromLocal8Bit(cups->lastErrorString()));
        }
    }
    cups->freeDests(count, dests);
    return reason;
}

// A name of ASCII letters, digits, "-" and "_" that says what and when, and
// that no file in the folder has yet.
QString freePdfName(const QDir &folder, const QString &what)
{
    const QString stem = QStringLiteral("Druck_%1_%2")
                             .arg(what, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("%1-%2.pdf").arg(stem).arg(n);
    return name;
}

// The PDF of a job to the default printer; where no printer takes it, into
// the card folder.
PrintOutcome deliver(const QString &pdf, const QString &docName, const QString &what, const QString &folder)
{
    const QString reason = sendToCups(pdf, docName);
    if (reason.isEmpty())
        return {PrintOutcome::Printed, {}, {}};
    const QDir dir(folder);
    const QString name = freePdfName(dir, what);
    if (!QFile::copy(pdf, dir.filePath(name)))
        return {PrintOutcome::Failed,
                reason + QStringLiteral(", und die PDF-Datei lässt sich im Ordner der Kartei nicht speichern"),
                {}};
    return {PrintOutcome::SavedAsPdf, reason, name};
}

// One print job: the pages painted into a PDF on the default printer's
// settings, then delivered to the printer, or kept in folder.
PrintOutcome printJob(const QString &what, const QString &folder,
                      const std::function<void(QPrinter &, QPainter &)> &paint, bool landscape = false)
{
    QTemporaryDir scratch;
    const QString pdf = scratch.filePath(QStringLiteral("job.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    if (landscape)
        printer.setPageOrientation(QPageLayout::Landscape);
    printer.setOutputFileName(pdf);
    printer.setDocName(QStringLiteral("ZEK-Rechtschreibkartei ") + what);
    QPainter painter;
    if (!scratch.isValid() || !painter.begin(&printer))
        return {PrintOutcome::Failed, QStringLiteral("Die Druckdatei lässt sich nicht anlegen"), {}};
    paint(printer, painter);
    if (!painter.end())
        return {PrintOutcome::Failed, QStringLiteral("Die Druckdatei lässt sich nicht schreiben"), {}};
    return deliver(pdf, printer.docName(), what, folder);
}

} // namespace

PrinterMetrics QtPlatform::printerMetrics(const QString &font, double points)
{
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    const double perTwip = printer.resolution() / twipsPerInch;
    // a font that keeps the printer's resolution when it is made smaller
    const QFont onPrinter(printerFont(font, points), &printer);
    const QFontMetricsF metrics(onPrinter);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    PrinterMetrics m;
    m.averageCharWidth = metrics.averageCharWidth() / perTwip;
    m.lineHeight = metrics.lineSpacing() / perTwip;
    m.pageWidth = area.width() * twipsPerInch;
    m.pageHeight = area.height() * twipsPerInch;
    // Each size measured with its own font, not the full size scaled down;
    // words are measured once per size (the layouts wrap word by word).
    struct Size {
        QFontMetricsF metrics;
        QHash<QString, double> words;
    };
    auto sizes = std::make_shared<std::map<double, Size>>();
    sizes->emplace(1.0, Size{metrics, {}});
    m.textWidth = [sizes, onPrinter, points, perTwip](const QString &text, double scale) {
        auto size = sizes->find(scale);
        if (size == sizes->end()) {
            QFont smaller = onPrinter;
            smaller.setPointSizeF(points * scale);
            size = sizes->emplace(scale, Size{QFontMetricsF(smaller), {}}).first;
        }
        if (text.size() > 24 || text.contains(u' '))
            return size->second.metrics.horizontalAdvance(text) / perTwip;
        auto word = size->second.words.constFind(text);
        if (word == size->second.words.constEnd())
            word = size->second.words.insert(text, size->second.metrics.horizontalAdvance(text) / perTwip);
        return *word;
    };
    return m;
}

PrintOutcome QtPlatform::print(const QList<PrintedPage> &pages, const QString &font, double points, const QString &what,
                               const QString &folder)
{
    return printJob(what, folder, [&](QPrinter &printer, QPainter &painter) {
        const double perTwip = printer.resolution() / twipsPerInch;
        // The print position is the top of a line; Qt draws at the baseline.
        double scale = 0, ascent = 0;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                printer.newPage();
            for (const PrintedText &t : pages[i]) {
                if (t.scale != scale) {
                    scale = t.scale;
                    painter.setFont(printerFont(font, points * scale));
                    ascent = painter.fontMetrics().ascent();
                }
                if (t.syllables.isEmpty())
                    painter.drawText(QPointF(t.x * perTwip, t.y * perTwip + ascent), t.text);
                else
                    drawInSyllables(painter, printer, QPointF(t.x * perTwip, t.y * perTwip), t);
            }
        }
    });
}

PrintOutcome QtPlatform::printDrawing(const PageDrawing &draw, const QString &what, const QString &folder)
{
    return printJob(what, folder, [&](QPrinter &printer, QPainter &painter) {
        draw(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    });
}

PrintOutcome QtPlatform::printPages(const PagesDrawing &draw, bool landscape, const QString &what,
                                    const QString &folder)
{
    return printJob(
        what, folder,
        [&](QPrinter &printer, QPainter &painter) {
            const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
            for (int number = 0; draw(painter, page, number); ++number)
                printer.newPage();
        },
        landscape);
}

} // namespace zek::ui
