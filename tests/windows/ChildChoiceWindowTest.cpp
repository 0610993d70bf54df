// "Wer übt heute?" as the class sees it: a child's name opens the main window
// on the child's own box, and leaving it is the next child's turn.
#include "app/ClassProgram.h"
#include "windows/DrillWindow.h"
#include "windows/ChildChoiceWindow.h"
#include "windows/ClassChoiceWindow.h"
#include "drill/ClassChoice.h"
#include "windows/TeacherMenuWindow.h"
#include "app/Program.h"

#include "cards/Folder.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

struct ClassWindow : ::testing::Test {
    void startWith(const QStringList &children)
    {
        for (const QString &child : children)
            if (QDir(dir.path()).mkdir(child))
                copySampleBox(folder(child));
        klasse.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&klasse.form()));
    }
    QString folder(const QString &child) const { return QDir(dir.path()).filePath(child); }
    QPushButton *button(const char *name) { return klasse.form().findChild<QPushButton *>(QLatin1String(name)); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    bool locked(const QString &child) const { return QFileInfo::exists(QDir(folder(child)).filePath(FolderLock::fileName())); }

    QTemporaryDir dir;
    FakePlatform platform;
    FixedRandom random;
    ui::ClassProgram klasse{dir.path(), sampleFolder(), platform, random};
};

