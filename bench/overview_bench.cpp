// "Klassenübersicht" on a class of 40 children, each with a school year of
// record (10,000 lines) and 1,000 cards per language: the overview read on
// every core, and the window built and shown (offscreen), beside the raw
// read of the same files in the same run. Asked: under a second.
#include "BenchBox.h"

#include "record/ClassOverview.h"
#include "record/PracticeRecord.h"
#include "windows/ClassOverviewWindow.h"

#include <QApplication>
#include <QDirIterator>

#include <benchmark/benchmark.h>

using namespace zek;
using namespace zek::bench;

namespace {

constexpr int childCount = 40;
constexpr int recordLines = 10'000;

struct Class {
    Class()
    {
        const QByteArray cards = largeCardFile(1000);
        for (int i = 0; i < childCount; ++i) {
            const QDir child(QDir(dir.path()).filePath(QStringLiteral("Kind %1").arg(i + 1)));
            QDir().mkpath(child.path());
            writeFile(child.filePath(QStringLiteral("ZEKCARDS.INI")), "abc\r\nabc\r\nabc\r\n");
            for (const char *name : {"ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
                writeFile(child.filePath(QLatin1String(name)), cards);
            // 200 school days, 50 answers a day, one in eight in English,
            // one in four wrong
            QByteArray record = recordHeader;
            for (int n = 0; n < recordLines; ++n) {
                const int box = n % 6;
                record += recordLineBytes(
                    {QDate(2025, 9, 1).addDays(n / 50 * 7 / 5), 8 * 3600 + n % 50 * 60, n % 8 == 0 ? u'E' : u'D',
                     QStringLiteral("W\u00f6rter%1").arg((n * 7 + i) % 1000, 5, 10, QLatin1Char('0')), box, box + 1,
                     n % 4 != 0});
            }
            writeFile(child.filePath(QStringLiteral("Verlauf.csv")), record);
        }
    }
    QTemporaryDir dir;
    QuietPlatform platform;
};

Class &theClass()
{
    static Class c;
    return c;
}

void RawReadOfTheSameFiles(benchmark::State &state)
{
    const QString folder = theClass().dir.path();
    for (auto _ : state) {
        qint64 bytes = 0;
        QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile f(files.next());
            if (f.open(QIODevice::ReadOnly))
                bytes += f.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(RawReadOfTheSameFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

void OverviewRead(benchmark::State &state)
{
    const QString folder = theClass().dir.path();
    for (auto _ : state) {
        const QList<OverviewRow> rows = readClassOverview(folder, QDate(2026, 6, 30));
        if (rows.size() != 2 * childCount)
            state.SkipWithError("not every child read");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(OverviewRead)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window opened: the class read, the table filled and painted.
void OverviewWindowShown(benchmark::State &state)
{
    Class &c = theClass();
    for (auto _ : state) {
        ui::ClassOverviewWindow window(c.dir.path(), c.platform, [](const QString &) {});
        window.open();
        QApplication::processEvents();
        window.repaint();
        benchmark::DoNotOptimize(window.model().rows().size());
    }
}
BENCHMARK(OverviewWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theClass();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
