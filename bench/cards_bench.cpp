// Loading and saving the largest card box, each beside the raw cost of
// reading or writing the same bytes.
#include "BenchBox.h"

#include "cards/CardStore.h"

#include <QSaveFile>

#include <benchmark/benchmark.h>

using namespace zek;
using namespace zek::bench;

namespace {

struct Box {
    Box()
    {
        writeLargeBox(dir.path());
        path = QDir(dir.path()).filePath(file);
    }
    QTemporaryDir dir;
    QuietPlatform platform;
    const QString file = QStringLiteral("ZEKCARD1.LST");
    QString path;
};

void RawRead(benchmark::State &state)
{
    Box box;
    for (auto _ : state) {
        QFile f(box.path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}

// Loading and counting as the drill does at the start: the cards' boxes
// counted from the store's index, no text decoded.
void LoadAndCount(benchmark::State &state)
{
    Box box;
    CardStore store(box.dir.path(), box.platform);
    for (auto _ : state) {
        store.loadCardList(box.file);
        BoxCounts counts;
        for (qsizetype i = 0, n = store.cardCount(); i < n; ++i)
            if (const int b = store.boxNumberAt(i); b >= 0)
                ++counts.perBox[b];
        benchmark::DoNotOptimize(counts);
    }
    state.counters["cards"] = double(store.cardCount());
}

// The same and every card decoded, as opening the editor asks for the list.
void LoadCountAndDecode(benchmark::State &state)
{
    Box box;
    CardStore store(box.dir.path(), box.platform);
    for (auto _ : state) {
        store.loadCardList(box.file);
        BoxCounts counts = countBoxes(store.cards());
        benchmark::DoNotOptimize(counts);
    }
    state.counters["cards"] = double(store.cards().size());
}

// The raw write goes the same safe way as a save: a temporary file beside
// the card file, flushed to disk and renamed over it.
void RawWrite(benchmark::State &state)
{
    Box box;
    const QByteArray bytes = largeCardFile();
    for (auto _ : state) {
        QSaveFile f(box.path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.commit();
    }
}

void Save(benchmark::State &state)
{
    Box box;
    CardStore store(box.dir.path(), box.platform);
    store.loadCardList(box.file);
    bool flip = false;
    for (auto _ : state) {
        store.setBox(store.cards().size() / 2, flip ? QStringLiteral("3") : QStringLiteral("4"));
        flip = !flip;
        if (!store.saveCardList(box.file))
            state.SkipWithError("save failed");
    }
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(LoadAndCount)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(LoadCountAndDecode)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RawWrite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
