#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zek {
class TeacherMenu;
class WordsForAll;
} // namespace zek

namespace zek::ui {

// The teacher's menu of a class: the children's list on the left, the
// entries on the right, the line about the password and "Zurück" below.
class TeacherMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit TeacherMenuWindow(TeacherMenu &menu, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    TeacherMenu &m_menu;
    QListWidget *m_children;
    QLabel *m_passwordLine;
    QList<QPushButton *> m_forChild; // the entries that need a child chosen
};

// "Wörter für alle": where the words come from and their language, the
// preview per child and the lines refused, "Allen geben", and the children
// left out with "Nochmals versuchen".
class WordsForAllWindow : public QWidget {
    Q_OBJECT
public:
    explicit WordsForAllWindow(WordsForAll &words, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    WordsForAll &m_words;
    QPushButton *m_fromTemplate, *m_give, *m_retry;
    QComboBox *m_language;
    QLabel *m_source, *m_done;
    QListWidget *m_preview, *m_refused, *m_notChanged;
    QCheckBox *m_intoTemplate;
};

} // namespace zek::ui
