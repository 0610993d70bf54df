// Start-up of the trainer and the keystroke that completes a card, on card
// files of the largest size.
#include "BenchBox.h"

#include "cards/CardStore.h"
#include "drill/Drill.h"
#include "drill/MainWindow.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace zek;
using namespace zek::bench;

namespace {

// The trainer without its window.
struct Trainer {
    explicit Trainer(const QString &folder)
        : store(folder, platform), main(folder, shared, store, drill, platform)
    {
    }
    QuietPlatform platform;
    Random random;
    SharedState shared;
    CardStore store;
    Drill drill{shared, store, platform, random};
    MainWindow main;
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
    MainWindow &main = trainer.main;
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

} // namespace

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletingKeystroke, alphabetical, false)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(FirstKeystrokeAfterLoad)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletingKeystroke, random, true)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
