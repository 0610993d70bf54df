#include "Trainer.h"

using namespace zek;
using namespace zek::test;

const QByteArray apple("1, Apfel, \xc4pfel, Der Apfel ist rot.\r\n");

const QByteArray twoCards = apple + "1, Birne, Birnen, Die Birne ist reif.\r\n";
const QByteArray listen = "display=Hör gut zu und schreibe!";

// "Vorlesen" speaks what the child must type now, in the current language,
// and changes nothing of the drill. In dictation ("Hördiktat") the word is
// heard, not read; everything else is the drill. The reading aids are kept
// with it in the card box's settings file, where a damaged line keeps that
// setting's default.
SCENARIOS(ReadAloud, Scenarios)
{
    runScenarios({
        {"the word shown", apple, "voices DEF; start; read", "", "spoken=D:Apfel; display= A  p  f  e  l ; answer=; voice=yes"},
        {"while typing", apple, "voices D; start; type Ap; read; read", "", "spoken=D:Apfel|D:Apfel; answer=Ap; display=; red=no"},
        {"level 2: the related word", apple, "voices D; start; level; type Apfel; read", "", "spoken=D:Äpfel"},
        {"level 3: the phrase", apple, "voices D; start; level; level; type Apfel; type Äpfel; read", "", "spoken=D:Der Apfel ist rot."},
        {"in English", apple, "voices DEF; start; lang; read", "", "spoken=E:dog"},
        {"no voice: nothing", apple, "start; read", "", "spoken=; voice=no"},
        {"the tips: a voice", apple, "voices D; start", "", "tips=Vorlesen|Hördiktat|Vorlesen"},
        {"the tips: the engine on its way", apple, "starting; start", "",
         "voice=no; tips=Vorlesen (Sprachausgabe startet …)|Hördiktat (Sprachausgabe startet …)|Vorlesen (Sprachausgabe startet …)"},
        {"the tips: no engine answers", apple, "start", "",
         "tips=Vorlesen (keine Sprachausgabe gefunden)|Hördiktat (keine Sprachausgabe gefunden)|Vorlesen (keine Sprachausgabe gefunden)"},
        {"the switch asks again", apple, "voices D; start; lang", "", "voice=no"},
        {"the word show: the three lines", apple, "voices D; start; show; sread", "", "spoken=D:Apfel. Äpfel. Der Apfel ist rot."},
        // dictation
        {"the hint, and the word spoken", apple, "voices D; start; dictation", "",
         listen + "; spoken=D:Apfel; dictation=yes, dictating; settings=# ZEK-Rechtschreibkartei: Einstellungen dieser Kartei|"
                  "Hördiktat=an|Schrift=Comic Neue|Buchstabenabstand=normal|Schriftgröße=normal|Rechtschreibung vor dem Speichern=aus|"},
        {"the line under the word says what to write", apple, "voices D; start; dictation", "",
         "instruction=Hör gut zu und schreibe das Wort! Noch einmal hören: F2; sample= B  e  i  s  p  i  e  l  (word)"},
        {"level 2: the related word asked", apple, "voices D; start; level; dictation; type Apfel", "",
         "instruction=Hör gut zu und schreibe das verwandte Wort! Noch einmal hören: F2"},
        {"level 3: the phrase asked", apple, "voices D; start; level; level; dictation; type Apfel; type Äpfel", "",
         "instruction=Hör gut zu und schreibe den Satz! Noch einmal hören: F2; sample= B  e  i  s  p  i  e  l  (word)"},
        {"without dictation: read and write, the word in the preview", apple, "voices D; start", "",
         "instruction=Text lesen und schreiben, nach dem ersten Buchstaben wird der Text gelöscht.; sample= A  p  f  e  l  (word)"},
        {"level 3 without dictation: the phrase in the preview", apple, "voices D; start; level; level; type Apfel; type Äpfel", "",
         "sample=Der Apfel ist rot."},
        {"F2 and Vorlesen repeat", apple, "voices D; start; dictation; read", "", "spoken=D:Apfel|D:Apfel"},
        {"typing clears the hint, emptying brings it back", apple, "voices D; start; dictation; type Ap; set ", "", listen + "; red=no"},
        {"a wrong letter shows the word and says it once", apple, "voices D; start; dictation; type Ax; type y", "",
         "display= A  p  f  e  l ; red=yes; spoken=D:Apfel|D:Apfel"},
        {"a correct word moves the card and says the next", twoCards, "voices D; start; dictation; type Apfel", "",
         listen + "; boxes=21; spoken=D:Apfel|D:Birne"},
        {"level 3: the related word and the phrase as they come", apple, "voices D; start; level; level; dictation; type Apfel; type Äpfel", "",
         listen + "; target=Der Apfel ist rot.; spoken=D:Apfel|D:Äpfel|D:Der Apfel ist rot."},
        {"on again at the next start", apple, "settings Hördiktat=an; voices D; start", "", listen + "; spoken=D:Apfel"},
        {"before the voices are there the word is shown", apple, "settings Hördiktat=an; start", "", "display= A  p  f  e  l ; spoken=; dictation=yes"},
        {"the voices come: the hint and the word", apple, "settings Hördiktat=an; start; voices D", "", listen + "; spoken=D:Apfel; dictation=yes, dictating"},
        {"off again: the word is read", apple, "voices D; start; dictation; dictation", "", "display= A  p  f  e  l ; spoken=D:Apfel; dictation=no"},
        {"no voice: the button does nothing", apple, "voices E; start; dictation", "", "display= A  p  f  e  l ; dictation=no; files=5"},
        {"a language without a voice turns it off", apple, "voices D; start; dictation; lang", "Hördiktat",
         "last=Für diese Sprache gibt es keine Sprachausgabe.\rDas Hördiktat ist jetzt ausgeschaltet.\r; dictation=no; lang=E; display= d  o  g "},
        {"no voice at all (the daemon has gone): a switch keeps it", apple, "voices D; start; dictation; voices -; lang", "",
         "dictation=yes; lang=E; display= d  o  g "},
        {"a folder that takes no file: on for the session", apple, "folder-ro; voices D; start; dictation; rw", "", "dictation=yes, dictating; files=4"},
        // the reading aids
        {"no file: today's look", apple, "", "", "aids=Comic Neue,normal,normal; dictation=no"},
        {"chosen and stored", apple, "aids 2 1 1", "", "aids=OpenDyslexic,weit,groß; settings=# ZEK-Rechtschreibkartei: Einstellungen dieser Kartei|"
                                                       "Hördiktat=aus|Schrift=OpenDyslexic|Buchstabenabstand=weit|Schriftgröße=groß|Rechtschreibung vor dem Speichern=aus|"},
        {"read back, CR LF and blanks too", apple, "settings Schrift = andika\r|Buchstabenabstand=sehr weit\r|Schriftgröße=groß\r; start", "", "aids=Andika,sehr weit,groß"},
        {"damaged lines: the defaults", apple, "settings Schrift=Papyrus|Buchstabenabstand|=groß|Schriftgröße=GROSS|Hördiktat=vielleicht|\xef\xbf\xbd; start", "",
         "aids=Comic Neue,normal,normal; dictation=no"},
        {"a folder that takes no file keeps them for the session", apple, "folder-ro; start; aids 1 0 0; rw", "", "aids=Andika,normal,normal; files=4"},
        // syllables and the pace of the voice
        {"syllables: off until chosen", apple, "start", "", "syllables=aus,normal,aus"},
        {"syllables chosen and stored after the others", apple, "start; syllables 2 1 1", "",
         "syllables=Bögen,langsam,an; settings=# ZEK-Rechtschreibkartei: Einstellungen dieser Kartei|Hördiktat=aus|Schrift=Comic Neue|"
         "Buchstabenabstand=normal|Schriftgröße=normal|Rechtschreibung vor dem Speichern=aus|Silben=Bögen|Sprechtempo=langsam|Silben sprechen=an|"},
        {"syllables read back", apple, "settings Silben=farbig|Sprechtempo=sehr langsam|Silben sprechen=an|Sprechtempo=zu schnell; start", "",
         "syllables=farbig,sehr langsam,an"},
        {"syllables on paper: stored when ticked", apple, "start; syllables 1 0 0 1", "",
         "syllables=farbig,normal,aus,gedruckt; settings=# ZEK-Rechtschreibkartei: Einstellungen dieser Kartei|Hördiktat=aus|Schrift=Comic Neue|"
         "Buchstabenabstand=normal|Schriftgröße=normal|Rechtschreibung vor dem Speichern=aus|Silben=farbig|Sprechtempo=normal|Silben sprechen=aus|Silben drucken=an|"},
        {"syllables on paper read back", apple, "settings Silben=Bögen|Silben drucken=an; start", "", "syllables=Bögen,normal,aus,gedruckt"},
        {"slower: read aloud at its pace", apple, "voices D; start; syllables 0 2 0; read", "", "spoken=D:Apfel (sehr langsam)"},
        {"dictation in syllables: whole, then each", apple, "voices D; start; syllables 0 1 1; dictation; read", "",
         "spoken=D:Apfel. Ap – fel (langsam)|D:Apfel. Ap – fel (langsam)"},
        {"in syllables, the next word too", twoCards, "voices D; start; syllables 0 0 1; dictation; type Apfel", "", "spoken=D:Apfel. Ap – fel|D:Birne. Bir – ne"},
        {"in syllables, a word of one syllable whole", "1, Haus, H\xe4user, Das Haus ist alt.\r\n", "voices D; start; syllables 0 0 1; dictation", "", "spoken=D:Haus"},
        {"in syllables, a phrase in groups; F2 the group being typed", apple,
         "voices D; start; level; level; syllables 0 0 1; dictation; type Apfel; type Äpfel; read; type Der Apfel i; read", "",
         "spoken=D:Apfel. Ap – fel|D:Äpfel. Äp – fel|D:Der Apfel ist – rot.|D:Der Apfel ist – rot.|D:Der Apfel ist"},
    });
}
