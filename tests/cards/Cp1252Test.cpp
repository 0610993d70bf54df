#include "cards/Cp1252.h"

#include <gtest/gtest.h>

using namespace zek;

TEST(Cp1252, EveryByteDecodesAndEncodesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    QByteArray back;
    ASSERT_TRUE(cp1252::encode(text, back));
    EXPECT_EQ(back, all);
}

TEST(Cp1252, CharactersOfTheCodePage)
{
    struct Case {
        unsigned char byte;
        char16_t unicode;
    };
    const Case cases[] = {
        {0xE4, u'ä'}, {0xDF, u'ß'}, {0xE7, u'ç'}, {0x80, u'€'}, {0x9C, u'œ'},
        {0x84, u'„'}, {0x9F, u'Ÿ'}, {0x81, 0x0081}, {0x9D, 0x009D}, {0xFF, u'ÿ'},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.byte));
        const QString text = cp1252::decode(QByteArray(1, char(c.byte)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.unicode);
        QByteArray out;
        EXPECT_TRUE(cp1252::encode(QString(QChar(c.unicode)), out));
        EXPECT_EQ(out, QByteArray(1, char(c.byte)));
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefused)
{
    for (char16_t u : {char16_t(0x0080), char16_t(0x0100), u'ĉ', u'Ω', u'中', char16_t(0x2028)}) {
        SCOPED_TRACE(int(u));
        EXPECT_FALSE(cp1252::canEncode(QChar(u)));
        QByteArray out("x");
        QChar bad;
        EXPECT_FALSE(cp1252::encode(QStringLiteral("ab") + QChar(u), out, &bad));
        EXPECT_EQ(bad, QChar(u));
    }
    EXPECT_EQ(cp1252::firstUnencodable(QStringLiteral("Straße Ω")), 7);
    EXPECT_EQ(cp1252::firstUnencodable(QStringLiteral("Straße €")), -1);
}
