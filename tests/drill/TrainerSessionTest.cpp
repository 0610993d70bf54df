#include "Trainer.h"

using namespace zek;
using namespace zek::test;

const QByteArray sample("1, Apfel, \xc4pfel, Der Apfel ist rot.\r\n"
                        "2, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n"
                        "2, Hund, Hunde, Der Hund bellt.\r\n");

// The boxes of each script, word for word, with their icons, buttons and
// default buttons.
SCENARIOS(MainWindow, Messages)
{
    runScenarios({
        {"an empty box", sample, "box 4", "Fach 4", "last=Dieses Fach ist leer, bitte\rein anderes Fach wählen!\r; kinds=none, OK, OK"},
        {"a text too long", sample, "paste 12345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901",
         "Texteingabe", "last=Der Text ist zu lang!\r; kinds=none, OK, OK"},
        {"the levels", sample, "explain", "Schwierigkeitsstufe", "last=1 --> Nur das Lernwort schreiben\r2 --> Verwandtes Wort zusätzlich\r"
                                                                 "3 --> Auch Satzbeispiel eingeben\r\r(Zum Ändern die Ziffer anklicken)\r; kinds=none, OK, OK"},
        {"the card", sample, "card", "ZEK-Karteikarte:  Fach 1", "last=A  p  f  e  l \r\rÄpfel\r\rDer Apfel ist rot.\r\r\r; kinds=none, OK, OK"},
        {"random order", sample, "order", "Wortauswahl", "last=Wortauswahl in zufälliger Reihenfolge!; kinds=none, OK, OK"},
        {"ABC order", sample, "order; order", "Wortauswahl|Wortauswahl", "last=Wortauswahl nach der ABC-Reihenfolge!; kinds=none, OK, OK|none, OK, OK"},
        {"too few words for memory", sample, "open memory", "Memoryspiel abbrechen", "last=Es sind nicht genügend Wörter vorhanden!\r\r; kinds=none, OK, OK"},
        {"a new name", sample, "name Lena", "Neuer Name: Lena", "last=Der Benutzername wurde geändert.\rDie Karteikarten bleiben wie gesetzt.\r\r\r; kinds=none, OK, OK; name=Lena; file=122"},
        {"the exit question", sample, "answer nein; exit", "ZEK-Rechtschreibkartei", "last=Die ZEK-Rechtschreibkartei beenden?\r; kinds=critical, Ja Nein, Nein"},
        {"a failed save", sample, "type Apfel; gone; lang", "Fach 1|Speicherfehler", "last=Die Karteikarten wurden nicht gespeichert!\rDie Datei 'ZEKCARD1.LST' konnte nicht geschrieben werden\r"
                                                                                     "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\rDie Datei bleibt, wie sie war.\r; kinds=none, OK, OK|none, OK, OK; lang=D; boxes=222; file=none"},
        {"a file that cannot be read", sample, "remove ZEKCARD2.LST; lang", "Dateifehler|Fach 1", "first=Die Kartei 'ZEKCARD2.LST' kann nicht gelesen werden.\rDie Datei wird nicht überschrieben.\r; kinds=none, OK, OK|none, OK, OK"},
        {"an incomplete installation", sample, "remove ZEKCARDS.INI; start", "ZEKKarte abbrechen", "last=Die Installation ist so nicht vollständig,\rder Programmstart wird abgebrochen!\r; kinds=none, OK, OK; started=no; total=0; lock=no"},
        // the lock: who holds the box, and since when
        {"a box open on another computer: opened only when asked", sample, "computer PC-01; lockfile 4242/x/PC-07//since=2026-03-02T07:32:00/child=Ben/token=ab; choose Abbrechen; start", "ZEK-Rechtschreibkartei",
         "last=Ben übt gerade an Computer „PC-07“ (seit 07:32 Uhr).\r\rBitte nur dann trotzdem öffnen, wenn dieser Computer wirklich aus ist. "
         "Läuft die Kartei dort noch, wird dort ab jetzt nichts mehr gespeichert: Was dort noch geantwortet wird, geht verloren.; buttons=Trotzdem öffnen|[Abbrechen]; started=no; lockedby=PC-07"},
        {"opened all the same: the lock is this computer's", sample, "computer PC-01; lockfile 4242/x/PC-07//since=2026-03-02T07:32:00/token=ab; choose Trotzdem öffnen; start", "ZEK-Rechtschreibkartei", "started=yes; lockedby=PC-01"},
        {"a lock of more than a school day", sample, "computer PC-01; lockfile 4242/x/PC-07//since=2026-03-01T10:32:00/token=ab; choose Abbrechen; start", "ZEK-Rechtschreibkartei",
         "last=Die Kartei ist seit mehr als einem Schultag an Computer „PC-07“ geöffnet (seit 01.03.2026, 10:32 Uhr).\rDer Computer wurde wohl ausgeschaltet, ohne sie zu schließen.\r\r"
         "Bitte nur dann trotzdem öffnen, wenn dieser Computer wirklich aus ist. Läuft die Kartei dort noch, wird dort ab jetzt nichts mehr gespeichert: Was dort noch geantwortet wird, geht verloren."},
        {"open on this computer: refused", sample, "computer PC-01; held PC-01; start", "ZEK-Rechtschreibkartei", "last=Die Kartei ist an Computer „PC-01“ geöffnet (seit 07:32 Uhr).; kinds=none, OK, OK; started=no"},
        {"the lock lifted on another computer: told once, nothing saved", sample,
         "computer PC-01; start; lockfile 4242/x/PC-07//since=2026-03-02T08:20:00/token=cd; type Apfel; idle; box 2; type Haus; idle; open editor",
         "Fach 1|Kartei an einem anderen Computer geöffnet|Kartei an einem anderen Computer geöffnet",
         "last=Diese Kartei wurde an Computer „PC-07“ geöffnet (um 08:20 Uhr).\rWas hier seitdem geantwortet wird, kann nicht gespeichert werden, sonst ginge die Arbeit dort verloren. "
         "Hier wird nichts mehr gespeichert.\rBitte hier beenden und an Computer „PC-07“ weiterüben.; file=122; record=; opened=0; lockedby=PC-07"},
        {"the lock file read where the saves run: a server that hangs holds the drill no longer than a save, the lock taken there is told once it answers", sample,
         "computer PC-01; start; share hangs; lockfile 4242/x/PC-07//since=2026-03-02T08:20:00/token=cd; box 2; type Haus; idle; share up; settle; type Hund; idle",
         "Fach 2|Kartei an einem anderen Computer geöffnet", "note=Die Antworten sind noch nicht gespeichert.; file=122; record=; lockedby=PC-07"},
        {"ending without the cards saved", sample, "type Apfel; gone; answer ja; choose Nicht beenden; exit", "Fach 1|ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei",
         "last=Die Karteikarten konnten nicht gespeichert werden.\rTrotzdem beenden?;"
         " buttons=Auf diesem Computer sichern|Trotzdem beenden|[Nicht beenden]; quit=0; boxes=222"},
    });
}

