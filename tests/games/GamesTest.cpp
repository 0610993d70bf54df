#include "Trainer.h"

using namespace zek;
using namespace zek::test;

static QByteArray one(const char *word) { return "1, " + QByteArray(word) + ", x, y\r\n"; }

// Hangman: each row starts the trainer on a file whose first card gives the
// word, opens the game with the character table given and plays.
SCENARIOS(Games, Hangman)
{
    runScenarios({
        {"Haus: four hidden letters", one("Haus"), "hangman asSH", "", "masked= _ _ _ _; wrong=0; table=no"},
        {"a shows the a", one("Haus"), "hangman asSH; pick 0", "", "masked= _ a _ _; marks=a"},
        {"S shows the s", one("Haus"), "hangman asSH; pick 0; key S", "", "masked= _ a _ s; marks=aS"},
        {"a click toggles its mark", one("Haus"), "hangman asSH; pick 0; pick 0", "", "marks=; wrong=0"},
        {"Ski-Lift: the hyphen shows", one("Ski-Lift"), "hangman x", "", "masked= _ _ _ - _ _ _ _"},
        {"ß is found", one("Stra\xdf"
                           "e"),
         "hangman ß; key ß", "", "masked= _ _ _ _ ß _; wrong=0"},
        {"h shows H and h", one("Hoch"), "hangman h; key h", "", "masked= H _ _ h"},
        {"the same wrong letter costs twice", one("Haus"), "hangman xyz; key x; key x", "", "wrong=2"},
        {"nine wrong: the game goes on", one("Haus"), "hangman x; key x; key x; key x; key x; key x; key x; key x; key x; key x", "",
         "wrong=9; solution=; gameleft=0"},
        {"the tenth loses", one("Haus"), "hangman x; key x; key x; key x; key x; key x; key x; key x; key x; key x; key x", "Galgenspiel",
         "wrong=10; solution=Haus; last=Du hast verloren!\r; gameleft=1"},
        {"found: won", one("Oma"), "hangman oma; key o; key m; key a", "Galgenspiel", "freed=yes; last=Du hast gewonnen!\r; gameleft=1"},
        {"no letters: shown at once, won by one of its signs", one("1+1"), "hangman 1+", "", "masked= 1 + 1"},
        {"no letters", one("1+1"), "hangman 1+; key +", "Galgenspiel", "freed=yes"},
        {"a key not in the table does nothing", one("Haus"), "hangman a; key q", "", "wrong=0; marks="},
        {"the table toggles, a new game narrows it", one("Haus"), "hangman a; table; table; table; hangman a", "", "table=no"},
        {"a tip", one("Haus"), "hangman a; tip", "Tipp", "last=Im Wort steckt der Buchstabe: H\r\r; wrong=0"},
        {"the instructions", one("Haus"), "hangman a; howto", "Galgenspiel",
         "last=Gib die Buchstaben mit der Tastatur ein\roder klicke auf das Tastatursymbol und\rdann in die blaue Zeichentabelle. Dabei\r"
         "werden die bereits verwendeten Buch-\rstaben zur leichteren Kontrolle markiert.\r\r"},
        {"a word without base word is never drawn", "1, , x, y\r\n1, Oma, a, b\r\n", "hangman a", "", "masked= _ _ _"},
        {"no word at all", "1, Oma, x\r\n", "box 1; type x; hangman a", "Dateifehler|Galgenspiel abbrechen", "gameleft=0"},
    });
}

// The word prison: column 9 of the field as given, every other cell the
// word's first letter; the player starts in row 9, rows 7 to 11 are empty.
SCENARIOS(Games, WordPrison)
{
    runScenarios({
        {"the field and the player", one("Hund"), "prison Hundnu", "", "grid=Hundnu   ; player=9,9; next=1; moves=0; wishes= ? ? ?"},
        {"one letter: every cell can be eaten", one("a"), "prison; up; up; up; left", "", "player=6,8; next=1; moves=2"},
        {"the quickest escape reports 5", one("Hund"), "prison uHdnuH; up; up; up; up; up; up; up; up", "Wortgefängnis",
         "last=Prima, du bist jetzt frei!\rEs waren 5 Spielzüge!\r\r; moves=6; gameleft=1"},
        {"the order wraps", one("ab"), "prison babab; up; up; up; up; up; up", "", "player=3,9; next=1; moves=4"},
        {"case counts: H is not h", one("Hoch"), "prison xxxxxh; up; up; up", "", "player=7,9; next=1"},
        {"a blank in the word is never asked", one("a b"), "prison xxxxba; up; up; up", "", "player=6,9; next=3"},
        {"the wishes in turn", one("Hund"), "prison; answer ja; answer ja; answer ja; wish; wish; wish; wish", "Wunschbox|Wunschbox|Wunschbox|Wunschbox",
         "first=Du hast noch 3 Wünsche frei!\n\rMöchtest du einen benutzen?\n\r; last=Kein Wunsch mehr frei!; wishes= H u n; next=4"},
        {"the third wish question", one("Hund"), "prison; answer ja; answer ja; answer nein; wish; wish; wish", "Wunschbox|Wunschbox|Wunschbox",
         "last=Du hast noch  1 Wunsch frei!\n\rMöchtest du einen benutzen?\n\r; wishes= H u ?; next=3"},
        {"Nein uses no wish", one("Hund"), "prison; answer nein; wish", "Wunschbox", "wishes= ? ? ?; next=1"},
        {"letters, digits and the blank wish, umlauts do not", one("Hund"), "prison; answer nein; answer nein; answer nein; pkey q; pkey 7; pkey; pkey ä; pkey {",
         "Wunschbox|Wunschbox|Wunschbox", "wishes= ? ? ?"},
        {"the hint", one("Hund"), "prison; up; up; up; hint", "Wortgefängnis", "last=\r H   ->u<-   n  d \r\r"},
        {"ENDE", one("Hund"), "prison; answer ja; wish; ende", "Wunschbox", "wishes= ? ? ?; moves=0; gameleft=1"},
        {"no word at all", "1, Oma, x\r\n", "box 1; type x; prison", "Dateifehler|Gefängnisspiel abbrechen", "gameleft=0"},
    });
}

