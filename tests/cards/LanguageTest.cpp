#include "cards/Language.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace zek;

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
