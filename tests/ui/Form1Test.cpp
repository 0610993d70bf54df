#include "FormFixture.h"

#include <QSignalSpy>

using namespace zek;
using namespace zek::test;
using zek::ui::twipsRect;

namespace {

const QByteArray cards("2, Baum, B\xe4ume, Der Baum ist hoch.\r\n"
                       "1, B\xe4r, B\xe4rin, Der B\xe4r mag Honig.\r\n"
                       "3, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n"
                       "2, Hund, Hunde, Der Hund bellt.\r\n"
                       "0, Kuh, K\xfche, Die Kuh gibt Milch.\r\n"
                       "1, Zug, Z\xfcge, Der Zug f\xe4hrt ab.\r\n");

} // namespace

TEST_F(FormTest, MainWindowAsLaidOut)
{
    startWith(cards);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("ZEK-Rechtschreibkartei"));
    EXPECT_EQ(form().size(), twipsRect(0, 0, 9200, 6765).size());

    // positions in twips, scaled to pixels
    EXPECT_EQ(widget("Text3")->geometry(), twipsRect(1440, 4320, 6855, 1455));
    EXPECT_EQ(widget("Liste3")->geometry(), twipsRect(9120, 600, 2055, 6030));
    EXPECT_EQ(widget("Picture1")->geometry(), twipsRect(120, 6000, 495, 495));

    // a button whose window is not built yet is disabled
    for (const char *name : {"Bild1", "Bild11", "Bild7", "bild9", "Bild13", "Bild4", "Bild18", "Bild12",
                             "Bild8", "bild10", "Bild5", "Bild17", "Bild19", "Bild6", "Picture1"}) {
        auto *button = widget<QToolButton>(name);
        const bool opensAWindow = QByteArrayList{"Bild4", "Bild18", "Bild12", "Bild5", "Bild19", "Bild6"}.contains(name);
        EXPECT_EQ(button->isEnabled(), !opensAWindow) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
    EXPECT_EQ(widget("Bild4")->toolTip(), QStringLiteral("Wortfange"));

    EXPECT_EQ(label("Bezeichnung20")->text(), QStringLiteral(" 1"));
    EXPECT_EQ(label("Bezeichnung11")->text(), QStringLiteral("Freund"));
    EXPECT_EQ(label("Bezeichnung22")->text(), QStringLiteral("Z e i c h e n s a t z\nDeutsch"));
    EXPECT_EQ(label("Bezeichnung6")->text(), QStringLiteral(" 6"));
    EXPECT_EQ(label("Bezeichnung14")->text(), QStringLiteral("Wörter"));
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" B  ä  r "));
    EXPECT_EQ(label("Bezeichnung10")->font().family(), QStringLiteral("Comic Sans MS"));
    const char *counters[] = {"fehler2", "Bezeichnung1", "Bezeichnung2", "Bezeichnung3", "Bezeichnung4", "Bezeichnung5"};
    const char *expected[] = {"1", "2", "2", "1", "0", "0"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(label(counters[i])->text(), QString::fromLatin1(expected[i])) << counters[i];
    EXPECT_EQ(background(label("Bezeichnung17")), QColor(255, 128, 128));
    EXPECT_EQ(background(widget("Figur1")), QColor(128, 255, 128));
    EXPECT_TRUE(widget("Bild7")->isVisible());
    EXPECT_FALSE(widget("bild9")->isVisible());
    EXPECT_FALSE(widget("Liste2")->isVisible());
    EXPECT_EQ(widget<QListWidget>("Liste2")->count(), 12);
    EXPECT_TRUE(answerBox()->hasFocus());

    auto *characters = widget<QListWidget>("Liste3");
    ASSERT_EQ(characters->count(), 5);
    EXPECT_EQ(characters->item(2)->text(), QStringLiteral("Ä"));
    EXPECT_EQ(characters->item(4)->text(), QStringLiteral("ß"));
}

