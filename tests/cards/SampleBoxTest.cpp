#include "cards/CardFile.h"
#include "cards/Language.h"

#include "TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

TEST(SampleBox, CardFilesRoundTripAndAreFitForTheDrill)
{
    struct Case {
        const char *file;
        qsizetype atLeast;
    };
    for (const Case &c : {Case{"ZEKCARD1.LST", 80}, Case{"ZEKCARD2.LST", 40}, Case{"ZEKCARD3.LST", 40}}) {
        SCOPED_TRACE(c.file);
        const QByteArray bytes = readBytes(QDir(sampleFolder()).filePath(QLatin1String(c.file)));
        const CardFileContent content = readCardFile(bytes);
        ASSERT_TRUE(content.complete());
        EXPECT_GE(content.cards.size(), c.atLeast);

        QByteArray again;
        ASSERT_TRUE(writeCardFile(content.cards, again));
        EXPECT_EQ(again, bytes);

        const BoxCounts counts = countBoxes(content.cards);
        EXPECT_EQ(counts.total, content.cards.size());
        for (int box = 0; box <= 6; ++box)
            EXPECT_GT(counts.perBox[box], 0) << "box " << box;
        for (qsizetype i = 0; i < content.cards.size(); ++i) {
            const CardEntry &card = content.cards[i];
            EXPECT_FALSE(card.baseWord.isEmpty() || card.relatedWord.isEmpty() || card.phrase.isEmpty());
            EXPECT_TRUE(card.phrase.contains(card.baseWord, Qt::CaseInsensitive)
                        || card.phrase.contains(card.relatedWord, Qt::CaseInsensitive))
                << card.phrase.toStdString();
            if (i > 0) {
                EXPECT_LE(compareBaseWords(content.cards[i - 1].baseWord, card.baseWord), 0)
                    << card.baseWord.toStdString();
            }
        }
    }
}

TEST(SampleBox, LanguageFileHoldsTheLettersOfEachLanguage)
{
    const QStringList sets =
        readLanguageLines(readBytes(QDir(sampleFolder()).filePath("ZEKCARDS.INI")));
    ASSERT_EQ(sets.size(), 3);
    for (QChar c : QStringLiteral("ÄÖÜäöüßAZaz"))
        EXPECT_TRUE(sets[0].contains(c)) << QString(c).toStdString();
    for (QChar c : QStringLiteral("éèêàçœæ"))
        EXPECT_TRUE(sets[2].contains(c)) << QString(c).toStdString();
}

TEST(BaseWordOrder, CaseAndAccentsDoNotDecide)
{
    struct Case {
        const char *a, *b;
        int sign;
    };
    const Case cases[] = {
        {"Hund", "hund", 0}, {"Apfel", "Ast", -1}, {"Bär", "Baum", -1}, {"Bär", "Bar", 0},
        {"Straße", "Strasse", 0}, {"Zebra", "apfel", 1}, {"élève", "école", 1}, {"œuf", "oeuf", 0},
    };
    for (const Case &c : cases) {
        const int r = compareBaseWords(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " " << c.b;
    }
}
