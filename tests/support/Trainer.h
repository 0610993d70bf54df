#pragma once

#include "drill/Drill.h"
#include "drill/TrainerSession.h"
#include "editor/Editor.h"
#include "games/Hangman.h"
#include "games/MemoryGame.h"
#include "games/WordShow.h"
#include "games/Prison.h"

#include "cards/CardStore.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <condition_variable>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>

namespace zek::test {

// The main window's and the editor's logic on a card box in a temporary
// folder, driven by scripts as a child and a teacher would.
struct Trainer {
    ~Trainer();
    QString path(const char *name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }

    // Runs the steps of a script, separated by "; ": "start", "rename a b",
    // "box 2", "type Baum" (one key after another), "set <answer box text>", "paste <text>", "char ä", "level", "modes",
    // "mode 3", "order", "random 0.5 0.2", "lang", "open memory" (editor,
    // memory, hangman, prison, show, info), "explain", "card", "prompt <answer>",
    // "name <answer>", "answer ja|nein" (for the next question), "traces"
    // (another window's values), "activate", "exit", "end" (of the desktop
    // session), "term" (ended from outside), "idle" (the keystroke is done and
    // the event loop runs), "gone" (the folder vanishes), "remove <file>",
    // "full"/"room" (the disk), "fifo <file>" (a named pipe of that name), "folder-ro", "file-ro" (the German cards),
    // "rw" (both back), "at 2026-03-02T08:15:00" (the clock); the lock:
    // "computer PC-01" (this computer's name), "lockfile <lines joined by />"
    // (the lock file's bytes), "held PC-07" (a copy of this process holds the
    // folder as that computer, since 07:32).
    // The editor: "editor" (opened by the main window), "leave" (back to the
    // main window), "elang E", "all", "filter 3", "row 4" (the scroller),
    // "focus 2", "field 2 <text>", "clear 2", "echar ä", "edit", "close",
    // "insert", "change", "delete", "rebox", "newbox 5", "rebox-card",
    // "rebox-box", "rebox-all", "close-rebox", "print", "close-print",
    // "kind 1" (0 card sheets, 1 word lists, 2 word-family sheets),
    // "print-all", "print-page", "noprinter" (jobs become PDF files), "nopdf"
    // (and those cannot be written); "wordlist <lines>" (liste.csv, UTF-8,
    // "/" for each CR LF), "file <name>" (the next file dialog's answer;
    // none: cancelled), "preview ja|nein" (the import preview's), "import",
    // "export"; the spelling check: "nodict" (no dictionary found), "ownwords
    // Tomasz/Anouk" (ZEKWORTE.TXT, "/" for each line end), "askspelling" (the question before a save on or off), "choose So speichern" (the button of the next choice box), "spell" (Bild13),
    // "finding 1" (a double click on that row of the list), "accept 0
    // Tomasz" (into the word list).
    // The games: "hangman <characters of the table>", "pick 2" (a click on
    // entry 2), "key a", "table", "tip", "howto", "hangman-leave";
    // "prison", "prison <letters of column 9, rows 1 to 6>" (every other
    // cell the word's first letter), "up", "down", "left", "right",
    // "pkey a", "wish", "hint", "ende"; "memory", "mfield 3", "mhelp",
    // "mleave"; "show" (the word show), "scroll 3", "pause 5", "on" and
    // "off" (the show), "tick", "cancel"; "voices DE" (the languages with a
    // voice, as the speech engine tells it), "starting" (the engine is on its
    // way, before it answers), "read" ("Vorlesen"), "sread"
    // (in the show); "share down|hangs|up" (the card folder's server), "settle" (a write left running has ended); "dictation" ("Hördiktat"), "aids 1 2 1" (font,
    // spacing, size chosen in "Leseschrift"), "settings <lines joined by |>"
    // (the settings file).
    void run(const QString &script);
    // What the child sees and the file holds, by name: target, display,
    // boxes (the box codes in memory), file (those in the file), red, level,
    // box, mode, order, lang, name, opened, quit, total (words),
    // started, lock (the lock file is there), lockedby (the computer its
    // lock file names), caption, cards (the German file
    // as text, "/" for each CR LF), words (its base words); of the editor:
    // rows (the base words in view), eposition, ecount, efile, elang,
    // fields (joined by "|"), panel (none, edit, rebox, print), newbox,
    // filter, jobs (how many went to the printer), job (the card texts of
    // the last one, "/" between pages), jobpages (its pages), jobwords (its
    // base words of cards(): "Wort100,Wort101"), underlined (the unknown words of each
    // field, "|" between fields), selection ("1:Fahrad": the field and the
    // word selected), findings ("2 Fahrad,Rat" a row), suggestion (row 0's),
    // spelltip (Bild13's tool tip), list (shown), ownwords (the word list, "/"
    // for each line end), masked, wrong, solution, freed,
    // marks (the entries marked), table, gameleft (how often a game gave
    // back to the main window), grid (column 9, rows 1 to 9), player
    // ("row,column"), next, moves, wishes, open (the memory fields shown),
    // solved, deal ("ok" when every pair is a card's two words), number,
    // count, pausetext, running, lines, spoken ("code:text" joined by "|"),
    // voice, tips (the tool tips of "Vorlesen", "Hördiktat" and the show's
    // "Vorlesen", joined by "|"), dictation ("yes" or "no", ", dictating" while it dictates),
    // aids (font, spacing, size), settings (the settings file, "|" for each
    // line end), record (the practice record as text, "/" for each CR LF),
    // rescue (the copies kept on this computer, "folder:files|…"), rescued (the first one's boxes, "|", its record lines),
    // note (the main window's note on it), files (in the folder), first and
    // last (the text of the first and the last box), behind (the rows in view
    // while the last box was shown), preview and refused (the counts and
    // refused lines of the last import preview), dialog (the last file
    // dialog: title|path|filter), buttons (of the last choice box, the
    // default in brackets), ebehind (the editor's count and position shown
    // behind each box, "/" between boxes), export (export.csv as text, "/" for each CR LF).
    QString state(const QString &key) const;
    // Checks "key=value; key=value" against state().
    void expect(const QString &expectations) const;
    // The card box with these German cards and the script, started first
    // unless it starts itself; OK boxes need no answer.
    void play(const QByteArray &german, const QString &script);
    // play(), then the titles of the boxes shown, joined by "|", and the
    // state expected.
    void scenario(const QByteArray &german, const QString &script, const QString &titles, const QString &expected);

