// Loading and saving the largest card box, each beside the raw cost of
// reading or writing the same bytes; the save after an answer (one box digit
// in place) beside the whole file's save, with the bytes each writes.
#include "BenchBox.h"

#include "cards/CardStore.h"

#include <QFileInfo>
#include <QSaveFile>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

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

// What the process has written so far, from /proc/self/io (all its
// threads). wchar: the bytes handed to write calls, which is the figure that
// counts: what the program asks to write, and what a network file system's
// client sends to the server (it keeps the range written). write_bytes: the
// page cache's memory marked dirty, a whole folio for every one touched
// (from Linux 6.16 ext4 keeps files in folios of up to 2 MB, so one byte
// counts as up to 2 MB there, while the disk is sent only the blocks
// changed); nothing on tmpfs.
struct Written {
    double wchar = 0;
    double writeBytes = 0;
};

Written writtenSoFar()
{
    Written w;
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return w;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar: "))
            w.wchar = line.mid(7).toDouble();
        else if (line.startsWith("write_bytes: "))
            w.writeBytes = line.mid(13).toDouble();
    }
    return w;
}

// The largest card file in a temporary folder (on a disk, not tmpfs, for
// write_bytes to count).
struct DiskBox {
    DiskBox()
    {
        writeFile(path, largeCardFile());
        store.loadCardList(file);
        store.cards(); // decoded, as the first answer does it
    }
    QTemporaryDir dir;
    QuietPlatform platform;
    const QString file = QStringLiteral("ZEKCARD1.LST");
    const QString path = QDir(dir.path()).filePath(file);
    CardStore store{dir.path(), platform};
};

// One card moved to its next box and saved, a different card each time, as
// the drill saves after every answer; editor: as the editor moves it, which
// saves the whole file.
void saveAfterEachAnswer(benchmark::State &state, bool editor)
{
    DiskBox box;
    const qsizetype count = box.store.cards().size();
    qsizetype card = 0;
    const Written before = writtenSoFar();
    for (auto _ : state) {
        card = (card + 7919) % count;
        const QString next = QString::number((box.store.cards()[card].box.toInt() + 1) % 7);
        if (editor)
            box.store.reboxCard(card, next);
        else
            box.store.setBox(card, next);
        if (!box.store.saveCardList(box.file))
            state.SkipWithError("save failed");
    }
    const Written after = writtenSoFar();
    const double saves = double(state.iterations());
    state.counters["wchar/save"] = (after.wchar - before.wchar) / saves;
    state.counters["write_bytes/save"] = (after.writeBytes - before.writeBytes) / saves;
    state.counters["file"] = double(QFileInfo(box.path).size());
}

void AnswerSave(benchmark::State &state) { saveAfterEachAnswer(state, false); }
// The raw cost of the same work: one byte written with pwrite and synced.
void RawByteWrite(benchmark::State &state)
{
    DiskBox box;
    const int fd = ::open(QFile::encodeName(box.path).constData(), O_WRONLY | O_CLOEXEC);
    const qint64 size = QFileInfo(box.path).size();
    qint64 at = 0;
    for (auto _ : state) {
        at = (at + 7919 * 71) % size;
        if (::pwrite(fd, "x", 1, off_t(at)) != 1 || ::fdatasync(fd) != 0)
            state.SkipWithError("write failed");
    }
    ::close(fd);
}
void WholeFileSave(benchmark::State &state) { saveAfterEachAnswer(state, true); }

} // namespace

BENCHMARK(AnswerSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RawByteWrite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(WholeFileSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
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
