#include "Trainer.h"

using namespace zek;
using namespace zek::test;

const QByteArray apple("1, Apfel, \xc4pfel, Der Apfel ist rot.\r\n");

// "Vorlesen" speaks what the child must type now, in the current language,
// and changes nothing of the drill.
SCENARIOS(ReadAloud, Scenarios)
{
    runScenarios({
        {"the word shown", apple, "voices DEF; start; read", "", "spoken=D:Apfel; display= A  p  f  e  l ; answer=; voice=yes"},
        {"while typing", apple, "voices D; start; type Ap; read; read", "", "spoken=D:Apfel|D:Apfel; answer=Ap; display=; red=no"},
        {"level 2: the related word", apple, "voices D; start; level; type Apfel; read", "", "spoken=D:Äpfel"},
        {"level 3: the phrase", apple, "voices D; start; level; level; type Apfel; type Äpfel; read", "", "spoken=D:Der Apfel ist rot."},
        {"in English", apple, "voices DEF; start; lang; read", "", "spoken=E:dog"},
        {"no voice: nothing", apple, "start; read", "", "spoken=; voice=no"},
        {"the switch asks again", apple, "voices D; start; lang", "", "voice=no"},
        {"the word show: the three lines", apple, "voices D; start; show; sread", "", "spoken=D:Apfel. Äpfel. Der Apfel ist rot."},
    });
}
