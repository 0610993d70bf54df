// What the editor window itself does: it is opened and left like the
// other windows, hands typing, clicks and keys on once each and mirrors
// its model. The editing rules are tested on the model.
#include "windows/WindowFixture.h"

#include "windows/EditorWindow.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray cards("1, Ameise, Ameisen, Die Ameise krabbelt.\r\n"
                       "2, Banane, Bananen, Die Banane ist gelb.\r\n"
                       "3, Hund, Hunde, Der Hund bellt.\r\n");

class EditorTest : public FormTest {
protected:
    // The main window opens the editor after the password: the word shown.
    void openEditor()
    {
        platform.expectInput(program->drill().card().baseWord);
        click("Bild19");
        editor = program->form7();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    }
    ui::EditorWindow *editor = nullptr;
};

} // namespace

TEST_F(EditorTest, ATeacherAddsACardAndTheChildDrillsIt)
{
    startWith(cards);
    openEditor();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("ZEK-Rechtschreibkartei:  Freund"));
    click("Bild8", editor);
    for (auto [clear, name, text] : {std::tuple{"Befehl5", "Text1", "Aal"}, {"Befehl6", "Text2", "Aale"}, {"Befehl7", "Text3", "Der Aal schwimmt."}}) {
        click(clear, editor);
        widget(name, editor)->setFocus();
        type(QString::fromUtf8(text), widget(name, editor));
    }
    click("Befehl2", editor);
    EXPECT_EQ(widget<QLabel>("Bezeichnung6", editor)->text(), QStringLiteral(" 4 Einträgen"));
    click("Bild7", editor);
    expectBackFrom(editor);
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" A  a  l "));
    EXPECT_EQ(text("Bezeichnung1"), QStringLiteral("2"));
    EXPECT_EQ(german(), "1, Aal, Aale, Der Aal schwimmt.\r\n" + cards);
}

TEST_F(EditorTest, ADoubleClickIsOneCommandAndEveryWayOutLeaves)
{
    startWith(cards);
    openEditor();
    click("Bild8", editor);
    widget<QLineEdit>("Text1", editor)->setText(QStringLiteral("Zebra")); // what a paste does
    emit widget<QLineEdit>("Text1", editor)->textEdited(QStringLiteral("Zebra"));
    doubleClick("Befehl2", editor); // the second press: no "schon vorhanden"
    EXPECT_EQ(german(), cards + "1, Zebra, Ameisen, Die Ameise krabbelt.\r\n");
    click("Bild5", editor);
    platform.expectMessage(Answer::No); // "Fach drucken" asks once
    doubleClick("Command7", editor);

    QTest::keyClick(widget("Text1", editor), Qt::Key_Escape);
    expectBackFrom(editor);
    openEditor();
    EXPECT_FALSE(editor->close());
    expectBackFrom(editor);
}

TEST_F(EditorTest, TheSecondPressOfADoubleClickOnAbbruchStaysAway)
{
    startWith(cards);
    openEditor();
    click("Bild7", editor);
    ASSERT_TRUE(form().isVisible());
    // the second press of the double click, right after the click
    QWidget *box2 = widget("Bezeichnung16");
    for (auto [type, after] : {std::pair{QEvent::MouseButtonDblClick, 50}, {QEvent::MouseButtonPress, 60}}) {
        QMouseEvent e(type, QPointF(5, 5), box2->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        e.setTimestamp(QTest::lastMouseTimestamp - QApplication::doubleClickInterval() + after);
        QApplication::sendEvent(box2, &e);
    }
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" A  m  e  i  s  e "));
    click("Bezeichnung16"); // a click of its own reaches the box
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  a  n  a  n  e "));
}

