#include "TrainerFixture.h"

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray fourBoxes("2, Baum, B\xe4ume, Der Baum ist hoch.\r\n"
                           "3, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n"
                           "2, Hund, Hunde, Der Hund bellt.\r\n"
                           "0, Kuh, K\xfche, Die Kuh gibt Milch.\r\n"
                           "5, Zug, Z\xfcge, Der Zug f\xe4hrt ab.\r\n"
                           "1, Zwerg, Zwerge, Der Zwerg ist klein.\r\n");

using DrillTest = TrainerTest;

} // namespace

TEST_F(DrillTest, LevelOneMovesTheCardOneBoxUp)
{
    start(fourBoxes);
    drill.chooseBox(2);
    EXPECT_EQ(drill.card().baseWord, QStringLiteral("Baum"));
    EXPECT_EQ(drill.wordDisplay(), QStringLiteral(" B  a  u  m "));
    const BoxCounts before = drill.counts();

    type(QStringLiteral("Bau"));
    EXPECT_TRUE(drill.wordDisplay().isEmpty());
    EXPECT_FALSE(drill.answerIsRed());
    type(QStringLiteral("m"));

    EXPECT_EQ(drill.counts().perBox[2], before.perBox[2] - 1);
    EXPECT_EQ(drill.counts().perBox[3], before.perBox[3] + 1);
    EXPECT_EQ(drill.counts().total, before.total);
    EXPECT_EQ(store.cards()[0].box, QStringLiteral("3"));
    EXPECT_EQ(drill.card().baseWord, QStringLiteral("Hund")); // the next card of box 2
    EXPECT_EQ(drill.wordDisplay(), QStringLiteral(" H  u  n  d "));
    EXPECT_TRUE(drill.answerText().isEmpty());
}

TEST(DrillLevels, HigherLevelsAskRelatedWordAndPhrase)
{
    struct Case {
        int level;
        QStringList steps; // what must be typed, in order
    };
    const Case cases[] = {
        {1, {"Hund"}},
        {2, {"Hund", "Hunde"}},
        {3, {"Hund", "Hunde", "Der Hund bellt."}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.level);
        Trainer t;
        t.start("1, Hund, Hunde, Der Hund bellt.\r\n1, Katze, K\xe4tzchen, Die Katze schnurrt.\r\n");
        while (t.drill.level() != c.level)
            t.drill.nextLevel();
        for (qsizetype i = 0; i < c.steps.size(); ++i) {
            EXPECT_EQ(t.shared.targetText, c.steps[i]);
            EXPECT_EQ(t.store.cards()[0].box, QStringLiteral("1")) << "moved too early";
            if (i > 0) { // shown as it is: no presentation mode, no spacing
                EXPECT_EQ(t.drill.wordDisplay(), c.steps[i]);
            }
            t.type(c.steps[i]);
        }
        EXPECT_EQ(t.store.cards()[0].box, QStringLiteral("2"));
        EXPECT_EQ(t.drill.card().baseWord, QStringLiteral("Katze"));
    }
}

