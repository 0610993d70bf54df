#include "TrainerFixture.h"

#include <QSignalSpy>


using namespace zek;
using namespace zek::test;

namespace {

using MainWindowTest = TrainerTest;

// n German cards in box 1, sorted.
QByteArray cards(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += "1, Wort" + QByteArray::number(100 + i) + ", Worte, Ein Wort.\r\n";
    return bytes;
}

const QByteArray sample("1, Apfel, \xc4pfel, Der Apfel ist rot.\r\n"
                        "2, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n"
                        "2, Hund, Hunde, Der Hund bellt.\r\n");

} // namespace

TEST(StartUp, EndsWhenAFileOfTheCardBoxIsMissing)
{
    for (const char *missing : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"}) {
        SCOPED_TRACE(missing);
        Trainer t;
        t.writeBox(sample);
        QFile::remove(t.path(missing));
        t.platform.expectMessage();
        EXPECT_FALSE(t.main.startUp());
        EXPECT_EQ(t.lastMessage().title, QStringLiteral("ZEKKarte abbrechen"));
        EXPECT_EQ(t.lastMessage().text, QStringLiteral("Die Installation ist so nicht vollständig,\r"
                                                       "der Programmstart wird abgebrochen!\r"));
        EXPECT_FALSE(t.store.isLoaded());
    }
}

TEST_F(MainWindowTest, LowerCaseFileNamesCount)
{
    writeBox(sample);
    ASSERT_TRUE(QFile::rename(path("ZEKCARD2.LST"), path("zekcard2.lst")));
    ASSERT_TRUE(QFile::rename(path("ZEKCARD1.LST"), path("Zekcard1.Lst")));
    EXPECT_EQ(MainWindow::installationFilesFound(dir.path()), 4);
    ASSERT_TRUE(main.startUp());
    EXPECT_EQ(store.cards().size(), 3);
}

TEST_F(MainWindowTest, StartsInGermanOnBoxOneAtLevelOne)
{
    start(sample);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(main.language().code(), QStringLiteral("D"));
    EXPECT_EQ(main.language().caption(), QStringLiteral("Z e i c h e n s a t z\rDeutsch"));
    EXPECT_EQ(main.language().currentCharacterSet(), QStringLiteral("ABCÄ"));
    EXPECT_EQ(shared.currentCardFile, QStringLiteral("ZEKCARD1.LST"));
    EXPECT_EQ(drill.levelDigit(), QStringLiteral(" 1"));
    EXPECT_EQ(drill.currentBox(), 1);
    EXPECT_EQ(drill.mode(), 1);
    EXPECT_EQ(drill.wordOrder(), WordOrder::Alphabetical);
    EXPECT_EQ(drill.paintedBox(), 1);
    EXPECT_EQ(shared.targetText, QStringLiteral("Apfel"));
    EXPECT_EQ(drill.counts().perBox[2], 2);
    EXPECT_EQ(main.userName(), QStringLiteral("Freund"));
    EXPECT_FALSE(main.isWide());
}

TEST_F(MainWindowTest, LanguageButtonCyclesAndSavesFirst)
{
    start(sample);
    platform.expectMessage(); // box 1 is empty afterwards
    type(QStringLiteral("Apfel"));
    main.switchLanguage();
    EXPECT_EQ(main.language().code(), QStringLiteral("E"));
    EXPECT_TRUE(german().startsWith("2, Apfel"));
    EXPECT_EQ(shared.targetText, QStringLiteral("dog"));
    EXPECT_EQ(main.language().currentCharacterSet(), QStringLiteral("XYZ"));

    main.switchLanguage();
    EXPECT_EQ(shared.currentCardFile, QStringLiteral("ZEKCARD3.LST"));
    EXPECT_EQ(main.language().caption(), QStringLiteral("Z e i c h e n s a t z\rFranzösisch"));
    platform.expectMessage(); // German box 1 is empty
    main.switchLanguage();
    EXPECT_EQ(shared.currentCardFile, QStringLiteral("ZEKCARD1.LST"));
    EXPECT_EQ(store.cards()[0].box, QStringLiteral("2"));
}

