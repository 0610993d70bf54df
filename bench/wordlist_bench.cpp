// Importing a teacher's word list of 32,767 lines into an empty card list:
// read, judged, inserted at the sorted places and saved, beside the raw cost
// of reading the list's bytes and writing the card file's.
#include "BenchBox.h"

#include "cards/CardFile.h"
#include "cards/CardStore.h"
#include "cards/Language.h"
#include "editor/Editor.h"
#include "wordlist/WordList.h"

#include <QSaveFile>

#include <benchmark/benchmark.h>

using namespace zek;
using namespace zek::bench;

namespace {

// The list a spreadsheet writes: UTF-8 with mark, semicolons, a header, the
// words in no order.
QByteArray largeWordList()
{
    QByteArray bytes = "\xef\xbb\xbfGrundwort;Verwandtes Wort;Phrase\r\n";
    for (qsizetype i = 0; i < maxCards; ++i) {
        const QByteArray n = QByteArray::number(i * 7919 % maxCards).rightJustified(5, '0');
        bytes += "W\xc3\xb6rter" + n + ";Wortfamilie" + n + ";Ein kurzer Satz mit dem Wort " + n
            + " und \xc3\xbc"
              "berall Stra\xc3\x9f"
              "en.\r\n";
    }
    return bytes;
}

QByteArray readBytesOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Chooses the list and says "Importieren".
struct ImportingPlatform : QuietPlatform {
    QString openFileName(const FileDialog &) override { return list; }
    bool confirmImport(const ImportPreview &) override { return true; }
    QString list;
};

struct Folder {
    Folder()
    {
        writeLargeBox(dir.path(), 0);
        platform.list = QDir(dir.path()).filePath(QStringLiteral("liste.csv"));
        writeFile(platform.list, largeWordList());
    }
    QTemporaryDir dir;
    ImportingPlatform platform;
    Language language;
    CardStore store{dir.path(), platform};
    Editor editor{store, platform, language};
};

void RawReadListWriteCards(benchmark::State &state)
{
    Folder folder;
    QByteArray cardFile;
    writeCardFile(readWordList(readBytesOf(folder.platform.list), {}).newCards(), cardFile);
    for (auto _ : state) {
        QByteArray list = readBytesOf(folder.platform.list);
        benchmark::DoNotOptimize(list.data());
        QSaveFile f(QDir(folder.dir.path()).filePath(QStringLiteral("ZEKCARD1.LST")));
        f.open(QIODevice::WriteOnly);
        f.write(cardFile);
        f.commit();
    }
}

void ImportIntoAnEmptyList(benchmark::State &state)
{
    Folder folder;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(QDir(folder.dir.path()).filePath(QStringLiteral("ZEKCARD1.LST")), {});
        folder.editor.activateEditor(QStringLiteral("Freund"));
        state.ResumeTiming();
        folder.editor.transfer().importWordList();
    }
    state.counters["cards"] = double(folder.store.cards().size());
}

} // namespace

BENCHMARK(RawReadListWriteCards)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ImportIntoAnEmptyList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