TEST_F(ClassWindow, AChildsNameOpensTheirBoxAndLeavingIsTheNextChildsTurn)
{
    startWith({"Ben", "Anna"});
    EXPECT_EQ(klasse.form().windowTitle() + u'|' + button("Kind1")->text() + u'|' + button("Kind2")->text(), "Wer übt heute?|Anna|Ben");
    for (bool byFrame : {false, true}) {
        click("Kind2");
        ui::Program *child = klasse.child();
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(child->form1().isVisible() && !klasse.form().isVisible() && locked("Ben") && !locked("Anna"));
        EXPECT_EQ(child->form1().findChild<QLabel *>("Bezeichnung11")->text(), "Ben");
        platform.expectMessage(Answer::Yes); // the exit question
        if (byFrame)
            child->form1().close();
        else
            QTest::mouseClick(child->form1().findChild<QWidget *>("Bild1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(klasse.form().isVisible() && klasse.child() == nullptr && !locked("Ben"));
    }
    QSignalSpy quit(&klasse, &ui::ClassProgram::quitRequested);
    klasse.form().close(); // the frame, like "Beenden"
    click("Beenden");
    EXPECT_EQ(quit.size(), 2);
}

// One computer per child: a box open elsewhere is told by the box's own
// start-up (and opened there only when asked), and the child stays in the list.
TEST_F(ClassWindow, AChildWhoseBoxIsOpenElsewhereIsToldAndStays)
{
    startWith({"Anna"});
    FolderLock elsewhere(folder("Anna"), "PC-07");
    elsewhere.setChild("Anna");
    ASSERT_EQ(elsewhere.lock(QDateTime(QDate(2026, 3, 2), QTime(10, 32))), FolderLock::State::Locked);
    platform.expectChoice("Abbrechen");
    click("Kind1");
    EXPECT_TRUE(platform.messages().back().text.startsWith("Anna übt gerade an Computer „PC-07“ (seit 10:32 Uhr).\r\r"));
    EXPECT_TRUE(klasse.child() == nullptr && klasse.form().isVisible() && button("Kind1"));
}

// The new child is scrolled into view; "Lernfortschritt …" is there once the
// program has a progress view, and shows the next child chosen, once.
TEST_F(ClassWindow, ABigClassScrollsToTheNewChildAndShowsProgress)
{
    QStringList children;
    for (int i = 10; i < 50; ++i)
        children << QStringLiteral("Kind %1").arg(i);
    startWith(children);
    platform.expectInput("Zora");
    click("NeuesKind");
    QPushButton *zora = button("Kind41");
    ASSERT_TRUE(zora && zora->text() == "Zora" && button("NeuesKind")->hasFocus());
    auto *scroll = klasse.form().findChild<QScrollArea *>("Kinder");
    EXPECT_TRUE(scroll->verticalScrollBar()->value() > 0 && scroll->viewport()->rect().contains(zora->mapTo(scroll->viewport(), zora->rect().bottomRight())));
    EXPECT_FALSE(button("Lernfortschritt")->isEnabled());
    QStringList shown;
    klasse.setProgressView([&](const QString &child) { shown << child; });
    click("Lernfortschritt");
    click("Kind41");
    EXPECT_TRUE(shown == QStringList{folder("Zora")} && !button("Lernfortschritt")->isChecked() && !klasse.child());
}

// The keys on the names: the arrows by the grid, a letter to its name,
// Return to the child; a thick frame on the name the keys are on; a space
// bar held on a name opens the child once and types no blank there.
TEST_F(ClassWindow, KeysChooseANameAndAHeldKeyOpensOnce)
{
    startWith({"Anna", "Ben", "Carla", "Dora", "Emil"});
    ASSERT_TRUE(button("Kind1")->hasFocus());
    QTest::keyClick(button("Kind1"), Qt::Key_Down);
    QTest::keyClick(button("Kind4"), Qt::Key_Right);
    ASSERT_TRUE(button("Kind5")->hasFocus());
    QTest::keyClick(button("Kind5"), Qt::Key_B);
    ASSERT_TRUE(button("Kind2")->hasFocus());

    const QImage focused = button("Kind2")->grab().toImage(), other = button("Kind1")->grab().toImage();
    const int middle = focused.height() / 2;
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(focused.pixelColor(x, middle), QColor(Qt::black)) << x;
    EXPECT_NE(other.pixelColor(1, middle), QColor(Qt::black));
    // the buttons below the names: the same frame, and Up leads back to the names
    button("NeuesKind")->setFocus();
    EXPECT_EQ(button("NeuesKind")->grab().toImage().pixelColor(1, button("NeuesKind")->height() / 2), QColor(Qt::black));
    QTest::keyClick(button("NeuesKind"), Qt::Key_Up);
    ASSERT_TRUE(button("Kind5")->hasFocus());
    QTest::keyClick(button("Kind5"), Qt::Key_B);

    QTest::keyClick(button("Kind2"), Qt::Key_Return);
    ASSERT_TRUE(klasse.child() && locked("Ben"));
    platform.expectMessage(Answer::Yes); // the exit question ("Beenden" waits out a double click)
    klasse.child()->session().exit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(klasse.child(), nullptr);

    // held: the press, then repeats as X11 sends them (a release and a press
    // of one time stamp; a press flagged as a repeat), then the release
    const auto key = [this](QEvent::Type type, ulong time, bool repeat) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        event.setTimestamp(time);
        QWidget *to = klasse.child() ? klasse.child()->form1().findChild<QWidget *>("Text3") : button("Kind1");
        QApplication::sendEvent(to, &event);
    };
    button("Kind1")->setFocus();
    key(QEvent::KeyPress, 1000, false);
    key(QEvent::KeyRelease, 1500, false);
    key(QEvent::KeyPress, 1500, false);
    key(QEvent::KeyPress, 1530, true);
    key(QEvent::KeyRelease, 1600, false);
    ASSERT_TRUE(klasse.child() && locked("Anna"));
    EXPECT_EQ(klasse.child()->form1().findChild<QLineEdit *>("Text3")->text(), QString());
}

// A long name is broken into lines before its font shrinks, and shown whole
// down to 12 pt, up to the 60 characters a name may have.
TEST_F(ClassWindow, LongNamesTakeLinesBeforeTheyShrink)
{
    // in the order of the list: the largest font on two lines, then 60 characters
    startWith({"Anna-Lena Schmidtbauer", "Maximilian Alexander von Hohenzollern-Sigmaringen Schneiders"});
    for (const auto &[name, points] : {std::pair{"Kind1", 20.0}, std::pair{"Kind2", 12.0}}) {
        EXPECT_GE(button(name)->font().pointSizeF(), points) << name;
        EXPECT_EQ(button(name)->toolTip(), QString()) << name; // nothing cut
    }
}

// "Welche Klasse?": a large button per class of the computer room's list, in
// its order; a class not there is grey, with its line below; a class's button,
// Return on it, opens it, and one gone since the window came is told.
TEST(ClassChoiceWindow, EachClassOfTheRoomABigButtonOneNotThereGrey)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("3a");
    QDir(dir.path()).mkpath("3b");
    FakePlatform platform;
    ClassChoice choice({dir.filePath("3a"), dir.filePath("fehlt"), dir.filePath("3b")}, platform);
    ui::ClassChoiceWindow form(choice);
    QSignalSpy chosen(&choice, &ClassChoice::classChosen);
    choice.activate();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto button = [&](int i) { return form.findChild<QPushButton *>(QStringLiteral("Klasse%1").arg(i)); };
    EXPECT_EQ(form.objectName() + u'|' + form.windowTitle() + u'|' + button(1)->text() + u'|' + button(2)->text() + u'|' + button(3)->text(), "FormKlassen|Welche Klasse?|3a|fehlt|3b");
    EXPECT_TRUE(button(1)->isEnabled() && button(1)->hasFocus() && !button(2)->isEnabled() && button(3)->isEnabled());
    EXPECT_EQ(form.findChild<QLabel *>("NichtErreichbar")->text(), "Den Klassen-Ordner \u201e" + dir.filePath("fehlt") + "\u201c gibt es nicht (ist der Schul-Server verbunden?).");
    QTest::mouseClick(button(3), Qt::LeftButton);
    QTest::keyClick(button(1), Qt::Key_Return);
    EXPECT_EQ(chosen.size() == 2 ? chosen[0][0].toString() + u'|' + chosen[1][0].toString() : QString(), dir.filePath("3b") + u'|' + dir.filePath("3a"));
    QDir(dir.filePath("3b")).removeRecursively();
    platform.expectMessage();
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_TRUE(chosen.size() == 2 && !button(3)->isEnabled());
    EXPECT_EQ(platform.titles().join(u'|'), "Welche Klasse?");
}

