#include "cards/CardList.h"
#include "cards/Language.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

TEST(LanguageFile, LinesAreTakenWhole)
{
    struct Case {
        const char *name;
        QByteArray file;
        QStringList lines;
    };
    const Case cases[] = {
        {"CR LF", "ABC\r\nDEF\r\nGHI\r\n", {"ABC", "DEF", "GHI"}},
        {"LF and CR", "ABC\nDEF\rGHI\n", {"ABC", "DEF", "GHI"}},
        {"no line end after the third", "ABC\r\nDEF\r\nGHI", {"ABC", "DEF", "GHI"}},
        {"a fourth line is not read", "A\r\nB\r\nC\r\nD\r\n", {"A", "B", "C"}},
        {"blanks, commas and quotes are characters", "A B\r\n,\"\r\n \r\n", {"A B", ",\"", " "}},
        {"an empty third line", "A\r\nB\r\n\r\n", {"A", "B", ""}},
        {"two lines", "A\r\nB\r\n", {"A", "B"}},
        {"empty file", "", {}},
        {"umlauts", "\xc4\xd6\xdc\xe4\xf6\xfc\xdf\r\nx\r\n\x9c\xe6\xe7\r\n",
         {"ÄÖÜäöüß", "x", "œæç"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readLanguageLines(c.file), c.lines);
    }
}

TEST(LanguageFile, MissingOrShortFileGivesTheBuiltInSet)
{
    const QString builtIn = QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZß");
    EXPECT_EQ(builtInCharacterSet(), builtIn);
    for (const char *content : {static_cast<const char *>(nullptr), "abc\r\ndef\r\n"}) {
        SCOPED_TRACE(content ? "two lines" : "missing");
        QTemporaryDir dir;
        if (content)
            writeBytes(QDir(dir.path()).filePath("ZEKCARDS.INI"), content);
        FakePlatform platform;
        platform.expectMessage();
        Language language;
        language.readLanguageFile(dir.path(), platform);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Zeichen"));
        EXPECT_EQ(platform.messages()[0].text, QStringLiteral("Die Sprachdatei 'ZEKCARDS.INI' fehlt."));
        EXPECT_EQ(language.characterSets(), QStringList(3, builtIn));
    }
}

TEST(LanguageFile, SwitchCyclesThroughTheThreeLanguages)
{
    QTemporaryDir dir;
    writeBytes(QDir(dir.path()).filePath("zekcards.ini"), "DE\r\nEN\r\nFR\r\nXX\r\n");
    FakePlatform platform;
    Language language;
    language.readLanguageFile(dir.path(), platform);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(language.code(), QStringLiteral("F"));

    struct Step {
        const char *code, *set, *caption, *file;
    };
    const Step steps[] = {
        {"D", "DE", "Z e i c h e n s a t z\rDeutsch", "ZEKCARD1.LST"},
        {"E", "EN", "Z e i c h e n s a t z\rEnglisch", "ZEKCARD2.LST"},
        {"F", "FR", "Z e i c h e n s a t z\rFranzösisch", "ZEKCARD3.LST"},
        {"D", "DE", "Z e i c h e n s a t z\rDeutsch", "ZEKCARD1.LST"},
    };
    for (const Step &s : steps) {
        ASSERT_TRUE(language.advance());
        EXPECT_EQ(language.code(), QString::fromUtf8(s.code));
        EXPECT_EQ(language.currentCharacterSet(), QString::fromUtf8(s.set));
        EXPECT_EQ(language.caption(), QString::fromUtf8(s.caption));
        EXPECT_EQ(cardFileName(language.code()), QString::fromUtf8(s.file));
    }

    language.setCode(QStringLiteral("X"));
    EXPECT_FALSE(language.advance());
    EXPECT_EQ(language.code(), QStringLiteral("X"));
    EXPECT_EQ(language.currentCharacterSet(), QStringLiteral("DE"));
}
