// The teacher's side of a class: the password, the words for every child,
// the children renamed, archived and reset.
#include "cards/ClassFolder.h"
#include "cards/ClassPassword.h"
#include "cards/Folder.h"
#include "drill/ChildChoice.h"
#include "teacher/TeacherMenu.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

// Runs "set a b", "check x", "without", "later 30" on a password; what each
// said, joined by "|".
QString runPassword(ClassPassword &password, FakePlatform &platform, const QString &steps)
{
    QStringList said;
    for (const QString &step : steps.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = step.trimmed().split(u' ');
        if (w[0] == u"set")
            said << (password.set(w[1], w[2]).isEmpty() ? QStringLiteral("set") : QStringLiteral("refused"));
        else if (w[0] == u"check")
            said << QStringList{"Right", "Wrong", "Waiting"}[int(password.check(w[1]))];
        else if (w[0] == u"without")
            said << (password.setWithout() ? QStringLiteral("without") : QStringLiteral("failed"));
        else if (w[0] == u"later")
            platform.time = platform.time.addSecs(w[1].toInt());
        else
            ADD_FAILURE() << "unknown step " << step.toStdString();
    }
    return said.join(u'|');
}

} // namespace

TEST(ClassPassword, Rules)
{
    const struct {
        const char *name;
        QByteArray ini; // ZEK-Klasse.ini before
        QString steps, said, state; // state: 0 undecided, 1 without, 2 set
    } rows[] = {
        {"no file: undecided", "", "", "", "0"},
        {"set, then checked", "", "set geheim1 geheim1; check geheim1; check Geheim1", "set|Right|Wrong", "2"},
        {"too short", "", "set abc12 abc12", "refused", "0"},
        {"typed twice differently", "", "set geheim1 geheim2", "refused", "0"},
        {"three wrong, then 30 s wait", "",
         "set geheim1 geheim1; check a; check b; check c; check geheim1; later 29; check geheim1; later 1; check geheim1",
         "set|Wrong|Wrong|Wrong|Waiting|Waiting|Right", "2"},
        {"changed: the old one no longer", "", "set geheim1 geheim1; set anderes2 anderes2; check geheim1; check anderes2",
         "set|set|Wrong|Right", "2"},
        {"without a password", "Farbe=blau\r\n", "without", "without", "1"},
        {"the line deleted: undecided again", "Farbe=blau\r\n", "", "", "0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        if (!row.ini.isEmpty())
            writeBytes(QDir(dir.path()).filePath("ZEK-Klasse.ini"), row.ini);
        FakePlatform platform;
        ClassPassword password(dir.path(), platform);
        EXPECT_EQ(runPassword(password, platform, row.steps), row.said);
        EXPECT_EQ(QString::number(int(password.state())), row.state);
        QFile ini(QDir(dir.path()).filePath("ZEK-Klasse.ini"));
        const QByteArray file = ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
        EXPECT_TRUE(file.startsWith(row.ini)); // other lines kept
        EXPECT_EQ(file.contains("Kennwort=$argon2id$"), row.state == u"2");
        for (QDirIterator it(dir.path(), QDir::Files | QDir::Hidden); it.hasNext();) { // nowhere in plain text
            const QByteArray bytes = readBytes(it.next());
            for (const char *typed : {"geheim1", "anderes2"})
                EXPECT_FALSE(bytes.contains(typed)) << it.filePath().toStdString();
        }
    }
}

// The boxes in "Wer übt heute?" and the menu: who asks for the password.
TEST(ClassPassword, AskedBeforeTeacherFunctions)
{
    const QString wrong = "Lernfortschritt|Das Kennwort stimmt nicht.";
    const QString first = "Lehrkraft-Kennwort festlegen|Mit einem Kennwort öffnen nur Sie das Menü der Lehrkraft,\r"
                          "den Lernfortschritt der Kinder und \u201eNeues Kind \u2026\u201c.\r"
                          "Ohne Kennwort kann jedes Kind alle Ergebnisse sehen.";
    const struct {
        const char *name;
        QString set; // the password set before; "ohne" for none
        const char *press; // "teacher", "progress", "new", "change"
        QString choice;
        QStringList typed; // into the password boxes
        QString messages, outcome; // outcome: menu, progress, asked (new child's name), or nothing
    } rows[] = {
        {"first use: without a password", "", "teacher", "Ohne Kennwort", {}, first, "menu"},
        {"first use: a password set", "", "teacher", "Lehrkraft-Kennwort festlegen", {"geheim1", "geheim1"}, first, "menu"},
        {"no file: \u201eNeues Kind\u201c as before", "", "new", "", {}, "", "asked"},
        {"without: nothing asked", "ohne", "progress", "", {}, "", "progress"},
        {"wrong, then right", "geheim1", "progress", "", {"falsch1", "geheim1"}, wrong, "progress"},
        {"cancelled", "geheim1", "new", "", {""}, "", ""},
        {"three wrong: wait", "geheim1", "progress", "", {"a1", "b1", "c1"}, wrong + '|' + wrong + '|' + wrong + "|Lernfortschritt|Bitte noch 30 Sekunden warten,\rdann das Kennwort noch einmal eingeben.", ""},
        {"change: the old one first", "geheim1", "change", "", {"falsch1", "geheim1", "neues12", "neues12"}, "Kennwort ändern|Das Kennwort stimmt nicht.|Kennwort ändern|Das neue Kennwort gilt ab jetzt.", "neues12"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("Anna");
        copySampleBox(QDir(dir.path()).filePath("Anna"));
        FakePlatform platform;
        ChildChoice choice(dir.path(), sampleFolder(), platform);
        choice.setProgressAvailable(true);
        choice.activate();
        if (row.set == u"ohne")
            choice.password().setWithout();
        else if (!row.set.isEmpty())
            choice.password().set(row.set, row.set);
        TeacherMenu menu(dir.path(), platform, choice.password());
        if (!row.choice.isEmpty())
            platform.expectChoice(row.choice);
        for (const QString &typed : row.typed)
            platform.expectPassword(typed);
        platform.answersOk = true; // the messages are checked below
        QString outcome;
        QObject::connect(&choice, &ChildChoice::teacherMenuWanted, [&] { outcome = "menu"; });
        const QString press = QLatin1String(row.press);
        if (press == u"new") {
            if (row.outcome == u"asked")
                platform.expectInput({});
            choice.newChild();
            outcome = platform.inputDefaults.isEmpty() ? "" : "asked";
        } else if (press == u"progress") {
            choice.chooseProgress();
            outcome = choice.choosingProgress() ? "progress" : "";
        } else if (press == u"change") {
            menu.changePassword();
            outcome = choice.password().check("neues12") == ClassPassword::Check::Right ? "neues12" : "";
        } else {
            choice.teacher();
        }
        QStringList shown;
        for (const Message &m : platform.messages())
            shown << m.title + u'|' + m.text;
        EXPECT_EQ(shown.join(u'|'), row.messages);
        EXPECT_EQ(outcome, row.outcome);
    }
}

namespace {

// A class of Anna (Haus in box 3), Ben (no German card) and Carla (Igel),
// and a Vorlage; the list of this week: Haus, Igel, Maus, one line refused.
struct Klasse {
    Klasse()
    {
        for (const auto &[child, cards] : {std::pair{"Anna", "3, Haus, H\xe4user, Das Haus ist alt.\r\n"},
                                           std::pair{"Ben", ""}, std::pair{"Carla", "1, Igel, , \r\n"},
                                           std::pair{"Vorlage", ""}}) {
            QDir(dir.path()).mkdir(child);
            writeBox(folder(child), cards);
        }
        writeBytes(list(), "Haus;Häuser\r\nIgel\r\n;ohne Grundwort\r\nMaus;Mäuse\r\n");
    }
    QString folder(const QString &child) const { return QDir(dir.path()).filePath(child); }
    QString list() const { return QDir(dir.path()).filePath("woche.csv"); }
    QByteArray german(const QString &child) const { return readBytes(QDir(folder(child)).filePath("ZEKCARD1.LST")); }
    QByteArray record(const QString &child) const // none: empty
    {
        QFile file(QDir(folder(child)).filePath("Verlauf.csv"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

const QByteArray head = "Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe\r\n";
QByteArray given(const char *word) { return "2026-03-02T08:15:00;Deutsch;" + QByteArray(word) + ";;1;Lehrkraft;;\r\n"; }

} // namespace

TEST(WordsForAll, GivesTheNewWordsToEveryChild)
{
    const QByteArray anna = "3, Haus, H\xe4user, Das Haus ist alt.\r\n1, Igel, , \r\n1, Maus, M\xe4use, \r\n";
    const QByteArray ben = "1, Haus, H\xe4user, \r\n1, Igel, , \r\n1, Maus, M\xe4use, \r\n";
    const QByteArray open = "Nicht geändert: Ben (an Computer \u201e" + QSysInfo::machineHostName().toUtf8() + "\u201c geöffnet)";
    const struct {
        const char *name;
        bool benOpen, intoTemplate, retry;
        QString preview, done, notChanged;
        QByteArray benCards, benRecord, vorlage;
    } rows[] = {
        {"every child", false, false, false, "Anna: 0 neu, 3 schon vorhanden|Ben: 0 neu, 3 schon vorhanden|Carla: 0 neu, 3 schon vorhanden",
         "Fertig: Alle haben die Wörter bekommen.", "", ben, head + given("Haus") + given("Igel") + given("Maus"), ""},
        {"an open child is left out", true, false, false, "Anna: 0 neu, 3 schon vorhanden|Ben: 3 neu, 0 schon vorhanden|Carla: 0 neu, 3 schon vorhanden",
         "Fertig bei 2 von 3.", open, "", "", ""},
        {"tried again once closed", true, false, true, "Anna: 0 neu, 3 schon vorhanden|Ben: 0 neu, 3 schon vorhanden|Carla: 0 neu, 3 schon vorhanden",
         "Fertig: Alle haben die Wörter bekommen.", "", ben, head + given("Haus") + given("Igel") + given("Maus"), ""},
        {"the Vorlage too", false, true, false, "Anna: 0 neu, 3 schon vorhanden|Ben: 0 neu, 3 schon vorhanden|Carla: 0 neu, 3 schon vorhanden",
         "Fertig: Alle haben die Wörter bekommen.", "", ben, head + given("Haus") + given("Igel") + given("Maus"), ben},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Klasse klasse;
        FakePlatform platform;
        WordsForAll words(klasse.dir.path(), platform);
        words.start();
        platform.expectFile(klasse.list());
        words.chooseFile();
        EXPECT_EQ(words.preview().join(u'|'), "Anna: 2 neu, 1 schon vorhanden|Ben: 3 neu, 0 schon vorhanden|Carla: 2 neu, 1 schon vorhanden");
        EXPECT_EQ(words.refused().join(u'|'), "Zeile 3: kein Grundwort");
        words.setIntoTemplate(row.intoTemplate);
        auto lock = std::make_unique<FolderLock>(klasse.folder("Ben"));
        if (row.benOpen) {
            ASSERT_EQ(lock->lock(), FolderLock::State::Locked);
        }
        words.giveToAll();
        lock.reset();
        if (row.retry)
            words.retry();
        EXPECT_EQ(words.preview().join(u'|'), row.preview);
        EXPECT_EQ(words.done(), row.done);
        EXPECT_EQ(words.notChanged().join(u'|'), row.notChanged);
        EXPECT_EQ(klasse.german("Anna"), anna);
        EXPECT_EQ(klasse.record("Anna"), head + given("Igel") + given("Maus"));
        EXPECT_EQ(klasse.german("Ben"), row.benCards);
        EXPECT_EQ(klasse.record("Ben"), row.benRecord);
        EXPECT_EQ(klasse.german("Vorlage"), row.vorlage);
        EXPECT_EQ(klasse.record("Vorlage"), "");
    }
}

TEST(TeacherMenu, Children)
{
    const QString annaOpen = "Die Kartei von \u201eAnna\u201c ist gerade";
    const struct {
        const char *name;
        const char *press; // for Anna: "rename", "archive", "reset"; "restore"
        bool annaOpen;
        QString typed; // the new name, or the one brought back
        Answer answer;
        QString message, children, archived;
        QByteArray annaCards, annaRecord;
    } rows[] = {
        {"renamed", "rename", false, "Anne", Answer::Ok, "", "Anne|Ben|Carla", "Dora", "", ""},
        {"renamed: the name rules of a new child", "rename", false, "Archiv", Answer::Ok,
         "\u201eArchiv\u201c ist der Ordner für Kinder, die die Klasse verlassen haben.", "Anna|Ben|Carla", "Dora", "", ""},
        {"archived: no longer listed, never a child", "archive", false, "", Answer::Yes, "", "Ben|Carla", "Anna|Dora", "", ""},
        {"archive: Nein", "archive", false, "", Answer::No, "", "Anna|Ben|Carla", "Dora", "", ""},
        {"brought back", "restore", false, "Dora", Answer::Ok, "", "Anna|Ben|Carla|Dora", "", "", ""},
        {"reset to Fach 1", "reset", false, "", Answer::Yes, "", "Anna|Ben|Carla", "Dora",
         "1, Haus, H\xe4user, Das Haus ist alt.\r\n", head + "2026-03-02T08:15:00;Deutsch;Haus;3;1;Lehrkraft;;\r\n"},
        {"an open child is not touched", "reset", true, "", Answer::Ok, annaOpen, "Anna|Ben|Carla", "Dora", "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Klasse klasse;
        QDir(klasse.dir.path()).mkpath("Archiv/Dora");
        copySampleBox(QDir(klasse.dir.path()).filePath("Archiv/Dora"));
        const QByteArray before = klasse.german("Anna");
        FakePlatform platform;
        ClassPassword password(klasse.dir.path(), platform);
        TeacherMenu menu(klasse.dir.path(), platform, password);
        menu.activate();
        ASSERT_EQ(menu.children().join(u'|'), "Anna|Ben|Carla"); // neither Vorlage nor Archiv
        FolderLock lock(klasse.folder("Anna"));
        if (row.annaOpen) {
            ASSERT_EQ(lock.lock(), FolderLock::State::Locked);
        }
        platform.answersOk = true;
        if (row.answer != Answer::Ok)
            platform.expectMessage(row.answer);
        const QString press = QLatin1String(row.press);
        if (press == u"rename") {
            platform.expectInput(row.typed);
            if (!row.message.isEmpty())
                platform.expectInput({});
            menu.renameChild();
        } else if (press == u"restore") {
            platform.expectChoice(row.typed);
            menu.restoreChild();
        } else {
            (menu.*(press == u"archive" ? &TeacherMenu::archiveChild : &TeacherMenu::resetChild))();
        }
        QStringList texts;
        for (const Message &m : platform.messages())
            if (m.buttons == Buttons::Ok && m.title != u"Aus dem Archiv holen")
                texts << m.text;
        EXPECT_EQ(texts.join(u'|').left(row.message.size()), row.message);
        EXPECT_EQ(menu.children().join(u'|'), row.children);
        EXPECT_EQ(childrenOf(klasse.dir.path()).join(u'|'), QStringList(menu.children()).join(u'|'));
        EXPECT_EQ(archivedChildrenOf(klasse.dir.path()).join(u'|'), row.archived);
        if (menu.children().contains("Anna")) {
            EXPECT_EQ(klasse.german("Anna"), row.annaCards.isEmpty() ? before : row.annaCards);
            EXPECT_EQ(klasse.record("Anna"), row.annaRecord);
        }
    }
}