TEST(DrillLevels, StepsFollowACounterAndEmptyFieldsCountAsTyped)
{
    struct Case {
        const char *name;
        QByteArray file;
        QStringList steps;
    };
    const Case cases[] = {
        {"related word equals base word", "1, Rad, Rad, Das Rad rollt.\r\n", {"Rad", "Rad", "Das Rad rollt."}},
        {"phrase equals related word", "1, Eis, eisig, eisig\r\n", {"Eis", "eisig", "eisig"}},
        {"empty related word", "1, Eis, , Das Eis ist kalt.\r\n", {"Eis", "Das Eis ist kalt."}},
        {"empty related word and phrase", "1, Eis, , \r\n", {"Eis"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Trainer t;
        t.start(c.file);
        t.drill.nextLevel();
        t.drill.nextLevel(); // level 3
        t.platform.expectMessage(); // box 1 is empty once the card has moved
        for (const QString &step : c.steps) {
            ASSERT_EQ(t.shared.targetText, step);
            t.type(step);
        }
        EXPECT_EQ(t.store.cards()[0].box, QStringLiteral("2"));
        EXPECT_EQ(t.lastMessage().title, QStringLiteral("Fach 1"));
    }
}

TEST_F(DrillTest, BoxFiveGoesToLearntAndErrorBoxToOne)
{
    start(fourBoxes);
    const qsizetype total = drill.counts().total;
    for (int box : {5, 0}) {
        SCOPED_TRACE(box);
        drill.chooseBox(box);
        const qsizetype position = drill.card().position;
        platform.expectMessage(); // the box is empty afterwards
        type(drill.card().baseWord);
        EXPECT_EQ(store.cards()[position].box, QString::number(box + 1));
        EXPECT_EQ(drill.counts().perBox[box], 0);
        EXPECT_EQ(drill.counts().total, total);
    }
    EXPECT_EQ(drill.counts().perBox[6], 1);
    EXPECT_EQ(drill.counts().perBox[1], 2);
}

TEST_F(DrillTest, WrongCharacterTurnsTheAnswerRedAndShowsTheWord)
{
    start(fourBoxes);
    drill.chooseBox(3); // Haus
    struct Step {
        const char *answer;
        bool red;
        bool wordShown;
    };
    const Step steps[] = {
        {"h", true, true},    // not in Haus: case counts
        {"a", false, false},  // a occurs in the word
        {"Hau", false, false},
        {"Hax", true, true},
        {"Ha", false, false}, // deleted back to a correct beginning
        {"", false, true},    // everything deleted
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.answer);
        drill.checkAnswer(QString::fromUtf8(s.answer));
        EXPECT_EQ(drill.answerIsRed(), s.red);
        EXPECT_EQ(drill.wordDisplay(), s.wordShown ? QStringLiteral(" H  a  u  s ") : QString());
        EXPECT_EQ(drill.answerText(), QString::fromUtf8(s.answer));
    }
    EXPECT_EQ(store.cards()[1].box, QStringLiteral("3"));
}

TEST_F(DrillTest, EmptyBoxSaysSoUntilAnotherBoxIsChosen)
{
    start(fourBoxes);
    platform.expectMessage();
    drill.chooseBox(4);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Fach 4"));
    EXPECT_EQ(platform.messages()[0].text, QStringLiteral("Dieses Fach ist leer, bitte\rein anderes Fach wählen!\r"));
    EXPECT_TRUE(shared.targetText.isEmpty());
    EXPECT_EQ(drill.card().position, -1);

    platform.expectMessage();
    drill.checkAnswer(QStringLiteral("x"));
    EXPECT_EQ(platform.messages().size(), 2u);
    EXPECT_TRUE(drill.answerText().isEmpty());

    drill.chooseBox(1);
    EXPECT_EQ(shared.targetText, QStringLiteral("Zwerg"));
    EXPECT_EQ(platform.messages().size(), 2u);
}

TEST_F(DrillTest, RandomOrderDrawsUntilTheBoxMatches)
{
    start(fourBoxes);
    random.setValues({0.9}); // 0.9 * 6 = 5: Zwerg, the card of box 1
    platform.expectMessage();
    drill.toggleWordOrder();
    EXPECT_EQ(drill.card().position, 5);
    EXPECT_EQ(platform.messages().back().title, QStringLiteral("Wortauswahl"));
    EXPECT_EQ(platform.messages().back().text, QStringLiteral("Wortauswahl in zufälliger Reihenfolge!"));
    EXPECT_EQ(drill.wordOrder(), WordOrder::Random);

    // positions 0.1 * 6 = 0 (box 2), 0.6 * 6 = 3 (box 0), 0.4 * 6 = 2 (box 2)
    random.setValues({0.6, 0.4});
    drill.chooseBox(2);
    EXPECT_EQ(drill.card().position, 2);
    random.setValues({0.99, 0.5, 0.05});
    drill.drawCard();
    EXPECT_EQ(drill.card().position, 0);

    platform.expectMessage();
    drill.toggleWordOrder();
    EXPECT_EQ(platform.messages().back().text, QStringLiteral("Wortauswahl nach der ABC-Reihenfolge!"));
    EXPECT_EQ(drill.wordOrder(), WordOrder::Alphabetical);
}

TEST_F(DrillTest, LevelDigitCyclesAndExplains)
{
    start(fourBoxes);
    EXPECT_EQ(drill.levelDigit(), QStringLiteral(" 1"));
    for (const char *digit : {"2", "3", "1"}) {
        drill.nextLevel();
        EXPECT_EQ(drill.levelDigit(), QString::fromLatin1(digit));
    }
    platform.expectMessage();
    drill.explainLevels();
    EXPECT_EQ(platform.messages().back().title, QStringLiteral("Schwierigkeitsstufe"));
    EXPECT_EQ(platform.messages().back().text,
              QStringLiteral("1 --> Nur das Lernwort schreiben\r2 --> Verwandtes Wort zusätzlich\r"
                             "3 --> Auch Satzbeispiel eingeben\r\r(Zum Ändern die Ziffer anklicken)\r"));
}

TEST_F(DrillTest, ModeListChoosesThePresentation)
{
    start(fourBoxes);
    drill.chooseMode(2); // the list is hidden: nothing is chosen
    EXPECT_EQ(drill.mode(), 1);
    drill.toggleModeList();
    EXPECT_TRUE(drill.modeListVisible());
    drill.chooseMode(2);
    EXPECT_FALSE(drill.modeListVisible());
    EXPECT_EQ(drill.mode(), 3);
    EXPECT_EQ(drill.wordDisplay(), QStringLiteral(" g  r  e  w  Z ")); // Zwerg reversed
    drill.toggleModeList();
    drill.toggleModeList();
    EXPECT_FALSE(drill.modeListVisible());
}

TEST_F(DrillTest, CharacterListAppendsToTheAnswer)
{
    start(fourBoxes);
    drill.chooseBox(2);
    for (const char *c : {"B", "a", "u"})
        drill.insertCharacter(QString::fromLatin1(c));
    EXPECT_EQ(drill.answerText(), QStringLiteral("Bau"));
    drill.insertCharacter(QStringLiteral("m"));
    EXPECT_EQ(store.cards()[0].box, QStringLiteral("3"));
    EXPECT_TRUE(drill.answerText().isEmpty());
}

TEST_F(DrillTest, TooLongTextIsRefused)
{
    const QString phrase(120, u'a');
    start("1, aa, aaa, " + phrase.toLatin1() + "\r\n");
    platform.expectMessage();
    drill.checkAnswer(QString(101, u'a'));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Texteingabe"));
    EXPECT_EQ(platform.messages()[0].text, QStringLiteral("Der Text ist zu lang!\r"));
    EXPECT_TRUE(drill.answerText().isEmpty());
    EXPECT_EQ(drill.wordDisplay(), QStringLiteral(" a  a "));

    // a phrase longer than 100 characters can still be typed
    drill.nextLevel();
    drill.nextLevel();
    type(QStringLiteral("aa"));
    type(QStringLiteral("aaa"));
    EXPECT_EQ(drill.answerLimit(), 120);
    platform.expectMessage(); // box 1 is empty afterwards
    drill.checkAnswer(phrase);
    EXPECT_EQ(store.cards()[0].box, QStringLiteral("2"));
}

TEST_F(DrillTest, CardViewShowsTheWholeCard)
{
    start(fourBoxes);
    drill.chooseBox(2);
    platform.expectMessage();
    drill.showCard();
    EXPECT_EQ(platform.messages().back().title, QStringLiteral("ZEK-Karteikarte:  Fach 2"));
    EXPECT_EQ(platform.messages().back().text,
              QStringLiteral("B  a  u  m \r\rBäume\r\rDer Baum ist hoch.\r\r\r"));
}
