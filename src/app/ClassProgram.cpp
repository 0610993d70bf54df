#include "app/ClassProgram.h"

#include "windows/DrillWindow.h"
#include "windows/ChildChoiceWindow.h"
#include "windows/ClassOverviewWindow.h"
#include "windows/TeacherMenuWindow.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "widgets/Widgets.h"

namespace zek::ui {

ClassProgram::ClassProgram(const QString &classFolder, const QString &sampleFolder, Platform &platform, Random &random)
    : m_platform(platform),
      m_random(random),
      m_choice(classFolder, sampleFolder, platform),
      m_menu(classFolder, platform, m_choice.password())
{
    m_form = std::make_unique<ChildChoiceWindow>(m_choice);
    connect(&m_choice, &ChildChoice::childChosen, this, &ClassProgram::openChild);
    connect(&m_choice, &ChildChoice::progressRequested, this, [this](const QString &folder) {
        if (m_progressView)
            m_progressView(folder);
    });
    connect(&m_choice, &ChildChoice::quitRequested, this, &ClassProgram::quitRequested);
    connect(&m_choice, &ChildChoice::teacherMenuWanted, this, &ClassProgram::showTeacherMenu);
    connect(&m_menu, &TeacherMenu::left, this, &ClassProgram::leaveTeacherMenu);
    connect(&m_menu, &TeacherMenu::wordsForAllWanted, this, &ClassProgram::showWordsForAll);
    connect(&m_menu.words(), &WordsForAll::left, this, &ClassProgram::leaveWordsForAll);
    connect(&m_menu, &TeacherMenu::classOverviewWanted, this,
            [this] { openClassOverview(m_menu.classFolder(), m_platform); });
}

ClassProgram::~ClassProgram() = default;

void ClassProgram::start()
{
    m_choice.activate();
    centreOnScreen(m_form.get());
    m_form->show();
    m_form->activateWindow();
}

void ClassProgram::endOnSignals()
{
    m_signals = notifyEndSignals([this] {
        m_ending = true;
        if (m_child)
            m_child->endFromOutside(); // its end ends the program
        else
            emit quitRequested();
    });
}

void ClassProgram::setProgressView(std::function<void(const QString &)> view)
{
    m_progressView = std::move(view);
    m_choice.setProgressAvailable(bool(m_progressView));
}

// Every rule of a card box holds per child: a child whose box is open on
// another computer is told so by the box's own start-up and stays here.
void ClassProgram::openChild(const QString &folder, const QString &name)
{
    if (m_child)
        return;
    m_child = std::make_unique<Program>(folder, m_platform, m_random);
    m_child->session().setStartUserName(name);
    if (m_speech)
        m_child->followSpeech(*m_speech);
    connect(m_child.get(), &Program::quitRequested, this, &ClassProgram::childLeft);
    if (!m_child->start()) {
        m_child.reset();
        if (m_ending)
            emit quitRequested();
        return;
    }
    switchWindow(m_form.get(), &m_child->form1());
}

void ClassProgram::showTeacherMenu()
{
    if (!m_menuForm)
        m_menuForm = std::make_unique<TeacherMenuWindow>(m_menu);
    m_menu.activate();
    centreOnScreen(m_menuForm.get());
    switchWindow(m_form.get(), m_menuForm.get());
}

void ClassProgram::leaveTeacherMenu()
{
    switchWindow(m_menuForm.get(), m_form.get());
    m_choice.activate(); // the names as the teacher left them
}

void ClassProgram::showWordsForAll()
{
    if (!m_wordsForm)
        m_wordsForm = std::make_unique<WordsForAllWindow>(m_menu.words());
    centreOnScreen(m_wordsForm.get());
    switchWindow(m_menuForm.get(), m_wordsForm.get());
}

void ClassProgram::leaveWordsForAll()
{
    switchWindow(m_wordsForm.get(), m_menuForm.get());
    m_menu.activate();
}

// The child left the main window, its cards saved: the next child's turn.
void ClassProgram::childLeft()
{
    if (m_ending) {
        emit quitRequested();
        return;
    }
    Program *left = m_child.release();
    switchWindow(&left->form1(), m_form.get());
    left->deleteLater(); // its window is still in the middle of the leave
    m_choice.activate();
}

} // namespace zek::ui