// The language, the tool bar windows, the user name and the exit, as
// scripts on a file: the boxes shown (titles) and what is seen afterwards.
SCENARIOS(MainWindow, Scenarios)
{
    runScenarios({
        {"the start", sample, "", "", "started=yes; lang=D; caption=Z e i c h e n s a t z\rDeutsch; level= 1; box=1; mode=1; order=abc; target=Apfel; name=Freund; lock=yes"},
        {"lower-case names count", sample, "rename ZEKCARD2.LST zekcard2.lst; start", "", "started=yes"},
        {"no English cards", sample, "remove ZEKCARD2.LST; start", "ZEKKarte abbrechen", "started=no; total=0; lock=no"},
        {"a read-only folder takes no lock", sample, "folder-ro; start; rw", "", "started=yes; lock=no"},
        {"the flag saves first", sample, "type Apfel; lang", "Fach 1", "lang=E; target=dog; file=222"},
        {"D, E, F, D", sample, "lang; lang; lang", "", "lang=D; target=Apfel"},
        {"English: its name and characters", sample, "lang", "", "caption=Z e i c h e n s a t z\rEnglisch; charset=XYZ"},
        {"French", sample, "lang; lang", "", "caption=Z e i c h e n s a t z\rFranzösisch; charset=éèç"},
        {"German again", sample, "lang; lang; lang", "", "caption=Z e i c h e n s a t z\rDeutsch; charset=ABCÄäß"},
        {"a short language file: the built-in characters for all three", sample, "ini abc def; start; lang; lang", "Zeichen",
         "last=Die Sprachdatei 'ZEKCARDS.INI' fehlt.; lang=F; charset=AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZß"},
        {"a full disk keeps the old file and the language", sample, "box 2; type Haus; full; lang; room", "Speicherfehler", "lang=D; file=122; boxes=132; files=5"},
        {"a folder that takes no new file: saved in place", sample, "type Apfel; folder-ro; lang; rw", "Fach 1", "lang=E; file=222; files=5"},
        {"saved in place on a full disk: the old bytes back", sample, "box 2; type Haus; folder-ro; full; lang; room; rw", "Speicherfehler", "lang=D; file=122; boxes=132; files=5"},
        {"folder and file read-only", sample, "type Apfel; folder-ro; file-ro; lang; rw", "Fach 1|Speicherfehler", "lang=D; file=122; files=5"},
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
        {"Cancel keeps the name", sample, "name ", "", "name=Freund"},
        {"exit: Nein", sample, "type Apfel; answer nein; exit", "Fach 1|ZEK-Rechtschreibkartei", "quit=0; file=122"},
        {"exit: Ja saves", sample, "type Apfel; answer ja; exit", "Fach 1|ZEK-Rechtschreibkartei", "quit=1; file=222"},
        {"save fails, end anyway", sample, "type Apfel; gone; answer ja; choose Trotzdem beenden; exit", "Fach 1|ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei", "quit=1"},
        {"the desktop session ends", sample, "type Apfel; end", "Fach 1", "quit=0; file=222"},
        {"an answered card is saved once the key is done", sample, "type Apfel; idle", "Fach 1", "file=222; boxes=222"},
        {"saving after answers fails: told once, then saved again", sample,
         "folder-ro; file-ro; box 2; type Haus; idle; type Hund; idle; rw; box 1; type Apfel; idle", "Fach 2|Fach 1", "file=233; note="},
        {"ended from outside: saved without a word", sample, "type Apfel; term", "Fach 1", "quit=1; file=222"},
        {"a failed save still opens the information window", sample, "type Apfel; folder-ro; file-ro; open info; rw", "Fach 1|Speicherfehler", "opened=1; file=122"},
        // the practice record, one line per card answered
        {"an answered card is recorded once the key is done", sample, "type Apfel; idle", "Fach 1",
         "record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Apfel;1;2;richtig;;/; note="},
        {"nothing recorded before the key is done", sample, "type Apfel", "Fach 1", "record=; files=5"},
        {"a wrong letter on the way: falsch", sample, "at 2026-03-03T14:05:09; box 2; type Hx; set ; type Haus; idle; type Hund; idle", "Fach 2",
         "record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-03T14:05:09;Deutsch;Haus;2;3;falsch;Haus;Hx/2026-03-03T14:05:09;Deutsch;Hund;2;3;richtig;;/"},
        {"a wrong related word at level 2: falsch", sample, "level; type Apfel; type x; set ; type Äpfel; idle", "Fach 1",
         "record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Apfel;1;2;falsch;Äpfel;x/"},
        {"a card given up is not recorded", sample, "type x; box 2; idle", "", "record="},
        {"a record that cannot be written: a quiet note, the drill goes on", sample, "folder-ro; box 2; type Haus; idle; type Hund; idle; rw", "Fach 2",
         "note=Der Verlauf wird nicht gespeichert.; record=; file=133"},
        {"the note goes when the record can be written again, with the lines kept", sample, "folder-ro; box 2; type Haus; idle; rw; type Hund; idle", "Fach 2",
         "note=; record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Haus;2;3;richtig;;/2026-03-02T08:15:00;Deutsch;Hund;2;3;richtig;;/"},
        // the card folder's server gone while a child practises
        {"the server gone: a note, no box, the answers kept", sample, "share down; box 2; type Haus; idle; type Hund; idle", "Fach 2",
         "note=Die Antworten sind noch nicht gespeichert.; boxes=133; file=122; record="},
        {"the server back: the next answer saves them all", sample, "share down; box 2; type Haus; idle; type Hund; idle; share up; box 1; type Apfel; idle", "Fach 2|Fach 1",
         "note=; file=233; record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Haus;2;3;richtig;;/"
         "2026-03-02T08:15:00;Deutsch;Hund;2;3;richtig;;/2026-03-02T08:15:00;Deutsch;Apfel;1;2;richtig;;/"},
        {"a save that hangs is given up, the drill goes on", sample, "share hangs; box 2; type Haus; idle", "",
         "note=Die Antworten sind noch nicht gespeichert.; target=Hund; boxes=132"},
        {"a save given up lands later, the next writes the rest in order", sample, "share hangs; box 2; type Haus; idle; type Hund; idle; share up; settle; box 1; type Apfel; idle", "Fach 2|Fach 1",
         "note=; file=233; record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Haus;2;3;richtig;;/"
         "2026-03-02T08:15:00;Deutsch;Hund;2;3;richtig;;/2026-03-02T08:15:00;Deutsch;Apfel;1;2;richtig;;/"},
        {"the server gone at the exit: kept on this computer", sample, "share down; box 2; type Haus; idle; answer ja; choose Auf diesem Computer sichern; exit",
         "ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei|Auf diesem Computer gesichert",
         "quit=1; file=122; rescue=Kind:Verlauf-Nachtrag.csv,ZEKCARD1.LST,ZEKCARD2.LST,ZEKCARD3.LST,ZEKCARDS.INI;"
         " rescued=132|Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Haus;2;3;richtig;;/"},
        {"an earlier copy is never written over", sample, "share down; box 2; type Haus; idle; answer ja; choose Auf diesem Computer sichern; exit; "
                                                          "type Hund; idle; answer ja; choose Auf diesem Computer sichern; exit",
         "ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei|Auf diesem Computer gesichert|"
         "Fach 2|ZEK-Rechtschreibkartei|Speicherfehler|ZEK-Rechtschreibkartei|Auf diesem Computer gesichert",
         "quit=2; rescue=Kind:Verlauf-Nachtrag.csv,ZEKCARD1.LST,ZEKCARD2.LST,ZEKCARD3.LST,ZEKCARDS.INI|"
         "Kind 2026-03-02 08.15:Verlauf-Nachtrag.csv,ZEKCARD1.LST,ZEKCARD2.LST,ZEKCARD3.LST,ZEKCARDS.INI; rescued=132|Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/2026-03-02T08:15:00;Deutsch;Haus;2;3;richtig;;/"},
    });
}
