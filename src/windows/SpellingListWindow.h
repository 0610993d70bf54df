#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QTableView;

namespace zek {
class Editor;
}

namespace zek::ui {

class FindingRows;

// The window "Rechtschreibung prüfen": the cards of the file with words the
// check does not know, one row a card. A double click makes the card the
// editor's current one; a word of the chosen row goes into the card box's
// own word list. It shows the editor's findings and hands each click on.
class SpellingListWindow : public QWidget {
    Q_OBJECT
public:
    explicit SpellingListWindow(Editor &editor, QWidget *parent = nullptr);
    ~SpellingListWindow() override;

    void refresh(); // shown or hidden as the editor says
    void rowsChanged(); // the findings are new

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    qsizetype chosenRow() const;
    void showWordsOfRow();

    Editor &m_editor;
    FindingRows *m_rows = nullptr;
    QTableView *m_table = nullptr;
    QComboBox *m_words = nullptr;
    QCheckBox *m_ask = nullptr;
};

} // namespace zek::ui
