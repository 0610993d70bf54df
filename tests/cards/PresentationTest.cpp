#include "cards/Presentation.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

struct Case {
    int mode;
    const char *word;
    const char *shown;
};

QString u8(const char *text) { return QString::fromUtf8(text); }

} // namespace

TEST(PresentWord, FixedModes)
{
    const Case cases[] = {
        // the worked results for Hund and Hunde
        {1, "Hund", "Hund"}, {2, "Hund", "HUND"}, {3, "Hund", "dnuH"}, {4, "Hund", "nHud"},
        {5, "Hund", "Hu__"}, {6, "Hund", "__nd"}, {7, "Hund", "dHnu"}, {8, "Hund", "_u__"},
        {9, "Hund", "H_nd"}, {10, "Hund", "H__d"}, {11, "Hund", "_u__"},
        {4, "Hunde", "enHud"}, {5, "Hunde", "Hu___"}, {6, "Hunde", "___de"}, {11, "Hunde", "_un__"},
        // a mode outside 1 to 12 shows the word
        {0, "Hund", "Hund"}, {13, "Hund", "Hund"}, {-1, "Hund", "Hund"},
        // capitals: one character for one, "ß" stays
        {2, "Straße", "STRAßE"}, {2, "Käse öl über", "KÄSE ÖL ÜBER"}, {2, "élève", "ÉLÈVE"},
        {2, "cœur", "CŒUR"},
        // one letter
        {5, "a", "_"}, {6, "a", "_"}, {11, "a", "_"}, {10, "a", "a"}, {10, "", ""},
        {10, "ab", "ab"}, {10, "abc", "a_c"},
        // alphabetical: capitals first, umlaut after its letter, unknown characters dropped
        {7, "Ball", "aBll"}, {7, "Bär Bar", "aäBBrr"}, {7, "Maß", "aMß"}, {7, "élan", "aln"},
        {7, "Straße", "aerSßt"},
        {8, "Öl", "Ö_"}, {9, "Öl", "_l"}, {9, "Ja, 3!", "J_,_3!"}, {8, "Baum", "_au_"},
        {3, "", ""}, {4, "", ""}, {5, "", ""}, {8, "", ""}, {11, "", ""},
        {4, "a", "a"}, {4, "ab", "ab"}, {4, "abc", "cab"},
        {11, "Schule", "__hu__"},
    };
    FixedRandom random;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + c.word);
        EXPECT_EQ(presentWord(c.mode, u8(c.word), random), u8(c.shown));
    }
    EXPECT_EQ(random.draws, 0);
}

TEST(PresentWord, HiddenAmongRandomLetters)
{
    const QString fillers = QStringLiteral("AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz");
    struct HiddenCase {
        QString word;
        double place;   // the draw that places the word
        qsizetype at;   // where the word then starts (from 0)
    };
    const HiddenCase cases[] = {
        {QStringLiteral("Hund"), 0.0, 0},
        {QStringLiteral("Hund"), 0.999, 20},    // p = 21 = 25 - 4: ends at 24
        {QStringLiteral("Hund"), 0.5, 10},
        {QString(24, u'x'), 0.9, 0},            // only one place for 24 letters
        {QString(), 0.3, 7},
    };
    for (const HiddenCase &c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        FixedRandom random;
        QList<double> values;
        for (int i = 0; i < 30; ++i)
            values.append(i / 30.0);
        values.append(c.place);
        random.setValues(values);
        const QString shown = presentWord(12, c.word, random);
        EXPECT_EQ(random.draws, 31);
        ASSERT_EQ(shown.size(), 30);
        EXPECT_EQ(shown.mid(c.at, c.word.size()), c.word);
        for (qsizetype i = 0; i < 30; ++i) {
            if (i < c.at || i >= c.at + c.word.size()) {
                EXPECT_EQ(shown[i], fillers[qsizetype(values[i] * 52)]) << i;
            }
        }
    }

    // 25 letters and more: the word alone
    FixedRandom random({0.7});
    const QString long25(25, u'y');
    EXPECT_EQ(presentWord(12, long25, random), long25);

    // the row holds only letters of the filler alphabet besides the word
    Random real;
    for (int i = 0; i < 200; ++i) {
        const QString shown = presentWord(12, QStringLiteral("ß"), real);
        ASSERT_EQ(shown.size(), 30);
        const qsizetype at = shown.indexOf(u'ß');
        ASSERT_GE(at, 0);
        ASSERT_LE(at, 23);
        for (qsizetype k = 0; k < 30; ++k) {
            if (k != at) {
                ASSERT_TRUE(fillers.contains(shown[k])) << shown.toStdString();
            }
        }
    }
}

TEST(PresentWord, ModeNames)
{
    EXPECT_EQ(presentationModeNames(),
              (QStringList{"Normalwort", "Großschrift", "Umkehrwort", "Purzelwort", "Wortanfang",
                           "Wörterende", "ABC-Wörter", "Selbstlaute", "Mitlaute", "Anfang+Ende",
                           "Wortmitte", "Versteckt"}));
}
