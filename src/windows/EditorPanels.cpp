// The three panels of the card editor that slide in over the columns: the
// edit panel (its fields underline the words the dictionary does not know),
// the re-box panel and the print panel; each built from its controls and
// mirroring its part of the editor.
#include "windows/EditorWindow.h"
#include "widgets/KeyRepeat.h"

#include "windows/EditorLook.h"
#include "windows/SpellingListWindow.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "editor/Editor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace zek::ui {

using namespace editorlook;

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
    m_keys = new KeyRepeat(this);
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
        fields[i]->installEventFilter(m_keys);
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

// Each panel mirrors its part of the editor: the fields, the card to re-box
// and its new box, the sheet kind.
void EditorWindow::refreshPanels()
{
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
    const int current = int(m_editor.browser().currentRow());
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
}

// The panel open is the one shown; the edit panel takes the focus into its fields.
void EditorWindow::showPanel()
{
    const EditorPanel panel = m_editor.browser().panel();
    m_editPanel->setVisible(panel == EditorPanel::Edit);
    m_reboxPanel->setVisible(panel == EditorPanel::Rebox);
    m_printPanel->setVisible(panel == EditorPanel::Print);
    if (panel == EditorPanel::Edit && !m_editPanel->isAncestorOf(focusWidget()))
        m_text1->setFocus();
}

} // namespace zek::ui
