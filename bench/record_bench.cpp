// The practice record: the statistics of a record of a million lines, read
// from the disk (under a second), one line appended (under a millisecond),
// and the 32,767 lines of a re-box of the largest card box appended with one
// write, each beside the raw cost of the same bytes; the kinds of mistake of
// a school year's record (10,000 lines typed wrong, under 50 ms) beside the
// mere search for each line's first wrong letter.
#include "record/ErrorTypes.h"
#include "record/PracticeRecord.h"
#include "record/Progress.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

using namespace zek;

namespace {

constexpr int lines = 1'000'000;
constexpr int words = 500;

QString word(int n) { return QStringLiteral("Wort%1").arg(n, 3, 10, QLatin1Char('0')); }

// A year of a class's practice: 200 days, 500 German words, now and then an
// English or French card, one answer in four wrong.
const QTemporaryDir &bigRecord()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        QByteArray bytes = recordHeader;
        bytes.reserve(qsizetype(lines) * 48);
        const QChar codes[] = {u'D', u'D', u'D', u'D', u'D', u'D', u'E', u'F'};
        for (int i = 0; i < lines; ++i) {
            const int box = i % 6;
            bytes += recordLineBytes({QDate(2026, 1, 1).addDays(i / (lines / 200)), (8 * 3600 + i) % 86400,
                                      codes[i % 8], word(i * 7 % words), box, box + 1, i % 4 != 0});
        }
        QFile f(QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv")));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }();
    Q_UNUSED(written);
    return dir;
}

CardList cardsNow()
{
    CardList cards;
    for (int n = 0; n < words; ++n)
        cards.append({QString::number(n % 7), word(n), {}, {}});
    return cards;
}

// The record read from the disk and the German statistics made of it.
void RecordStatistics(benchmark::State &state)
{
    const QString folder = bigRecord().path();
    const CardList cards = cardsNow();
    for (auto _ : state) {
        const QList<RecordLine> record = readRecordFile(folder);
        const LanguageProgress progress = progressOf(record, u'D', cards, QDate(2026, 12, 6));
        if (record.size() != lines || progress.daysPractised != 200)
            state.SkipWithError("not every line read");
        benchmark::DoNotOptimize(progress);
    }
}

// The same bytes read from the disk and their lines counted, nothing more.
void RawReadLines(benchmark::State &state)
{
    const QString path = QDir(bigRecord().path()).filePath(QStringLiteral("Verlauf.csv"));
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            state.SkipWithError("read failed");
        const QByteArray bytes = f.readAll();
        qsizetype n = 0;
        for (const char *p = bytes.constData(), *end = p + bytes.size();
             (p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))); ++p)
            ++n;
        benchmark::DoNotOptimize(n);
    }
}

const RecordLine answered{QDate(2026, 3, 2), 8 * 3600, u'D', QStringLiteral("Häuser"), 2, 3, true};

// One line appended as the program does it: opened, the last byte looked
// at, written, closed.
void AppendLine(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state)
        if (!appendToRecord(dir.path(), answered))
            state.SkipWithError("append failed");
}

// The same bytes appended to a file, nothing more.
void RawAppend(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv"));
    const QByteArray bytes = recordLineBytes(answered);
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(bytes) != bytes.size())
            state.SkipWithError("append failed");
    }
}

// "Ganze Liste" of the largest card box: a line "Lehrkraft" for each of
// its 32,767 cards, appended to the record with one write.
QList<RecordLine> reboxLines()
{
    QList<RecordLine> moved;
    for (int n = 0; n < 32767; ++n)
        moved.append(
            {QDate(2026, 3, 9), 14 * 3600, u'D', QStringLiteral("Wort%1").arg(100 + n), n % 7, 1, false, true});
    return moved;
}

void AppendRebox(benchmark::State &state)
{
    const QList<RecordLine> moved = reboxLines();
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv")));
        state.ResumeTiming();
        if (!appendToRecord(dir.path(), moved))
            state.SkipWithError("append failed");
    }
}

// The same bytes, made beforehand, written to a new file, nothing more.
void RawAppendRebox(benchmark::State &state)
{
    QByteArray bytes = recordHeader;
    for (const RecordLine &line : reboxLines())
        bytes += recordLineBytes(line);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(bytes) != bytes.size())
            state.SkipWithError("append failed");
    }
}

// A school year of one child: 10,000 cards typed wrong, German, English and
// French misspellings in turn, each with its text asked and typed.
QList<RecordLine> yearOfMistakes()
{
    const struct {
        char16_t language;
        const char *asked, *typed;
    } kinds[] = {{u'D', "Fahrrad", "Fahra"}, {u'D', "Zahn", "Zan"},
                 {u'D', "Hund", "Hunt"},     {u'D', "Straße", "Stras"},
                 {u'D', "Häuser", "He"},     {u'D', "Vogel", "F"},
                 {u'D', "Liebe", "Le"},      {u'D', "Der Kamm ist neu", "Der Kam "},
                 {u'D', "Tisch", "To"},      {u'E', "friend", "fre"},
                 {u'E', "happy", "hapy"},    {u'F', "école", "ec"}};
    QList<RecordLine> year;
    for (int i = 0; i < 10'000; ++i) {
        const auto &k = kinds[i % std::size(kinds)];
        year.append({QDate(2026, 9, 1).addDays(i / 50), 8 * 3600, QChar(k.language), QString::fromUtf8(k.asked), 1, 2,
                     false, false, QString::fromUtf8(k.asked), QString::fromUtf8(k.typed)});
    }
    return year;
}

void ClassifyYear(benchmark::State &state)
{
    const QList<RecordLine> year = yearOfMistakes();
    for (auto _ : state) {
        std::array<int, errorTypeCount> counts{};
        for (const RecordLine &line : year)
            ++counts[std::size_t(*errorTypeOf(line))];
        benchmark::DoNotOptimize(counts);
    }
}

// The first letter where each line's typed text departs from the text asked,
// nothing more.
void RawFindWrongLetters(benchmark::State &state)
{
    const QList<RecordLine> year = yearOfMistakes();
    for (auto _ : state) {
        qsizetype sum = 0;
        for (const RecordLine &line : year) {
            qsizetype at = 0;
            while (at < line.typed.size() && at < line.asked.size() && line.typed[at] == line.asked[at])
                ++at;
            sum += at;
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(ClassifyYear)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(RawFindWrongLetters)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(AppendRebox)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(RawAppendRebox)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(RecordStatistics)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(RawReadLines)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(AppendLine)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(RawAppend)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
