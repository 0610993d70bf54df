#include "Trainer.h"

#include <clocale>
#include <string>

using namespace zek;
using namespace zek::test;

const QByteArray four("1, Ameise, Ameisen, Die Ameise krabbelt.\r\n"
                      "2, Banane, Bananen, Die Banane ist gelb.\r\n"
                      "3, Hund, Hunde, Der Hund bellt.\r\n"
                      "3.0, Wurm, W\xfcrmer, Der Wurm kriecht.\r\n");
const char *const fourText = "1, Ameise, Ameisen, Die Ameise krabbelt./2, Banane, Bananen, Die Banane ist gelb./"
                             "3, Hund, Hunde, Der Hund bellt./3.0, Wurm, Würmer, Der Wurm kriecht./";
const char *const fourWords = "words=Ameise,Banane,Hund,Wurm";
const char *const zebra = "editor; edit; field 1 Zebra; field 2 x; field 3 y; ";
const char *const teacher = "record=Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe/";

// The editor as a teacher uses it: each row starts the trainer on a German
// file, opens the editor, runs the steps and checks the boxes shown (titles),
// the editor and the card file.
SCENARIOS(Editor, Scenarios)
{
    const QByteArray threeBoxes("3, Affe, a, b\r\n1, B\xe4r, c, d\r\n3, Zug, e, f\r\n");
    runScenarios({
        {"opens on German whatever the main window shows", four, "lang; editor", "",
         "elang=D; efile=ZEKCARD1.LST; rows=Ameise,Banane,Hund,Wurm; eposition= 1 von; ecount= 4 Einträgen; fields=Ameise|Ameisen|Die Ameise krabbelt.; filter=-1; panel=none"},
        {"the scroller at the end", cards(12), "editor; row 11", "", "eposition= 12 von; ecount= 12 Einträgen; fields=Wort111|Worte|Ein Wort."},
        {"a box filter reads the box as a number", four, "editor; row 2; filter 3", "", "rows=Hund,Wurm; eposition= 1 von; fields=Hund|Hunde|Der Hund bellt."},
        {"an empty box has no current card", four, "editor; filter 4", "", "rows=; ecount=Kein Eintrag; eposition=; fields=||"},
        {"one card is one Eintrag", four, "editor; filter 2", "", "ecount= 1 Eintrag"},
        {"box labels wait while the edit panel is open", four, "editor; edit; filter 2", "", "filter=-1; panel=edit"},
        {"Alle keeps what was typed over its card", four, "editor; row 2; edit; field 1 Hündin; all", "", "eposition= 3 von; fields=Hündin|Hunde|Der Hund bellt."},
        {"and while the re-box panel is", four, "editor; rebox; filter 2", "", "filter=-1; panel=rebox"},
        {"not while the print panel is", four, "editor; print; filter 2", "", "filter=2; rows=Banane; panel=print"},
        {"the language buttons keep the filter", four, "editor; filter 1; elang E", "", "elang=E; efile=ZEKCARD2.LST; rows=dog; filter=1"},
        {"leaving under a filter: the drill sees every card", four, "editor; filter 2; leave", "", "total=3; target=Ameise; box=1"},
        {"a character goes into the field last used", four, "editor; edit; focus 2; echar ä", "", "fields=Ameise|Ameisenä|Die Ameise krabbelt."},
        {"before any field, nowhere", four, "editor; edit; echar ä", "", "fields=Ameise|Ameisen|Die Ameise krabbelt."},
        {"a duplicate is shown, not added", four, "editor; edit; field 1  Hund ; field 2 x; field 3 y; insert", "Eingabefehler",
         "last=Der Eintrag ist schon vorhanden!\r\r; eposition= 3 von; fields=Hund|Hunde|Der Hund bellt.; words=Ameise,Banane,Hund,Wurm"},
        {"hund goes behind Hund", four, "editor; edit; field 1 hund; field 2 x; field 3 y; insert", "",
         "words=Ameise,Banane,Hund,hund,Wurm; eposition= 1 von; fields=Ameise|Ameisen|Die Ameise krabbelt.; panel=edit"},
        {"Apfel between Ameise and Banane, in box 1, saved at once", four, "editor; edit; field 1 Apfel; field 2 Äpfel; field 3 Der Apfel ist rot.; insert", "",
         "cards=1, Ameise, Ameisen, Die Ameise krabbelt./1, Apfel, Äpfel, Der Apfel ist rot./2, Banane, Bananen, Die Banane ist gelb./3, Hund, Hunde, Der Hund bellt./3.0, Wurm, Würmer, Der Wurm kriecht./"},
        {"zebra after Wurm, blanks at both ends gone", four, "editor; edit; field 1  zebra ; field 2 x ; field 3  y; insert", "",
         QByteArray("cards=") + fourText + "1, zebra, x, y/"},
        {"an empty phrase is refused", four, QString(zebra) + "clear 3; insert", "Eingabefehler", QByteArray("last=Es müssen alle Felder ausgefüllt sein!\r\r; fields=Zebra|x|; ") + fourWords},
        {"a base word of blanks is empty", four, "editor; edit; field 1   ; field 2 x; field 3 y; insert", "Eingabefehler", "last=Es müssen alle Felder ausgefüllt sein!\r\r"},
        {"a phrase of blanks is accepted", four, QString(zebra) + "field 3   ; insert", "", QByteArray("cards=") + fourText + "1, Zebra, x, /"},
        {"a comma is taken out at once", four, "editor; edit; field 3 a,b", "Eingabefehler", "last=Der Text darf kein Komma enthalten!\r\r; fields=Ameise|Ameisen|ab"},
        {"tabs and the spaces of word processors: blanks", four, "editor; edit; field 3 a\tb\u00a0c\u202f!\u2009d", "", "fields=Ameise|Ameisen|a b c ! d"},
        {"a line break: a blank, and said", four, "editor; edit; field 3 a\nb", "Eingabefehler",
         "last=Eine Karte hat keine Zeilenumbrüche!\rDer Zeilenumbruch wird zu einem Leerzeichen.\r\r; fields=Ameise|Ameisen|a b"},
        {"a soft hyphen is taken out and named", four, "editor; edit; field 1 Haus\u00adtür", "Eingabefehler",
         "last=Ein unsichtbarer Trennstrich (U+00AD) lässt sich nicht in der Kartei speichern!\rEs wird aus dem Text entfernt.\r\r; fields=Haustür|Ameisen|Die Ameise krabbelt."},
        {"a letter outside Windows-1252 too", four, "editor; edit; field 2 Ωmega", "Eingabefehler",
         "last=Das Zeichen 'Ω' lässt sich nicht in der Kartei speichern!\rEs wird aus dem Text entfernt.\r\r; fields=Ameise|mega|Die Ameise krabbelt."},
        {"decomposed letters are composed", four, "editor; edit; field 1 Mu\u0308ll", "", "fields=Müll|Ameisen|Die Ameise krabbelt."},
        {"Bearbeiten under Fach 2 shows all cards first", four, "editor; filter 2; edit", "Eingabe",
         "last=Zum Editieren müssen alle Einträge sichtbar sein!\rDie Anzeige wird jetzt automatisch umgestellt ...\r\r; filter=-1; panel=edit; fields=Ameise|Ameisen|Die Ameise krabbelt."},
        {"delete asks, Nein keeps every byte", four, "editor; row 1; answer nein; delete", "Eintrag löschen?",
         QByteArray("last=Diesen Eintrag jetzt aus der Kartei löschen:\r\r\rBanane\rBananen\rDie Banane ist gelb.\r2\r\r\r; cards=") + fourText},
        {"delete Ja", four, "editor; row 1; answer ja; delete", "Eintrag löschen?", "words=Ameise,Hund,Wurm; eposition= 1 von"},
        {"delete under a filter shows all cards first", four, "editor; filter 3; answer ja; delete", "Eingabe|Eintrag löschen?",
         "first=Zum Löschen müssen alle Einträge sichtbar sein!\rDie Anzeige wird jetzt automatisch umgestellt ...\r\r; words=Banane,Hund,Wurm"},
        {"after the last card, nothing is current", "1, Eis, eisig, kalt\r\n", "editor; answer ja; delete; delete; change; rebox; rebox-all", "Eintrag löschen?",
         "eposition=; fields=||; ecount=Kein Eintrag; cards="},
        {"change writes into the current card", four, "editor; row 2; edit; field 2 Hündchen; change", "",
         "cards=1, Ameise, Ameisen, Die Ameise krabbelt./2, Banane, Bananen, Die Banane ist gelb./3, Hund, Hündchen, Der Hund bellt./3.0, Wurm, Würmer, Der Wurm kriecht./; eposition= 1 von; panel=edit"},
        {"change keeps a card without related word and phrase as it is", "1, \xd6l, , \r\n", "editor; edit; field 1 \u00d6le; change", "", "cards=1, Öle, , /"},
        {"change cannot empty a field the card had", four, "editor; edit; clear 3; change", "Eingabefehler", QByteArray("last=Es sind Leerzeilen vorhanden!\rBitte die Einträge ergänzen ...\r; ") + fourWords},
        {"change with an empty field", four, "editor; edit; clear 1; change", "Eingabefehler", QByteArray("last=Es sind Leerzeilen vorhanden!\rBitte die Einträge ergänzen ...\r; ") + fourWords},
        {"a failed save keeps what was typed, the columns what is saved", four, QString(zebra) + "full; insert; room", "Speicherfehler", QByteArray("fields=Zebra|x|y; rows=Ameise,Banane,Hund,Wurm; behind=Ameise,Banane,Hund,Wurm; ") + fourWords},
        {"a file that cannot be read takes no card", four, "editor; edit; remove ZEKCARD1.LST; all; field 1 Zebra; field 2 x; field 3 y; insert", "Dateifehler|Speicherfehler",
         "last=Die Karteikarten wurden nicht gespeichert!\rDie Datei 'ZEKCARD1.LST' ist nicht mehr da (gelöscht, umbenannt oder der Ordner nicht erreichbar).\r; "
         "fields=Zebra|x|y; file=none; ebehind=Kein Eintrag|/Kein Eintrag|"},
        {"extra files that are named pipes are passed over", four, "fifo ZEK-Einstellungen.ini; fifo ZEKWORTE.TXT; fifo Verlauf.csv; start; editor; spell", "", "started=yes; asking=no; findings="},
        {"a full list takes no card", cards(32767), QString(zebra) + "insert", "Eingabefehler",
         "last=Die Kartei ist voll: Sie fasst höchstens 32.767 Karten.\rDie neue Karte wird nicht eingefügt.\r\r; ecount= 32767 Einträgen"},
        {"the new box starts at the box shown", four, "editor; row 3; rebox", "", "newbox=3; panel=rebox"},
        {"a box that is no number: at 0", "x, Affe, a, b\r\n1, B\xe4r, c, d\r\n", "editor; rebox", "", "newbox=0"},
        {"Einzeleintrag on the card shown", four, "editor; rebox; newbox 4; row 2; rebox-card", "", "file=1243.0; panel=none; eposition= 1 von"},
        {"Ganzes Fach by the box text", threeBoxes, "editor; rebox; newbox 5; rebox-box", "", "file=515"},
        {"Ganze Liste", threeBoxes, "editor; rebox; newbox 0; rebox-all", "", "file=000"},
        {"closing the edit panel shows the first card", four, "editor; edit; row 2; close", "", "panel=none; eposition= 1 von"},
        // the teacher's changes are lines of the practice record
        {"an insert: no box before, box 1 after", four, QString(zebra) + "at 2026-03-09T14:02:11; insert", "", QByteArray(teacher) + "2026-03-09T14:02:11;Deutsch;Zebra;;1;Lehrkraft;;/"},
        {"a delete: the box before, none after", four, "editor; row 1; answer ja; delete", "Eintrag löschen?", QByteArray(teacher) + "2026-03-02T08:15:00;Deutsch;Banane;2;;Lehrkraft;;/"},
        {"Ganze Liste: a line for each card moved", threeBoxes, "editor; rebox; newbox 3; rebox-all", "",
         QByteArray(teacher) + "2026-03-02T08:15:00;Deutsch;Bär;1;3;Lehrkraft;;/"},
        {"Ganzes Fach", threeBoxes, "editor; rebox; newbox 0; rebox-box", "",
         QByteArray(teacher) + "2026-03-02T08:15:00;Deutsch;Affe;3;0;Lehrkraft;;/2026-03-02T08:15:00;Deutsch;Zug;3;0;Lehrkraft;;/"},
        {"a change of the words moves no card", four, "editor; edit; field 2 Ameislein; change", "", "record="},
        {"a re-box that fails to save writes no line", four, "editor; rebox; newbox 5; full; rebox-card; room", "Speicherfehler", "record=; file=1233.0"},
    });
}

