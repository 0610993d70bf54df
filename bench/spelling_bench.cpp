// The spelling check on the largest card box: checking every card, the first
// suggestions the list shows, and a keystroke in the edit panel with the
// underline, each beside its raw cost (the same words through Hunspell
// alone; the same keystroke with the check off).
#include "BenchBox.h"

#include "editor/Editor.h"
#include "editor/Spelling.h"
#include "platform/Random.h"
#include "windows/EditorWindow.h"
#include "app/Program.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <hunspell.hxx>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zek;
using namespace zek::bench;

namespace {

const QString dictionaries = QStringLiteral("/usr/share/hunspell");

// Real German words, each card its own: base and related word from the
// dictionary's list, a phrase around the base word; every 20th base word
// misspelt (two letters swapped).
CardList germanCards()
{
    QFile dic(dictionaries + QStringLiteral("/de_DE.dic"));
    if (!dic.open(QIODevice::ReadOnly))
        std::abort();
    QStringList words;
    dic.readLine(); // the count
    while (!dic.atEnd()) {
        const QString word = QString::fromUtf8(dic.readLine()).section(u'/', 0, 0).trimmed();
        if (word.size() > 3 && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
            words << word;
    }
    const qsizetype step = std::max<qsizetype>(1, words.size() / (2 * maxCards));
    CardList cards;
    for (qsizetype i = 0; cards.size() < maxCards; i += 2 * step) {
        QString base = words[(i) % words.size()];
        if (cards.size() % 20 == 0)
            std::swap(base[1], base[2]);
        cards.append(CardEntry(QStringLiteral("1"), base, words[(i + step) % words.size()],
                               QStringLiteral("Heute sehen wir das Wort %1 im Satz.").arg(base)));
    }
    return cards;
}

const CardList &cards()
{
    static const CardList list = germanCards();
    return list;
}

// The raw cost: every blank-separated piece of the three fields through
// Hunspell, no splitting into words, no words remembered.
void BareHunspell(benchmark::State &state)
{
    Hunspell hunspell("/usr/share/hunspell/de_DE.aff", "/usr/share/hunspell/de_DE.dic");
    for (auto _ : state) {
        int unknown = 0;
        for (const CardEntry &card : cards())
            for (const QString *field : {&card.baseWord, &card.relatedWord, &card.phrase})
                for (const QString &piece : field->split(u' '))
                    unknown += !hunspell.spell(piece.toStdString());
        benchmark::DoNotOptimize(unknown);
    }
}

// Every card checked, with a dictionary read but nothing asked yet.
void CheckAllCards(benchmark::State &state)
{
    QTemporaryDir folder;
    Spelling spelling(folder.path(), {dictionaries});
    spelling.setLanguage(QStringLiteral("D"));
    qsizetype found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        spelling.setDictionaryFolders({dictionaries}); // read anew: no word remembered
        spelling.waitUntilReady();
        state.ResumeTiming();
        found = checkCards(spelling, cards()).size();
    }
    state.counters["cards"] = double(cards().size());
    state.counters["found"] = double(found);
}

// The list shows about 15 rows at once: their first suggestions.
void FirstSuggestionsOfAScreen(benchmark::State &state)
{
    QTemporaryDir folder;
    Spelling spelling(folder.path(), {dictionaries});
    spelling.setLanguage(QStringLiteral("D"));
    const QList<SpellingFinding> findings = checkCards(spelling, cards());
    qsizetype from = 0;
    for (auto _ : state) {
        for (qsizetype i = 0; i < 15; ++i)
            benchmark::DoNotOptimize(spelling.suggestions(findings[(from + i) % findings.size()].words.front(), 1));
        from += 15;
    }
}

// The editor on the largest box, its edit panel open, a phrase with a word
// the dictionary does not know in the phrase field.
struct EditPanel {
    explicit EditPanel(bool spellingOn)
    {
        writeLargeBox(dir.path(), maxCards - 1);
        program = std::make_unique<ui::Program>(dir.path(), platform, random);
        program->start();
        if (!spellingOn)
            program->editor().spelling().setDictionaryFolders({});
        program->session().openWindow(Window::Editor);
        program->editor().editPanel().open();
        program->editor().spelling().waitUntilReady();
        QApplication::processEvents();
        field = program->form7()->findChild<QLineEdit *>(QStringLiteral("Text2"));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral(" und Hnud"));
    }
    QTemporaryDir dir;
    QuietPlatform platform;
    Random random;
    std::unique_ptr<ui::Program> program;
    QLineEdit *field = nullptr;
};

// A letter typed and taken back: two keystrokes an iteration.
void typeAndErase(benchmark::State &state, bool spellingOn)
{
    EditPanel window(spellingOn);
    for (auto _ : state) {
        QTest::keyClick(window.field, Qt::Key_A);
        QTest::keyClick(window.field, Qt::Key_Backspace);
    }
    state.counters["underlined"] = double(window.program->editor().editPanel().unknownWords(2).size());
}
void KeystrokeWithoutCheck(benchmark::State &state) { typeAndErase(state, false); }
void KeystrokeWithUnderline(benchmark::State &state) { typeAndErase(state, true); }

} // namespace

BENCHMARK(BareHunspell)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CheckAllCards)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FirstSuggestionsOfAScreen)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(KeystrokeWithoutCheck)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeWithUnderline)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
