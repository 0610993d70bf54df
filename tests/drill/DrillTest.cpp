#include "Trainer.h"

using namespace zek;
using namespace zek::test;

const QByteArray sixCards("2, Baum, B\xe4ume, Der Baum ist hoch.\r\n"
                          "3, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n"
                          "2, Hund, Hunde, Der Hund bellt.\r\n"
                          "0, Kuh, K\xfche, Die Kuh gibt Milch.\r\n"
                          "5, Zug, Z\xfcge, Der Zug f\xe4hrt ab.\r\n"
                          "1, Zwerg, Zwerge, Der Zwerg ist klein.\r\n");

// The drill as a child meets it: each row starts the trainer on a file, runs
// the steps, and checks the boxes shown (titles) and what is seen.
SCENARIOS(Drill, Scenarios)
{
    const QString a120(120, u'a');
    runScenarios({
        {"a correct beginning", sixCards, "box 2; type Bau", "", "display=; red=no; answer=Bau; boxes=232051"},
        {"level 1 moves the card up", sixCards, "box 2; type Baum", "", "boxes=332051; target=Hund; display= H  u  n  d ; answer="},
        {"level 2 asks the related word", sixCards, "level; box 2; type Baum", "", "boxes=232051; target=Bäume; display=Bäume"},
        {"level 2 never asks the phrase", sixCards, "level; box 2; type Baum; type Bäume", "", "boxes=332051; target=Hund"},
        {"level 3 asks the phrase", sixCards, "level; level; box 2; type Baum; type Bäume", "", "boxes=232051; display=Der Baum ist hoch."},
        {"level 3 done", sixCards, "level; level; box 2; type Baum; type Bäume; type Der Baum ist hoch.", "", "boxes=332051; target=Hund"},
        {"box 5 to learnt", sixCards, "box 5; type Zug", "Fach 5", "boxes=232061; target="},
        {"error box to box 1", sixCards, "box 0; type Kuh", "Fach 0", "boxes=232151"},
        {"related word equal to base word", "1, Rad, Rad, Das Rad rollt.\r\n", "level; level; type Rad; type Rad", "", "boxes=1; target=Das Rad rollt."},
        {"phrase equal to related word", "1, Eis, eisig, eisig\r\n", "level; level; type Eis; type eisig", "", "boxes=1; target=eisig"},
        {"empty related word counts as typed", "1, Eis, , kalt\r\n", "level; level; type Eis", "", "target=kalt"},
        {"empty related word and phrase", "1, Eis, , \r\n", "level; level; type Eis", "Fach 1", "boxes=2"},
        {"a phrase over 100 characters", "1, aa, aaa, " + a120.toLatin1() + "\r\n", "level; level; type aa; type aaa; paste " + a120, "Fach 1", "boxes=2"},
        {"over 100 characters", sixCards, "paste " + QString(101, u'Z'), "Texteingabe", "answer=; display= Z  w  e  r  g "},
        {"a card without base word is passed over", "1, , x, y\r\n1, Hund, Hunde, z\r\n", "type Hund", "Fach 1", "boxes=12"},
        {"a box counts only the digit as it stands", "1 , a, b, c\r\n11, d, e, f\r\n3.0, g, h, i\r\n1, Zug, x, y\r\n", "", "", "total=1; target=Zug"},
        {"an empty box, typing asks again", sixCards, "box 4; type x", "Fach 4|Fach 4", "target=; answer="},
        {"only cards without base word", sixCards + "4, , x, y\r\n4\r\n", "box 4; type x; box 1", "Dateifehler|Fach 4|Fach 4", "target=Zwerg"},
        {"wrong case is red", sixCards, "box 3; type h", "", "red=yes; display= H  a  u  s "},
        {"a letter inside the word is not", sixCards, "box 3; type a", "", "red=no; display="},
        {"deleted back to a correct beginning", sixCards, "box 3; type Hax; set Ha", "", "red=no; display="},
        {"everything deleted", sixCards, "box 3; type Hax; set ", "", "red=no; display= H  a  u  s "},
        {"the character list appends", sixCards, "box 3; type Ha; char u", "", "answer=Hau"},
        {"random order", sixCards + "2, , x, y\r\n", "random 0.9 0.75; order; random 0.9 0.5 0.3; box 2", "Wortauswahl", "order=random; target=Hund"},
        {"and back", sixCards, "random 0.9; order; order", "Wortauswahl|Wortauswahl", "order=abc; target=Zwerg"},
        {"the level digit cycles", sixCards, "level; level; level", "", "level=1"},
        {"a hidden mode list chooses nothing", sixCards, "mode 2", "", "mode=1"},
        {"the mode list", sixCards, "modes; mode 2", "", "mode=3; display= g  r  e  w  Z "},
    });
}
