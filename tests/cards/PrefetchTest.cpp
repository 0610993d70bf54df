// Reading ahead at the start: the early read is only ever taken when it is
// what the file holds now, and memory for large blocks keeps what is in it.
#include "cards/CardFile.h"
#include "cards/Memory.h"
#include "cards/Prefetch.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray twoCards("1, Affe, affig, Der Affe lacht.\r\n2, B\xe4r, B\xe4ren, Der B\xe4r brummt.\r\n");

} // namespace

TEST(Prefetch, TakenOnlyWhenItIsWhatTheFileHoldsNow)
{
    const struct {
        const char *name;
        std::function<void(const QString &file)> meanwhile; // after the read, before the load
        const char *loaded; // the file the load asks for
        bool taken; // the early read must be taken
    } rows[] = {
        {"an unchanged file", [](const QString &) {}, "ZEKCARD1.LST", true},
        {"a file saved again (replaced)",
         [](const QString &f) {
             writeBytes(f + ".neu", twoCards + "3, Zug, ziehen, Der Zug f\xe4hrt.\r\n");
             QFile::remove(f);
             QFile::rename(f + ".neu", f);
         },
         "ZEKCARD1.LST", false},
        {"a file written over in place", [](const QString &f) { writeBytes(f, "5, Zug, ziehen, Der Zug.\r\n"); },
         "ZEKCARD1.LST", false},
        {"a file removed", [](const QString &f) { QFile::remove(f); }, "ZEKCARD1.LST", false},
        {"another file", [](const QString &) {}, "ZEKCARD2.LST", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath(QStringLiteral("ZEKCARD1.LST"));
        writeBytes(file, twoCards);
        writeBytes(QDir(dir.path()).filePath(QStringLiteral("ZEKCARD2.LST")), "1, dog, puppy, The dog barks.\r\n");
        prefetchCardFile(file);
        waitForPrefetchedCardFile();
        row.meanwhile(file);
        const QString loaded = QDir(dir.path()).filePath(QLatin1String(row.loaded));
        const std::optional<CardFileIndex> early = takePrefetchedCardFile(loaded);
        ASSERT_EQ(early.has_value(), row.taken);
        if (early) {
            EXPECT_EQ(early->content().cards, readCardFile(readBytes(loaded)).cards);
        }
        EXPECT_FALSE(takePrefetchedCardFile(loaded).has_value()) << "taken once";
    }
}

TEST(Memory, WholeFilesReadAsTheyAre)
{
    QTemporaryDir dir;
    QByteArray large(3 * 1024 * 1024 + 17, 'x'); // large pages
    for (qsizetype i = 0; i < large.size(); i += 4099)
        large[i] = char(i % 251);
    const struct {
        const char *name;
        QByteArray bytes;
    } rows[] = {{"an empty file", {}}, {"two cards", twoCards}, {"three megabytes", large}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = QDir(dir.path()).filePath(QStringLiteral("f"));
        writeBytes(file, row.bytes);
        QByteArray read("old");
        EXPECT_TRUE(readWholeFile(file, read));
        EXPECT_EQ(read, row.bytes);
        std::shared_ptr<const void> keep;
        QByteArray inLargePages("old");
        EXPECT_TRUE(readWholeFileInLargePages(file, inLargePages, keep));
        EXPECT_EQ(inLargePages, row.bytes);
        EXPECT_EQ(bool(keep), !row.bytes.isEmpty()) << "an empty file takes no block";
    }
    for (const QString &path : {QDir(dir.path()).filePath(QStringLiteral("missing")), dir.path()}) {
        QByteArray read("old");
        EXPECT_FALSE(readWholeFile(path, read)) << path.toStdString();
        EXPECT_TRUE(read.isEmpty());
        std::shared_ptr<const void> keep;
        EXPECT_FALSE(readWholeFileInLargePages(path, read, keep)) << path.toStdString();
        EXPECT_TRUE(read.isEmpty());
    }
}
