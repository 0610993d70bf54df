// Starting a game on the largest card file: the file read by the game
// itself and the word drawn (the word prison also fills its field), beside
// a bare read of the same file.
#include "BenchBox.h"

#include "cards/CardFile.h"
#include "cards/SharedState.h"
#include "games/Hangman.h"
#include "games/Memory.h"
#include "games/Prison.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

using namespace zek;
using namespace zek::bench;

namespace {

SharedState german()
{
    SharedState shared;
    shared.currentCardFile = QStringLiteral("ZEKCARD1.LST");
    return shared;
}

void BareRead(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readCompleteCards(largeBox().path(), QStringLiteral("ZEKCARD1.LST")));
}

void StartHangman(benchmark::State &state)
{
    SharedState shared = german();
    QuietPlatform platform;
    Random random;
    Hangman game(largeBox().path(), shared, platform, random);
    const QStringList characters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ").split(QString(), Qt::SkipEmptyParts);
    for (auto _ : state)
        if (!game.newHangmanGame(characters))
            state.SkipWithError("no word");
}

void StartPrison(benchmark::State &state)
{
    SharedState shared = german();
    QuietPlatform platform;
    Random random;
    Prison game(largeBox().path(), shared, platform, random);
    for (auto _ : state)
        if (!game.newPrisonGame())
            state.SkipWithError("no word");
}

// A file where most related words are empty or the same word: most cards
// clash with the first pair dealt.
QTemporaryDir &clashingBox()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        QByteArray bytes;
        for (qsizetype i = 0; i < maxCards; ++i) {
            const QByteArray n = QByteArray::number(i);
            const QByteArray related = i % 1000 == 0 ? "Familie" + n : i % 3 == 0 ? QByteArray() : QByteArray("gleich");
            bytes += "1, Wort" + n + ", " + related + ", Ein Satz.\r\n";
        }
        writeFile(QDir(dir.path()).filePath("ZEKCARD1.LST"), bytes);
        return true;
    }();
    (void)written;
    return dir;
}

void DealMemory(benchmark::State &state, QTemporaryDir &(*box)())
{
    SharedState shared = german();
    QuietPlatform platform;
    Random random;
    Memory game(box().path(), shared, platform, random);
    for (auto _ : state)
        if (!game.dealMemoryGame())
            state.SkipWithError("no deal");
}

} // namespace

BENCHMARK_CAPTURE(DealMemory, ordinary, &largeBox)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DealMemory, clashing, &clashingBox)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BareRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(StartHangman)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(StartPrison)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
