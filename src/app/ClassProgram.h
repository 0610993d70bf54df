#pragma once

#include "drill/ChildChoice.h"
#include "teacher/TeacherMenu.h"

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace zek {
class Platform;
class Random;
} // namespace zek

namespace zek::ui {

class ChildChoiceWindow;
class TeacherMenuWindow;
class WordsForAllWindow;
class Program;
class QtPlatform;

// The trainer on a class folder: "Wer übt heute?" first; a child's choice
// opens the main window on that child's card box with the child's name, and
// leaving it is the next child's turn. "Beenden" ends the program.
class ClassProgram : public QObject {
    Q_OBJECT
public:
    ClassProgram(const QString &classFolder, const QString &sampleFolder, Platform &platform, Random &random);
    ~ClassProgram() override;

    // Shows "Wer übt heute?", centred.
    void start();
    // SIGTERM, SIGHUP and SIGINT save the cards of the child practising and
    // end the program.
    void endOnSignals();
    // What "Lernfortschritt …" shows for a child's folder; without it the
    // button stays grey.
    void setProgressView(std::function<void(const QString &childFolder)> view);
    // Each child's trainer follows the speech engine (Program::followSpeech).
    void followSpeech(QtPlatform &platform) { m_speech = &platform; }

    ChildChoice &choice() { return m_choice; }
    TeacherMenu &teacherMenu() { return m_menu; }
    // The teacher's windows, made on first use; nullptr before.
    TeacherMenuWindow *teacherMenuForm() { return m_menuForm.get(); }
    WordsForAllWindow *wordsForAllForm() { return m_wordsForm.get(); }
    ChildChoiceWindow &form() { return *m_form; }
    // The trainer of the child whose turn it is; nullptr between turns.
    Program *child() { return m_child.get(); }

signals:
    // The program ends.
    void quitRequested();

private:
    void openChild(const QString &folder, const QString &name);
    void childLeft();
    void showTeacherMenu();
    void showWordsForAll();
    void leaveWordsForAll();
    void leaveTeacherMenu();

    Platform &m_platform;
    Random &m_random;
    ChildChoice m_choice;
    std::unique_ptr<ChildChoiceWindow> m_form;
    TeacherMenu m_menu;
    std::unique_ptr<TeacherMenuWindow> m_menuForm;
    std::unique_ptr<WordsForAllWindow> m_wordsForm;
    std::unique_ptr<Program> m_child;
    std::function<void(const QString &)> m_progressView;
    QtPlatform *m_speech = nullptr;
    std::unique_ptr<QSocketNotifier> m_signals;
    bool m_ending = false;
};

} // namespace zek::ui
