#include "windows/EditorWindow.h"

#include "windows/SpellingListWindow.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "cards/CardList.h"
#include "drill/Drill.h"
#include "editor/Editor.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <functional>

namespace zek::ui {
namespace {

constexpr int clientWidth = 11430;
constexpr int clientHeight = 8895;

// The colours of the filter labels "Alle", "Fehler" … "Gelernt": the boxes
// 0 to 5 in the colours the main window gives them, all cards and the
// learned ones (box 6) in their own. The view indicator takes the colour of
// the filter in force.
const QColor allCardsGrey(192, 192, 192);
const QColor learnedYellow = toColor(learnedColour);
// The four columns; the fields of the panels take the colour of their column.
const QColor columnColours[4] = {{192, 255, 255}, {128, 255, 255}, {0, 255, 255}, {0, 192, 192}};
const QColor panelGrey(236, 236, 236);

QColor filterColour(int filter)
{
    if (filter < 0)
        return allCardsGrey;
    return filter == 6 ? learnedYellow : toColor(boxColour(filter));
}

QString buttonCaption(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

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

    m_indicator = new QFrame(this);
    m_indicator->setObjectName(QStringLiteral("kasten"));
    m_indicator->setGeometry(twipsRect(240, 600, 10935, 7935));
    m_indicator->setFrameShape(QFrame::Box);
    QPalette border = m_indicator->palette();
    border.setColor(QPalette::WindowText, QColor(128, 128, 128));
    m_indicator->setPalette(border);

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

void EditorWindow::buildEditPanel()
{
    m_editPanel = addPanel("Bild4", twipsRect(2040, 2400, 6375, 3495));
    addLabel(m_editPanel, "Bezeichnung10", twipsRect(120, 90, 3000, 300), QStringLiteral("Karte ändern:"))
        ->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));

