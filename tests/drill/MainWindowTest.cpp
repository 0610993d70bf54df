#include "Trainer.h"

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray sample("1, Apfel, \xc4pfel, Der Apfel ist rot.\r\n"
                        "2, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n"
                        "2, Hund, Hunde, Der Hund bellt.\r\n");


} // namespace

// The last box of each script with the title given, word for word.
TEST(MainWindow, ShowsItsMessagesExactly)
{
    const struct {
        const char *script, *title, *text;
        Icon icon = Icon::None;
    } cases[] = {
        {"box 4", "Fach 4", "Dieses Fach ist leer, bitte\rein anderes Fach wählen!\r"},
        {"paste 12345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901",
         "Texteingabe", "Der Text ist zu lang!\r"},
        {"explain", "Schwierigkeitsstufe", "1 --> Nur das Lernwort schreiben\r2 --> Verwandtes Wort zusätzlich\r"
         "3 --> Auch Satzbeispiel eingeben\r\r(Zum Ändern die Ziffer anklicken)\r"},
        {"card", "ZEK-Karteikarte:  Fach 1", "A  p  f  e  l \r\rÄpfel\r\rDer Apfel ist rot.\r\r\r"},
        {"order", "Wortauswahl", "Wortauswahl in zufälliger Reihenfolge!"},
        {"order; order", "Wortauswahl", "Wortauswahl nach der ABC-Reihenfolge!"},
        {"open memory", "Memoryspiel abbrechen", "Es sind nicht genügend Wörter vorhanden!\r\r"},
        {"name Lena", "Neuer Name: Lena", "Der Benutzername wurde geändert.\rDie Karteikarten bleiben wie gesetzt.\r\r\r"},
        {"answer nein; exit", "ZEK-Rechtschreibkartei", "Die ZEK-Rechtschreibkartei beenden?\r", Icon::Critical},
        {"type Apfel; gone; lang", "Speicherfehler", "Die Karteikarten wurden nicht gespeichert!\rDie Datei 'ZEKCARD1.LST' konnte nicht geschrieben werden\r"
         "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\rDie Datei bleibt, wie sie war.\r"},
        {"remove ZEKCARD2.LST; lang", "Dateifehler", "Die Kartei 'ZEKCARD2.LST' kann nicht gelesen werden.\rDie Datei wird nicht überschrieben.\r"},
        {"remove ZEKCARDS.INI; start", "ZEKKarte abbrechen", "Die Installation ist so nicht vollständig,\rder Programmstart wird abgebrochen!\r"},
        {"type Apfel; gone; answer ja; answer nein; exit", "ZEK-Rechtschreibkartei",
         "Die Karteikarten konnten nicht gespeichert werden.\rTrotzdem beenden?", Icon::Question},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.script);
        Trainer t;
        t.play(sample, QString::fromUtf8(c.script));
        const qsizetype i = t.platform.titles().lastIndexOf(QString::fromUtf8(c.title));
        ASSERT_GE(i, 0);
        const Message &m = t.platform.messages()[i];
        EXPECT_EQ(m.title + u'|' + m.text, QString::fromUtf8(c.title) + u'|' + QString::fromUtf8(c.text));
        EXPECT_EQ(m.icon, c.icon);
        EXPECT_EQ(m.buttons, c.icon == Icon::None ? Buttons::Ok : Buttons::YesNo);
        EXPECT_EQ(m.defaultButton, c.icon == Icon::None ? Answer::Ok : Answer::No);
    }
}

