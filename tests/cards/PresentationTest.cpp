#include "cards/Presentation.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

// The tables below keep one entry a line, as they were written.
// clang-format off

using namespace zek;
using namespace zek::test;

TEST(PresentWord, FixedModes)
{
    const struct {
        int mode;
        const char *word, *shown;
    } cases[] = {
        {1, "Hund", "Hund"}, {2, "Hund", "HUND"}, {3, "Hund", "dnuH"}, {4, "Hund", "nHud"},
        {5, "Hund", "Hu__"}, {6, "Hund", "__nd"}, {7, "Hund", "dHnu"}, {8, "Hund", "_u__"},
        {9, "Hund", "H_nd"}, {10, "Hund", "H__d"}, {11, "Hund", "_u__"},
        {4, "Hunde", "enHud"}, {5, "Hunde", "Hu___"}, {6, "Hunde", "___de"}, {11, "Hunde", "_un__"},
        {0, "Hund", "Hund"}, {13, "Hund", "Hund"}, // no such mode: the word
        {2, "Straße", "STRAßE"}, {2, "élève cœur", "ÉLÈVE CŒUR"}, // one character for one
        {5, "a", "_"}, {6, "a", "_"}, {11, "a", "_"}, {10, "a", "a"}, {10, "ab", "ab"}, {10, "abc", "a_c"},
        {7, "Bär Bar", "aäBBrr"}, {7, "Maß", "aMß"}, {7, "élan", "aln"}, {7, "Straße", "aerSßt"},
        {8, "Öl", "Ö_"}, {9, "Ja, 3!", "J_,_3!"}, {4, "abc", "cab"}, {11, "Schule", "__hu__"},
        {3, "", ""}, {4, "", ""}, {5, "", ""}, {8, "", ""}, {10, "", ""}, {11, "", ""},
    };
    FixedRandom random;
    for (const auto &c : cases)
        EXPECT_EQ(presentWord(c.mode, QString::fromUtf8(c.word), random), QString::fromUtf8(c.shown))
            << c.mode << " " << c.word;
    EXPECT_EQ(random.draws, 0);
    EXPECT_EQ(presentationModeNames().join(u','),
              QStringLiteral("Normalwort,Großschrift,Umkehrwort,Purzelwort,Wortanfang,Wörterende,"
                             "ABC-Wörter,Selbstlaute,Mitlaute,Anfang+Ende,Wortmitte,Versteckt"));
}

// Mode 12 hides the word in a row of 30 random letters: 30 draws pick the
// letters, the 31st the place where the word starts.
TEST(PresentWord, HiddenAmongRandomLetters)
{
    const QString fillers = QStringLiteral("AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz");
    QList<double> values;
    QString row;
    for (int i = 0; i < 30; ++i) {
        values.append(i / 30.0);
        row += fillers[qsizetype(values[i] * 52)];
    }
    for (auto [word, place, at] : {std::tuple{QStringLiteral("Hund"), 0.0, 0}, {QStringLiteral("Hund"), 0.999, 20},
                                   {QStringLiteral("Hund"), 0.5, 10}, {QString(24, u'x'), 0.9, 0}, {QString(), 0.3, 7}}) {
        FixedRandom random(QList<double>(values) << place);
        EXPECT_EQ(presentWord(12, word, random), QString(row).replace(at, word.size(), word)) << word.toStdString();
        EXPECT_EQ(random.draws, 31);
    }
    FixedRandom random({0.7});
    EXPECT_EQ(presentWord(12, QString(25, u'y'), random), QString(25, u'y')); // too long to hide
}
// clang-format on
