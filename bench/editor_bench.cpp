// The card editor on the largest card box, window included (offscreen):
// opening it, a scroller step, a box filter and each saving operation (save,
// reload, refresh of the view), each beside a bare save + load of the same
// list in the same run.
#include "BenchBox.h"

#include "cards/CardStore.h"
#include "editor/Editor.h"
#include "platform/Random.h"
#include "windows/EditorWindow.h"
#include "app/Program.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zek;
using namespace zek::bench;

namespace {

// One card less than a list holds, so that a card can still be added.
constexpr qsizetype cardCount = maxCards - 1;

struct Trainer {
    Trainer()
    {
        writeLargeBox(dir.path(), cardCount);
        program = std::make_unique<ui::Program>(dir.path(), platform, random);
        program->start();
        program->session().openWindow(Window::Editor);
    }
    Editor &editor() { return program->editor(); }
    CardStore &store() { return program->store(); }
    QTemporaryDir dir;
    QuietPlatform platform;
    Random random;
    std::unique_ptr<ui::Program> program;
};

std::unique_ptr<Trainer> theTrainer;

Trainer &trainer()
{
    if (!theTrainer)
        theTrainer = std::make_unique<Trainer>();
    return *theTrainer;
}

// The work every saving operation contains: the list written, then read.
void BareSaveAndLoad(benchmark::State &state)
{
    CardStore &store = trainer().store();
    int i = 0;
    for (auto _ : state) {
        store.setBox(0, QString::number(++i % 2));
        store.saveCardList(trainer().editor().browser().fileName());
        store.loadCardList(trainer().editor().browser().fileName());
    }
}

void OpenEditor(benchmark::State &state)
{
    for (auto _ : state)
        trainer().editor().activateEditor(QStringLiteral("Freund"));
}

void ScrollerStep(benchmark::State &state)
{
    trainer().editor().activateEditor(QStringLiteral("Freund"));
    auto *scroller = trainer().program->form7()->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    int value = 0;
    for (auto _ : state)
        scroller->setValue(value = (value + 7919) % int(cardCount)); // far jumps: the view scrolls each time
}

void BoxFilter(benchmark::State &state)
{
    int box = 0;
    for (auto _ : state)
        trainer().editor().browser().showBox(box++ % 7);
    trainer().editor().browser().showAllCards();
}

void Insert(benchmark::State &state)
{
    Editor &editor = trainer().editor();
    editor.activateEditor(QStringLiteral("Freund"));
    editor.editPanel().open();
    for (auto _ : state) {
        state.PauseTiming();
        editor.editPanel().setFieldText(1, QStringLiteral("Wörter16000a")); // in the middle of the list
        editor.editPanel().setFieldText(2, QStringLiteral("x"));
        editor.editPanel().setFieldText(3, QStringLiteral("y"));
        state.ResumeTiming();
        editor.editPanel().insertNewCard();
        state.PauseTiming();
        trainer().store().removeCard(16001);
        trainer().store().saveCardList(editor.browser().fileName());
        state.ResumeTiming();
    }
}

void Change(benchmark::State &state)
{
    Editor &editor = trainer().editor();
    editor.activateEditor(QStringLiteral("Freund"));
    editor.editPanel().open();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.editPanel().setFieldText(3, QStringLiteral("Ein anderer Satz %1").arg(++i % 2));
        state.ResumeTiming();
        editor.editPanel().changeCurrentCard();
    }
}

void Delete(benchmark::State &state)
{
    Editor &editor = trainer().editor();
    editor.activateEditor(QStringLiteral("Freund"));
    for (auto _ : state) {
        state.PauseTiming();
        trainer().store().insertCard(
            0, {QStringLiteral("1"), QStringLiteral("Aal"), QStringLiteral("x"), QStringLiteral("y")});
        trainer().store().saveCardList(editor.browser().fileName());
        editor.browser().showAllCards();
        state.ResumeTiming();
        editor.editPanel().deleteCurrentCard(); // "Ja"
    }
}

void ReboxAll(benchmark::State &state)
{
    Editor &editor = trainer().editor();
    editor.activateEditor(QStringLiteral("Freund"));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.reboxPanel().open();
        editor.reboxPanel().showNewBox(++i % 7);
        state.ResumeTiming();
        editor.reboxPanel().reboxAll();
    }
}

} // namespace

BENCHMARK(BareSaveAndLoad)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(OpenEditor)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ScrollerStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BoxFilter)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Insert)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Change)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Delete)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ReboxAll)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theTrainer.reset(); // the windows and the card box go before the application
    return 0;
}