// The spelling check: the words underlined, the question before a save, the
// list of the cards with unknown words and the own word list.
SCENARIOS(Editor, SpellingScenarios)
{
    const QByteArray typos("1, Ameise, Ameisen, Tomasz sieht die Ameise.\r\n2, Banan, Bananen, Die Banane ist gelb.\r\n"
                           "3, Hund, Hunde, Der Hund bellt.\r\n3, Wurm, W\xfcrmer, Der Wurm krichet und krichet.\r\n");
    const QString fahrad = "editor; askspelling; edit; field 1 Fahrad; field 2 Fahrräder; field 3 Das Fahrad fährt.; ";
    runScenarios({
        {"unknown words are underlined as they are typed", four, "editor; edit; field 2 Ameisn; field 3 Die Ameise krabelt schnel.", "", "underlined=|Ameisn|krabelt,schnel"},
        {"Neue Karte einfügen asks first, Zurück goes back to the word", four, fahrad + "choose Zurück; insert", "Rechtschreibung",
         QByteArray("last=„Fahrad“ steht nicht im Wörterbuch. Meinten Sie: Fahrrad, Fahrada, Fachrad?; buttons=„Fahrrad“ nehmen|So speichern|[Zurück]; selection=1:Fahrad; ") + fourWords},
        {"„Fahrrad“ nehmen puts the suggestion in place and saves nothing yet", four, fahrad + "choose „Fahrrad“ nehmen; insert", "Rechtschreibung",
         QByteArray("fields=Fahrrad|Fahrräder|Das Fahrad fährt.; selection=1:Fahrrad; ") + fourWords},
        {"no question until the teacher asks for it; the choice stays with the card box", four,
         "editor; edit; field 1 Fahrad; field 2 Fahrräder; field 3 Das Fahrad fährt.; insert; askspelling; leave; editor", "",
         "words=Ameise,Banane,Fahrad,Hund,Wurm; asking=yes; settings=# ZEK-Rechtschreibkartei: Einstellungen dieser Kartei|Hördiktat=aus|Schrift=Comic Neue|Buchstabenabstand=normal|Schriftgröße=normal|Rechtschreibung vor dem Speichern=an|"},
        {"So speichern saves anyway, a word asked once", four, fahrad + "choose So speichern; insert", "Rechtschreibung", "words=Ameise,Banane,Fahrad,Hund,Wurm; selection=0:"},
        {"Karte ändern asks each word, Nein selects the second", four, "editor; askspelling; edit; field 2 Ameisn; field 3 Die Ameise krabelt.; choose So speichern; choose Zurück; change", "Rechtschreibung|Rechtschreibung",
         QByteArray("selection=3:krabelt; cards=") + fourText},
        {"no suggestion: nothing to take; typing after Zurück: nothing selected", four, "editor; askspelling; edit; field 3 Xqzwv; choose Zurück; change; field 3 Xqzw", "Rechtschreibung",
         "last=„Xqzwv“ steht nicht im Wörterbuch.; buttons=So speichern|[Zurück]; selection=0:"},
        {"no dictionary: no question, no underline, Bild13 says why", four, "editor; nodict; elang F; edit; field 1 Xqzwv; field 3 le chein; insert; spell", "",
         "underlined=||; spelltip=Rechtschreibung prüfen (kein Wörterbuch für Französisch gefunden); list=no"},
        {"the check lists the cards with unknown words", typos, "editor; spell", "", "list=yes; findings=0 Tomasz|1 Banan|3 krichet; suggestion=Thomas; spelltip=Rechtschreibung prüfen"},
        {"a double click on a row makes its card current, also under a box", typos, "editor; filter 1; spell; finding 2", "", "filter=-1; eposition= 4 von; fields=Wurm|Würmer|Der Wurm krichet und krichet."},
        {"an accepted word goes into the word list and from the list", typos, "ownwords Anouk; editor; spell; accept 0 Tomasz", "", "ownwords=Anouk/Tomasz/; findings=1 Banan|3 krichet"},
        {"the own word list is known", typos, "ownwords \uFEFFTomasz/; editor; spell", "", "findings=1 Banan|3 krichet"},
        {"a word list that cannot be made loses nothing", typos, "editor; spell; folder-ro; accept 0 Tomasz", "Speicherfehler",
         "last=Das Wort „Tomasz“ wurde nicht in die Wortliste aufgenommen!\rDie Datei 'ZEKWORTE.TXT' konnte nicht geschrieben werden\r(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\rDie Datei bleibt, wie sie war.\r; findings=0 Tomasz|1 Banan|3 krichet"},
        {"in a folder that takes no new file the word list is written in place", typos, "ownwords Anouk; editor; spell; folder-ro; accept 0 Tomasz", "",
         "ownwords=Anouk/Tomasz/; findings=1 Banan|3 krichet"},
        {"the list follows the cards changed", typos, "editor; spell; row 1; edit; field 1 Banane; change", "", "findings=0 Tomasz|3 krichet"},
        {"another language closes the list", typos, "editor; spell; elang E", "", "list=no; findings="},
    });
}