TEST_F(MainWindowTest, FailedSaveKeepsTheLanguage)
{
    start(sample);
    platform.expectMessage(); // box 1 is empty afterwards
    type(QStringLiteral("Apfel"));
    platform.takeMessages();

    platform.expectMessage();
    {
        FileSizeLimit fullDisk(8);
        main.switchLanguage();
    }

    EXPECT_EQ(lastMessage().title, QStringLiteral("Speicherfehler"));
    EXPECT_EQ(main.language().code(), QStringLiteral("D"));
    EXPECT_EQ(store.cards()[0].box, QStringLiteral("2"));
    EXPECT_EQ(german(), sample);
}

TEST_F(MainWindowTest, GamesNeedWordsAndATarget)
{
    struct Case {
        int words;
        Window window;
        const char *refusal; // nullptr: opens
    };
    const Case cases[] = {
        {17, Window::Memory, "Memoryspiel abbrechen"},
        {18, Window::Memory, nullptr},
        {1, Window::Hangman, nullptr},
        {1, Window::WordPrison, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.words);
        Trainer t;
        t.start(cards(c.words));
        QSignalSpy opened(&t.main, &MainWindow::windowRequested);
        if (c.refusal)
            t.platform.expectMessage();
        EXPECT_EQ(t.main.openWindow(c.window), c.refusal == nullptr);
        EXPECT_EQ(opened.size(), c.refusal ? 0 : 1);
        if (c.refusal) {
            EXPECT_EQ(t.lastMessage().title, QString::fromLatin1(c.refusal));
            EXPECT_EQ(t.lastMessage().text, QStringLiteral("Es sind nicht genügend Wörter vorhanden!\r\r"));
        }
    }
}

TEST_F(MainWindowTest, EmptyCardListOpensOnlyTheEditor)
{
    platform.expectMessage(); // "Fach 1": nothing to draw
    start("");
    platform.takeMessages();
    QSignalSpy opened(&main, &MainWindow::windowRequested);
    EXPECT_FALSE(main.openWindow(Window::Hangman));
    EXPECT_FALSE(main.openWindow(Window::WordPrison));
    EXPECT_TRUE(platform.messages().empty());

    for (const char *answer : {"", "x"}) {
        platform.expectInput(QString::fromLatin1(answer)); // empty: Cancel
        main.editorPrompt();
    }
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].value<Window>(), Window::Editor);
    EXPECT_EQ(platform.inputs()[0].title, QStringLiteral("Passwortabfrage"));
    EXPECT_EQ(platform.inputs()[0].prompt, QStringLiteral("Geben Sie das Passwort ein:"));
    EXPECT_TRUE(platform.inputs()[0].defaultText.isEmpty());
}

