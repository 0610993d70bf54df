// Start-up of the trainer, the keystroke that completes a card and the save
// that follows it, on card files of the largest size.
#include "BenchBox.h"

#include "cards/CardStore.h"
#include "drill/Drill.h"
#include "drill/TrainerSession.h"
#include "platform/Random.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zek;
using namespace zek::bench;

namespace {

// The trainer without its window.
struct Trainer {
    explicit Trainer(const QString &folder) : store(folder, platform), main(folder, shared, store, drill, platform) {}
    QuietPlatform platform;
    Random random;
    SharedState shared;
    CardStore store;
    Drill drill{shared, store, platform, random};
    TrainerSession main;
};

// Language file, the first switch, load, count and the first card drawn.
void StartUp(benchmark::State &state)
{
    const QString folder = largeBox().path();
    for (auto _ : state) {
        auto trainer = std::make_unique<Trainer>(folder);
        if (!trainer->main.startUp() || trainer->shared.targetText.isEmpty())
            state.SkipWithError("start-up failed");
        state.PauseTiming(); // the trainer is torn down outside the figure
        trainer.reset();
        state.ResumeTiming();
    }
}

// The last character of the word: check, promote, count, draw the next card.
void CompletingKeystroke(benchmark::State &state, bool randomOrder)
{
    const QString folder = largeBox().path();
    Trainer trainer(folder);
    SharedState &shared = trainer.shared;
    Drill &drill = trainer.drill;
    TrainerSession &main = trainer.main;
    main.startUp();
    if (randomOrder)
        drill.toggleWordOrder();
    drill.checkAnswer(shared.targetText); // the first promotion copies the loaded list
    for (auto _ : state) {
        if (shared.targetText.isEmpty()) { // the box ran empty: start over
            state.PauseTiming();
            main.activate();
            state.ResumeTiming();
        }
        drill.checkAnswer(shared.targetText);
    }
}

// The first completing keystroke after the list was loaded: the promotion
// also copies the list, which until then shares its cards with the copy
// kept to see whether a save is needed.
void FirstKeystrokeAfterLoad(benchmark::State &state)
{
    Trainer trainer(largeBox().path());
    trainer.main.startUp();
    for (auto _ : state) {
        state.PauseTiming();
        trainer.main.activate();
        state.ResumeTiming();
        trainer.drill.checkAnswer(trainer.shared.targetText);
    }
}

// A card answered and its new box saved, as the program does it: the
// keystroke first, then the save queued behind it. timeSave picks the part
// in the figure: the save of all 32,767 cards, or the keystroke that follows
// a save (it copies the list the save shares with the copy kept).
void AnswerThenSave(benchmark::State &state, bool timeSave)
{
    Trainer trainer(largeBox().path());
    trainer.main.startUp();
    for (auto _ : state) {
        if (timeSave)
            state.PauseTiming();
        if (trainer.shared.targetText.isEmpty()) // the box ran empty: start over
            trainer.main.activate();
        trainer.drill.checkAnswer(trainer.shared.targetText);
        if (timeSave)
            state.ResumeTiming();
        else
            state.PauseTiming();
        QCoreApplication::sendPostedEvents();
        if (trainer.store.isChanged())
            state.SkipWithError("not saved");
        if (!timeSave)
            state.ResumeTiming();
    }
    writeLargeBox(largeBox().path()); // the boxes reached go back for the next run
}

// The same bytes written the same safe way, without the program: a
// temporary file beside the card file, on the disk, renamed over it.
void RawSafeWrite(benchmark::State &state)
{
    const QString path = QDir(largeBox().path()).filePath(QStringLiteral("ZEKCARD1.LST"));
    const QByteArray bytes = largeCardFile();
    for (auto _ : state) {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
            state.SkipWithError("write failed");
    }
}

} // namespace

BENCHMARK_CAPTURE(AnswerThenSave, save, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(RawSafeWrite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(AnswerThenSave, keystroke, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletingKeystroke, alphabetical, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(FirstKeystrokeAfterLoad)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletingKeystroke, random, true)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the save after an answer is a queued call
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
