// "Wer übt heute?": the teacher adds a child.
#include "drill/ChildChoice.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

// A class of Carla and Anna.
static QString twoChildren(const QTemporaryDir &dir)
{
    for (const char *child : {"Carla", "Anna"}) {
        QDir(dir.path()).mkdir(QLatin1String(child));
        copySampleBox(QDir(dir.path()).filePath(QLatin1String(child)));
    }
    return dir.path();
}

// The input box asks again, with the name typed, until the name can be a
// folder's or the teacher cancels.
TEST(ChildChoice, NeuesKindAsksUntilTheNameIsGood)
{
    const QString chars = "Neues Kind|Ein Name darf keines dieser Zeichen enthalten:\r/  \\  :  *  ?  \"  <  >  |";
    const struct {
        const char *name;
        QStringList typed;
        QString refused, defaults, children;
    } rows[] = {
        {"a new child joins the list in order", {"Ben"}, "", "", "Anna|Ben|Carla|1"},
        {"a refused name is asked again", {"Ben?", "Ben"}, chars, "|Ben?", "Anna|Ben|Carla|1"},
        {"a child of that name", {"anna", ""}, "Neues Kind|\u201eAnna\u201c gibt es in der Klasse schon.", "|anna", "Anna|Carla|-1"},
        {"cancelled", {""}, "", "", "Anna|Carla|-1"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        FakePlatform platform;
        ChildChoice choice(twoChildren(dir), sampleFolder(), platform);
        choice.activate();
        for (const QString &typed : row.typed)
            platform.expectInput(typed);
        if (!row.refused.isEmpty())
            platform.expectMessage();
        choice.newChild();
        const auto &shown = platform.messages();
        EXPECT_EQ(shown.empty() ? "" : shown.back().title + u'|' + shown.back().text, row.refused);
        EXPECT_EQ(platform.inputDefaults.join(u'|'), row.defaults);
        EXPECT_EQ(choice.children().join(u'|') + u'|' + QString::number(choice.newestChild()), row.children);
    }
}
