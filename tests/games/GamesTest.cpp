#include "Trainer.h"

using namespace zek;
using namespace zek::test;

namespace {

QByteArray one(const char *word) { return "1, " + QByteArray(word) + ", x, y\r\n"; }

} // namespace

// Hangman: each row starts the trainer on a file whose first card gives the
// word, opens the game with the character table given and plays.
TEST(Games, Hangman)
{
    runScenarios({
        {"Haus: four hidden letters", one("Haus"), "hangman asSH", "", "masked= _ _ _ _; wrong=0; table=no"},
        {"a shows the a", one("Haus"), "hangman asSH; pick 0", "", "masked= _ a _ _; marks=a"},
        {"S shows the s", one("Haus"), "hangman asSH; pick 0; key S", "", "masked= _ a _ s; marks=aS"},
        {"a click toggles its mark", one("Haus"), "hangman asSH; pick 0; pick 0", "", "marks=; wrong=0"},
        {"Ski-Lift: the hyphen shows", one("Ski-Lift"), "hangman x", "", "masked= _ _ _ - _ _ _ _"},
        {"ß stays ß", one("Stra\xdf" "e"), "hangman ß", "", "masked= _ _ _ _ _ _"},
        {"ß is found", one("Stra\xdf" "e"), "hangman ß; key ß", "", "masked= _ _ _ _ ß _; wrong=0"},
        {"h shows H and h", one("Hoch"), "hangman h", "", "masked= _ _ _ _"},
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
TEST(Games, WordPrison)
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
