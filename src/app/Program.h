#pragma once

#include "cards/CardStore.h"
#include "cards/SharedState.h"
#include "drill/Drill.h"
#include "drill/TrainerSession.h"
#include "editor/Editor.h"
#include "games/Hangman.h"
#include "games/MemoryGame.h"
#include "games/WordShow.h"
#include "info/Info.h"
#include "games/Prison.h"

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace zek {
class Platform;
class Random;
} // namespace zek

namespace zek::ui {

class DrillWindow;
class QtPlatform;
class WordShowWindow;
class WordPrisonWindow;
class HangmanWindow;
class EditorWindow;
class MemoryWindow;
class InfoWindow;

// The whole trainer on the card box of one folder: the shared state, the card
// store, the models and their windows.
class Program : public QObject {
    Q_OBJECT
public:
    Program(const QString &folder, Platform &platform, Random &random);
    ~Program() override;

    // Start-up; false when the installation check failed and the program
    // ends. Otherwise the main window is shown, centred.
    bool start();

    // SIGTERM, SIGHUP and SIGINT (shut-down, a closed terminal, Ctrl+C) save
    // the cards and end the program as the exit does, the lock released.
    void endOnSignals();
    // Ended from outside: the cards are saved and quitRequested follows.
    void endFromOutside();
    // Reading aloud follows the speech engine: when its voices come or go,
    // the main window and the word show ask again.
    void followSpeech(QtPlatform &platform);

    DrillWindow &form1() { return *m_form1; }
    TrainerSession &session() { return m_main; }
    Drill &drill() { return m_drill; }
    CardStore &store() { return m_store; }
    Editor &editor() { return m_editor; }
    // The editor window, built on first use; nullptr before.
    EditorWindow *form7() { return m_form7.get(); }
    HangmanWindow *form5() { return m_form5.get(); }
    WordPrisonWindow *form3() { return m_form3.get(); }
    Hangman &hangman() { return m_hangman; }
    Prison &prison() { return m_prison; }
    MemoryGame &memory() { return m_memory; }
    WordShow &wordShow() { return m_wordShow; }
    Info &info() { return m_info; }
    MemoryWindow *memo() { return m_memo.get(); }
    WordShowWindow *form2() { return m_form2.get(); }
    InfoWindow *zeklabel() { return m_zeklabel.get(); }

signals:
    // The exit was confirmed and the cards are saved.
    void quitRequested();

private:
    void openWindow(Window window);
    void backToMain(QWidget *from);

    SharedState m_shared;
    CardStore m_store;
    Drill m_drill;
    TrainerSession m_main;
    Editor m_editor;
    Hangman m_hangman;
    Prison m_prison;
    MemoryGame m_memory;
    WordShow m_wordShow;
    Info m_info;
    std::unique_ptr<DrillWindow> m_form1;
    std::unique_ptr<EditorWindow> m_form7;
    std::unique_ptr<HangmanWindow> m_form5;
    std::unique_ptr<WordPrisonWindow> m_form3;
    std::unique_ptr<MemoryWindow> m_memo;
    std::unique_ptr<WordShowWindow> m_form2;
    std::unique_ptr<InfoWindow> m_zeklabel;
    std::unique_ptr<QSocketNotifier> m_signals;
    bool m_ended = false;
};

// Calls onEnd once, in the event loop, when SIGTERM, SIGHUP or SIGINT comes;
// as long as the notifier returned lives.
std::unique_ptr<QSocketNotifier> notifyEndSignals(std::function<void()> onEnd);

} // namespace zek::ui