// "Lehrkraft …": the teacher's menu in place of the names, its entries
// wired to the menu, the children listed, "Zurück" back to the names.
TEST_F(ClassWindow, TheTeacherButtonOpensTheTeachersMenu)
{
    startWith({"Ben", "Anna"});
    platform.expectChoice("Ohne Kennwort");
    click("Lehrkraft");
    ui::TeacherMenuWindow *menu = klasse.teacherMenuForm();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    EXPECT_FALSE(klasse.form().isVisible());
    const auto *children = menu->findChild<QListWidget *>("Kinder");
    EXPECT_EQ(children->count() == 2 ? children->item(0)->text() + u'|' + children->item(1)->text() : QString(), "Anna|Ben");
    EXPECT_EQ(menu->findChild<QLabel *>("OhneKennwort")->text(), klasse.teacherMenu().passwordLine());
    QSignalSpy overview(&klasse.teacherMenu(), &TeacherMenu::classOverviewWanted);
    QTest::mouseClick(menu->findChild<QPushButton *>("Klassenuebersicht"), Qt::LeftButton);
    EXPECT_EQ(overview.size(), 1);
    QWidget *table = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"Klassenuebersicht" && window->isVisible())
            table = window;
    ASSERT_NE(table, nullptr);
    table->close();
    QTest::mouseClick(menu->findChild<QPushButton *>("WoerterFuerAlle"), Qt::LeftButton);
    ASSERT_NE(klasse.wordsForAllForm(), nullptr);
    EXPECT_TRUE(klasse.wordsForAllForm()->isVisible() && !menu->isVisible());
    EXPECT_FALSE(klasse.wordsForAllForm()->findChild<QPushButton *>("AllenGeben")->isEnabled());
    QTest::mouseClick(klasse.wordsForAllForm()->findChild<QPushButton *>("Schliessen"), Qt::LeftButton);
    QTest::mouseClick(menu->findChild<QPushButton *>("Zurueck"), Qt::LeftButton);
    EXPECT_TRUE(klasse.form().isVisible() && !menu->isVisible());
}
