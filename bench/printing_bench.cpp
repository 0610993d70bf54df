// Printing the largest card box: a word list of 32,767 cards (1,093 pages)
// and card sheets of 32,767 cards, laid out with the printer's metrics and
// drawn into a PDF by the program's own print path (no printer is set up, so
// the PDF goes into a folder). Beside each: the layout alone. Card sheets
// also with a phrase of 512 characters on every card, each card shrunk to
// its place or cut.
#include "BenchBox.h"

#include "cards/CardFile.h"
#include "printing/Sheets.h"
#include "qtplatform/QtPlatform.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace zek;

namespace {

const CardList &largeList()
{
    static const CardList cards = readCardFile(bench::largeCardFile()).cards;
    return cards;
}

// The same cards, each with a phrase of 512 characters.
const CardList &longPhraseList()
{
    static const CardList cards = [] {
        CardList list = largeList();
        for (CardEntry &card : list)
            while (card.phrase.size() < 512)
                card.phrase += u' ' + card.phrase;
        for (CardEntry &card : list)
            card.phrase.truncate(512);
        return list;
    }();
    return cards;
}

void LayOut(benchmark::State &state, SheetKind kind, bool longPhrases)
{
    ui::QtPlatform platform;
    const PrinterMetrics metrics = platform.printerMetrics(sheetFont, sheetFontPoints);
    const CardList &cards = longPhrases ? longPhraseList() : largeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(layOutSheets(kind, cards, metrics));
}

void PrintToPdf(benchmark::State &state, SheetKind kind, bool longPhrases)
{
    ui::QtPlatform platform;
    QTemporaryDir folder;
    const CardList &cards = longPhrases ? longPhraseList() : largeList();
    for (auto _ : state) {
        const auto pages = layOutSheets(kind, cards, platform.printerMetrics(sheetFont, sheetFontPoints));
        if (platform.print(pages, sheetFont, sheetFontPoints, sheetJobName(kind), folder.path()).kind
            != PrintOutcome::SavedAsPdf)
            state.SkipWithError("no PDF");
        state.counters["pages"] = double(pages.size());
    }
}

} // namespace

BENCHMARK_CAPTURE(LayOut, wordList, SheetKind::WordList, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(PrintToPdf, wordList, SheetKind::WordList, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(LayOut, cardSheets, SheetKind::CardSheet, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(PrintToPdf, cardSheets, SheetKind::CardSheet, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(LayOut, cardSheetsLongPhrases, SheetKind::CardSheet, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(PrintToPdf, cardSheetsLongPhrases, SheetKind::CardSheet, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); // no printer: the PDF path
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
