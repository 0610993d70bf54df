#pragma once

#include "drill/TrainerSession.h"

#include <QHash>
#include <QSet>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace zek {
class Drill;
}

namespace zek::ui {

class ClickableLabel;
class WavyLineEdit;
class KeyRepeat;
class WordField;

// The main window: the drill, the box counters, the language switch and the
// tool bar. It shows the state of its models and hands every click on.
class DrillWindow : public QWidget {
    Q_OBJECT
public:
    DrillWindow(TrainerSession &main, Drill &drill, QWidget *parent = nullptr);

    // The tool bar buttons that open another window are disabled until the
    // program says that it can open that window.
    void setWindowAvailable(Window window, bool available);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildToolBars();
    void buildHeader();
    void buildBoxes();
    void buildWordField();
    void buildAnswerBox();
    void buildLists();
    QFrame *addShape(const char *name, const QRect &geometry);
    QToolButton *addButton(const char *name, const QString &toolTip, const QString &icon, int left, int top,
                           std::function<void()> action);
    void refresh();
    void fitWidth();
    void focusAnswerBox();

    TrainerSession &m_main;
    Drill &m_drill;
    QHash<Window, QToolButton *> m_windowButtons;

    WavyLineEdit *m_answer = nullptr;
    KeyRepeat *m_answerKeys = nullptr; // a held F2 reads once
    WordField *m_display = nullptr;
    QLabel *m_instruction = nullptr;
    ClickableLabel *m_levelDigit = nullptr;
    QLabel *m_userName = nullptr;
    WordField *m_recordNote = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_wordTotal = nullptr;
    QLabel *m_wordTotalLabel = nullptr;
    QLabel *m_counters[6] = {};
    QFrame *m_cardArea = nullptr;
    QListWidget *m_modes = nullptr;
    QListWidget *m_characters = nullptr;
    QToolButton *m_alphabetical = nullptr;
    QToolButton *m_random = nullptr;
    QToolButton *m_language = nullptr;
    QToolButton *m_readAloud = nullptr;
    // dictation and the reading aids
    void showReadingAids();
    void openReadingAids();
    QToolButton *m_dictation = nullptr;
    QString m_dictationIcon;
    QString m_shownCharacterSet;
    QString m_shownLanguage;
    bool m_modesWereVisible = false;
    bool m_answerWasRed = false;
    int m_shownBox = -2;
};

} // namespace zek::ui
