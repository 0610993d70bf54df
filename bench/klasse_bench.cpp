// "Wer übt heute?" on a class of 40 children (offscreen): the children found
// and sorted, and the window built and shown, beside the bare listing of the
// same folders in the same run.
#include "BenchBox.h"

#include "cards/ClassFolder.h"
#include "platform/Random.h"
#include "app/ClassProgram.h"
#include "windows/ChildChoiceWindow.h"

#include <QApplication>
#include <QDirIterator>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zek;
using namespace zek::bench;

namespace {

constexpr int childCount = 40;

// A class of 40 children, each with a card box of the largest size.
struct Class {
    Class()
    {
        const QByteArray cards = largeCardFile();
        for (int i = 0; i < childCount; ++i) {
            const QDir child(QDir(dir.path()).filePath(QStringLiteral("Kind %1").arg(childCount - i)));
            QDir().mkpath(child.path());
            writeFile(child.filePath(QStringLiteral("ZEKCARDS.INI")), "abc\r\nabc\r\nabc\r\n");
            for (const char *name : {"ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
                writeFile(child.filePath(QLatin1String(name)), cards);
        }
    }
    QTemporaryDir dir;
    QuietPlatform platform;
    Random random;
};

std::unique_ptr<Class> theClass;

Class &klasse()
{
    if (!theClass)
        theClass = std::make_unique<Class>();
    return *theClass;
}

// The raw cost: every file of the class folder and its sub-folders listed.
void BareListing(benchmark::State &state)
{
    for (auto _ : state) {
        int files = 0;
        for (QDirIterator it(klasse().dir.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext(); it.next())
            ++files;
        benchmark::DoNotOptimize(files);
    }
}

void ChildrenFoundAndSorted(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(childrenOf(klasse().dir.path()));
}

// From nothing to the window on the screen, painted.
void WindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        ui::ClassProgram program(klasse().dir.path(), klasse().dir.path(), klasse().platform, klasse().random);
        program.start();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program.form().grab());
    }
}

} // namespace

BENCHMARK(BareListing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ChildrenFoundAndSorted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(WindowShown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    klasse(); // written before the clock runs
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theClass.reset();
    return 0;
}
