#include "Program.h"

#include "Form1.h"

#include <QGuiApplication>
#include <QSessionManager>

static void initResources() { Q_INIT_RESOURCE(zek); }

namespace zek::ui {

Program::Program(const QString &folder, Platform &platform, Random &random)
    : m_store(folder, m_shared, platform),
      m_drill(m_shared, m_store, platform, random),
      m_main(folder, m_shared, m_store, m_drill, platform)
{
    initResources();
    m_form1 = std::make_unique<Form1>(m_main, m_drill);
    connect(&m_main, &MainWindow::quitRequested, this, &Program::quitRequested);
    // the desktop session ends: the boxes reached are saved without a question
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_main.endSession(); });
}

Program::~Program() = default;

bool Program::start()
{
    m_form1->centreOnScreen();
    if (!m_main.startUp())
        return false;
    m_form1->show();
    m_form1->activateWindow();
    return true;
}

} // namespace zek::ui
