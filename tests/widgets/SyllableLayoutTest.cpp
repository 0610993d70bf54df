#include "syllables/Syllables.h"
#include "widgets/SyllableDrawing.h"

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::ui;

namespace {

// One word or phrase through the syllable layout of the word field: its
// syllables ("|" between two), the colour of each character as shown (B
// blue, R red, "." none), the arcs (first and last character under each)
// and the first part of the word when at most `fitting` letters fit a line
// ("" when it cannot break there).
struct LayoutRow {
    const char *name;
    const char *language;
    const char *shown;
    const char *syllables;
    const char *colours;
    const char *arcs;
    int fitting;
    const char *firstPart;
};

const LayoutRow layoutRows[] = {
    {"a German compound", "D", "Apfelbaum", "Ap|fel|baum", "BBRRRBBBB", "0-1 2-4 5-8", 6, "Apfel"},
    {"capitals", "D", "APFELBAUM", "AP|FEL|BAUM", "BBRRRBBBB", "0-1 2-4 5-8", 4, "AP"},
    {"umlauts in Latin-1 patterns", "D", "Bäckerei", "Bä|cke|rei", "BBRRRBBB", "0-1 2-4 5-7", 6, "Bäcke"},
    {"each word starts blue", "D", "der Apfelbaum", "der Ap|fel|baum", "BBB.BBRRRBBBB", "0-2 4-5 6-8 9-12", 0, ""},
    {"a hyphen: counted on, broken after it", "D", "Apfel-Baum", "Ap|fel-Baum", "BBRRR.BBBB", "0-1 2-4 6-9", 8, "Apfel-"},
    {"a long compound breaks at a syllable", "D", "Donaudampfschifffahrt", "Do|nau|dampf|schiff|fahrt",
     "BBRRRBBBBBRRRRRRBBBBB", "0-1 2-4 5-9 10-15 16-20", 13, "Donaudampf"},
    {"one syllable stays whole", "D", "Strumpf", "Strumpf", "BBBBBBB", "0-6", 5, ""},
    {"the patterns' shortest first syllable", "D", "Abend", "Abend", "BBBBB", "0-4", 3, ""},
    {"spaced out: the arcs span the blanks", "D", " A  p  f  e  l ", "Ap|fel", ".B..B..R..R..R.", "1-4 7-13", 3, "Ap"},
    {"English", "E", "dictation", "dic|ta|tion", "BBBRRBBBB", "0-2 3-4 5-8", 7, "dicta"},
    {"English: the patterns' shortest last syllable", "E", "computer", "com|puter", "BBBRRRRR", "0-2 3-7", 7, "com"},
    {"French", "F", "chocolat", "cho|co|lat", "BBBRRBBB", "0-2 3-4 5-7", 4, "cho"},
    {"French: accents in UTF-8 patterns", "F", "bibliothèque", "bi|blio|thèque", "BBRRRRBBBBBB", "0-1 2-5 6-11", 11,
     "biblio"},
    {"French: an apostrophe joins", "F", "l'éléphant", "l'élé|phant", "BBBBBRRRRR", "0-4 5-9", 8, "l'élé"},
};

void PrintTo(const LayoutRow &row, std::ostream *out) { *out << row.name; }

class SyllableLayout : public testing::TestWithParam<LayoutRow> {};

TEST_P(SyllableLayout, ColoursArcsAndBreaks)
{
    const LayoutRow &row = GetParam();
    const SyllablePatterns *patterns = SyllablePatterns::forLanguage(QString::fromLatin1(row.language));
    if (!patterns)
        GTEST_SKIP() << "the hyphenation patterns of " << row.language << " are not installed (hyphen-de, hyphen-en-us, hyphen-fr)";
    const QString shown = QString::fromUtf8(row.shown);
    const SyllableStyle style{SyllableLook::Coloured, patterns};

    const QString plain = shown.trimmed().contains(QLatin1String("  ")) ? QString(shown).remove(u' ') : shown;
    QString divided;
    const QList<Syllable> syllables = syllablesOf(plain, patterns);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (std::any_of(syllables.begin() + 1, syllables.end(),
                        [&](const Syllable &s) { return s.start == i && s.place > 0 && plain[i - 1] != u'-'; }))
            divided += u'|';
        divided += plain[i];
    }
    EXPECT_EQ(divided, QString::fromUtf8(row.syllables));

    const QList<int> places = placesOnLines(shown, {shown}, style).value(0);
    QString colours;
    for (int place : places)
        colours += place < 0 ? u'.' : place % 2 == 0 ? u'B'
                                                     : u'R';
    EXPECT_EQ(colours, QString::fromLatin1(row.colours));
    QStringList arcs;
    for (const SyllableRun &run : syllableRuns(places))
        arcs << QStringLiteral("%1-%2").arg(run.first).arg(run.last);
    EXPECT_EQ(arcs.join(u' '), QString::fromLatin1(row.arcs));

    if (row.fitting > 0) {
        const QList<qsizetype> starts = syllableStartsOf(style)(plain);
        EXPECT_EQ(plain.left(wordBreak(plain, row.fitting, &starts)), QString::fromUtf8(row.firstPart));
    }
}

INSTANTIATE_TEST_SUITE_P(Words, SyllableLayout, testing::ValuesIn(layoutRows), [](const testing::TestParamInfo<LayoutRow> &row) {
    std::string name;
    for (const char *c = row.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

} // namespace
