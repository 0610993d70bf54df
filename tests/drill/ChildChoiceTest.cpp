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

// Where a key goes from a name, in a class of seven: three in a row, the
// last row holding one.
TEST(ChildChoice, KeysMoveThroughTheGrid)
{
    QTemporaryDir dir;
    for (const char *child : {"Anna", "Ben", "Bea", "Cem", "Özlem", "Oskar", "Ärger"}) {
        QDir(dir.path()).mkdir(QString::fromUtf8(child));
        copySampleBox(QDir(dir.path()).filePath(QString::fromUtf8(child)));
    }
    FakePlatform platform;
    ChildChoice choice(dir.path(), sampleFolder(), platform);
    choice.activate();
    ASSERT_EQ(choice.children().join(u' '), "Anna Ärger Bea Ben Cem Oskar Özlem");
    const struct {
        const char *name;
        int from, key;
        QString typed;
        int to;
    } rows[] = {
        {"Right to the next", 0, Qt::Key_Right, "", 1},
        {"Right at the end of a row to the next row", 2, Qt::Key_Right, "", 3},
        {"Left on the first stays", 0, Qt::Key_Left, "", 0},
        {"Down to the name below", 1, Qt::Key_Down, "", 4},
        {"Down into a short row goes to its last", 5, Qt::Key_Down, "", 6},
        {"Up to the name above", 4, Qt::Key_Up, "", 1},
        {"Home", 4, Qt::Key_Home, "", 0},
        {"a letter: the next name with it", 0, Qt::Key_B, "b", 2},
        {"in any case, wrapping round", 3, Qt::Key_B, "B", 2},
        {"an umlaut is itself", 0, Qt::Key_unknown, "ö", 6},
        {"a plain letter skips the umlaut", 6, Qt::Key_O, "o", 5},
        {"no name with it", 3, Qt::Key_Z, "z", 3},
        {"a blank is no letter", 3, Qt::Key_Space, " ", 3},
        {"from the buttons below, Up to the last name", 7, Qt::Key_Up, "", 6},
        {"from the buttons below, a letter from the first name on", 7, Qt::Key_A, "a", 0},
        {"from the buttons below, Down stays", 7, Qt::Key_Down, "", 7},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(choice.childAfterKey(row.from, row.key, row.typed), row.to);
    }
}

// A child's name: their turn; a folder removed meanwhile is named, and the
// list read anew.
TEST(ChildChoice, ChooseChild)
{
    const QString gone = "Wer übt heute?|Den Ordner von \u201eAnna\u201c gibt es nicht mehr:\rEr wurde gelöscht oder umbenannt.\r"
                         "Die Liste der Kinder wird neu eingelesen.";
    const struct {
        const char *name;
        bool removed; // Anna's folder, after the window came
        QString message, chosen, children;
    } rows[] = {
        {"the child's turn", false, "", "Anna", "Anna|Carla"},
        {"the folder removed", true, gone, "", "Carla"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        FakePlatform platform;
        ChildChoice choice(twoChildren(dir), sampleFolder(), platform);
        choice.activate();
        if (row.removed)
            QDir(choice.childFolder(0)).removeRecursively();
        if (!row.message.isEmpty())
            platform.expectMessage();
        QString chosen;
        QObject::connect(&choice, &ChildChoice::childChosen, [&](const QString &, const QString &name) { chosen = name; });
        choice.chooseChild(0);
        const auto &shown = platform.messages();
        EXPECT_EQ(shown.empty() ? "" : shown.back().title + u'|' + shown.back().text, row.message);
        EXPECT_EQ(chosen, row.chosen);
        EXPECT_EQ(choice.children().join(u'|'), row.children);
    }
}
