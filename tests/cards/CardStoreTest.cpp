// The card store's own cases; how loading and saving behave for the child
// and the teacher (failed saves, read-only folders, damaged files) is tested
// through the main window.
#include "cards/AtomicFile.h"
#include "cards/CardStore.h"
#include "cards/Folder.h"
#include "cards/Languages.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray threeCards("1, Affe, affig, Der Affe lacht.\r\n"
                            "2, B\xe4r, B\xe4ren, Der B\xe4r brummt.\r\n"
                            "5, Zug, ziehen, Der Zug f\xe4hrt.\r\n");

// A card store on the German cards, written under name, in a temporary folder.
struct Store {
    explicit Store(const char *name = "ZEKCARD1.LST")
    {
        writeBytes(file(name), threeCards);
        EXPECT_TRUE(store.loadCardList(german));
    }
    QString file(const char *name = "ZEKCARD1.LST") const { return QDir(dir.path()).filePath(QLatin1String(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
    FakePlatform platform;
    CardStore store{dir.path(), platform};
    const QString german = QStringLiteral("ZEKCARD1.LST");
};

} // namespace

TEST(CardStore, RefusesACharacterOutsideWindows1252AndKeepsTheNameFound)
{
    Store s("zekcard1.lst");
    s.store.setBox(1, QStringLiteral("Ω"));
    s.platform.expectMessage();
    EXPECT_FALSE(s.store.saveCardList(s.german));
    EXPECT_EQ(s.platform.messages().back().title + u'|' + s.platform.messages().back().text,
              QStringLiteral("Speicherfehler|Die Karteikarten wurden nicht gespeichert!\r"
                             "Das Zeichen 'Ω' lässt sich in der Datei 'ZEKCARD1.LST' nicht speichern.\rDie Datei bleibt, wie sie war.\r"));
    s.store.setBox(1, QStringLiteral("3"));
    EXPECT_TRUE(s.store.saveCardList(s.german));
    EXPECT_EQ(s.files(), QStringList{"zekcard1.lst"});
    EXPECT_EQ(readBytes(s.file("zekcard1.lst")), QByteArray(threeCards).replace("2, B\xe4r", "3, B\xe4r"));
}

// Which card folder the program works on.
TEST(CardFolder, GivenWorkingOrTheUsersOwnMadeOnce)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    for (const char *folder : {"given", "work", "box", "home", "class/Anna"})
        dir.mkpath(QLatin1String(folder));
    writeBytes(dir.filePath("box/zekcard2.lst"), "1, dog, puppy, The dog barks.\r\n"); // one file of a box is enough
    writeBytes(dir.filePath("class/Anna/ZEKCARD1.LST"), threeCards);
    const QString home = dir.filePath("home"), own = dir.filePath("home/ZEK-Rechtschreibkartei");
    const struct {
        QStringList arguments;
        const char *working;
        QString folder, error;
        bool classMode = false;
    } cases[] = {
        {{"given"}, "", dir.filePath("given"), {}},
        {{"missing"}, "", {}, "Den Ordner \u201emissing\u201c gibt es nicht.\rDie ZEK-Rechtschreibkartei wird beendet."},
        {{}, "box", dir.filePath("box"), {}},
        {{}, "class", own, {}}, // the desktop starts in the home folder, which holds the user's own box
        {{}, "work", own, {}},
        {{"class"}, "", dir.filePath("class"), {}, true},
        {{"--klasse", "given"}, "", dir.filePath("given"), {}, true},
        {{"--klasse", "neu/Klasse 3b"}, "", dir.filePath("neu/Klasse 3b"), {}, true}, // made, as ~/ZEK-Klasse is
        {{"--klasse"}, "box", dir.filePath("home/ZEK-Klasse"), {}, true},
    };
    for (const auto &c : cases) {
        if (c.arguments.value(0) != u"--klasse") {
            // the rule the start reads ahead by names the same folder, and makes nothing
            const bool ownThere = QFileInfo::exists(own);
            EXPECT_EQ(cardBoxFolderFor(c.arguments, dir.filePath(QLatin1String(c.working)), home),
                      c.folder.isEmpty() ? dir.filePath(c.arguments.value(0)) : c.folder);
            EXPECT_EQ(QFileInfo::exists(own), ownThere);
        }
        const CardFolderChoice choice = chooseCardFolder(c.arguments, dir.filePath(QLatin1String(c.working)), home, sampleFolder());
        EXPECT_EQ(choice.folder + u'|' + choice.error, c.folder + u'|' + c.error);
        EXPECT_EQ(choice.classMode, c.classMode) << c.arguments.join(u' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
    EXPECT_EQ(QDir(dir.filePath("home/ZEK-Klasse")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(readBytes(QDir(own).filePath("ZEKCARD1.LST")), readBytes(QDir(sampleFolder()).filePath("ZEKCARD1.LST")));
    writeBytes(QDir(own).filePath("ZEKCARD1.LST"), threeCards); // the boxes reached
    EXPECT_EQ(chooseCardFolder({}, dir.filePath("work"), home, sampleFolder()).folder, own);
    EXPECT_EQ(readBytes(QDir(own).filePath("ZEKCARD1.LST")), threeCards);
}

// How the drill's answers reach the file: the box digits written where they
// stand (the same file kept) or the whole file saved (a new file), and
// either way the bytes that the whole save writes for the cards.
TEST(CardStore, SavesAnswersInPlaceOrWhole)
{
    const struct {
        const char *name;
        QByteArray file;
        const char *steps; // "0=2": the drill's box for card 0; "rebox 0=2": the editor's; "touch": another program writes the file
        const char *saves; // the file after each save: kept or new
        const char *boxes; // in the file at the end
    } rows[] = {
        {"a promotion", threeCards, "0=2 save", "kept", "225"},
        {"two cards in one save", threeCards, "0=2 1=3 save", "kept", "235"},
        {"back to box 1", threeCards, "2=1 save", "kept", "121"},
        {"to box 10", threeCards, "1=10 save", "new", "1105"},
        {"after a whole save, in place at the new places", threeCards, "0=10 save 2=6 save", "new kept", "1026"},
        {"a box field with a blank in front", " " + threeCards, "1=3 save", "new", "135"},
        {"a box of two digits", "12" + threeCards.mid(1), "0=3 save 2=1 save", "new kept", "321"},
        {"another program wrote the file", threeCards, "touch 0=2 save", "new", "225"},
        {"LF line ends", QByteArray(threeCards).replace("\r\n", "\n"), "0=2 save", "new", "225"},
        {"two blanks after a comma", QByteArray(threeCards).replace("1, Affe", "1,  Affe"), "0=2 save", "new", "225"},
        {"an empty line at the end", threeCards + "\r\n", "0=2 save", "new", "225"},
        {"the editor's change", threeCards, "rebox 0=2 save", "new", "225"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("ZEKCARD1.LST");
        writeBytes(path, row.file);
        FakePlatform platform;
        CardStore store(dir.path(), platform);
        ASSERT_TRUE(store.loadCardList("ZEKCARD1.LST"));
        QStringList saves;
        for (const QString &step : QString::fromUtf8(row.steps).split(u' ')) {
            if (step == u"save") {
                const ino_t before = identityOf(path).inode;
                ASSERT_TRUE(store.saveCardList("ZEKCARD1.LST"));
                saves << (identityOf(path).inode == before ? "kept" : "new");
            } else if (step == u"touch") {
                writeBytes(path, row.file);
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
            } else if (step == u"rebox") {
                continue;
            } else {
                const qsizetype card = step.section(u'=', 0, 0).toInt();
                const QString box = step.section(u'=', 1);
                if (QString::fromUtf8(row.steps).contains(QStringLiteral("rebox")))
                    store.reboxCard(card, box);
                else
                    store.setBox(card, box);
            }
        }
        EXPECT_EQ(saves.join(u' '), QString::fromUtf8(row.saves));
        QByteArray whole;
        ASSERT_TRUE(writeCardFile(store.cards(), whole));
        EXPECT_EQ(readBytes(path), whole);
        QString boxes;
        for (const CardEntry &card : readCardFile(readBytes(path)).cards)
            boxes += card.box;
        EXPECT_EQ(boxes, QString::fromUtf8(row.boxes));
    }
}
