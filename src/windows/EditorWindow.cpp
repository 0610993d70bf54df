#include "windows/EditorWindow.h"

#include "windows/EditorLook.h"
#include "windows/SpellingListWindow.h"
#include "widgets/KeyRepeat.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "cards/CardList.h"
#include "editor/Editor.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <functional>

namespace zek::ui {

using namespace editorlook;

namespace {

constexpr int clientWidth = 11430;
constexpr int clientHeight = 8895;

} // namespace

// The card list as four columns of one Qt model: a change of the rows is one
// reset, and the views draw only the rows they show, also at 32,767 cards.
class CardColumns : public QAbstractTableModel {
public:
    explicit CardColumns(const Editor &editor) : m_editor(editor) {}
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_editor.browser().rowCount());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        switch (role) {
        case Qt::DisplayRole: {
            const CardEntry &card = m_editor.browser().cardAt(index.row());
            const QString *fields[4] = {&card.baseWord, &card.relatedWord, &card.phrase, &card.box};
            return *fields[index.column()];
        }
        default: return {};
        }
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const Editor &m_editor;
};

EditorWindow::EditorWindow(Editor &editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("Form7"));
    setBackground(this, Qt::white);
    setFixedSize(twips(clientWidth), twips(clientHeight));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    buildViewIndicator();
    buildFilterLabels();
    buildCardColumns();
    buildCharacterList();
    buildToolBar();
    buildEditPanel();
    buildReboxPanel();
    buildPrintPanel();

    connect(&m_editor, &Editor::changed, this, &EditorWindow::refresh);
    connect(&m_editor, &Editor::rowsChanged, this, &EditorWindow::rowsChanged);
    connect(&m_editor, &Editor::focusField, this, &EditorWindow::focusField);
    m_spellingList = new SpellingListWindow(m_editor, this);
    connect(&m_editor, &Editor::findingsChanged, m_spellingList, &SpellingListWindow::rowsChanged);
    rowsChanged();
}

// The frame around the columns, in the colour of the filter in force.
void EditorWindow::buildViewIndicator()
{
    m_indicator = new QFrame(this);
    m_indicator->setObjectName(QStringLiteral("kasten"));
    m_indicator->setGeometry(twipsRect(240, 600, 10935, 7935));
    m_indicator->setFrameShape(QFrame::Box);
    QPalette border = m_indicator->palette();
    border.setColor(QPalette::WindowText, QColor(128, 128, 128));
    m_indicator->setPalette(border);
}

// "Alle", "Fehler" … "Gelernt" over the columns, and the file and language shown.
void EditorWindow::buildFilterLabels()
{
    static const char *const filterNames[8] = {"Bezeichnung12", "Bezeichnung13", "Bezeichnung14", "Bezeichnung15",
                                               "Bezeichnung16", "Bezeichnung17", "Bezeichnung18", "Bezeichnung19"};
    static const char *const filterCaptions[8] = {"Alle",   "Fehler", "Fach 1", "Fach 2",
                                                  "Fach 3", "Fach 4", "Fach 5", "Gelernt"};
    for (int i = 0; i < 8; ++i) {
        // the eight side by side over the frame of the columns, none past its right edge
        ClickableLabel *label = addClickableLabel(this, filterNames[i], twipsRect(1560 + 1200 * i, 240, 1185, 300),
                                                  QString::fromUtf8(filterCaptions[i]));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        setBackground(label, filterColour(i - 1));
        if (i == 0)
            connect(label, &ClickableLabel::clicked, &m_editor.browser(), &CardBrowser::showAllCards);
        else
            connect(label, &ClickableLabel::clicked, this, [this, i] { m_editor.browser().showBox(i - 1); });
    }

    m_file = addLabel(this, "Bezeichnung2", twipsRect(1560, 900, 1695, 300));
    m_language = addLabel(this, "Bezeichnung1", twipsRect(3360, 900, 495, 300));
    for (QLabel *l : {m_file, m_language})
        l->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
}

