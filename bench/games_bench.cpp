// Starting a game on the largest card file: the file read by the game
// itself and the word drawn (the word prison also fills its field), beside
// a bare read of the same file. The memory deal on ordinary and on clashing
// files, and its complete search alone.
#include "BenchBox.h"

#include "cards/CardFile.h"
#include "cards/SharedState.h"
#include "games/Hangman.h"
#include "games/MemoryGame.h"
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
    for (auto _ : state)
        if (!game.newHangmanGame(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")))
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

QTemporaryDir &boxWith(QTemporaryDir &dir, const QByteArray &german)
{
    writeFile(QDir(dir.path()).filePath("ZEKCARD1.LST"), german);
    return dir;
}

// A file where most related words are empty or the same word: most cards
// clash with the first pair dealt.
QTemporaryDir &clashingBox()
{
    static QTemporaryDir dir;
    static QTemporaryDir &box = boxWith(dir, [] {
        QByteArray bytes;
        for (qsizetype i = 0; i < maxCards; ++i) {
            const QByteArray n = QByteArray::number(i);
            const QByteArray related = i % 1000 == 0 ? "Familie" + n : i % 3 == 0 ? QByteArray() : QByteArray("gleich");
            bytes += "1, Wort" + n + ", " + related + ", Ein Satz.\r\n";
        }
        return bytes;
    }());
    return box;
}

// A chain of `pairs` cards A0 B0, A1 B1, … that fit together, among copies
// of the cards B0 A1, B1 A2, … that clash with two of them each, the file
// filled up with copies: every random draw gets stuck.
QByteArray chainFile(int pairs)
{
    QByteArray bytes;
    for (int i = 0; i < pairs; ++i)
        bytes += "1, A" + QByteArray::number(i) + ", B" + QByteArray::number(i) + ", Ein Satz.\r\n";
    for (qsizetype copy = pairs; copy < maxCards; ++copy) {
        const qsizetype i = copy % (pairs - 1);
        bytes += "1, B" + QByteArray::number(i) + ", A" + QByteArray::number(i + 1) + ", Kopie "
            + QByteArray::number(copy) + ".\r\n";
    }
    return bytes;
}

// Nine pairs that only the complete search finds.
QTemporaryDir &stuckBox()
{
    static QTemporaryDir dir;
    static QTemporaryDir &box = boxWith(dir, chainFile(9));
    return box;
}

// Eight such pairs: the search proves that no deal exists.
QTemporaryDir &refusedBox()
{
    static QTemporaryDir dir;
    static QTemporaryDir &box = boxWith(dir, chainFile(8));
    return box;
}

void DealMemory(benchmark::State &state, QTemporaryDir &(*box)(), bool dealt)
{
    SharedState shared = german();
    QuietPlatform platform;
    Random random;
    MemoryGame game(box().path(), shared, platform, random);
    for (auto _ : state)
        if (game.dealMemoryGame() != dealt)
            state.SkipWithError("wrong deal");
}

// The complete search alone, on the usable cards of the file read once.
void SearchPairs(benchmark::State &state, QTemporaryDir &(*box)(), bool dealt)
{
    const CardList cards = readCompleteCards(box().path(), QStringLiteral("ZEKCARD1.LST"));
    QList<const CardEntry *> usable;
    for (const CardEntry &card : cards)
        if (!card.baseWord.isEmpty() && !card.relatedWord.isEmpty())
            usable << &card;
    for (auto _ : state)
        if ((findDistinctPairs(usable, 9).size() == 9) != dealt)
            state.SkipWithError("wrong result");
}

} // namespace

BENCHMARK_CAPTURE(DealMemory, ordinary, &largeBox, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DealMemory, clashing, &clashingBox, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DealMemory, draws_stuck_search_deals, &stuckBox, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DealMemory, draws_stuck_search_refuses, &refusedBox, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(SearchPairs, ordinary, &largeBox, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(SearchPairs, clashing, &clashingBox, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(SearchPairs, draws_stuck, &stuckBox, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(SearchPairs, no_deal, &refusedBox, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BareRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(StartHangman)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(StartPrison)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