static QByteArray pairs(int n) // n cards, all words different
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += "1, Wort" + QByteArray::number(100 + i) + ", Worte" + QByteArray::number(100 + i) + ", Ein Satz.\r\n";
    return bytes;
}

// A chain of clashing cards: A0 B0, …, A(n-1) B(n-1), then B0 A1, …, B(n-1) An.
// Nine fit only where every other card of the chain is taken.
static QByteArray chain(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += "1, A" + QByteArray::number(i) + ", B" + QByteArray::number(i) + ", x\r\n";
    for (int i = 0; i < n; ++i)
        bytes += "1, B" + QByteArray::number(i) + ", A" + QByteArray::number(i + 1) + ", x\r\n";
    return bytes;
}

// Memory: with the draws all 0, field 2k - 1 and 2k hold pair k.
SCENARIOS(Games, Memory)
{
    const char *allPairs = "memory; mfield 1; mfield 2; mfield 3; mfield 4; mfield 5; mfield 6; mfield 7; mfield 8; mfield 9; mfield 10; "
                           "mfield 11; mfield 12; mfield 13; mfield 14; mfield 15; mfield 16; mfield 17; mfield 18";
    runScenarios({
        {"nine pairs, each a card's two words", pairs(30), "memory", "", "deal=ok; open=; solved=0"},
        {"a pair found stays open", pairs(30), "memory; mfield 1; mfield 2", "", "open=1,2; solved=2"},
        {"a solved field takes no click", pairs(30), "memory; mfield 1; mfield 2; mfield 1", "", "open=1,2; solved=2"},
        {"the first pick clicked again is no pair", pairs(30), "memory; mfield 1; mfield 1", "", "open=1; solved=0"},
        {"a wrong pair stays open", pairs(30), "memory; mfield 1; mfield 3", "", "open=1,3; solved=0"},
        {"until the next click covers it", pairs(30), "memory; mfield 1; mfield 3; mfield 5", "", "open=5"},
        {"also a click on one of the two", pairs(30), "memory; mfield 1; mfield 3; mfield 1", "", "open=1"},
        {"all pairs: won, and the board covered", pairs(30), allPairs, "Memory", "last=Prima, du hast es geschafft!\r; open=; gameleft=1"},
        {"the help", pairs(30), "memory; mhelp", "ZEK-Memory", "last=Immer zwei Felder gehören zu einer Wortfamilie.\rKlicke auf alle Einzelfelder und suche die Paare!"},
        {"words that clash: the deal ends", cards(30), "memory", "Memoryspiel abbrechen", "last=Es sind nicht genügend Wörter vorhanden!\r\r"},
        {"a chain where the draws get stuck: still dealt", chain(9), "random 0 0.5; memory", "", "deal=ok"},
        {"a chain of eight pairs: refused", chain(8), "random 0 0.5; memory", "Memoryspiel abbrechen", ""},
    });
}

SCENARIOS(Games, WordShow)
{
    const QByteArray three = pairs(3);
    runScenarios({
        {"opens on the card drilled", three, "box 1; type Wort100; show", "", "number=2; lines=Wort101|Worte101|Ein Satz.; count= 3 Karten; pausetext= 2 Sek; running=no"},
        {"no card drilled: card 1", "2, Haus, x, y\r\n", "show", "Fach 1", "number=1; lines=Haus|x|y"},
        {"the last card wraps to the first", three, "show; scroll 3; on; tick", "", "number=1; running=yes"},
        {"one card: card 1 at every tick", "1, Eis, x, y\r\n", "show; on; tick; tick", "", "number=1"},
        {"stopped, it goes on from the card shown", three, "show; on; tick; off; tick; on; tick", "", "number=3"},
        {"the pause", three, "show; pause 10", "", "pausetext= 10 Sek"},
        {"only complete cards", three + "1, Zebra\r\n", "show", "Dateifehler", "count= 3 Karten"},
        {"no cards at all", "", "show; on; tick", "Fach 1", "number=; count= 0 Karten; lines=||; running=no"},
        {"Abbruch", three, "show; on; cancel", "", "running=no; gameleft=1"},
    });
}
