#include "cards/CardStore.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>


using namespace zek;
using namespace zek::test;

namespace {

class CardStoreTest : public ::testing::Test {
protected:
    CardStoreTest() { shared.currentCardFile = QStringLiteral("ZEKCARD1.LST"); }

    QString file(const QString &name = QStringLiteral("ZEKCARD1.LST")) const
    {
        return QDir(dir.path()).filePath(name);
    }

    QTemporaryDir dir;
    SharedState shared;
    FakePlatform platform;
    CardStore store{dir.path(), shared, platform};
};

const QByteArray threeCards("1, Affe, affig, Der Affe lacht.\r\n"
                            "2, B\xe4r, B\xe4ren, Der B\xe4r brummt.\r\n"
                            "5, Zug, ziehen, Der Zug f\xe4hrt.\r\n");

} // namespace

TEST(BoxCounting, CountsEachBoxTextExactly)
{
    CardList cards;
    for (const char *box : {"0", "1", "1", "2", "3", "4", "5", "5", "5", "6", "7", " 1", "", "11", "a"})
        cards.append({QString::fromLatin1(box), QStringLiteral("w"), {}, {}});
    const BoxCounts counts = countBoxes(cards);
    EXPECT_EQ(counts.perBox, (std::array<qsizetype, 7>{1, 2, 1, 1, 1, 3, 1}));
    EXPECT_EQ(counts.total, 10);
    EXPECT_EQ(countBoxes({}).total, 0);
}

TEST(BoxCounting, EntryCountTextAndFileNames)
{
    EXPECT_EQ(entryCountText(0), QStringLiteral("Kein Eintrag"));
    EXPECT_EQ(entryCountText(1), QStringLiteral(" 1 Eintrag"));
    EXPECT_EQ(entryCountText(12), QStringLiteral(" 12 Einträgen"));
    EXPECT_EQ(entryCountText(32767), QStringLiteral(" 32767 Einträgen"));
    EXPECT_EQ(cardFileName(QStringLiteral("D")), QStringLiteral("ZEKCARD1.LST"));
    EXPECT_EQ(cardFileName(QStringLiteral("E")), QStringLiteral("ZEKCARD2.LST"));
    EXPECT_EQ(cardFileName(QStringLiteral("F")), QStringLiteral("ZEKCARD3.LST"));
    for (const char *code : {"", "d", "G", "DE"})
        EXPECT_TRUE(cardFileName(QString::fromLatin1(code)).isEmpty()) << code;
}

