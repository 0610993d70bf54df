// Syllables: every word of the largest card box (32,767 cards, the base
// word, the related word and the phrase of each) divided by the German
// hyphenation patterns, beside the same pass over the words without
// patterns (every run of letters one syllable). And one word drawn as the
// word field draws it: in coloured syllables, with arcs, and plain.
#include "BenchBox.h"

#include "cards/CardFile.h"
#include "qtplatform/QtPlatform.h"
#include "syllables/Syllables.h"
#include "widgets/SyllableDrawing.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace zek;
using namespace zek::ui;

namespace {

const CardList &largeList()
{
    static const CardList cards = readCardFile(bench::largeCardFile()).cards;
    return cards;
}

void DivideLargestBox(benchmark::State &state, bool withPatterns)
{
    const SyllablePatterns *patterns = withPatterns ? SyllablePatterns::forLanguage(QStringLiteral("D")) : nullptr;
    if (withPatterns && !patterns) {
        state.SkipWithError("no German hyphenation patterns (hyphen-de)");
        return;
    }
    for (auto _ : state) {
        qsizetype syllables = 0;
        for (const CardEntry &card : largeList())
            for (const QString *text : {&card.baseWord, &card.relatedWord, &card.phrase})
                syllables += syllablesOf(*text, patterns).size();
        benchmark::DoNotOptimize(syllables);
        state.counters["syllables"] = double(syllables);
    }
}

// One word of the word field's size, drawn into an image as the field draws it.
void DrawWord(benchmark::State &state, SyllableLook look)
{
    const QString word = QStringLiteral("Donaudampfschifffahrt");
    const SyllableStyle style{look, SyllablePatterns::forLanguage(QStringLiteral("D"))};
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(24);
    QImage image(900, 120, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        const QList<int> places = placesOnLines(word, {word}, style).value(0);
        QTextLayout layout(word, font, &image);
        if (look == SyllableLook::Coloured)
            layout.setFormats(syllableColours(places));
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setNumColumns(int(word.size()));
        layout.endLayout();
        QPainter painter(&image);
        painter.setPen(Qt::black);
        layout.draw(&painter, QPointF(10, 10));
        if (look == SyllableLook::Arcs) {
            painter.setRenderHint(QPainter::Antialiasing);
            for (const QRectF &arc : syllableArcs(line, places, 0))
                drawSyllableArc(painter, arc.translated(10, 10));
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(DivideLargestBox, patterns, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DivideLargestBox, lettersOnly, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DrawWord, coloured, SyllableLook::Coloured)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawWord, arcs, SyllableLook::Arcs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawWord, plain, SyllableLook::Off)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    // the patterns are read once, on first use: not part of the figure
    SyllablePatterns::forLanguage(QStringLiteral("D"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
