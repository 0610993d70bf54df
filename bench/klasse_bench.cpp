// "Wer übt heute?" on a class of 40 children (offscreen): the children found
// and sorted, and the window built and shown, beside the bare listing of the
// same folders in the same run. And the list of a class of 30, as a computer
// room opens it on a school server, where each look at a file is a round
// trip (one listing of the class, one look per child: strace -c counts them).
// "Wörter für alle": 20 words given to 30
// children with 1,000 cards in each card file, beside the bare reading and
// writing of the same files.
#include "BenchBox.h"

#include "cards/AtomicFile.h"
#include "cards/ClassFolder.h"
#include "drill/ChildChoice.h"
#include "teacher/WordsForAll.h"
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

// A class of 30 children with the files of a card box each.
struct Thirty {
    Thirty()
    {
        for (int i = 0; i < 30; ++i) {
            const QDir child(QDir(dir.path()).filePath(QStringLiteral("Kind %1").arg(i)));
            QDir().mkpath(child.path());
            for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
                writeFile(child.filePath(QLatin1String(name)), "1, Wort, Worte, Ein Wort.\r\n");
        }
    }
    QTemporaryDir dir;
};

// The whole of what "Wer übt heute?" reads of a class of 30 before it shows.
void ThirtyChildrenListed(benchmark::State &state)
{
    static Thirty thirty;
    QuietPlatform platform;
    ChildChoice choice(thirty.dir.path(), thirty.dir.path(), platform);
    for (auto _ : state)
        choice.activate();
    state.counters["children"] = double(choice.children().size());
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

// A class of 30 children, 1,000 cards in each card file, and a list of 20
// words of which none is in any box yet.
struct WordsClass {
    static constexpr int children = 30;
    WordsClass()
    {
        for (int i = 0; i < children; ++i) {
            const QString child = QDir(dir.path()).filePath(QStringLiteral("Kind %1").arg(i + 1));
            QDir().mkpath(child);
            writeLargeBox(child, 1000);
        }
        QByteArray list;
        for (int i = 0; i < 20; ++i)
            list += "Wochenwort" + QByteArray::number(i) + ";Wortfamilie;Ein Satz.\r\n";
        writeFile(QDir(dir.path()).filePath("woche.csv"), list);
        words = std::make_unique<WordsForAll>(dir.path(), platform);
    }
    // Every child's German cards and record as they were before the words.
    void reset() const
    {
        const QByteArray cards = largeCardFile(1000);
        for (int i = 0; i < children; ++i) {
            const QDir child(QDir(dir.path()).filePath(QStringLiteral("Kind %1").arg(i + 1)));
            writeFile(child.filePath("ZEKCARD1.LST"), cards);
            QFile::remove(child.filePath("Verlauf.csv"));
        }
    }
    QTemporaryDir dir;
    struct : QuietPlatform {
        QString openFileName(const FileDialog &dialog) override { return QDir(dialog.path).filePath("woche.csv"); }
    } platform;
    std::unique_ptr<WordsForAll> words;
};

// The raw cost: each child's German card file read and written atomically.
void BareReadAndWriteOfEveryChild(benchmark::State &state)
{
    WordsClass klasse;
    for (auto _ : state)
        for (int i = 0; i < WordsClass::children; ++i) {
            const QString file = QDir(klasse.dir.path()).filePath(QStringLiteral("Kind %1/ZEKCARD1.LST").arg(i + 1));
            QFile in(file);
            if (!in.open(QIODevice::ReadOnly) || !writeFileAtomically(file, in.readAll()))
                std::abort();
        }
}

// "Allen geben": the list read, judged per child, the cards placed and saved
// atomically under each child's lock, the records written.
void WordsGivenToThirtyChildren(benchmark::State &state)
{
    WordsClass klasse;
    klasse.words->start();
    klasse.words->chooseFile();
    for (auto _ : state) {
        state.PauseTiming();
        klasse.reset();
        state.ResumeTiming();
        klasse.words->giveToAll();
        if (!klasse.words->notChanged().isEmpty())
            std::abort();
    }
}

} // namespace

BENCHMARK(BareReadAndWriteOfEveryChild)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(WordsGivenToThirtyChildren)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BareListing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ChildrenFoundAndSorted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ThirtyChildrenListed)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
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
