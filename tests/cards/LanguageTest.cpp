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
    const struct {
        QByteArray file;
        QStringList lines;
    } cases[] = {
        {"ABC\r\nDEF\nGHI\r", {"ABC", "DEF", "GHI"}},
        {"A\r\nB\r\nC", {"A", "B", "C"}},
        {"A\r\nB\r\nC\r\nD\r\n", {"A", "B", "C"}},
        {"A B\r\n,\"\r\n\r\n", {"A B", ",\"", ""}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"\xc4\xdf\r\nx\r\n\x9c\xe7\r\n", {"Äß", "x", "œç"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readLanguageLines(c.file), c.lines) << c.file.toStdString();
}

TEST(LanguageFile, SwitchCyclesThroughTheThreeLanguages)
{
    QTemporaryDir dir;
    writeBytes(QDir(dir.path()).filePath("zekcards.ini"), "DE\r\nEN\r\nFR\r\n");
    FakePlatform platform;
    Language language;
    language.readLanguageFile(dir.path(), platform);
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(language.advance());
        seen << language.code() + language.currentCharacterSet() + language.caption();
    }
    EXPECT_EQ(seen, (QStringList{"DDEZ e i c h e n s a t z\rDeutsch", "EENZ e i c h e n s a t z\rEnglisch",
                                 "FFRZ e i c h e n s a t z\rFranzösisch", "DDEZ e i c h e n s a t z\rDeutsch"}));
    language.setCode(QStringLiteral("X"));
    EXPECT_FALSE(language.advance());

    // a missing or short file: the built-in set for all three
    writeBytes(QDir(dir.path()).filePath("zekcards.ini"), "abc\r\ndef\r\n");
    platform.expectMessage();
    language.readLanguageFile(dir.path(), platform);
    EXPECT_EQ(platform.messages().back().title + platform.messages().back().text,
              QStringLiteral("ZeichenDie Sprachdatei 'ZEKCARDS.INI' fehlt."));
    EXPECT_EQ(language.characterSets(), QStringList(3, QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZß")));
}
