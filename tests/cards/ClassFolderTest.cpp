// The class folder: which folder is one, its children in the order of a
// class list, the names a child may have, and a new child's card box.
#include "cards/ClassFolder.h"
#include "cards/Folder.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

// Makes each entry in folder: "name/" a folder, any other a file holding its own name.
static void make(const QString &folder, const QStringList &entries)
{
    for (const QString &entry : entries)
        if (QDir().mkpath(QFileInfo(QDir(folder).filePath(entry)).path()) && !entry.endsWith(u'/'))
            writeBytes(QDir(folder).filePath(entry), entry.toUtf8());
}

static QString entries(const QString &folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name).join(u'|'); }

// The children in the order of a German class list, also in the C locale.
TEST(ClassFolder, AFolderOfChildrensCardBoxes)
{
    const struct {
        const char *name;
        QStringList entries;
        bool isClass;
        QString children;
    } rows[] = {
        {"a box of its own is no class", {"ZEKCARD2.LST", "Anna/ZEKCARD1.LST"}, false, "Anna"},
        {"the Vorlage is no child", {"vorlage/ZEKCARD1.LST", "Vorlage2/ZEKCARD1.LST"}, true, "Vorlage2"},
        {"the Archiv is no child, nor are the children in it", {"Archiv/ZEKCARD1.LST", "Archiv/Dora/ZEKCARD1.LST", "Ben/ZEKCARD1.LST"}, true, "Ben"},
        {"a child being made is no child", {".Neues-Kind-a1b2c3/ZEKCARD1.LST", "Anna/ZEKCARD3.LST"}, true, "Anna"},
        {"no child, no class", {"Leer/", "notiz.txt"}, false, ""},
        {"umlauts stand with their vowel", {"Zoe/ZEKCARD1.LST", "Özlem/zekcards.ini", "Paul/ZEKCARD1.LST", "Ärne/ZEKCARD1.LST", "Ole/ZEKCARD1.LST"}, true, "Ärne|Ole|Özlem|Paul|Zoe"},
        {"case does not split the list", {"ben/ZEKCARD1.LST", "Anna/ZEKCARD1.LST", "Carl/ZEKCARD1.LST", "anna/ZEKCARD1.LST"}, true, "Anna|anna|ben|Carl"},
        {"numbers count as numbers", {"Jan 10/ZEKCARD1.LST", "Jan 2/ZEKCARD1.LST"}, true, "Jan 2|Jan 10"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        make(dir.path(), row.entries);
        EXPECT_EQ(isClassFolder(dir.path()), row.isClass);
        EXPECT_EQ(childrenOf(dir.path()).join(u'|'), row.children);
    }
}

TEST(ClassFolder, ANameMustBeAFolderNameOnEverySystem)
{
    QTemporaryDir dir;
    make(dir.path(), {"Anna/ZEKCARD1.LST", "notiz.txt", "Jörg/"});
    const QString ends = "Ein Name darf nicht mit einem Leerzeichen\roder einem Punkt anfangen oder enden.";
    const QString windows = "\u201e%1\u201c kann unter Windows kein Ordnername sein.\rBitte einen anderen Namen wählen.";
    const struct {
        const char *name;
        QString given, refused;
    } rows[] = {
        {"umlauts, blanks and a hyphen inside", "Jürgen Müller-Lüdenscheid", ""},
        {"a tab", "Ben\tCarl", "Ein Name darf keine Steuerzeichen enthalten."},
        {"only blanks", "   ", "Bitte den Namen des Kindes eingeben."},
        {"a leading blank", " Ben", ends},
        {"a trailing dot", "Ben.", ends},
        {"CON in any case", "con", windows.arg("con")},
        {"NUL with an extension", "NUL.txt", windows.arg("NUL.txt")},
        {"LPT9", "LPT9", windows.arg("LPT9")},
        {"COM with a superscript digit", "COM\u00b9", windows.arg("COM\u00b9")},
        {"names that only begin like one", "COM10", ""},
        {"sixty characters", QString(60, u'x'), ""},
        {"sixty-one characters", QString(61, u'x'), "Der Name ist zu lang: höchstens 60 Zeichen."},
        {"Vorlage", "vorlage", "\u201eVorlage\u201c ist der Ordner, aus dem neue Kinder ihre Kartei bekommen.\rBitte einen anderen Namen wählen."},
        {"a child in another case", "ANNA", "\u201eAnna\u201c gibt es in der Klasse schon."},
        {"the umlaut typed as two characters", "Jo\u0308rg", "\u201eJörg\u201c gibt es in der Klasse schon."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(childNameError(dir.path(), row.given), row.refused) << row.name;
    for (QChar c : QStringLiteral("/\\:*?\"<>|"))
        EXPECT_EQ(childNameError(dir.path(), QStringLiteral("Ben") + c),
                  "Ein Name darf keines dieser Zeichen enthalten:\r/  \\  :  *  ?  \"  <  >  |");
}

// From the class's Vorlage (its four card files only) or the sample; a
// refused name or an incomplete Vorlage leaves the class folder as it was.
TEST(ClassFolder, ANewChildsBoxFromTheVorlageOrTheSample)
{
    const QStringList vorlage{"Vorlage/ZEKCARDS.INI", "Vorlage/zekcard1.lst", "Vorlage/ZEKCARD2.LST",
                              "Vorlage/ZEKCARD3.LST", "Vorlage/Verlauf.csv", "Vorlage/ZEK-Rechtschreibkartei.lock"};
    const struct {
        const char *name;
        QStringList entries;
        QString given, error, after;
        QByteArray german;
    } rows[] = {
        {"from the sample", {"Anna/ZEKCARD1.LST"}, "Ben", "", "Anna|Ben", readBytes(sampleFolder() + "/ZEKCARD1.LST")},
        {"from the Vorlage", vorlage, "Jo\u0308rg", "", "Jörg|Vorlage", "Vorlage/zekcard1.lst"},
        {"a Vorlage without a card file", vorlage.mid(0, 3), "Ben", "In der Vorlage \u201e%1/Vorlage\u201c fehlt die Datei \u201eZEKCARD3.LST\u201c.\rDas Kind wurde nicht angelegt.", "Vorlage", ""},
        {"a name refused", {"Anna/ZEKCARD1.LST"}, "anna", "\u201eAnna\u201c gibt es in der Klasse schon.", "Anna", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        make(dir.path(), row.entries);
        const NewChild made = makeChild(dir.path(), row.given, sampleFolder());
        EXPECT_EQ(made.error, QString(row.error).replace("%1", dir.path()));
        EXPECT_EQ(entries(dir.path()), row.after);
        if (made.error.isEmpty()) {
            EXPECT_EQ(entries(made.folder), "ZEKCARD1.LST|ZEKCARD2.LST|ZEKCARD3.LST|ZEKCARDS.INI");
            EXPECT_EQ(readBytes(made.folder + "/ZEKCARD1.LST"), row.german);
            EXPECT_TRUE(QFileInfo(made.folder + "/ZEKCARD1.LST").isWritable());
        }
    }
}

// The computer room's list of classes: what "--klasse" alone opens.
TEST(ClassFolder, TheComputerRoomsListOfClasses)
{
    const struct {
        const char *name;
        const char *list; // nullptr: no list; "@" stands for the temporary folder
        QString folder, classes, error; // "@" as above
    } rows[] = {
        {"no list: the user's own class", nullptr, "@/home/ZEK-Klasse", "", ""},
        {"a list of comments only", "# Klassen\n\n   # keine\n", "@/home/ZEK-Klasse", "", ""},
        {"one class", "# der Server\n\n@/server/3a  \n", "@/server/3a", "", ""},
        {"the home folder and the list's own", "~/3a\nserver/3b\r\n", "", "@/home/3a|@/etc/server/3b", ""},
        {"a comment after a folder", "~/Schule/4a        # ~/ is the home\n@/server/Klasse 3b\t# Frau Roth\n@/server/3#c\n", "",
         "@/home/Schule/4a|@/server/Klasse 3b|@/server/3#c", ""},
        {"one class that is not there", "@/server/fehlt\n", "", "",
         "Den Klassen-Ordner \u201e@/server/fehlt\u201c gibt es nicht (ist der Schul-Server verbunden?).\rDie ZEK-Rechtschreibkartei wird beendet."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const auto here = [&](QString text) { return text.replace(u'@', dir.path()); };
        make(dir.path(), {"home/", "server/3a/", "etc/"});
        const QString list = dir.filePath("etc/klassen.conf");
        if (row.list)
            writeBytes(list, here(QString::fromUtf8(row.list)).toUtf8());
        const CardFolderChoice choice = chooseCardFolder({"--klasse"}, dir.path(), dir.filePath("home"), sampleFolder(), list);
        EXPECT_EQ(choice.folder + u'#' + choice.classes.join(u'|') + u'#' + choice.error, here(row.folder) + u'#' + here(row.classes) + u'#' + here(row.error));
        EXPECT_EQ(choice.classMode, row.error.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("server/fehlt"))) << "a listed folder is never made";
    }
}