    static const char *const labels[3] = {"Bezeichnung7", "Bezeichnung8", "Bezeichnung9"};
    static const char *const captions[3] = {"Grundwort:", "Verwandtes Wort:", "Phrase mit Wort:"};
    static const char *const clears[3] = {"Befehl5", "Befehl6", "Befehl7"};
    static const int tops[3] = {480, 1020, 1560};
    m_text1 = new WavyLineEdit(m_editPanel);
    m_text2 = new WavyLineEdit(m_editPanel);
    m_text3 = new QPlainTextEdit(m_editPanel);
    m_text3->setTabChangesFocus(true);
    m_text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QWidget *fields[3] = {m_text1, m_text2, m_text3};
    for (int i = 0; i < 3; ++i) {
        addLabel(m_editPanel, labels[i], twipsRect(120, tops[i] + 60, 1695, 300), QString::fromUtf8(captions[i]));
        fields[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        // the phrase field wraps onto a second line
        fields[i]->setGeometry(twipsRect(1860, tops[i], 4095, i == 2 ? 840 : 420));
        fields[i]->setFont(QFont(QStringLiteral("Arial"), 10));
        setBackground(fields[i], columnColours[i]);
        fields[i]->installEventFilter(this);
        // Tab goes from field to field: an "X" that took the focus would
        // empty its field at the next blank typed
        addCommand(m_editPanel, clears[i], QStringLiteral("X"), twipsRect(5985, tops[i], 330, 420), [this, i] {
            m_editor.editPanel().clearField(i + 1);
        })->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_text1, &QLineEdit::textEdited, this,
            [this](const QString &t) { m_editor.editPanel().setFieldText(1, t, m_text1->cursorPosition()); });
    connect(m_text2, &QLineEdit::textEdited, this,
            [this](const QString &t) { m_editor.editPanel().setFieldText(2, t, m_text2->cursorPosition()); });
    connect(m_text3, &QPlainTextEdit::textChanged, this,
            [this] { m_editor.editPanel().setFieldText(3, m_text3->toPlainText(), m_text3->textCursor().position()); });

    QAbstractButton *cancel = addCommand(m_editPanel, "Befehl1", QStringLiteral("Abbrechen"),
                                         twipsRect(120, 2760, 1500, 495), [this] { m_editor.editPanel().close(); });
    QAbstractButton *insert =
        addCommand(m_editPanel, "Befehl2", QStringLiteral("Neue Karte einfügen"), twipsRect(1740, 2760, 2300, 495),
                   [this] { m_editor.editPanel().insertNewCard(); });
    QAbstractButton *change =
        addCommand(m_editPanel, "Command5", QStringLiteral("Karte ändern"), twipsRect(4160, 2760, 2000, 495),
                   [this] { m_editor.editPanel().changeCurrentCard(); });
    // after the phrase Tab reaches the commands that keep what was typed
    // before the one that throws it away
    QWidget *chain[] = {m_text1, m_text2, m_text3, insert, change, cancel};
    for (int i = 0; i + 1 < 6; ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void EditorWindow::buildReboxPanel()
{
    m_reboxPanel = addPanel("bild10", twipsRect(2280, 2400, 7095, 4095));
    struct Row {
        const char *label, *caption, *value;
        int top, width, height;
        QColor colour;
    };
    const Row rows[5] = {
        {"Label1", "Grundwort:", "Label3", 240, 4900, 300, columnColours[0]},
        {"Label6", "Verwandtes Wort:", "Label4", 660, 4900, 300, columnColours[1]},
        {"Label7", "Phrase mit Wort:", "Label5", 1080, 4900, 600, columnColours[2]},
        {"Label9", "Fach-Einstufung:", "Label10", 1860, 600, 300, columnColours[3]},
        {"Label2", "Neue Einstufung:", "Label8", 2280, 600, 300, QColor(255, 255, 0)},
    };
    for (int i = 0; i < 5; ++i) {
        addLabel(m_reboxPanel, rows[i].label, twipsRect(120, rows[i].top, 1800, 300),
                 QString::fromUtf8(rows[i].caption));
        QLabel *value =
            addLabel(m_reboxPanel, rows[i].value, twipsRect(2040, rows[i].top, rows[i].width, rows[i].height));
        value->setWordWrap(true);
        value->setAlignment(i >= 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        setBackground(value, rows[i].colour);
        if (i < 4)
            m_reboxValues[i] = value;
        else
            m_newBox = value;
    }
    m_newBoxScroller = new QScrollBar(Qt::Horizontal, m_reboxPanel);
    m_newBoxScroller->setObjectName(QStringLiteral("HScroll2"));
    m_newBoxScroller->setGeometry(twipsRect(2760, 2280, 2400, 300));
    m_newBoxScroller->setRange(0, 6);
    m_newBoxScroller->setPageStep(1);
    m_newBoxScroller->setFocusPolicy(Qt::NoFocus);
    connect(m_newBoxScroller, &QScrollBar::valueChanged, this,
            [this](int value) { m_editor.reboxPanel().showNewBox(value); });

    addCommand(m_reboxPanel, "Command1", QStringLiteral("Abbrechen"), twipsRect(120, 3300, 1500, 495),
               [this] { m_editor.reboxPanel().close(); });
    addCommand(m_reboxPanel, "Command2", QStringLiteral("Einzeleintrag"), twipsRect(1740, 3300, 1700, 495),
               [this] { m_editor.reboxPanel().reboxCard(); });
    addCommand(m_reboxPanel, "Command3", QStringLiteral("Ganzes Fach"), twipsRect(3560, 3300, 1700, 495),
               [this] { m_editor.reboxPanel().reboxBox(); });
    addCommand(m_reboxPanel, "Command4", QStringLiteral("Ganze Liste"), twipsRect(5380, 3300, 1600, 495),
               [this] { m_editor.reboxPanel().reboxAll(); });
}

void EditorWindow::buildPrintPanel()
{
    m_printPanel = addPanel("drucken", twipsRect(2520, 2400, 6255, 2775));
    m_printFrame = new QFrame(m_printPanel);
    m_printFrame->setObjectName(QStringLiteral("Shape4"));
    m_printFrame->setGeometry(0, 0, m_printPanel->width(), m_printPanel->height());
    m_printFrame->setFrameShape(QFrame::Box);
    m_printFrame->setLineWidth(3);
    addLabel(m_printPanel, "Label11", twipsRect(240, 180, 3000, 300), QStringLiteral("Fach drucken"))
        ->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    auto *options = new QGroupBox(QStringLiteral("Druckoptionen: "), m_printPanel);
    options->setObjectName(QStringLiteral("Rahmen1"));
    options->setGeometry(twipsRect(240, 600, 3000, 1800));
    static const char *const optionNames[3] = {"Option1", "Option2", "Option3"};
    static const char *const optionCaptions[3] = {"Karteikarte", "Lernwörter", "Wortfamilie"};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromUtf8(optionCaptions[i]), options);
        option->setObjectName(QLatin1String(optionNames[i]));
        option->setGeometry(twipsRect(240, 360 + 440 * i, 2600, 360));
        option->setFocusPolicy(Qt::TabFocus);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                m_editor.printPanel().chooseSheetKind(SheetKind(i));
        });
        m_sheetOptions[i] = option;
    }
    addCommand(m_printPanel, "Command7", QStringLiteral("Fach drucken"), twipsRect(3600, 700, 2400, 495),
               [this] { m_editor.printPanel().printInView(); });
    addCommand(m_printPanel, "Command8", QStringLiteral("Seite drucken"), twipsRect(3600, 1300, 2400, 495),
               [this] { m_editor.printPanel().printPageFromCurrent(); });
    addCommand(m_printPanel, "Command6", QStringLiteral("Abbrechen"), twipsRect(3600, 1900, 2400, 495),
               [this] { m_editor.printPanel().close(); });
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