TEST_F(MainWindowTest, EditorPromptWantsTheCurrentWord)
{
    start(sample);
    QSignalSpy opened(&main, &MainWindow::windowRequested);
    for (const char *answer : {"", "apfel", "Apfel "}) {
        platform.expectInput(QString::fromLatin1(answer));
        main.editorPrompt();
    }
    EXPECT_EQ(opened.size(), 0);
    platform.expectInput(QStringLiteral("Apfel"));
    main.editorPrompt();
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(MainWindowTest, ReturnFromAnotherWindowRestoresTheDrill)
{
    start(sample);
    drill.nextLevel();
    drill.nextLevel(); // level 3
    drill.chooseBox(2);
    type(QStringLiteral("Haus"));
    type(QStringLiteral("Häuser"));
    type(QStringLiteral("Das Haus ist groß.")); // Haus moves to box 3
    drill.toggleModeList();
    drill.chooseMode(4);

    ASSERT_TRUE(main.openWindow(Window::Hangman));
    EXPECT_EQ(main.storedBox(), QStringLiteral("2"));
    EXPECT_EQ(main.storedLevel(), QStringLiteral("3"));
    EXPECT_EQ(main.storedMode(), QStringLiteral("5"));
    EXPECT_TRUE(german().contains("3, Haus"));

    // the other window leaves its traces in the shared values
    shared.currentBox = 4;
    shared.level = 1;
    shared.mode = 2;
    main.activate();
    EXPECT_EQ(drill.currentBox(), 2);
    EXPECT_EQ(drill.level(), 3);
    EXPECT_EQ(drill.mode(), 5);
    EXPECT_EQ(drill.card().baseWord, QStringLiteral("Hund"));
    EXPECT_EQ(drill.wordDisplay(), QStringLiteral(" H  u  _  _ "));
    EXPECT_EQ(drill.counts().perBox[3], 1);
}

TEST_F(MainWindowTest, WordShowIsGivenTheCurrentCard)
{
    start(sample);
    ASSERT_TRUE(main.openWindow(Window::WordShow));
    const WordShowHandover &h = main.wordShowHandover();
    EXPECT_EQ(h.baseWord, QStringLiteral("Apfel"));
    EXPECT_EQ(h.relatedWord, QStringLiteral("Äpfel"));
    EXPECT_EQ(h.phrase, QStringLiteral("Der Apfel ist rot."));
    EXPECT_EQ(h.position, QStringLiteral("1"));
    EXPECT_EQ(h.lastCard, 3);
}

TEST_F(MainWindowTest, FailedSaveDoesNotOpenAWindow)
{
    start(sample);
    platform.expectMessage(); // box 1 is empty afterwards
    type(QStringLiteral("Apfel"));
    QDir(dir.path()).removeRecursively();
    QSignalSpy opened(&main, &MainWindow::windowRequested);
    platform.expectMessage();
    EXPECT_FALSE(main.openWindow(Window::WordShow));
    EXPECT_EQ(opened.size(), 0);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Speicherfehler"));
}

TEST_F(MainWindowTest, ExitAsksAndSavesOnlyOnYes)
{
    start(sample);
    platform.expectMessage(); // box 1 is empty afterwards
    type(QStringLiteral("Apfel"));
    QSignalSpy quit(&main, &MainWindow::quitRequested);

    platform.expectMessage(Answer::No);
    EXPECT_FALSE(main.exit());
    const Message &question = lastMessage();
    EXPECT_EQ(question.title, QStringLiteral("ZEK-Rechtschreibkartei"));
    EXPECT_EQ(question.text, QStringLiteral("Die ZEK-Rechtschreibkartei beenden?\r"));
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Critical);
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_EQ(german(), sample);
    EXPECT_EQ(quit.size(), 0);

    platform.expectMessage(Answer::Yes);
    EXPECT_TRUE(main.exit());
    QByteArray expected = sample;
    expected[0] = '2';
    EXPECT_EQ(german(), expected);
    EXPECT_EQ(quit.size(), 1);
}

TEST_F(MainWindowTest, SessionEndSavesWithoutAsking)
{
    start(sample);
    platform.expectMessage(); // box 1 is empty afterwards
    type(QStringLiteral("Apfel"));
    EXPECT_TRUE(main.endSession());
    EXPECT_TRUE(german().startsWith("2, Apfel"));
}

TEST_F(MainWindowTest, UserNameAndWidth)
{
    start(sample);
    platform.expectInput(QString());
    main.changeUserName();
    EXPECT_EQ(main.userName(), QStringLiteral("Freund"));
    EXPECT_EQ(platform.inputs()[0].title, QStringLiteral("Benutzername"));
    EXPECT_EQ(platform.inputs()[0].prompt, QStringLiteral("Neuer Name:"));
    EXPECT_EQ(platform.inputs()[0].defaultText, QStringLiteral("Freund"));

    platform.expectInput(QStringLiteral("Lena"));
    platform.expectMessage();
    main.changeUserName();
    EXPECT_EQ(main.userName(), QStringLiteral("Lena"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Neuer Name: Lena"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Der Benutzername wurde geändert.\r"
                                                 "Die Karteikarten bleiben wie gesetzt.\r\r\r"));
    EXPECT_EQ(german(), sample);

    main.toggleWidth();
    EXPECT_TRUE(main.isWide());
    main.toggleWidth();
    EXPECT_FALSE(main.isWide());
}