TEST_F(EditorTest, TheFormMirrorsItsModel)
{
    startWith(cards);
    openEditor();
    widget<QScrollBar>("HScroll1", editor)->setValue(2);
    EXPECT_EQ(widget<QLabel>("Bezeichnung11", editor)->text() + widget<QLabel>("Bezeichnung6", editor)->text(), QStringLiteral(" 3 von 3 Einträgen"));
    click("Bezeichnung15", editor); // "Fach 2"
    EXPECT_EQ(background(widget("kasten", editor)), QColor(255, 192, 128));
    EXPECT_EQ(widget<QListView>("Liste1", editor)->model()->rowCount(), 1);
    click("Bezeichnung12", editor);
    EXPECT_EQ(background(widget("kasten", editor)), QColor(192, 192, 192));
    const QRect frame = widget("kasten", editor)->geometry(); // "Alle" to "Gelernt" over the grey frame
    for (const char *name : {"Bezeichnung12", "Bezeichnung19"})
        EXPECT_TRUE(widget(name, editor)->x() >= frame.left() && widget(name, editor)->geometry().right() <= frame.right())
            << name;

    platform.expectMessage(); // the comma
    platform.expectMessage(); // the Omega
    click("Bild8", editor);
    auto *word = widget<QLineEdit>("Text1", editor);
    auto *phrase = widget<QPlainTextEdit>("Text3", editor);
    word->setCursorPosition(2); // a character taken out: the typing goes on where it was
    type(QStringLiteral("Ωy"), word);
    phrase->setFocus();
    QTest::keyClick(phrase, Qt::Key_Home);
    type(QStringLiteral("D,x"), phrase);
    EXPECT_EQ(word->text() + u'|' + phrase->toPlainText(), QStringLiteral("Amyeise|DxDie Ameise krabbelt."));
    clickEntry("Liste5", 3, editor);
    EXPECT_EQ(phrase->toPlainText(), QStringLiteral("DxDie Ameise krabbelt.Ä"));
    EXPECT_TRUE(phrase->hasFocus());
    // Return held in the phrase: one blank and one message, the repeats go nowhere
    platform.expectMessage();
    QTest::keyPress(phrase, Qt::Key_End);
    for (bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
        QApplication::sendEvent(phrase, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(phrase, &release);
    EXPECT_EQ(phrase->toPlainText(), QStringLiteral("DxDie Ameise krabbelt.Ä "));
    QTest::keyClick(phrase, Qt::Key_Tab); // on to the commands, never to an "X"
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Befehl2"));
}

// The two word list buttons below the flags: a list comes in from the card
// folder, the cards in view go out beside the card file.
TEST_F(EditorTest, TheWordListButtonsImportAndExport)
{
    startWith(cards);
    openEditor();
    writeBytes(path("liste.csv"), "\xef\xbb\xbfGrundwort;Verwandtes Wort;Phrase\r\nAal;Aale;Der Aal schwimmt.\r\n");
    platform.expectFile(path("liste.csv"));
    platform.expectImport(true);
    click("Bild11", editor);
    EXPECT_EQ(platform.fileDialogs.back().path, dir.path());
    EXPECT_EQ(german(), "1, Aal, Aale, Der Aal schwimmt.\r\n" + cards);
    EXPECT_EQ(widget<QLabel>("Bezeichnung6", editor)->text(), QStringLiteral(" 4 Einträgen"));

    click("Bezeichnung16", editor); // "Fach 3"
    platform.expectFile(path("fach3.csv"));
    click("Bild12", editor);
    EXPECT_EQ(platform.fileDialogs.back().path, path("ZEKCARD1.csv"));
    EXPECT_EQ(readBytes(path("fach3.csv")), "\xef\xbb\xbf"
                                            "Fach;Grundwort;Verwandtes Wort;Phrase\r\n3;Hund;Hunde;Der Hund bellt.\r\n");
}

// The red wavy line under a word: reddish pixels in the field.
static int redPixels(QWidget *field)
{
    const QImage image = field->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 150 && c.red() > c.green() + 60 && c.red() > c.blue() + 60;
        }
    return n;
}

TEST_F(EditorTest, UnknownWordsAreUnderlinedAndEachAnswerDoesWhatItSays)
{
    startWith(cards);
    openEditor();
    program->editor().editPanel().toggleAskSpelling(); // the question before a save, which the teacher turns on
    click("Bild8", editor);
    auto *word = widget<QLineEdit>("Text1", editor);
    auto *phrase = widget<QPlainTextEdit>("Text3", editor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->editor().spelling().isReady(); }));
    EXPECT_EQ(redPixels(word) + redPixels(phrase), 0);
    click("Befehl5", editor);
    word->setFocus();
    type(QStringLiteral("Fahrad"), word);
    EXPECT_GT(redPixels(word), 0);
    phrase->setFocus();
    type(QStringLiteral(" Sie krabelt."), phrase);
    EXPECT_GT(redPixels(phrase), 0);

    platform.expectChoice(QStringLiteral("Zurück"));
    click("Command5", editor);
    EXPECT_TRUE(word->hasFocus());
    EXPECT_EQ(word->selectedText(), QStringLiteral("Fahrad"));
    EXPECT_EQ(german(), cards);
    // the suggestion taken stands in the field, selected, and nothing is saved
    platform.expectChoice(QStringLiteral("„Fahrrad“ nehmen"));
    click("Command5", editor);
    EXPECT_EQ(word->text() + u'|' + word->selectedText(), QStringLiteral("Fahrrad|Fahrrad"));
    EXPECT_EQ(german(), cards);
}

TEST_F(EditorTest, TheSpellingListShowsTheCardsAndADoubleClickChoosesOne)
{
    startWith("1, Ameise, Ameisen, Die Ameise krabbelt.\r\n2, Banan, Bananen, Die Banane ist gelb.\r\n3, Hund, Hunde, Der Hund bellt.\r\n");
    openEditor();
    click("Bild13", editor);
    auto *list = widget("Rechtschreibung", editor);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Rechtschreibung prüfen"));
    auto *table = widget<QTableView>("Liste6", list);
    ASSERT_EQ(table->model()->rowCount(), 1);
    doubleClickAt(table->viewport(), table->visualRect(table->model()->index(0, 1)).center());
    EXPECT_EQ(text("Bezeichnung11", editor), QStringLiteral(" 2 von"));

    click("Befehl8", list); // "Banan" into the word list
    EXPECT_EQ(readBytes(path("ZEKWORTE.TXT")), "Banan\r\n");
    EXPECT_EQ(table->model()->rowCount(), 0);
    click("Check1", list); // the question before a save
    EXPECT_TRUE(program->editor().editPanel().askSpelling());
    list->close();
    EXPECT_FALSE(list->isVisible());

    program->editor().spelling().setDictionaryFolders({});
    click("Bild3", editor);
    auto *button = widget<QToolButton>("Bild13", editor);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Rechtschreibung prüfen (kein Wörterbuch für Französisch gefunden)"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Rechtschreibung prüfen"));
}
