#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QAbstractButton;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class QToolButton;

#include "editor/Spelling.h"
#include "widgets/WavyLineEdit.h"

namespace zek {
class Editor;
}

namespace zek::ui {

class KeyRepeat;

class CardColumns;
class SpellingListWindow;

// The card editor: four columns over the card list, the box filter, the
// language buttons, the character list and the three panels. It shows the
// state of its model and hands every click and key on.
class EditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditorWindow(Editor &editor, QWidget *parent = nullptr);
    ~EditorWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *addCommand(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                                std::function<void()> action);
    QFrame *addPanel(const char *name, const QRect &geometry);
    void buildViewIndicator();
    void buildFilterLabels();
    void buildCardColumns();
    void buildCharacterList();
    void buildToolBar();
    // the panels, in EditorPanels.cpp
    void buildEditPanel();
    void buildReboxPanel();
    void buildPrintPanel();
    void refreshPanels();
    void showPanel();
    void showSpelling();

    void refresh();
    void refreshColumns();
    void rowsChanged();
    void focusField(int field);

    Editor &m_editor;
    CardColumns *m_columnsModel = nullptr;
    std::array<QListView *, 4> m_columns{};
    QFrame *m_indicator = nullptr;
    QFrame *m_printFrame = nullptr;
    QScrollBar *m_scroller = nullptr;
    QLabel *m_position = nullptr, *m_count = nullptr, *m_file = nullptr, *m_language = nullptr;
    QListWidget *m_characters = nullptr;
    QString m_shownCharacters;
    QFrame *m_editPanel = nullptr, *m_reboxPanel = nullptr, *m_printPanel = nullptr;
    WavyLineEdit *m_text1 = nullptr, *m_text2 = nullptr;
    QPlainTextEdit *m_text3 = nullptr;
    KeyRepeat *m_keys = nullptr; // a held Return in the phrase breaks the line once
    std::array<QLabel *, 4> m_reboxValues{}; // the card to re-box: its three fields and its box
    QLabel *m_newBox = nullptr;
    QScrollBar *m_newBoxScroller = nullptr;
    std::array<QRadioButton *, 3> m_sheetOptions{};
    int m_shownFilter = -2;
    QToolButton *m_spellButton = nullptr; // the spelling check's button
    SpellingListWindow *m_spellingList = nullptr;
    std::array<QString, 3> m_underlined; // the text of each field as last underlined
    std::array<QList<WordSpan>, 3> m_underlines; // and the words underlined in it
    std::pair<int, std::pair<qsizetype, qsizetype>> m_shownSelection{0, {0, 0}};
};

} // namespace zek::ui
