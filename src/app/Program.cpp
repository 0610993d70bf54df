#include "app/Program.h"

#include "qtplatform/QtPlatform.h"
#include "windows/DrillWindow.h"
#include "windows/WordShowWindow.h"
#include "windows/WordPrisonWindow.h"
#include "windows/HangmanWindow.h"
#include "windows/EditorWindow.h"
#include "windows/MemoryWindow.h"
#include "windows/ProgressChartLoader.h"
#include "windows/InfoWindow.h"
#include "widgets/Widgets.h"

#include <QGuiApplication>
#include <QSessionManager>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

static void initResources() { Q_INIT_RESOURCE(zek); }

namespace zek::ui {
namespace {

// A signal handler may do next to nothing: it writes the signal into a pipe,
// and the event loop reads it there and ends the program in its own time.
int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const char byte = char(signal);
    const int saved = errno;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

std::unique_ptr<QSocketNotifier> notifyEndSignals(std::function<void()> onEnd)
{
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [n = notifier.get(), onEnd = std::move(onEnd)] {
                         char byte;
                         while (::read(signalPipe[0], &byte, 1) > 0) {
                         }
                         n->setEnabled(false); // one end is enough
                         onEnd();
                     });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    return notifier;
}

void Program::endOnSignals()
{
    m_signals = notifyEndSignals([this] { endFromOutside(); });
}

void Program::endFromOutside()
{
    m_ended = true;
    m_main.endFromOutside();
}

void Program::followSpeech(QtPlatform &platform)
{
    connect(&platform, &QtPlatform::speechChanged, &m_main, &TrainerSession::speechChanged);
    connect(&platform, &QtPlatform::speechChanged, &m_wordShow, &WordShow::changed);
}

Program::Program(const QString &folder, Platform &platform, Random &random)
    : m_store(folder, platform),
      m_drill(m_shared, m_store, platform, random),
      m_main(folder, m_shared, m_store, m_drill, platform),
      m_editor(m_store, platform, m_main.language()),
      m_hangman(folder, m_shared, platform, random),
      m_prison(folder, m_shared, platform, random),
      m_memory(folder, m_shared, platform, random),
      m_wordShow(folder, m_shared, platform)
{
    initResources();
    m_form1 = std::make_unique<DrillWindow>(m_main, m_drill);
    // every window can be opened: it is built when it is first asked for
    for (Window window :
         {Window::Editor, Window::Memory, Window::Hangman, Window::WordPrison, Window::WordShow, Window::Info})
        m_form1->setWindowAvailable(window, true);
    connect(&m_main, &TrainerSession::windowRequested, this, &Program::openWindow);
    connect(&m_editor, &Editor::left, this, [this] { backToMain(m_form7.get()); });
    connect(&m_editor, &Editor::progressRequested, this, [this, &platform] {
        // the editor holds the cards shown: "In Fach 1 legen" makes it read them again
        openProgressChart(m_store.folder(), platform, [this] { m_editor.browser().readCards(false); });
    });
    connect(&m_hangman, &Hangman::left, this, [this] { backToMain(m_form5.get()); });
    connect(&m_prison, &Prison::left, this, [this] { backToMain(m_form3.get()); });
    connect(&m_memory, &MemoryGame::left, this, [this] { backToMain(m_memo.get()); });
    connect(&m_wordShow, &WordShow::left, this, [this] { backToMain(m_form2.get()); });
    // the information window only hides: the drill goes on as it was
    connect(&m_info, &Info::closed, this, [this] {
        m_zeklabel->hide();
        m_form1->raise();
        m_form1->activateWindow();
        m_main.returnFromInfo();
    });
    connect(&m_main, &TrainerSession::quitRequested, this, &Program::quitRequested);
    // the desktop session ends: the boxes reached are saved without a question
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_main.endSession(); });
}

Program::~Program() = default;

// The main window has saved the cards and stored its settings.
void Program::openWindow(Window window)
{
    // windows are built on first use, then only shown and hidden
    const auto built = [](auto &form, auto &model) {
        if (!form) {
            form = std::make_unique<std::remove_reference_t<decltype(*form)>>(model);
            centreOnScreen(form.get());
        }
        return form.get();
    };
    if (window != Window::Info && m_zeklabel)
        m_zeklabel->hide();
    switch (window) {
    case Window::Memory:
        built(m_memo, m_memory);
        if (m_memory.dealMemoryGame())
            switchWindow(m_form1.get(), m_memo.get());
        break;
    case Window::WordShow:
        built(m_form2, m_wordShow)->setReadingAids(m_main.settings().aids);
        m_wordShow.open(m_drill.card().position);
        switchWindow(m_form1.get(), m_form2.get());
        break;
    case Window::Info:
        built(m_zeklabel, m_info);
        m_zeklabel->showInFront();
        break;
    case Window::Editor:
        built(m_form7, m_editor);
        m_editor.activateEditor(m_main.userName());
        switchWindow(m_form1.get(), m_form7.get());
        break;
    case Window::Hangman:
        built(m_form5, m_hangman);
        if (m_hangman.newHangmanGame(m_main.language().currentCharacterSet()))
            switchWindow(m_form1.get(), m_form5.get());
        break;
    case Window::WordPrison:
        built(m_form3, m_prison);
        if (m_prison.newPrisonGame())
            switchWindow(m_form1.get(), m_form3.get());
        break;
    }
}

// Another window was left: the main window comes back and its activation
// restores the drill.
void Program::backToMain(QWidget *from)
{
    switchWindow(from, m_form1.get());
    m_main.activate();
}

bool Program::start()
{
    centreOnScreen(m_form1.get());
    // ended from outside while a box of the start-up was open: no window
    if (!m_main.startUp() || m_ended)
        return false;
    m_form1->show();
    m_form1->activateWindow();
    return true;
}

} // namespace zek::ui
