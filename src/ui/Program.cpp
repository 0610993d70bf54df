#include "Program.h"

#include "Form1.h"
#include "Form7.h"
#include "Widgets.h"

#include <QGuiApplication>
#include <QSessionManager>

static void initResources() { Q_INIT_RESOURCE(zek); }

namespace zek::ui {

Program::Program(const QString &folder, Platform &platform, Random &random)
    : m_store(folder, m_shared, platform),
      m_drill(m_shared, m_store, platform, random),
      m_main(folder, m_shared, m_store, m_drill, platform),
      m_editor(m_shared, m_store, platform, m_main.language())
{
    initResources();
    m_form1 = std::make_unique<Form1>(m_main, m_drill);
    m_form1->setWindowAvailable(Window::Editor, true);
    connect(&m_main, &MainWindow::windowRequested, this, &Program::openWindow);
    connect(&m_editor, &Editor::left, this, [this] { backToMain(m_form7.get()); });
    connect(&m_main, &MainWindow::quitRequested, this, &Program::quitRequested);
    // the desktop session ends: the boxes reached are saved without a question
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_main.endSession(); });
}

Program::~Program() = default;


// The main window has saved the cards and stored its settings.
void Program::openWindow(Window window)
{
    if (window != Window::Editor)
        return;
    if (!m_form7) {
        m_form7 = std::make_unique<Form7>(m_editor);
        centreOnScreen(m_form7.get());
    }
    m_editor.activateEditor(m_main.userName());
    switchWindow(m_form1.get(), m_form7.get());
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
    if (!m_main.startUp())
        return false;
    m_form1->show();
    m_form1->activateWindow();
    return true;
}

} // namespace zek::ui