    // "share up", "share down", "share hangs"
    void setShare(const QString &state);

    QTemporaryDir dir;
    QTemporaryDir home; // the user's home: the copies kept on this computer
    // What the card folder's server does with a write.
    struct Share {
        std::mutex mutex;
        std::condition_variable changed;
        enum State { Up,
                     Down,
                     Hangs } state = Up;
    };
    std::shared_ptr<Share> share = std::make_shared<Share>();
    std::optional<ReadOnly> readOnly, readOnlyFile;
    std::optional<FileSizeLimit> fullDisk;
    FakePlatform platform;
    FixedRandom random;
    SharedState shared;
    CardStore store{dir.path(), platform};
    Drill drill{shared, store, platform, random};
    TrainerSession main{dir.path(), shared, store, drill, platform};
    Editor editor{store, platform, main.language()};
    Hangman hangman{dir.path(), shared, platform, random};
    Prison prison{dir.path(), shared, platform, random};
    MemoryGame memory{dir.path(), shared, platform, random};
    WordShow wordShow{dir.path(), shared, platform};
    QSignalSpy gameLeft{&hangman, &Hangman::left};
    QSignalSpy prisonLeft{&prison, &Prison::left};
    QSignalSpy memoryLeft{&memory, &MemoryGame::left};
    QSignalSpy showLeft{&wordShow, &WordShow::left};
    QSignalSpy opened{&main, &TrainerSession::windowRequested};
    QSignalSpy quit{&main, &TrainerSession::quitRequested};
    std::optional<FolderLock> other; // the lock of another copy ("held")
    bool started = false;
    QString mirrored; // the editor's count and position as last signalled
    QStringList mirroredAtBox; // … when each box was shown
};

// n German cards in box 1: "1, Wort100, Worte, Ein Wort.", "1, Wort101, …
QByteArray cards(int n);

// One row of a table of scenarios: the German cards, the script, the titles
// of the boxes shown (joined by "|") and the state expected.
struct Scenario {
    const char *name;
    QByteArray file;
    QString script;
    const char *titles;
    QByteArray expected;
};
// Inside a SCENARIOS table: makes each row a test of its own, named by the
// table and the row ("Games.Hangman/ss_is_found" for "ß is found"), so that
// one row fails alone and runs alone. A row with a step or a state the
// trainer does not know fails before it runs a step.
void runScenarios(std::initializer_list<Scenario> scenarios);
bool registerScenarios(const char *suite, const char *table, const char *file, int line, void (*rows)());

} // namespace zek::test

// A table of scenarios, written like a TEST whose body calls runScenarios()
// once; the body runs before main() and registers the rows.
#define SCENARIOS(suite, table)                                                                   \
    static void suite##_##table##_rows();                                                         \
    [[maybe_unused]] static const bool suite##_##table##_registered =                             \
        zek::test::registerScenarios(#suite, #table, __FILE__, __LINE__, suite##_##table##_rows); \
    static void suite##_##table##_rows()
