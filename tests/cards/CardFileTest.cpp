#include "cards/CardFile.h"
#include "cards/Cp1252.h"

#include <gtest/gtest.h>

using namespace zek;

namespace {

QByteArray bytes(const char *latin1Text) { return QByteArray(latin1Text); }

CardEntry card(const char *box, const char *base, const char *related, const char *phrase)
{
    return {QString::fromUtf8(box), QString::fromUtf8(base), QString::fromUtf8(related),
            QString::fromUtf8(phrase)};
}

struct ReadCase {
    const char *name;
    QByteArray file;
    CardList cards;
};

} // namespace

TEST(CardFileReader, ReadsTheStreamOfFields)
{
    const ReadCase cases[] = {
        {"empty file", bytes(""), {}},
        {"one card", bytes("1, Hund, Hunde, Der Hund bellt.\r\n"),
         {card("1", "Hund", "Hunde", "Der Hund bellt.")}},
        {"empty related word and phrase", bytes("2, Ball, , \r\n"), {card("2", "Ball", "", "")}},
        {"separators without blanks", bytes("2,Ball,,\r\n"), {card("2", "Ball", "", "")}},
        {"umlauts one byte each", bytes("3, K\xe4se, k\xe4sig, Der K\xe4se riecht.\r\n"),
         {card("3", "Käse", "käsig", "Der Käse riecht.")}},
        {"lone LF ends a line", bytes("1, a, b, c\n2, d, e, f\n"),
         {card("1", "a", "b", "c"), card("2", "d", "e", "f")}},
        {"lone CR ends a line", bytes("1, a, b, c\r2, d, e, f\r"),
         {card("1", "a", "b", "c"), card("2", "d", "e", "f")}},
        {"empty lines are passed over", bytes("\r\n\r\n1, a, b, c\r\n\r\n\n  \r\n2, d, e, f\r\n\r\n"),
         {card("1", "a", "b", "c"), card("2", "d", "e", "f")}},
        {"last line without line end", bytes("1, a, b, c\r\n2, d, e, f"),
         {card("1", "a", "b", "c"), card("2", "d", "e", "f")}},
        {"blanks in front of a field are skipped", bytes("  1,    Hund,  Hunde,   bellt\r\n"),
         {card("1", "Hund", "Hunde", "bellt")}},
        {"blanks at the end of a field stay", bytes("1, Hund  , Hunde , bellt \r\n"),
         {card("1", "Hund  ", "Hunde ", "bellt ")}},
        {"a tab is no blank", bytes("1, \tHund, b, c\r\n"), {card("1", "\tHund", "b", "c")}},
        {"quotes are read as they stand", bytes("1, \"Hund\", \"a, b\r\n"),
         {card("1", "\"Hund\"", "\"a", "b")}},
        {"a card may span lines", bytes("1, a\r\nb, c\r\n"), {card("1", "a", "b", "c")}},
        {"a comma before the end of the file ends one more field", bytes("1, a, b,"),
         {card("1", "a", "b", "")}},
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.name);
        const CardFileContent content = readCardFile(c.file);
        EXPECT_EQ(content.cards, c.cards);
        EXPECT_TRUE(content.complete());
    }
}

TEST(CardFileReader, IncompleteLastCardKeepsItsFields)
{
    QByteArray file;
    for (int i = 0; i < 11; ++i)
        file += "1, Wort" + QByteArray::number(i) + ", Verwandt, Satz\r\n";
    file += "4, Rest\r\n"; // the twelfth card ends after two fields
    const CardFileContent content = readCardFile(file);
    EXPECT_FALSE(content.complete());
    EXPECT_EQ(content.fieldCounts, (std::array<qsizetype, 4>{12, 12, 11, 11}));
    ASSERT_EQ(content.cards.size(), 12);
    EXPECT_EQ(content.cards.back(), card("4", "Rest", "", ""));
    EXPECT_EQ(content.cards[10], card("1", "Wort10", "Verwandt", "Satz"));
}

TEST(CardFileWriter, WritesOneLinePerCard)
{
    struct Case {
        const char *name;
        CardList cards;
        QByteArray file;
    };
    const Case cases[] = {
        {"no cards, no bytes", {}, bytes("")},
        {"full card", {card("3", "Haus", "Häuser", "Das Haus ist groß.")},
         bytes("3, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n")},
        {"empty fields keep their separators", {card("1", "Ball", "", "")}, bytes("1, Ball, , \r\n")},
        {"two cards", {card("0", "a", "b", "c"), card("6", "d", "e", "f")},
         bytes("0, a, b, c\r\n6, d, e, f\r\n")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray out;
        ASSERT_TRUE(writeCardFile(c.cards, out));
        EXPECT_EQ(out, c.file);
        EXPECT_EQ(readCardFile(out).cards, c.cards);
    }
}

TEST(CardFileWriter, RefusesCharactersOutsideTheCodePage)
{
    QByteArray out;
    QChar bad;
    EXPECT_FALSE(writeCardFile({card("1", "Hund", "Hunde", "ok"), card("1", "Ŝip", "", "")}, out, &bad));
    EXPECT_EQ(bad, QChar(u'Ŝ'));
}

// Every byte but the comma and the line ends survives a load and a save;
// blanks in front of a field are the reading rule's and are left out here.
TEST(CardFileRoundTrip, EveryAllowedByteSurvives)
{
    QByteArray allowed;
    for (int b = 0; b < 256; ++b)
        if (b != ',' && b != '\r' && b != '\n' && b != ' ')
            allowed.append(char(b));
    QByteArray file;
    for (qsizetype i = 0; i < allowed.size(); i += 7) {
        const QByteArray chunk = allowed.mid(i, 7);
        // a blank inside and at the end of a field survives too
        file += QByteArray::number(i % 7) + ", " + chunk + " x, " + chunk.left(2) + " , "
              + chunk.right(3) + "\r\n";
    }
    const CardFileContent content = readCardFile(file);
    ASSERT_TRUE(content.complete());
    QByteArray again;
    ASSERT_TRUE(writeCardFile(content.cards, again));
    EXPECT_EQ(again, file);
}