    // a field the model changed gets its text, the cursor where the model says
    for (int i = 0; i < 2; ++i) {
        QLineEdit *line = i == 0 ? m_text1 : m_text2;
        if (line->text() != m_editor.editPanel().field(i + 1)) {
            const QSignalBlocker blocker(line);
            line->setText(m_editor.editPanel().field(i + 1));
            if (m_editor.editPanel().fieldCursor(i + 1) >= 0)
                line->setCursorPosition(int(m_editor.editPanel().fieldCursor(i + 1)));
        }
    }
    if (m_text3->toPlainText() != m_editor.editPanel().field(3)) {
        const QSignalBlocker blocker(m_text3);
        m_text3->setPlainText(m_editor.editPanel().field(3));
        QTextCursor cursor = m_text3->textCursor();
        cursor.setPosition(m_editor.editPanel().fieldCursor(3) >= 0 ? int(m_editor.editPanel().fieldCursor(3))
                                                                    : int(m_editor.editPanel().field(3).size()));
        m_text3->setTextCursor(cursor);
    }

    const CardEntry none;
    const CardEntry &card = current >= 0 ? m_editor.browser().cardAt(current) : none;
    m_reboxValues[0]->setText(card.baseWord);
    m_reboxValues[1]->setText(card.relatedWord);
    m_reboxValues[2]->setText(card.phrase);
    m_reboxValues[3]->setText(card.box);
    m_newBox->setText(QString::number(m_editor.reboxPanel().newBox()));
    {
        const QSignalBlocker blocker(m_newBoxScroller);
        m_newBoxScroller->setValue(m_editor.reboxPanel().newBox());
    }

    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker blocker(m_sheetOptions[i]);
        m_sheetOptions[i]->setChecked(int(m_editor.printPanel().sheetKind()) == i);
    }

    showSpelling();

    const EditorPanel panel = m_editor.browser().panel();
    m_editPanel->setVisible(panel == EditorPanel::Edit);
    m_reboxPanel->setVisible(panel == EditorPanel::Rebox);
    m_printPanel->setVisible(panel == EditorPanel::Print);
    if (panel == EditorPanel::Edit && !m_editPanel->isAncestorOf(focusWidget()))
        m_text1->setFocus();
}

// The words the dictionary does not know get a red wavy line; the fields
// stay plain text: a line edit draws the line over its text, the phrase
// field takes it as an extra selection. The word a spelling
// question went back to is selected.
void EditorWindow::showSpelling()
{
    m_spellButton->setEnabled(m_editor.spellingOn());
    m_spellButton->setToolTip(m_editor.spellingToolTip());
    m_spellButton->setAccessibleDescription(m_editor.spellingToolTip());

    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(Qt::red);
    for (int i = 0; i < 3; ++i) {
        // the fields are checked while they are in view
        const QList<WordSpan> unknown = m_editor.browser().panel() == EditorPanel::Edit
            ? m_editor.editPanel().unknownWords(i + 1)
            : QList<WordSpan>();
        const QString &text = m_editor.editPanel().field(i + 1);
        if (text == m_underlined[i] && unknown == m_underlines[i])
            continue;
        m_underlined[i] = text;
        m_underlines[i] = unknown;
        if (i < 2) {
            QList<QPair<int, int>> stretches;
            for (const WordSpan &span : unknown)
                stretches.append({int(span.start), int(span.length)});
            (i == 0 ? m_text1 : m_text2)->setWavyLines(stretches);
        } else {
            QList<QTextEdit::ExtraSelection> selections;
            for (const WordSpan &span : unknown) {
                QTextCursor cursor(m_text3->document());
                cursor.setPosition(int(span.start));
                cursor.setPosition(int(span.start + span.length), QTextCursor::KeepAnchor);
                selections.append({cursor, wavy});
            }
            m_text3->setExtraSelections(selections);
        }
    }

    const EditPanel::Selection &selection = m_editor.editPanel().selection();
    const auto shown = std::pair{selection.field, std::pair{selection.start, selection.length}};
    if (shown != m_shownSelection) {
        m_shownSelection = shown;
        if (selection.field == 1 || selection.field == 2) {
            (selection.field == 1 ? m_text1 : m_text2)->setSelection(int(selection.start), int(selection.length));
        } else if (selection.field == 3) {
            QTextCursor cursor = m_text3->textCursor();
            cursor.setPosition(int(selection.start));
            cursor.setPosition(int(selection.start + selection.length), QTextCursor::KeepAnchor);
            m_text3->setTextCursor(cursor);
        }
    }
    m_spellingList->refresh();
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