TEST_F(CardStoreTest, LoadsAndWritesBackByteForByte)
{
    writeBytes(file(), threeCards);
    ASSERT_TRUE(store.loadCardList());
    ASSERT_EQ(store.cards().size(), 3);
    EXPECT_EQ(store.cards()[1].baseWord, QStringLiteral("Bär"));
    EXPECT_FALSE(store.isChanged());

    store.setBox(1, QStringLiteral("3"));
    ASSERT_TRUE(store.saveCardList());
    QByteArray expected = threeCards;
    expected.replace("2, B\xe4r", "3, B\xe4r");
    EXPECT_EQ(readBytes(file()), expected);

    store.setBox(1, QStringLiteral("2"));
    ASSERT_TRUE(store.saveCardList());
    EXPECT_EQ(readBytes(file()), threeCards);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(CardStoreTest, EmptyFileIsAnEmptyList)
{
    writeBytes(file(), "");
    ASSERT_TRUE(store.loadCardList());
    EXPECT_TRUE(store.isLoaded());
    EXPECT_TRUE(store.cards().isEmpty());
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(CardStoreTest, UnchangedListIsNotWritten)
{
    writeBytes(file(), threeCards);
    ASSERT_TRUE(store.loadCardList());
    // a second copy of the program saves new boxes in the meantime
    const QByteArray other = "6, Affe, affig, Der Affe lacht.\r\n";
    writeBytes(file(), other);
    ASSERT_TRUE(store.saveCardList());
    EXPECT_EQ(readBytes(file()), other);
}

TEST_F(CardStoreTest, IncompleteLastCardIsReportedAndKept)
{
    QByteArray bytes;
    for (int i = 0; i < 11; ++i)
        bytes += "1, Wort" + QByteArray::number(i) + ", wortig, Ein Wort.\r\n";
    bytes += "2, Zebra\r\n";
    writeBytes(file(), bytes);
    platform.expectMessage();
    ASSERT_TRUE(store.loadCardList());
    ASSERT_EQ(platform.messages().size(), 1u);
    const Message &m = platform.messages()[0];
    EXPECT_EQ(m.title, QStringLiteral("Dateifehler"));
    EXPECT_EQ(m.text, QStringLiteral("In der Datei steckt ein Fehler, es\r"
                                     "müssen immer Viererblöcke sein!\r"
                                     "( Listenzahlen:  12 11 11 12 )\r\r"));
    EXPECT_EQ(m.buttons, Buttons::Ok);
    ASSERT_EQ(store.cards().size(), 12);

    // an unchanged save leaves the file alone; a changed one keeps the fields
    ASSERT_TRUE(store.saveCardList());
    EXPECT_EQ(readBytes(file()), bytes);
    store.setBox(0, QStringLiteral("2"));
    ASSERT_TRUE(store.saveCardList());
    EXPECT_TRUE(readBytes(file()).endsWith("\r\n2, Zebra, , \r\n"));
}

TEST_F(CardStoreTest, MissingFileIsReportedAndNeverWritten)
{
    platform.expectMessage();
    EXPECT_FALSE(store.loadCardList());
    EXPECT_FALSE(store.isLoaded());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Dateifehler"));
    EXPECT_EQ(platform.messages()[0].text,
              QStringLiteral("Die Kartei 'ZEKCARD1.LST' kann nicht gelesen werden.\r"
                             "Die Datei wird nicht überschrieben.\r"));
    EXPECT_TRUE(store.saveCardList());
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(CardStoreTest, UnreadableFileIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ZEKCARD1.LST")));
    platform.expectMessage();
    EXPECT_FALSE(store.loadCardList());
    EXPECT_TRUE(store.saveCardList());
    EXPECT_TRUE(QFileInfo(file()).isDir());
}

// However a save fails, it says so, the old file stays byte for byte and the
// list stays in memory, so the next save can still write it.
TEST(FailedSave, LeavesTheOldFileAndTheListAsTheyWere)
{
    enum class Refusal { FullDisk, ReadOnlyFolder, Character };
    struct Case {
        const char *name;
        Refusal refusal;
        const char *box; // the box the first card is given
    };
    const Case cases[] = {
        {"full disk", Refusal::FullDisk, "4"},
        {"read-only folder", Refusal::ReadOnlyFolder, "4"},
        {"character outside Windows-1252", Refusal::Character, "Ω"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath("ZEKCARD1.LST");
        writeBytes(file, threeCards);
        SharedState shared;
        shared.currentCardFile = QStringLiteral("ZEKCARD1.LST");
        FakePlatform platform;
        CardStore store(dir.path(), shared, platform);
        ASSERT_TRUE(store.loadCardList());
        store.setBox(0, QString::fromUtf8(c.box));

        bool saved = true;
        {
            std::optional<FileSizeLimit> fullDisk;
            std::optional<ReadOnlyFolder> readOnly;
            if (c.refusal == Refusal::FullDisk)
                fullDisk.emplace(16);
            if (c.refusal == Refusal::ReadOnlyFolder && !readOnly.emplace(dir.path()).made())
                continue; // this file system cannot make a folder read-only
            platform.expectMessage();
            saved = store.saveCardList();
        }
        EXPECT_FALSE(saved);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Speicherfehler"));
        EXPECT_TRUE(platform.messages()[0].text.startsWith(
            QStringLiteral("Die Karteikarten wurden nicht gespeichert!\r")));
        if (c.refusal == Refusal::Character) {
            EXPECT_TRUE(platform.messages()[0].text.contains(QStringLiteral("'Ω'")));
        }
        EXPECT_EQ(readBytes(file), threeCards);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ZEKCARD1.LST")});
        EXPECT_EQ(store.cards()[0].box, QString::fromUtf8(c.box));
        EXPECT_TRUE(store.isChanged());
    }
}

TEST_F(CardStoreTest, SaveAfterAFailureWritesTheList)
{
    writeBytes(file(), threeCards);
    ASSERT_TRUE(store.loadCardList());
    store.setBox(2, QStringLiteral("6"));
    platform.expectMessage();
    {
        FileSizeLimit fullDisk(16);
        EXPECT_FALSE(store.saveCardList());
    }
    EXPECT_TRUE(store.saveCardList());
    EXPECT_TRUE(readBytes(file()).endsWith("6, Zug, ziehen, Der Zug f\xe4hrt.\r\n"));

    // the folder vanishes while the program runs
    store.setBox(2, QStringLiteral("5"));
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    platform.expectMessage();
    EXPECT_FALSE(store.saveCardList());
    EXPECT_EQ(store.cards()[2].box, QStringLiteral("5"));
}

TEST_F(CardStoreTest, FileNameInAnyCaseIsFoundAndKept)
{
    writeBytes(file(QStringLiteral("zekcard1.lst")), threeCards);
    ASSERT_TRUE(store.loadCardList());
    EXPECT_EQ(store.cards().size(), 3);
    store.setBox(0, QStringLiteral("2"));
    ASSERT_TRUE(store.saveCardList());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("zekcard1.lst")});
    EXPECT_TRUE(readBytes(file(QStringLiteral("zekcard1.lst"))).startsWith("2, Affe"));
}

TEST_F(CardStoreTest, MoreCardsThanAListHoldsLoadWhole)
{
    const qsizetype n = maxCards + 1000;
    QByteArray bytes;
    for (qsizetype i = 0; i < n; ++i)
        bytes += "3, W" + QByteArray::number(i) + ", v, s\r\n";
    writeBytes(file(), bytes);
    ASSERT_TRUE(store.loadCardList());
    ASSERT_EQ(store.cards().size(), n);
    EXPECT_EQ(store.cards().back().baseWord, QStringLiteral("W%1").arg(n - 1));
    EXPECT_EQ(countBoxes(store.cards()).perBox[3], n);
    store.setBox(n - 1, QStringLiteral("4"));
    ASSERT_TRUE(store.saveCardList());
    bytes.replace(bytes.size() - QByteArray("3, W33766, v, s\r\n").size(), 1, "4");
    EXPECT_EQ(readBytes(file()), bytes);
}
