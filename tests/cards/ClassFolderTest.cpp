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

namespace {

// Makes each entry in folder: "name/" a folder, any other a file of its own name.
void make(const QString &folder, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = QDir(folder).filePath(entry);
        if (entry.endsWith(u'/'))
            QDir().mkpath(path);
        else {
            QDir().mkpath(QFileInfo(path).path());
            writeBytes(path, entry.toUtf8());
        }
    }
}

QString entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name).join(u'|');
}

} // namespace

TEST(ClassFolder, AFolderOfChildrensCardBoxes)
{
    const struct {
        const char *name;
        QStringList entries;
        bool isClass;
        QString children;
    } rows[] = {
        {"two children", {"Anna/ZEKCARD1.LST", "Ben/zekcards.ini"}, true, "Anna|Ben"},
        {"a box of its own is no class", {"ZEKCARD2.LST", "Anna/ZEKCARD1.LST"}, false, "Anna"},
        {"the Vorlage is no child", {"Vorlage/ZEKCARD1.LST", "vorlage2/ZEKCARD1.LST"}, true, "vorlage2"},
        {"a lower-case vorlage neither", {"vorlage/ZEKCARD1.LST"}, false, ""},
        {"a child being made is no child", {".Neues-Kind-a1b2c3/ZEKCARD1.LST", "Anna/ZEKCARD3.LST"}, true, "Anna"},
        {"empty folders and files are no children", {"Leer/", "notiz.txt", "Anna/ZEKCARD1.LST"}, true, "Anna"},
        {"no child, no class", {"Leer/", "notiz.txt"}, false, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        make(dir.path(), row.entries);
        EXPECT_EQ(isClassFolder(dir.path()), row.isClass);
        EXPECT_EQ(childrenOf(dir.path()).join(u'|'), row.children);
    }
}

// The order of a German class list, also where the program runs in the C locale.
TEST(ClassFolder, ChildrenInTheOrderOfTheGermanAlphabet)
{
    const struct {
        const char *name;
        QString names, sorted;
    } rows[] = {
        {"umlauts stand with their vowel", "Zoe|Özlem|Paul|Anna|Ärne|Ole", "Anna|Ärne|Ole|Özlem|Paul|Zoe"},
        {"case does not split the list", "ben|Anna|Carl|aaron", "aaron|Anna|ben|Carl"},
        {"numbers count as numbers", "Jan 10|Jan 2|Jan 1", "Jan 1|Jan 2|Jan 10"},
        {"equal but for case in a fixed order", "anna|Anna", "Anna|anna"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QStringList names = row.names.split(u'|');
        sortGerman(names);
        EXPECT_EQ(names.join(u'|'), row.sorted);
    }
}

TEST(ClassFolder, ANameMustBeAFolderNameOnEverySystem)
{
    QTemporaryDir dir;
    make(dir.path(), {"Anna/ZEKCARD1.LST", "notiz.txt", QStringLiteral("Jörg/ZEKCARD1.LST")});
    const QString chars = "Ein Name darf keines dieser Zeichen enthalten:\r/  \\  :  *  ?  \"  <  >  |";
    const QString ends = "Ein Name darf nicht mit einem Leerzeichen\roder einem Punkt anfangen oder enden.";
    const auto windows = [](const char *name) {
        return QStringLiteral("\u201e%1\u201c kann unter Windows kein Ordnername sein.\rBitte einen anderen Namen wählen.")
            .arg(QString::fromUtf8(name));
    };
    const struct {
        const char *name;
        QString given, refused;
    } rows[] = {
        {"a plain name", "Ben", ""},
        {"umlauts, blanks and a hyphen inside", "Jürgen Müller-Lüdenscheid", ""},
        {"slash", "Ben/Carl", chars}, {"backslash", "Ben\\Carl", chars}, {"colon", "Ben:2", chars},
        {"star", "Ben*", chars}, {"question mark", "Ben?", chars}, {"double quote", "\"Ben\"", chars},
        {"less than", "<Ben", chars}, {"greater than", "Ben>", chars}, {"bar", "Ben|Carl", chars},
        {"a tab", "Ben\tCarl", "Ein Name darf keine Steuerzeichen enthalten."},
        {"a line break", "Ben\nCarl", "Ein Name darf keine Steuerzeichen enthalten."},
        {"only blanks", "   ", "Bitte den Namen des Kindes eingeben."},
        {"a leading blank", " Ben", ends}, {"a trailing blank", "Ben ", ends},
        {"a leading dot", ".Ben", ends}, {"a trailing dot", "Ben.", ends},
        {"CON", "CON", windows("CON")}, {"con in lower case", "con", windows("con")},
        {"NUL with an extension", "NUL.txt", windows("NUL.txt")}, {"COM1", "Com1", windows("Com1")},
        {"LPT9", "LPT9", windows("LPT9")}, {"COM with a superscript digit", "COM\u00b9", windows("COM\u00b9")},
        {"names that only begin like one", "Conny", ""}, {"COM10", "COM10", ""},
        {"sixty characters", QString(60, u'x'), ""},
        {"sixty-one characters", QString(61, u'x'), "Der Name ist zu lang: höchstens 60 Zeichen."},
        {"Vorlage", "vorlage",
         "\u201eVorlage\u201c ist der Ordner, aus dem neue Kinder ihre Kartei bekommen.\rBitte einen anderen Namen wählen."},
        {"a child in another case", "ANNA", "\u201eAnna\u201c gibt es in der Klasse schon."},
        {"a file of that name", "Notiz.TXT", "\u201enotiz.txt\u201c gibt es in der Klasse schon."},
        {"the umlaut typed as two characters", "Jo\u0308rg", "\u201eJörg\u201c gibt es in der Klasse schon."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(childNameError(dir.path(), row.given), row.refused);
    }
}

// A new child's box comes from the class's Vorlage (its four files only) or
// from the sample; a refused name or an incomplete Vorlage leaves the class
// folder as it was.
TEST(ClassFolder, ANewChildsBoxFromTheVorlageOrTheSample)
{
    const QString sampleBox = "ZEKCARD1.LST|ZEKCARD2.LST|ZEKCARD3.LST|ZEKCARDS.INI";
    const QStringList vorlage{"Vorlage/ZEKCARDS.INI", "Vorlage/zekcard1.lst", "Vorlage/ZEKCARD2.LST",
                              "Vorlage/ZEKCARD3.LST", "Vorlage/Verlauf.csv", "Vorlage/ZEK-Rechtschreibkartei.lock"};
    const struct {
        const char *name;
        QStringList entries;
        QString given, error, folderAfter, germanFrom;
    } rows[] = {
        {"from the sample", {"Anna/ZEKCARD1.LST"}, "Ben", "", "Anna|Ben", "sample"},
        {"from the Vorlage, its four files only", vorlage, "Ben", "", "Ben|Vorlage", "Vorlage/zekcard1.lst"},
        {"an umlaut typed as two characters is stored as one", {}, "Jo\u0308rg", "", "Jörg", "sample"},
        {"a Vorlage without a card file", QStringList(vorlage).mid(0, 3), "Ben",
         "In der Vorlage \u201e%1/Vorlage\u201c fehlt die Datei \u201eZEKCARD3.LST\u201c.\rDas Kind wurde nicht angelegt.",
         "Vorlage", ""},
        {"a name refused", {"Anna/ZEKCARD1.LST"}, "anna", "\u201eAnna\u201c gibt es in der Klasse schon.", "Anna", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        make(dir.path(), row.entries);
        const NewChild made = makeChild(dir.path(), row.given, sampleFolder());
        EXPECT_EQ(made.error, QString(row.error).replace("%1", dir.path()));
        EXPECT_EQ(entries(dir.path()), row.folderAfter);
        if (row.error.isEmpty()) {
            EXPECT_EQ(made.folder, QDir(dir.path()).filePath(childrenOf(dir.path()).constLast()));
            EXPECT_EQ(entries(made.folder), sampleBox);
            EXPECT_EQ(readBytes(QDir(made.folder).filePath("ZEKCARD1.LST")),
                      row.germanFrom == u"sample" ? readBytes(QDir(sampleFolder()).filePath("ZEKCARD1.LST"))
                                                  : row.germanFrom.toUtf8());
            EXPECT_TRUE(QFileInfo(QDir(made.folder).filePath("ZEKCARD1.LST")).isWritable());
        }
    }
}
