#include "cards/CardFile.h"
#include "cards/Cp1252.h"

#include "TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

TEST(CardFile, ReadsTheStreamOfFields)
{
    const struct {
        const char *name;
        QByteArray file;
        CardList cards;
    } cases[] = {
        {"empty file", "", {}},
        {"empty related word and phrase", "2, Ball, , \r\n", {CardEntry("2", "Ball", "", "")}},
        {"separators without blanks", "2,Ball,,\r\n", {CardEntry("2", "Ball", "", "")}},
        {"umlauts one byte each", "3, K\xe4se, \x9c, gro\xdf\r\n", {CardEntry("3", "Käse", "œ", "groß")}},
        {"LF, CR and no line end", "1, a, b, c\n2, d, e, f\r3, g, h, i", {CardEntry("1", "a", "b", "c"), CardEntry("2", "d", "e", "f"), CardEntry("3", "g", "h", "i")}},
        {"empty and blank lines passed over", "\r\n1, a, b, c\r\n\r\n  \r\n", {CardEntry("1", "a", "b", "c")}},
        {"blanks in front skipped, behind kept", "  1,    Hund ,  Hunde,\tbellt \r\n", {CardEntry("1", "Hund ", "Hunde", "\tbellt ")}},
        {"quotes as they stand", "1, \"Hund\", \"a, b\r\n", {CardEntry("1", "\"Hund\"", "\"a", "b")}},
        {"a card may span lines", "1, a\r\nb, c\r\n", {CardEntry("1", "a", "b", "c")}},
        {"a last comma ends one more field", "1, a, b,", {CardEntry("1", "a", "b", "")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CardFileContent content = readCardFile(c.file);
        EXPECT_EQ(content.cards, c.cards);
        EXPECT_TRUE(content.complete());
    }
    const CardFileContent twoFields = readCardFile("1, a, b, c\r\n4, Rest\r\n");
    EXPECT_EQ(twoFields.fieldCounts, (std::array<qsizetype, 4>{2, 2, 1, 1}));
    EXPECT_EQ(twoFields.cards.back(), CardEntry("4", "Rest", "", ""));
}

// The index of a file says of every card what reading the whole file says:
// its box, whether it has a base word, the card itself, the field counts.
TEST(CardFile, TheIndexAgreesWithTheWholeRead)
{
    const struct {
        const char *name;
        QByteArray file;
    } rows[] = {
        {"empty file", ""},
        {"one card", "2, Ball, B\xe4lle, der Ball rollt\r\n"},
        {"box texts that are no box", "7, a, b, c\r\n 1, d, e, f\r\n10, g, h, i\r\n, j, k, l\r\nx, m, n, o\r\n"},
        {"empty base words", "1, , b, c\r\n2,,,\r\n"},
        {"a card spanning lines, then one after a comma", "1, a\r\nb, c, 2, d, e, f\r\n"},
        {"empty and blank lines between cards", "\r\n\r\n  \r\n1, a, b, c\r\n\r\n3, d, e, f"},
        {"an incomplete last card", "1, a, b, c\r\n4, Rest\r\n"},
        {"a last comma", "1, a, b,"},
        {"lone CRs and LFs", "1, a, b, c\r2, d, e, f\n0, g, h, i"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const CardFileContent whole = readCardFile(row.file);
        const CardFileIndex index(row.file);
        ASSERT_EQ(index.size(), whole.cards.size());
        EXPECT_EQ(index.fieldCounts(), whole.fieldCounts);
        for (qsizetype i = 0; i < index.size(); ++i) {
            EXPECT_EQ(index.card(i), whole.cards[i]) << i;
            EXPECT_EQ(index.boxNumber(i), boxNumber(whole.cards[i].box)) << i;
            EXPECT_EQ(index.hasBaseWord(i), !whole.cards[i].baseWord.isEmpty()) << i;
        }
        EXPECT_EQ(index.content().cards, whole.cards);
    }
}

// The fields are read as pieces of the file's one decoded text: each stays
// whole and 0-terminated after the list is gone, and changing one, also as
// the text's last holder, leaves the others as they were.
TEST(CardFile, AFieldOutlivesItsListAndChangesAlone)
{
    QString kept, last;
    CardEntry card;
    {
        CardList cards = readCardFile("1, Hund, Hunde, der Hund bellt\r\n2, Katze, , miaut").cards;
        kept = cards[0].relatedWord;
        card = cards[1];
        cards[0].baseWord += QStringLiteral("hütte");
        EXPECT_EQ(cards[0].relatedWord, u"Hunde");
        last = cards[0].phrase;
    }
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t *>(kept.utf16())), u"Hunde");
    last.append(QStringLiteral(" laut")); // the text's last holder but for card and kept
    card.phrase.append(QStringLiteral(" leise"));
    EXPECT_EQ(last, u"der Hund bellt laut");
    EXPECT_EQ(kept, u"Hunde");
    EXPECT_EQ(card, CardEntry("2", "Katze", "", "miaut leise"));

    // a line longer than the blocks the text is decoded in, and one at the end
    const QByteArray longWord(40000, 'w');
    const CardList cards = readCardFile("1, a, b, c\r\n2, " + longWord + ", x, y\r\n3, d, e, " + longWord).cards;
    ASSERT_EQ(cards.size(), 3);
    EXPECT_EQ(cards[1], CardEntry("2", QString::fromLatin1(longWord), "x", "y"));
    EXPECT_EQ(cards[2], CardEntry("3", "d", "e", QString::fromLatin1(longWord)));
}

// Every byte but comma, blank and line ends survives a load and a save, in
// the sample box too; a character Windows-1252 cannot hold is refused.
TEST(CardFile, WritesBackByteForByte)
{
    QByteArray file;
    for (int b = 0; b < 256; ++b) {
        const QByteArray c(1, char(b));
        if (b != ',' && b != '\r' && b != '\n' && b != ' ')
            file += "1, a" + c + "b, " + c + ", x " + c + " \r\n";
    }
    file += "0, , , \r\n";
    for (const char *name : {"ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        file += readBytes(QDir(sampleFolder()).filePath(QLatin1String(name)));
    QByteArray again;
    const CardFileContent content = readCardFile(file);
    ASSERT_TRUE(content.complete());
    ASSERT_TRUE(writeCardFile(content.cards, again));
    EXPECT_EQ(again, file);
    EXPECT_EQ(cp1252::decode("\x80\x81\x9f\xff"), QStringLiteral("€\u0081Ÿÿ"));

    QChar bad;
    EXPECT_FALSE(writeCardFile({CardEntry("1", "Hund", "", ""), CardEntry("1", "Ŝip", "", "")}, again, &bad));
    EXPECT_EQ(bad, QChar(u'Ŝ'));
    for (char16_t u : {char16_t(0x0080), u'Ω', u'中', char16_t(0x2028)})
        EXPECT_FALSE(cp1252::canEncode(QChar(u))) << int(u);
}

TEST(CardFile, TheSampleBoxIsSortedAndFitForTheDrill)
{
    for (const char *name : {"ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"}) {
        SCOPED_TRACE(name);
        const CardList cards = readCardFile(readBytes(QDir(sampleFolder()).filePath(QLatin1String(name)))).cards;
        EXPECT_GE(cards.size(), 40);
        const BoxCounts counts = countBoxes(cards);
        EXPECT_EQ(counts.total, cards.size());
        EXPECT_EQ(std::count(counts.perBox.begin(), counts.perBox.end(), 0), 0);
        for (qsizetype i = 1; i < cards.size(); ++i)
            EXPECT_LE(compareBaseWords(cards[i - 1].baseWord, cards[i].baseWord), 0) << cards[i].baseWord.toStdString();
    }
    const struct {
        const char *a, *b;
        int sign;
    } order[] = {{"Hund", "hund", 0}, {"Apfel", "Ast", -1}, {"Bär", "Baum", -1}, {"Bär", "Bar", 0}, {"Straße", "Strasse", 0}, {"Zebra", "apfel", 1}, {"élève", "école", 1}, {"œuf", "oeuf", 0}};
    for (const auto &c : order) {
        const int r = compareBaseWords(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " " << c.b;
    }
}
