// "Wer übt heute?": the teacher adds a child, a child chooses their name, the
// teacher chooses whose progress to see.
#include "drill/ChildChoice.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

struct Class {
    Class()
    {
        for (const char *child : {"Carla", "Anna"}) {
            QDir(dir.path()).mkdir(QLatin1String(child));
            copySampleBox(QDir(dir.path()).filePath(QLatin1String(child)));
        }
        choice.activate();
    }
    QTemporaryDir dir;
    FakePlatform platform;
    ChildChoice choice{dir.path(), sampleFolder(), platform};
    QSignalSpy chosen{&choice, &ChildChoice::childChosen};
    QSignalSpy progress{&choice, &ChildChoice::progressRequested};
};

} // namespace

// The input box asks again, with the name typed, until the name can be a
// folder's or the teacher cancels.
TEST(ChildChoice, NeuesKindAsksUntilTheNameIsGood)
{
    const struct {
        const char *name;
        QStringList typed;
        QString refused, defaults, children;
        int newest;
    } rows[] = {
        {"a new child joins the list in order", {"Ben"}, "", "", "Anna|Ben|Carla", 1},
        {"a refused name is asked again", {"Ben?", "Ben"}, "Ein Name darf keines", "|Ben?", "Anna|Ben|Carla", 1},
        {"a child of that name", {"anna", ""}, "\u201eAnna\u201c gibt es in der Klasse schon.", "|anna", "Anna|Carla", -1},
        {"cancelled", {""}, "", "", "Anna|Carla", -1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Class c;
        for (const QString &typed : row.typed)
            c.platform.expectInput(typed);
        if (!row.refused.isEmpty())
            c.platform.expectMessage();
        c.choice.newChild();
        EXPECT_EQ(c.platform.titles().join(u'|'), row.refused.isEmpty() ? "" : "Neues Kind");
        if (!row.refused.isEmpty()) {
            EXPECT_TRUE(c.platform.messages().back().text.startsWith(row.refused));
        }
        EXPECT_EQ(c.platform.inputDefaults.join(u'|'), row.defaults);
        EXPECT_EQ(c.choice.children().join(u'|'), row.children);
        EXPECT_EQ(c.choice.newestChild(), row.newest);
    }
}

TEST(ChildChoice, AChildsNameOpensTheirBoxOrShowsTheirProgress)
{
    Class c;
    EXPECT_EQ(c.choice.hint(), "Bitte deinen Namen anklicken.");
    c.choice.chooseProgress(); // no progress view: nothing
    EXPECT_FALSE(c.choice.choosingProgress());
    c.choice.chooseChild(1);
    ASSERT_EQ(c.chosen.size(), 1);
    EXPECT_EQ(c.chosen[0][0].toString() + u'|' + c.chosen[0][1].toString(), c.dir.filePath("Carla") + "|Carla");

    c.choice.setProgressAvailable(true);
    c.choice.chooseProgress();
    EXPECT_EQ(c.choice.hint(), "Wessen Lernfortschritt? Bitte den Namen anklicken.");
    c.choice.chooseChild(0);
    ASSERT_EQ(c.progress.size(), 1);
    EXPECT_EQ(c.progress[0][0].toString(), c.dir.filePath("Anna"));
    EXPECT_FALSE(c.choice.choosingProgress()); // once: the next name is a child's turn again
    c.choice.chooseProgress();
    c.choice.chooseProgress(); // pressed again: not
    c.choice.chooseChild(0);
    EXPECT_EQ(c.chosen.size(), 2);
    EXPECT_EQ(c.progress.size(), 1);
}

TEST(ChildChoice, AnEmptyClassSaysHowToBegin)
{
    QTemporaryDir dir;
    FakePlatform platform;
    ChildChoice choice(dir.path(), sampleFolder(), platform);
    choice.activate();
    EXPECT_EQ(choice.hint(), "Noch kein Kind in der Klasse: \u201eNeues Kind \u2026\u201c legt eines an.");
    platform.expectInput("Anna");
    choice.newChild();
    EXPECT_EQ(choice.children(), QStringList{"Anna"});
}
