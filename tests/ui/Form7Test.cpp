// What the editor window itself does: it is opened and left like the
// other windows, hands typing, clicks and keys on once each and mirrors
// its model. The editing rules are tested on the model.
#include "FormFixture.h"

#include "ui/Form7.h"

#include <QPlainTextEdit>
#include <QScrollBar>

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
    template <typename T = QWidget>
    T *in7(const char *name)
    {
        T *w = editor->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click7(const char *name) { QTest::mouseClick(in7(name), Qt::LeftButton); }
    void typeInto(QWidget *field, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    ui::Form7 *editor = nullptr;
};

} // namespace

TEST_F(EditorTest, ATeacherAddsACardAndTheChildDrillsIt)
{
    startWith(cards);
    openEditor();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("ZEK-Rechtschreibkartei:  Freund"));
    click7("Bild8");
    for (auto [clear, name, text] : {std::tuple{"Befehl5", "Text1", "Aal"}, {"Befehl6", "Text2", "Aale"},
                                      {"Befehl7", "Text3", "Der Aal schwimmt."}}) {
        click7(clear);
        in7(name)->setFocus();
        typeInto(in7(name), QString::fromUtf8(text));
    }
    click7("Befehl2");
    EXPECT_EQ(in7<QLabel>("Bezeichnung6")->text(), QStringLiteral(" 4 Einträgen"));
    click7("Bild7");
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" A  a  l "));
    EXPECT_EQ(text("Bezeichnung1"), QStringLiteral("2"));
    EXPECT_EQ(german(), "1, Aal, Aale, Der Aal schwimmt.\r\n" + cards);
}

TEST_F(EditorTest, ADoubleClickIsOneCommandAndEveryWayOutLeaves)
{
    startWith(cards);
    openEditor();
    click7("Bild8");
    in7<QLineEdit>("Text1")->setText(QStringLiteral("Zebra")); // what a paste does
    emit in7<QLineEdit>("Text1")->textEdited(QStringLiteral("Zebra"));
    QTest::mouseClick(in7("Befehl2"), Qt::LeftButton);
    QTest::mouseDClick(in7("Befehl2"), Qt::LeftButton); // the second press: no "schon vorhanden"
    QTest::mouseRelease(in7("Befehl2"), Qt::LeftButton);
    EXPECT_EQ(german(), cards + "1, Zebra, Ameisen, Die Ameise krabbelt.\r\n");
    for (QToolButton *b : editor->findChildren<QToolButton *>())
        EXPECT_TRUE(!b->toolTip().isEmpty() && b->accessibleName() == b->toolTip()) << b->objectName().toStdString();
    click7("Bild5");
    platform.expectMessage(Answer::No); // "Fach drucken" asks once
    QTest::mouseClick(in7("Command7"), Qt::LeftButton);
    QTest::mouseDClick(in7("Command7"), Qt::LeftButton);
    QTest::mouseRelease(in7("Command7"), Qt::LeftButton);

    QTest::keyClick(in7("Text1"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(form().isVisible());
    openEditor();
    EXPECT_FALSE(editor->close());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(form().isVisible());
}

TEST_F(EditorTest, TheSecondPressOfADoubleClickOnAbbruchStaysAway)
{
    startWith(cards);
    openEditor();
    click7("Bild7");
    ASSERT_TRUE(form().isVisible());
    // the second press of the double click, right after the click
    QWidget *box2 = widget("Bezeichnung16");
    QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(5, 5), box2->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    press.setTimestamp(QTest::lastMouseTimestamp - QApplication::doubleClickInterval() + 50);
    QApplication::sendEvent(box2, &press);
    QMouseEvent second(QEvent::MouseButtonPress, QPointF(5, 5), box2->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    second.setTimestamp(QTest::lastMouseTimestamp - QApplication::doubleClickInterval() + 60);
    QApplication::sendEvent(box2, &second);
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" A  m  e  i  s  e "));
    click("Bezeichnung16"); // a click of its own reaches the box
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  a  n  a  n  e "));
}

TEST_F(EditorTest, TheFormMirrorsItsModel)
{
    startWith(cards);
    openEditor();
    in7<QScrollBar>("HScroll1")->setValue(2);
    EXPECT_EQ(in7<QLabel>("Bezeichnung11")->text() + in7<QLabel>("Bezeichnung6")->text(), QStringLiteral(" 3 von 3 Einträgen"));
    click7("Bezeichnung15"); // "Fach 2"
    EXPECT_EQ(background(in7("kasten")), QColor(255, 192, 128));
    EXPECT_EQ(in7<QListView>("Liste1")->model()->rowCount(), 1);
    click7("Bezeichnung12");
    EXPECT_EQ(background(in7("kasten")), QColor(192, 192, 192));

    platform.expectMessage(); // the comma
    click7("Bild8");
    auto *phrase = in7<QPlainTextEdit>("Text3");
    phrase->setFocus();
    typeInto(phrase, QStringLiteral(",x"));
    EXPECT_EQ(phrase->toPlainText(), QStringLiteral("Die Ameise krabbelt.x"));
    QListWidget *characters = in7<QListWidget>("Liste5");
    QTest::mouseClick(characters->viewport(), Qt::LeftButton, {}, characters->visualItemRect(characters->item(3)).center());
    EXPECT_EQ(phrase->toPlainText(), QStringLiteral("Die Ameise krabbelt.xÄ"));
    EXPECT_TRUE(phrase->hasFocus());
    QTest::keyClick(phrase, Qt::Key_Tab);
    EXPECT_FALSE(phrase->hasFocus());
    EXPECT_EQ(phrase->toPlainText(), QStringLiteral("Die Ameise krabbelt.xÄ"));
}
