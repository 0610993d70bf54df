// "Wer übt heute?": the teacher adds a child; a name is a child's turn, or
// after "Lernfortschritt …" that child's progress.
#include "drill/ChildChoice.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

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
};

// The input box asks again, with the name typed, until the name can be a
// folder's or the teacher cancels.
TEST(ChildChoice, NeuesKindAsksUntilTheNameIsGood)
{
    const QString chars = "Ein Name darf keines dieser Zeichen enthalten:\r/  \\  :  *  ?  \"  <  >  |";
    const struct {
        const char *name;
        QStringList typed;
        QString refused, defaults, children;
        int newest;
    } rows[] = {
        {"a new child joins the list in order", {"Ben"}, "", "", "Anna|Ben|Carla", 1},
        {"a refused name is asked again", {"Ben?", "Ben"}, chars, "|Ben?", "Anna|Ben|Carla", 1},
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
        const auto &shown = c.platform.messages();
        EXPECT_EQ(shown.empty() ? "" : shown.back().title + u'|' + shown.back().text, row.refused.isEmpty() ? "" : "Neues Kind|" + row.refused);
        EXPECT_EQ(c.platform.inputDefaults.join(u'|'), row.defaults);
        EXPECT_EQ(c.choice.children().join(u'|') + u'|' + QString::number(c.choice.newestChild()), row.children + u'|' + QString::number(row.newest));
    }
}

TEST(ChildChoice, ANameIsTheChildsTurnOrAfterLernfortschrittTheirProgress)
{
    Class c;
    QStringList said;
    QObject::connect(&c.choice, &ChildChoice::childChosen, [&](const QString &folder, const QString &name) { said << "turn " + QDir(folder).dirName() + ' ' + name; });
    QObject::connect(&c.choice, &ChildChoice::progressRequested, [&](const QString &folder) { said << "progress " + QDir(folder).dirName(); });
    c.choice.chooseProgress(); // no progress view yet: nothing
    c.choice.chooseChild(1);
    c.choice.setProgressAvailable(true);
    c.choice.chooseProgress();
    c.choice.chooseChild(0);
    c.choice.chooseChild(0); // once: the next name is a turn again
    c.choice.chooseProgress();
    c.choice.chooseProgress(); // pressed again: not
    c.choice.chooseChild(1);
    EXPECT_EQ(said.join(u'|'), "turn Carla Carla|progress Anna|turn Anna Anna|turn Carla Carla");
}
