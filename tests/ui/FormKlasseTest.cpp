// "Wer übt heute?" as the class sees it: a child's name opens the main window
// on the child's own box, and leaving it is the next child's turn.
#include "ui/ClassProgram.h"
#include "ui/Form1.h"
#include "ui/FormKlasse.h"
#include "ui/Program.h"

#include "cards/Folder.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

class ClassWindow : public ::testing::Test {
protected:
    void startWith(const QStringList &children)
    {
        for (const QString &child : children) {
            QDir(dir.path()).mkdir(child);
            copySampleBox(folder(child));
        }
        klasse = std::make_unique<ui::ClassProgram>(dir.path(), sampleFolder(), platform, random);
        klasse->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }
    QString folder(const QString &child) const { return QDir(dir.path()).filePath(child); }
    ui::FormKlasse &form() { return klasse->form(); }
    QPushButton *button(const char *name) { return form().findChild<QPushButton *>(QLatin1String(name)); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    bool locked(const QString &child) const { return QFileInfo::exists(QDir(folder(child)).filePath(FolderLock::fileName())); }

    QTemporaryDir dir;
    FakePlatform platform;
    FixedRandom random;
    std::unique_ptr<ui::ClassProgram> klasse;
};

TEST_F(ClassWindow, AChildsNameOpensTheirBoxAndLeavingIsTheNextChildsTurn)
{
    startWith({"Ben", "Anna"});
    EXPECT_EQ(form().windowTitle() + u'|' + button("Kind1")->text() + u'|' + button("Kind2")->text(), "Wer übt heute?|Anna|Ben");
    for (bool byFrame : {false, true}) {
        click("Kind2");
        ui::Program *child = klasse->child();
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(child->form1().isVisible() && !form().isVisible());
        EXPECT_EQ(child->form1().findChild<QLabel *>("Bezeichnung11")->text(), "Ben");
        EXPECT_TRUE(locked("Ben") && !locked("Anna"));
        platform.expectMessage(Answer::Yes); // the exit question
        if (byFrame)
            child->form1().close();
        else
            QTest::mouseClick(child->form1().findChild<QWidget *>("Bild1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form().isVisible() && klasse->child() == nullptr && !locked("Ben"));
    }
    QSignalSpy quit(klasse.get(), &ui::ClassProgram::quitRequested);
    form().close(); // the frame, like "Beenden"
    click("Beenden");
    EXPECT_EQ(quit.size(), 2);
}

// One computer per child: a box open elsewhere is told by the box's own
// start-up, and the child stays in the list.
TEST_F(ClassWindow, AChildWhoseBoxIsOpenElsewhereIsToldAndStays)
{
    startWith({"Anna"});
    FolderLock elsewhere(folder("Anna"));
    ASSERT_EQ(elsewhere.lock(), FolderLock::State::Locked);
    platform.expectMessage();
    click("Kind1");
    EXPECT_EQ(platform.messages().back().text, "Die ZEK-Rechtschreibkartei ist in diesem Ordner schon geöffnet.");
    EXPECT_TRUE(klasse->child() == nullptr && form().isVisible() && button("Kind1"));
}

// The new child is scrolled into view; "Lernfortschritt …" is there once the
// program has a progress view.
TEST_F(ClassWindow, ABigClassScrollsToTheNewChildAndShowsProgress)
{
    QStringList children;
    for (int i = 10; i < 50; ++i)
        children << QStringLiteral("Kind %1").arg(i);
    startWith(children);
    platform.expectInput("Zora");
    click("NeuesKind");
    QPushButton *zora = button("Kind41");
    ASSERT_NE(zora, nullptr);
    EXPECT_TRUE(zora->text() == "Zora" && button("NeuesKind")->hasFocus());
    auto *scroll = form().findChild<QScrollArea *>("Kinder");
    EXPECT_TRUE(scroll->verticalScrollBar()->value() > 0 && scroll->viewport()->rect().contains(zora->mapTo(scroll->viewport(), zora->rect().bottomRight())));

    EXPECT_FALSE(button("Lernfortschritt")->isEnabled());
    QStringList shown;
    klasse->setProgressView([&](const QString &child) { shown << child; });
    click("Lernfortschritt");
    click("Kind41");
    EXPECT_EQ(shown, QStringList{folder("Zora")});
}
