// What the main window itself does: it mirrors the drill, hands clicks and
// keys on once each, keeps the focus in the answer box and shows nothing of
// its wide part when narrow. The rules behind it are tested on the models.
#include "FormFixture.h"

using namespace zek;
using namespace zek::test;

static const QByteArray cards("2, Baum, B\xe4ume, Der Baum ist hoch.\r\n"
                              "1, B\xe4r, B\xe4rin, Der B\xe4r mag Honig.\r\n"
                              "0, Kuh, K\xfche, Die Kuh gibt Milch.\r\n"
                              "1, Zug, Z\xfcge, Der Zug f\xe4hrt ab.\r\n");

TEST_F(FormTest, MirrorsTheDrillWhileTheChildTypes)
{
    startWith(cards);
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  ä  r "));
    type(QStringLiteral("Bx"));
    EXPECT_EQ(background(answerBox()), QColor(255, 0, 0));
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  ä  r "));
    QTest::keyClick(answerBox(), Qt::Key_Backspace);
    EXPECT_EQ(background(answerBox()), QColor(Qt::white));
    EXPECT_TRUE(text("Bezeichnung10").isEmpty());
    type(QStringLiteral("är"));
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(text("Bezeichnung15") + text("Bezeichnung1") + text("Bezeichnung2") + text("Bezeichnung6"), QStringLiteral("Fach 112 4"));
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" Z  u  g "));
}

TEST_F(FormTest, ClicksReachTheirCommand)
{
    startWith(cards);
    click("Bezeichnung2"); // the counter of "Fach 2"
    EXPECT_EQ(background(widget("Figur1")), QColor(255, 192, 128));
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  a  u  m "));
    click("fehler1");
    click("Bild8");
    EXPECT_EQ(widget<QListWidget>("Liste2")->currentRow(), 0);
    clickEntry("Liste2", 2); // "Umkehrwort"
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" h  u  K "));
    click("Bild17");
    type(QStringLiteral("K"));
    clickEntry("Liste3", 0);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("KA"));
    EXPECT_TRUE(widget<QListWidget>("Liste3")->selectedItems().isEmpty());
    platform.expectInput(QStringLiteral("Mia"));
    platform.expectMessage();
    click("Picture1");
    EXPECT_EQ(text("Bezeichnung11"), QStringLiteral("Mia"));
    // a name is shown as it was typed, markup too
    platform.expectInput(QStringLiteral("<b>Tom</b>"));
    platform.expectMessage();
    click("Picture1");
    auto *name = widget<QLabel>("Bezeichnung11");
    EXPECT_GE(name->sizeHint().width(), name->fontMetrics().horizontalAdvance(QStringLiteral("<b>Tom</b>")));
}

TEST_F(FormTest, ADoubleClickIsOneCommand)
{
    startWith(cards);
    doubleClick("Bild13");
    EXPECT_EQ(text("Bezeichnung22"), QStringLiteral("Z e i c h e n s a t z\nEnglisch"));
    doubleClick("Bild17");
    EXPECT_TRUE(widget("Liste3")->isVisible());
    doubleClick("Bild8");
    EXPECT_TRUE(widget("Liste2")->isVisible());
    doubleClick("Bezeichnung20");
    EXPECT_EQ(text("Bezeichnung20"), QStringLiteral("2"));
}

TEST_F(FormTest, TypingAlwaysLandsInTheAnswerBox)
{
    startWith(cards);
    EXPECT_FALSE(widget("Liste3")->isVisible() || widget("Bezeichnung22")->isVisible());
    click("Bild8");
    click("Bild8");
    EXPECT_TRUE(answerBox()->hasFocus());
    QTest::keyClick(answerBox(), Qt::Key_Tab);
    EXPECT_TRUE(answerBox()->hasFocus());
    click("Bild17");
    QTest::keyClick(answerBox(), Qt::Key_Tab);
    type(QStringLiteral("B"));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("B"));
}

TEST_F(FormTest, ClosingByTheFrameAsksTheExitQuestion)
{
    startWith(cards);
    type(QStringLiteral("Bär"));
    platform.expectMessage(Answer::No);
    EXPECT_FALSE(form().close());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(german(), cards);
    platform.expectMessage(Answer::Yes);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(german(), QByteArray(cards).replace("1, B\xe4r", "2, B\xe4r"));
}

TEST_F(FormTest, VorlesenSitsInTheWordFieldAndGreysWhileTheEngineDoesNotAnswer)
{
    platform.voices = QStringLiteral("D");
    startWith(cards);
    auto *button = widget<QToolButton>("Vorlesen");
    // on the white word field, not over the frame bar, and not hidden under it
    const QWidget *field = widget<QLabel>("Bezeichnung10");
    EXPECT_TRUE(field->geometry().contains(button->geometry()));
    EXPECT_EQ(button->parentWidget()->childAt(button->geometry().center()), button);
    EXPECT_TRUE(button->isEnabled());
    platform.voices.clear(); // the engine keeps a text too long
    program->session().speechChanged();
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Vorlesen (keine Sprachausgabe gefunden)"));
}