TEST_F(FormTest, TypingTheWordMovesTheCard)
{
    startWith(cards);
    type(QStringLiteral("B"));
    EXPECT_TRUE(label("Bezeichnung10")->text().isEmpty());
    EXPECT_EQ(background(answerBox()), QColor(Qt::white));

    type(QStringLiteral("x"));
    EXPECT_EQ(background(answerBox()), QColor(255, 0, 0));
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" B  ä  r "));
    backspace();
    EXPECT_EQ(background(answerBox()), QColor(Qt::white));
    EXPECT_TRUE(label("Bezeichnung10")->text().isEmpty());
    backspace();
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" B  ä  r "));

    type(QStringLiteral("Bär"));
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(label("Bezeichnung1")->text(), QStringLiteral("1"));
    EXPECT_EQ(label("Bezeichnung2")->text(), QStringLiteral("3"));
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" Z  u  g "));
}

TEST_F(FormTest, ClicksOnBoxesLevelModesAndCharacters)
{
    startWith(cards);
    click("Bezeichnung16"); // "Fach 2"
    EXPECT_EQ(background(widget("Figur1")), QColor(255, 192, 128));
    EXPECT_EQ(background(label("Bezeichnung6")), QColor(255, 192, 128));
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" B  a  u  m "));
    click("fehler2");
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" K  u  h "));
    EXPECT_EQ(background(widget("Figur1")), QColor(192, 192, 0));

    click("Bezeichnung20");
    EXPECT_EQ(label("Bezeichnung20")->text(), QStringLiteral("2"));

    click("Bild8");
    auto *modes = widget<QListWidget>("Liste2");
    EXPECT_TRUE(modes->isVisible());
    EXPECT_EQ(modes->currentRow(), 0);
    clickEntry("Liste2", 2); // "Umkehrwort"
    EXPECT_FALSE(modes->isVisible());
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" h  u  K "));
    EXPECT_TRUE(answerBox()->hasFocus());

    click("Bild17"); // the wide window shows the character list
    type(QStringLiteral("K"));
    clickEntry("Liste3", 0);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("KA"));
    EXPECT_EQ(background(answerBox()), QColor(255, 0, 0));
    EXPECT_TRUE(widget<QListWidget>("Liste3")->selectedItems().isEmpty());
}

TEST_F(FormTest, TypedUmlautsAndTheLongTextMessage)
{
    startWith(cards);
    platform.expectMessage();
    answerBox()->insert(QString(101, u'B'));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Texteingabe"));
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" B  ä  r "));
}

TEST_F(FormTest, WidthLanguageAndWordOrderButtons)
{
    startWith(cards);
    click("Bild17");
    EXPECT_EQ(form().width(), twipsRect(0, 0, 11460, 0).width());
    click("Bild17");
    EXPECT_EQ(form().width(), twipsRect(0, 0, 9200, 0).width());

    click("Bild13");
    EXPECT_EQ(label("Bezeichnung22")->text(), QStringLiteral("Z e i c h e n s a t z\nEnglisch"));
    EXPECT_EQ(label("Bezeichnung10")->text(), QStringLiteral(" d  o  g "));
    EXPECT_EQ(widget<QListWidget>("Liste3")->item(0)->text(), QStringLiteral("E"));
    click("Bild13");
    EXPECT_EQ(label("Bezeichnung22")->text(), QStringLiteral("Z e i c h e n s a t z\nFranzösisch"));
    EXPECT_EQ(widget<QListWidget>("Liste3")->item(2)->text(), QStringLiteral("ç"));

    random.setValues({0.0});
    platform.expectMessage();
    click("Bild7");
    EXPECT_FALSE(widget("Bild7")->isVisible());
    EXPECT_TRUE(widget("bild9")->isVisible());
    EXPECT_EQ(platform.messages().back().text, QStringLiteral("Wortauswahl in zufälliger Reihenfolge!"));
}

TEST_F(FormTest, ClosingTheWindowAsksTheExitQuestion)
{
    startWith(cards);
    type(QStringLiteral("Bär"));
    QSignalSpy quit(program.get(), &ui::Program::quitRequested);

    platform.expectMessage(Answer::No);
    EXPECT_FALSE(form().close());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(german(), cards);

    platform.expectMessage(Answer::Yes);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(quit.size(), 1);
    QByteArray expected = cards;
    expected.replace("1, B\xe4r", "2, B\xe4r");
    EXPECT_EQ(german(), expected);
}

TEST_F(FormTest, UserNameButton)
{
    startWith(cards);
    platform.expectInput(QStringLiteral("Mia"));
    platform.expectMessage();
    click("Picture1");
    EXPECT_EQ(label("Bezeichnung11")->text(), QStringLiteral("Mia"));
}