// The language, the tool bar windows, the user name and the exit, as
// scripts on a file: the boxes shown (titles) and what is seen afterwards.
TEST(MainWindow, Scenarios)
{
    runScenarios({
        {"the start", sample, "", "", "started=yes; lang=D; caption=Z e i c h e n s a t z\rDeutsch; level= 1; box=1; mode=1; order=abc; target=Apfel; name=Freund; lock=yes"},
        {"lower-case names count", sample, "rename ZEKCARD2.LST zekcard2.lst; start", "", "started=yes"},
        {"no language file", sample, "remove ZEKCARDS.INI; start", "ZEKKarte abbrechen", "started=no; total=0; lock=no"},
        {"no English cards", sample, "remove ZEKCARD2.LST; start", "ZEKKarte abbrechen", "started=no; total=0; lock=no"},
        {"a read-only folder takes no lock", sample, "folder-ro; start; rw", "", "started=yes; lock=no"},
        {"the flag saves first", sample, "type Apfel; lang", "Fach 1", "lang=E; target=dog; file=222"},
        {"D, E, F, D", sample, "lang; lang; lang", "", "lang=D; target=Apfel"},
        {"a full disk keeps the old file and the language", sample, "type Apfel; full; lang; room", "Fach 1|Speicherfehler", "lang=D; file=122; boxes=222; files=5"},
        {"a folder that takes no new file: saved in place", sample, "type Apfel; folder-ro; lang; rw", "Fach 1", "lang=E; file=222; files=5"},
        {"folder and file read-only", sample, "type Apfel; folder-ro; file-ro; lang; rw", "Fach 1|Speicherfehler", "lang=D; file=122; files=5"},
        {"the folder vanishes", sample, "type Apfel; gone; lang", "Fach 1|Speicherfehler", "lang=D; boxes=222; file=none"},
        {"a file that cannot be read is never written", sample, "remove ZEKCARD2.LST; lang; lang; lang", "Dateifehler|Fach 1", "lang=D; files=4; total=3"},
        {"the block error", sample + "2, Zebra\r\n", "", "Dateifehler",
         "last=In der Datei steckt ein Fehler, es\rmüssen immer Viererblöcke sein!\r( Listenzahlen:  4 3 3 4 )\r\r"},
        {"the incomplete last card is kept", sample + "2, Zebra\r\n", "box 2; type Haus; type Hund; answer ja; exit", "Dateifehler|ZEK-Rechtschreibkartei", "file=1332; quit=1"},
        {"more cards than a list holds", cards(33767), "type Wort100; answer ja; exit", "ZEK-Rechtschreibkartei", "total=33767; quit=1"},
        {"memory needs 18 words", cards(17), "open memory", "Memoryspiel abbrechen", "opened=0"},
        {"memory with 18", cards(18), "open memory", "", "opened=1"},
        {"games need a word", cards(1), "open hangman; open prison", "", "opened=2"},
        {"no target: games do nothing", "", "open hangman; open prison", "Fach 1", "opened=0"},
        {"the editor wants the word shown", sample, "prompt ; prompt apfel; prompt Apfel ; prompt Apfel", "", "opened=1"},
        {"an empty list opens the editor on Cancel", "", "prompt ", "Fach 1", "opened=1"},
        {"a failed save opens no window", sample, "type Apfel; gone; open show", "Fach 1|Speicherfehler", "opened=0"},
        {"return restores box, level, mode", sample, "level; level; box 2; type Haus; type Häuser; type Das Haus ist groß.; modes; mode 4; open show; traces; activate",
         "", "box=2; level=3; mode=5; display= H  u  _  _ ; file=132"},
        {"a new user name", sample, "name Lena", "Neuer Name: Lena", "name=Lena; file=122"},
        {"Cancel keeps the name", sample, "name ", "", "name=Freund"},
        {"exit: Nein", sample, "type Apfel; answer nein; exit", "Fach 1|ZEK-Rechtschreibkartei", "quit=0; file=122"},
        {"exit: Ja saves", sample, "type Apfel; answer ja; exit", "Fach 1|ZEK-Rechtschreibkartei", "quit=1; file=222"},
        {"save fails, end anyway", sample, "type Apfel; gone; answer ja; answer ja; exit", "Fach 1|ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei", "quit=1"},
        {"save fails, stay", sample, "type Apfel; gone; answer ja; answer nein; exit", "Fach 1|ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei", "quit=0; boxes=222"},
        {"the desktop session ends", sample, "type Apfel; end", "Fach 1", "quit=0; file=222"},
        {"an answered card is saved once the key is done", sample, "type Apfel; idle", "Fach 1", "file=222; boxes=222"},
        {"saving after answers fails: told once, then saved again", sample,
         "folder-ro; file-ro; box 2; type Haus; idle; type Hund; idle; rw; box 1; type Apfel; idle", "Speicherfehler|Fach 2|Fach 1", "file=233"},
        {"ended from outside: saved without a word", sample, "type Apfel; term", "Fach 1", "quit=1; file=222"},
        {"a failed save still opens the information window", sample, "type Apfel; folder-ro; file-ro; open info; rw", "Fach 1|Speicherfehler", "opened=1; file=122"},
    });
}