// The four columns of the card list, the card scroller and what it says under them.
void EditorWindow::buildCardColumns()
{
    m_columnsModel = new CardColumns(m_editor);
    m_columnsModel->setParent(this);
    static const char *const columnNames[4] = {"Liste1", "Liste2", "Liste3", "Liste4"};
    static const int lefts[4] = {1560, 3360, 5280, 8640}, widths[4] = {1695, 1815, 3255, 495};
    for (int c = 0; c < 4; ++c) {
        auto *view = new QListView(this);
        view->setObjectName(QLatin1String(columnNames[c]));
        view->setGeometry(twipsRect(lefts[c], 1320, widths[c], 6750));
        view->setModel(m_columnsModel);
        view->setModelColumn(c);
        view->setUniformItemSizes(true);
        // the current card is the selected row and follows the card scroller;
        // the mouse chooses no row (the presses on the rows are eaten below)
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->viewport()->installEventFilter(this);
        QPalette p = view->palette();
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
        view->setPalette(p);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setFocusPolicy(Qt::NoFocus);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setFont(QFont(QStringLiteral("Arial"), 9));
        setBackground(view, columnColours[c]);
        m_columns[c] = view;
    }
    // the rows stay aligned: the columns scroll together
    for (QListView *from : m_columns)
        for (QListView *to : m_columns)
            if (from != to)
                connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(),
                        &QScrollBar::setValue);

    m_scroller = new QScrollBar(Qt::Horizontal, this);
    m_scroller->setObjectName(QStringLiteral("HScroll1"));
    m_scroller->setGeometry(twipsRect(1560, 8160, 6975, 255));
    m_scroller->setFocusPolicy(Qt::NoFocus);
    connect(m_scroller, &QScrollBar::valueChanged, this,
            [this](int value) { m_editor.browser().showCurrentCard(value); });
    m_position = addLabel(this, "Bezeichnung11", twipsRect(1560, 8460, 1095, 300));
    m_position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_count = addLabel(this, "Bezeichnung6", twipsRect(2700, 8460, 1815, 300));
    for (QLabel *l : {m_position, m_count})
        l->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
}

// "Zeichensatz": a click puts the character into the field in use.
void EditorWindow::buildCharacterList()
{
    addLabel(this, "Bezeichnung3", twipsRect(9240, 1020, 1695, 300), QStringLiteral("Zeichensatz"))
        ->setAlignment(Qt::AlignCenter);
    m_characters = new QListWidget(this);
    m_characters->setObjectName(QStringLiteral("Liste5"));
    m_characters->setGeometry(twipsRect(9240, 1320, 1695, 6750));
    m_characters->setFont(QFont(QStringLiteral("Arial"), 12));
    m_characters->setFocusPolicy(Qt::NoFocus); // the field in use keeps the focus
    setBackground(m_characters, columnColours[1]);
    connect(m_characters, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QString character = item->text();
        m_characters->clearSelection();
        m_editor.editPanel().insertCharacter(character);
    });
}

// The buttons on the left: leave, print, edit, re-box, delete, the languages,
// the word lists in and out, the spelling check and "Lernfortschritt".
void EditorWindow::buildToolBar()
{
    struct Tool {
        const char *name, *toolTip, *icon;
        std::function<void()> action;
    };
    const Tool tools[] = {
        {"Bild7", "Abbruch", "exit", [this] { m_editor.leaveEditor(); }},
        {"Bild5", "Drucken", "print", [this] { m_editor.printPanel().open(); }},
        {"Bild8", "Bearbeiten", "edit", [this] { m_editor.editPanel().open(); }},
        {"Bild6", "Einstufung", "rebox", [this] { m_editor.reboxPanel().open(); }},
        {"bild9", "Löschen", "delete", [this] { m_editor.editPanel().deleteCurrentCard(); }},
    };
    int slot = 0;
    const auto addTool = [&](const char *name, const QString &toolTip, const char *icon, std::function<void()> action) {
        QToolButton *button = addPictureButton(this, name, toolTip, QString::fromLatin1(icon),
                                               twipsRect(720, 1320 + 600 * slot++, 495, 495));
        connect(button, &QToolButton::clicked, this, std::move(action));
        return button;
    };
    for (const Tool &tool : tools)
        addTool(tool.name, QString::fromUtf8(tool.toolTip), tool.icon, tool.action);
    // Bild1 to Bild3: the flags of the languages, in their order
    const char *const flagButtons[] = {"Bild1", "Bild2", "Bild3"};
    for (const LanguageRecord &language : languages)
        addTool(flagButtons[std::size_t(language.id)], language.nameText(), language.flag,
                [this, code = language.codeText()] { m_editor.switchEditorLanguage(code); });
    // below the flags: the teacher's word lists in and out
    addTool("Bild11", QStringLiteral("Wortliste importieren"), "wordlist_import",
            [this] { m_editor.transfer().importWordList(); });
    addTool("Bild12", QStringLiteral("Wortliste exportieren"), "wordlist_export",
            [this] { m_editor.transfer().exportWordList(); });
    m_spellButton = addTool("Bild13", QStringLiteral("Rechtschreibung prüfen"), "spelling",
                            [this] { m_editor.review().checkSpelling(); });
    addTool("Bild14", QStringLiteral("Lernfortschritt"), "progress", [this] { m_editor.showProgress(); });
}