// The editor keeps the card files in one dictionary order, whatever the
// login's language: the order the drill's ABC order relies on.
TEST(Editor, InsertsInTheSameOrderUnderEveryLocale)
{
    // the process's locale comes back however the rows end
    struct LocaleBack {
        std::string c = std::setlocale(LC_ALL, nullptr);
        QLocale qt;
        ~LocaleBack()
        {
            std::setlocale(LC_ALL, c.c_str());
            QLocale::setDefault(qt);
        }
    } back;
    for (const char *locale : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        std::setlocale(LC_ALL, locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        Trainer().scenario("1, Apfel, a, b\r\n1, Zwerg, c, d\r\n", "editor; edit; field 1 Ärger; field 2 x; field 3 y; insert; field 1 Straße; insert", "",
                           "words=Apfel,Ärger,Straße,Zwerg");
    }
}

static QByteArray words(int from, int to) // "Wort<from>,…,Wort<to>"
{
    QByteArrayList list;
    for (int i = from; i <= to; ++i)
        list << "Wort" + QByteArray::number(i);
    return list.join(',');
}

// Printing from the editor: the question, the job and the closing message.
SCENARIOS(Editor, PrintScenarios)
{
    runScenarios({
        {"16 cards as card sheets", cards(16), "editor; print; answer ja; print-all", " 2 Druckseiten|Drucken ...",
         "first=Alle Karteikarten ausdrucken?\r\r; last=Karteikarten werden gedruckt.\r; jobs=1"},
        {"Nein prints nothing", cards(16), "editor; print; answer nein; print-all", " 2 Druckseiten", "jobs=0"},
        {"a page of word lists from card 5", cards(40), "editor; print; kind 1; row 4; answer ja; print-page", "1 Druckseite|Drucken ...",
         "first=Seite mit Lernwörtern ab Zeile  5 ausdrucken?\r\r; last=Lernwörter werden gedruckt.\r; job=" + words(104, 133)},
        {"a page of card sheets from card 3 of 5", cards(5), "editor; print; row 2; answer ja; print-page", "1 Druckseite|Drucken ...",
         "job=Wort102,Worte,Ein Wort.,Wort103,Worte,Ein Wort.,Wort104,Worte,Ein Wort."},
        {"25 word-family cards", cards(25), "editor; print; kind 2; answer ja; print-all", " 3 Druckseiten|Drucken ...",
         "first=Alle Wortfamilien ausdrucken?\r\r; job=" + words(100, 109).replace(",", ",Worte,Ein Wort.,") + ",Worte,Ein Wort./"
             + words(110, 119).replace(",", ",Worte,Ein Wort.,") + ",Worte,Ein Wort./" + words(120, 124).replace(",", ",Worte,Ein Wort.,") + ",Worte,Ein Wort."},
        {"only the box shown", four, "editor; filter 2; print; kind 1; answer ja; print-all", " 1 Druckseiten|Drucken ...", "job=Banane"},
        {"no card in view", four, "editor; filter 4; print; print-all; print-page", "Drucken ...|Drucken ...",
         "last=Es ist keine Karte zu drucken: Die Anzeige ist leer.\r; jobs=0"},
        {"no printer: a PDF", four, "editor; print; noprinter; answer ja; print-all", " 1 Druckseiten|Drucken ...",
         "last=Es wurde nichts gedruckt: Es ist kein Standarddrucker eingerichtet.\rDie Seiten stehen in der Datei\rDruck_x.pdf\rim Ordner der Kartei.\r"},
        {"and no PDF either", four, "editor; print; nopdf; answer ja; print-all", " 1 Druckseiten|Drucken ...",
         "last=Es wurde nichts gedruckt und nichts gespeichert: Es ist kein Standarddrucker eingerichtet.\r"},
        {"a page of word families whose first phrase is long goes on over more sheets", "1, Lang, Worte, " + QByteArray("Ein Wort. ").repeated(300) + "\r\n" + cards(11),
         "editor; print; kind 2; answer ja; print-page", "3 Druckseiten|Drucken ...",
         "first=Seite mit Wortfamilien ab Zeile  1 ausdrucken?\rIhre Karten sind so lang, dass sie 3 Druckseiten brauchen.\r\r; jobpages=3; jobwords=" + words(100, 108)},
        {"closing the print panel shows the first card", four, "editor; row 2; print; close-print", "", "panel=none; eposition= 1 von"},
    });
}

// A teacher's word list brought in and the cards in view taken out; what a
// list is read as is tested on the list reader.
SCENARIOS(Editor, WordLists)
{
    const char *const zebraList = "editor; wordlist Zebra;Zebras; file liste.csv; ";
    runScenarios({
        {"new cards in box 1 at their sorted places", four, "editor; wordlist Grundwort;Verwandtes Wort;Phrase/Zebra;Zebras;Das Zebra./Apfel;Äpfel;Der Apfel./Hund;Hunde; file liste.csv; preview ja; import", "",
         "preview=2 neue Karten, 1 schon vorhanden, 0 abgelehnt; dialog=Wortliste importieren|.|Wortlisten (*.csv *.txt); eposition= 1 von; "
         "cards=1, Ameise, Ameisen, Die Ameise krabbelt./1, Apfel, Äpfel, Der Apfel./2, Banane, Bananen, Die Banane ist gelb./3, Hund, Hunde, Der Hund bellt./3.0, Wurm, Würmer, Der Wurm kriecht./1, Zebra, Zebras, Das Zebra./"},
        {"each new card is a line of the record", four, QString(zebraList) + "preview ja; import", "", QByteArray(teacher) + "2026-03-02T08:15:00;Deutsch;Zebra;;1;Lehrkraft;;/"},
        {"Abbrechen writes nothing", four, QString(zebraList) + "preview nein; import", "", QByteArray("preview=1 neue Karte, 0 schon vorhanden, 0 abgelehnt; cards=") + fourText},
        {"a file that is no list is named, nothing is written", four, "editor; wordlist ; file liste.csv; import", "Wortliste importieren",
         QByteArray("last=Die Datei ist leer: Sie enthält keine Wörter.\rDie Kartei bleibt, wie sie war.\r; cards=") + fourText},
        {"a named pipe is no list", four, "editor; fifo liste.csv; file liste.csv; import", "Wortliste importieren", "last=Die Datei 'liste.csv' kann nicht gelesen werden.\rDie Kartei bleibt, wie sie war.\r"},
        {"a file that cannot be read", four, "editor; file fehlt.csv; import", "Wortliste importieren", "last=Die Datei 'fehlt.csv' kann nicht gelesen werden.\rDie Kartei bleibt, wie sie war.\r"},
        {"under a box filter all cards are shown first", four, "editor; filter 3; wordlist Zebra; file liste.csv; preview ja; import", "Wortliste importieren: alle Einträge anzeigen",
         "first=Zum Importieren müssen alle Einträge sichtbar sein!\rDie Anzeige wird jetzt automatisch umgestellt ...\r\r; filter=-1; words=Ameise,Banane,Hund,Wurm,Zebra"},
        {"a failed save leaves the file and says so", four, QString(zebraList) + "preview ja; full; import; room", "Speicherfehler", QByteArray("rows=Ameise,Banane,Hund,Wurm; cards=") + fourText},
        {"the cards in view go out under the card file's name", four, "editor; filter 3; file export.csv; export", "",
         "dialog=Wortliste exportieren|ZEKCARD1.csv|Wortlisten (*.csv *.txt); export=<BOM>Fach;Grundwort;Verwandtes Wort;Phrase/3;Hund;Hunde;Der Hund bellt./3.0;Wurm;Würmer;Der Wurm kriecht./"},
        {"never over a file of the card box", four, "editor; file zekcard1.lst; export", "Wortliste exportieren",
         QByteArray("last=Die Datei 'zekcard1.lst' gehört zur Kartei und wird nicht überschrieben.\rBitte einen anderen Namen wählen.\r; cards=") + fourText},
        {"a folder that takes no file", four, "editor; folder-ro; file export.csv; export; rw", "Speicherfehler",
         "last=Die Wortliste wurde nicht gespeichert!\rDie Datei 'export.csv' konnte nicht geschrieben werden\r(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r"},
        {"an empty view exports nothing", four, "editor; filter 4; export", "Wortliste exportieren", "last=Es ist keine Karte zu exportieren: Die Anzeige ist leer.\r"},
        {"cancelled dialogs do nothing", four, "editor; file; import; file; export", "", QByteArray("cards=") + fourText},
    });
}