EditorWindow::~EditorWindow() = default;

QAbstractButton *EditorWindow::addCommand(QWidget *parent, const char *name, const QString &caption,
                                          const QRect &geometry, std::function<void()> action)
{
    auto *button = new QPushButton(buttonCaption(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus); // a click leaves the focus in the field
    ignoreDoubleClicks(button);
    connect(button, &QPushButton::clicked, this, std::move(action));
    return button;
}

// A panel that slides in over the columns; hidden until its button shows it.
QFrame *EditorWindow::addPanel(const char *name, const QRect &geometry)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    setBackground(panel, panelGrey);
    panel->hide();
    return panel;
}

void EditorWindow::rowsChanged()
{
    m_columnsModel->reset();
    refresh();
}

void EditorWindow::refresh()
{
    setWindowTitle(m_editor.caption());
    m_file->setText(m_editor.browser().fileName());
    m_language->setText(m_editor.browser().languageCode());
    m_count->setText(m_editor.browser().countText());
    m_position->setText(m_editor.browser().positionText());

    refreshColumns();

    if (m_editor.browser().filter() != m_shownFilter) {
        m_shownFilter = m_editor.browser().filter();
        setBackground(m_indicator, filterColour(m_shownFilter));
        QPalette p = m_printFrame->palette();
        p.setColor(QPalette::WindowText, filterColour(m_shownFilter));
        m_printFrame->setPalette(p);
    }
    if (m_editor.browser().characterSet() != m_shownCharacters) {
        m_shownCharacters = m_editor.browser().characterSet();
        m_characters->clear();
        for (QChar c : m_shownCharacters)
            m_characters->addItem(QString(c));
    }

    refreshPanels();
    showSpelling();
    showPanel();
}

// The scroller and the selected row follow the current card.
void EditorWindow::refreshColumns()
{
    const qsizetype rows = m_editor.browser().rowCount();
    const int current = int(m_editor.browser().currentRow());
    {
        const QSignalBlocker blocker(m_scroller);
        m_scroller->setRange(0, int(std::max<qsizetype>(rows - 1, 0)));
        m_scroller->setValue(std::max(current, 0));
        m_scroller->setEnabled(rows > 0);
    }
    for (int c = 0; c < 4; ++c) {
        const QModelIndex index = m_columnsModel->index(current, c);
        m_columns[c]->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    if (current >= 0)
        m_columns[0]->scrollTo(m_columnsModel->index(current, 0));
}

void EditorWindow::focusField(int field)
{
    QWidget *fields[3] = {m_text1, m_text2, m_text3};
    if (field >= 1 && field <= 3)
        fields[field - 1]->setFocus();
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove
         || type == QEvent::MouseButtonRelease)
        && std::any_of(m_columns.begin(), m_columns.end(),
                       [watched](QListView *v) { return v->viewport() == watched; }))
        return true; // the rows are shown, not chosen
    if (type == QEvent::KeyPress && watched == m_text3) {
        // Return in the phrase: one line break, one message, however long
        // the key is held (its repeats reach neither the message nor the field)
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (m_keys->isRepeat(key))
                return true;
            KeyRepeat::ignoreWhileHeld(key);
        }
    }
    if (type == QEvent::FocusIn) {
        const QObject *fields[3] = {m_text1, m_text2, m_text3};
        for (int i = 0; i < 3; ++i)
            if (watched == fields[i])
                m_editor.editPanel().rememberActiveField(i + 1);
    }
    return QWidget::eventFilter(watched, event);
}

void EditorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) // Esc does what "Abbruch" does
        m_editor.leaveEditor();
    else
        QWidget::keyPressEvent(event);
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    // the frame does what "Abbruch" does; the program hides the window
    event->ignore();
    m_editor.leaveEditor();
}

} // namespace zek::ui
