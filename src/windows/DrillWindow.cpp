#include "windows/DrillWindow.h"

#include "widgets/FitText.h"
#include "widgets/KeyRepeat.h"
#include "widgets/Twips.h"
#include "widgets/WavyLineEdit.h"
#include "widgets/Widgets.h"
#include "qtplatform/QtPlatform.h"
#include "windows/ReadingFontDialog.h"
#include "widgets/Picture.h"
#include "widgets/ReadingFont.h"
#include "widgets/WordField.h"

#include "cards/Presentation.h"
#include "drill/Drill.h"
#include "syllables/Syllables.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

namespace zek::ui {
namespace {

constexpr int narrowWidth = 9200;
constexpr int wideWidth = 11460;
constexpr int clientHeight = 6765;

const QColor darkBlue(0, 0, 128);
const QColor lightCyan(128, 255, 255);
const QColor frameBlue(40, 80, 140);
const QColor levelYellow(255, 255, 128);

// The flag picture of a language code; German's for any other code.
QString flagOf(const QString &code)
{
    const LanguageRecord *language = findLanguage(code);
    return QString::fromLatin1((language ? *language : languageRecord(LanguageId::German)).flag);
}

} // namespace

DrillWindow::DrillWindow(TrainerSession &main, Drill &drill, QWidget *parent)
    : QWidget(parent), m_main(main), m_drill(drill)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZEK-Rechtschreibkartei"));
    setBackground(this, Qt::white);
    setFixedSize(twips(narrowWidth), twips(clientHeight));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    // the order of the parts is the order of the controls: later ones lie
    // above earlier ones, and Tab walks through them in this order
    buildFrame();
    buildToolBars();
    buildHeader();
    buildBoxes();
    buildWordField();
    buildAnswerBox();
    buildLists();

    for (auto it = m_windowButtons.cbegin(); it != m_windowButtons.cend(); ++it)
        it.value()->setEnabled(false);

    connect(&m_drill, &Drill::changed, this, &DrillWindow::refresh);
    connect(&m_main, &TrainerSession::changed, this, &DrillWindow::refresh);
    connect(&m_drill, &Drill::focusAnswer, this, &DrillWindow::focusAnswerBox);
    connect(&m_main, &TrainerSession::focusAnswer, this, &DrillWindow::focusAnswerBox);
    refresh();
}

// the frame bars lie behind everything else
void DrillWindow::buildFrame()
{
    for (const auto &[name, rect] :
         {std::pair{"Figur4", twipsRect(0, 0, 735, 6615)}, std::pair{"Figur5", twipsRect(720, 0, 8175, 735)},
          std::pair{"Figur7", twipsRect(8880, 0, 2655, 6615)}, std::pair{"Figur8", twipsRect(0, 6600, 11535, 255)}})
        setBackground(addShape(name, rect), frameBlue);
    m_cardArea = addShape("Figur1", twipsRect(1200, 1560, 7335, 4695));
}

// the level digit, the user name and, under it, the note on the practice record
void DrillWindow::buildHeader()
{
    m_levelDigit = addClickableLabel(this, "Bezeichnung20", twipsRect(1440, 240, 375, 375));
    setBackground(m_levelDigit, levelYellow);
    m_levelDigit->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    m_levelDigit->setAlignment(Qt::AlignCenter);
    m_levelDigit->setFrameShape(QFrame::Box);
    connect(m_levelDigit, &ClickableLabel::clicked, &m_drill, &Drill::nextLevel);

    m_userName = addLabel(this, "Bezeichnung11", twipsRect(6000, 75, 2895, 300));
    m_userName->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    m_userName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setForeground(m_userName, Qt::white);
    // the name stands right of the "Schrift" button, which lies on its left end
    m_userName->setContentsMargins(twips(6360 + 495 + 60 - 6000), 0, 0, 0);
    // under the user name, right of the "Schrift" button, on two lines where
    // one is too short; only while the practice record cannot be written
    m_recordNote = new WordField(this);
    m_recordNote->setObjectName(QStringLiteral("Verlaufshinweis"));
    m_recordNote->setGeometry(twipsRect(6360 + 495 + 60, 360, 8895 - 6915, 375));
    setForeground(m_recordNote, Qt::white);
    m_recordNote->hide();
}

// the box labels and their counters; a click on either chooses the box
void DrillWindow::buildBoxes()
{
    static const char *const labelNames[6] = {"fehler1",       "Bezeichnung15", "Bezeichnung16",
                                              "Bezeichnung17", "Bezeichnung18", "Bezeichnung19"};
    static const char *const counterNames[6] = {"fehler2",      "Bezeichnung1", "Bezeichnung2",
                                                "Bezeichnung3", "Bezeichnung4", "Bezeichnung5"};
    for (int box = 0; box <= 5; ++box) {
        const int left = 1320 + 1200 * box;
        ClickableLabel *label =
            addClickableLabel(this, labelNames[box], twipsRect(left, 960, 1095, 255),
                              box == 0 ? QStringLiteral("Fehler") : QStringLiteral("Fach %1").arg(box));
        ClickableLabel *counter = addClickableLabel(this, counterNames[box], twipsRect(left, 1200, 1095, 375));
        label->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        counter->setFont(QFont(QStringLiteral("Arial"), 13, QFont::Bold));
        for (ClickableLabel *l : {label, counter}) {
            setBackground(l, toColor(boxColour(box)));
            setForeground(l, darkBlue);
            l->setAlignment(Qt::AlignCenter);
            connect(l, &ClickableLabel::clicked, this, [this, box] { m_drill.chooseBox(box); });
        }
        m_counters[box] = counter;
    }
}

// the word on its white field, the speaker and dictation buttons over it
void DrillWindow::buildWordField()
{
    m_display = new WordField(this);
    m_display->setObjectName(QStringLiteral("Bezeichnung10"));
    m_display->setGeometry(twipsRect(1440, 1800, 6855, 2055));
    m_display->setAlignment(Qt::AlignCenter);
    setBackground(m_display, Qt::white);
    setForeground(m_display, darkBlue);
    // the speaker belongs to the word: in the top right corner of its white field
    m_readAloud = addButton("Vorlesen", QStringLiteral("Vorlesen"), QStringLiteral("speaker"), 7740, 1860,
                            [this] { m_main.readAloud(); });
    // dictation beside it, the reading aids in the top tool bar
    m_dictation = addButton("Hoerdiktat", QStringLiteral("Hördiktat"), QStringLiteral("dictation_off"), 7185, 1860,
                            [this] { m_main.toggleDictation(); });
    m_dictation->setCheckable(true);
    m_display->keepClearOf({m_readAloud, m_dictation}); // the word is never under a button
    addButton("Schrift", QStringLiteral("Schrift"), QStringLiteral("font"), 6360, 120, [this] { openReadingAids(); });
}

// the instruction, the answer box under it and the number of words
void DrillWindow::buildAnswerBox()
{
    m_instruction = addLabel(this, "Bezeichnung7", twipsRect(1320, 3960, 7095, 255));
    m_instruction->setAlignment(Qt::AlignCenter);
    setForeground(m_instruction, darkBlue);

    m_answer = new WavyLineEdit(this);
    m_answer->setObjectName(QStringLiteral("Text3"));
    m_answer->setGeometry(twipsRect(1440, 4320, 6855, 1455));
    m_answer->setFrame(true);
    setBackground(m_answer, Qt::white);
    setForeground(m_answer, darkBlue);
    connect(m_answer, &QLineEdit::textChanged, &m_drill, &Drill::checkAnswer);
    m_answer->installEventFilter(this);
    m_answerKeys = new KeyRepeat(m_answer);

    m_wordTotal = addLabel(this, "Bezeichnung6", twipsRect(6240, 5880, 1215, 255));
    m_wordTotalLabel = addLabel(this, "Bezeichnung14", twipsRect(7560, 5880, 855, 255), QStringLiteral("Wörter"));
    for (QLabel *l : {m_wordTotal, m_wordTotalLabel}) {
        l->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        setForeground(l, darkBlue);
    }
    m_wordTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// the list of presentation modes (shown on request) and the special characters
void DrillWindow::buildLists()
{
    m_modes = new QListWidget(this);
    m_modes->setObjectName(QStringLiteral("Liste2"));
    m_modes->setGeometry(twipsRect(600, 960, 1455, 2910));
    m_modes->addItems(presentationModeNames());
    setBackground(m_modes, lightCyan);
    m_modes->setFont(QFont(QStringLiteral("MS Sans Serif"), 9));
    m_modes->hide();
    connect(m_modes, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_drill.chooseMode(m_modes->row(item)); });
    connect(m_modes, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { m_drill.chooseMode(m_modes->row(item)); });

    m_caption = addLabel(this, "Bezeichnung22", twipsRect(9120, 120, 2055, 495));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFont(QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Bold));
    setForeground(m_caption, Qt::white);

    m_characters = new QListWidget(this);
    m_characters->setObjectName(QStringLiteral("Liste3"));
    m_characters->setGeometry(twipsRect(9120, 600, 2055, 6030));
    m_characters->setFont(QFont(QStringLiteral("Arial"), 12));
    m_characters->setFocusPolicy(Qt::NoFocus); // typing stays in the answer box
    setBackground(m_characters, lightCyan);
    connect(m_characters, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QString character = item->text();
        m_characters->clearSelection();
        m_characters->setCurrentItem(nullptr);
        m_drill.insertCharacter(character);
    });
}

QFrame *DrillWindow::addShape(const char *name, const QRect &geometry)
{
    auto *shape = new QFrame(this);
    shape->setObjectName(QLatin1String(name));
    shape->setGeometry(geometry);
    return shape;
}

QToolButton *DrillWindow::addButton(const char *name, const QString &toolTip, const QString &icon, int left, int top,
                                    std::function<void()> action)
{
    QToolButton *button = addPictureButton(this, name, toolTip, icon, twipsRect(left, top, 495, 495));
    connect(button, &QToolButton::clicked, this, std::move(action));
    return button;
}

bool DrillWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_answer && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        // F2 in the answer box: "Vorlesen", once however long it is held
        if (!m_answerKeys->isRepeat(static_cast<QKeyEvent *>(event)))
            m_main.readAloud();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DrillWindow::setWindowAvailable(Window window, bool available)
{
    if (QToolButton *button = m_windowButtons.value(window))
        button->setEnabled(available);
}

void DrillWindow::refresh()
{
    const BoxCounts &counts = m_drill.counts();
    for (int box = 0; box <= 5; ++box)
        m_counters[box]->setText(QString::number(counts.perBox[box]));
    m_wordTotal->setText(m_drill.wordTotalText());

    if (m_drill.paintedBox() != m_shownBox) {
        m_shownBox = m_drill.paintedBox();
        const QColor colour = m_shownBox < 0 ? QColor(Qt::white) : toColor(boxColour(m_shownBox));
        for (QWidget *w : std::initializer_list<QWidget *>{m_cardArea, m_wordTotal, m_wordTotalLabel})
            setBackground(w, colour);
    }

    m_instruction->setText(m_drill.instruction());
    if (m_answer->text() != m_drill.answerText()) {
        const QSignalBlocker blocker(m_answer);
        m_answer->setText(m_drill.answerText());
    }
    showReadingAids();
    if (m_drill.answerIsRed() != m_answerWasRed) {
        m_answerWasRed = m_drill.answerIsRed();
        setBackground(m_answer, m_answerWasRed ? toColor(answerRed) : QColor(Qt::white));
    }
    m_levelDigit->setText(m_drill.levelDigit());

    m_alphabetical->setVisible(m_drill.wordOrder() == WordOrder::Alphabetical);
    m_random->setVisible(m_drill.wordOrder() == WordOrder::Random);

    if (m_drill.modeListVisible() && !m_modesWereVisible) {
        const QSignalBlocker blocker(m_modes);
        m_modes->setCurrentRow(m_drill.mode() - 1);
        m_modes->show();
        m_modes->raise();
        m_modes->setFocus();
    } else if (!m_drill.modeListVisible() && m_modesWereVisible) {
        m_modes->hide();
        focusAnswerBox();
    }
    m_modesWereVisible = m_drill.modeListVisible();

    const Language &language = m_main.language();
    showFitted(m_userName, m_main.userName(), QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    m_recordNote->showText(m_main.recordNote(), QFont(QStringLiteral("Arial"), 8), 0, Wrap::Always, 7);
    m_recordNote->setVisible(!m_main.recordNote().isEmpty());
    showReadAloud(m_readAloud, m_main.voiceAvailable(), m_main.readAloudTip());
    // the picture shows whether dictation is on
    m_dictation->setEnabled(m_main.voiceAvailable());
    m_dictation->setToolTip(m_main.dictationTip());
    m_dictation->setChecked(m_main.settings().dictation);
    const QString icon = m_main.settings().dictation ? QStringLiteral("dictation_on") : QStringLiteral("dictation_off");
    if (icon != m_dictationIcon) {
        m_dictationIcon = icon;
        m_dictation->setIcon(picture(icon));
    }
    m_dictation->setAccessibleName(m_dictation->toolTip());
    m_caption->setText(screenText(language.caption()));
    if (language.code() != m_shownLanguage) {
        m_shownLanguage = language.code();
        m_language->setIcon(picture(flagOf(m_shownLanguage)));
    }
    if (language.currentCharacterSet() != m_shownCharacterSet) {
        m_shownCharacterSet = language.currentCharacterSet();
        m_characters->clear();
        for (QChar c : m_shownCharacterSet)
            m_characters->addItem(QString(c));
    }

    // the wide part shows, and takes clicks, only in the wide window
    m_caption->setVisible(m_main.isWide());
    m_characters->setVisible(m_main.isWide());
    fitWidth();
}

// The word and the answer box in the reading font, each text shrunk until
// it fits its box.
void DrillWindow::showReadingAids()
{
    const ReadingAids &aids = m_main.settings().aids;
    const qreal spacing = letterSpacingShare(aids.spacing);
    const bool syllables = aids.syllables != SyllableLook::Off && m_drill.displayHasSyllables();
    m_display->showSyllables({syllables ? aids.syllables : SyllableLook::Off,
                              syllables ? SyllablePatterns::forLanguage(m_drill.voiceLanguage()) : nullptr});
    m_display->showText(m_drill.wordDisplay(), readingFont(aids, 24), spacing,
                        m_drill.displayIsWord() ? Wrap::AfterShrinking : Wrap::Always);
    // the line edit keeps a few pixels of frame and margin on each side
    fitFont(m_answer, m_drill.answerText(), readingFont(aids, 24), spacing, Wrap::Never, 6);
    // the typed letters in their syllables' colours, as far as they are right
    m_answer->setSyllableColours(aids.syllables == SyllableLook::Coloured ? m_drill.answerSyllables() : QList<int>());
}

void DrillWindow::openReadingAids()
{
    auto *window = new ReadingFontDialog(m_main.settings().aids, m_drill.sampleDisplay(),
                                         m_drill.sampleIsWord() ? Wrap::AfterShrinking : Wrap::Always, *m_display,
                                         SyllablePatterns::forLanguage(m_drill.voiceLanguage()), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::WindowModal);
    connect(window, &QDialog::accepted, this, [this, window] { m_main.applyReadingAids(window->chosen()); });
    connect(window, &QDialog::rejected, this, &DrillWindow::focusAnswerBox);
    window->adjustSize();
    window->move(frameGeometry().center() - window->rect().center()); // over the word, also without a window manager
    window->show();
}

void DrillWindow::fitWidth()
{
    // The widths are the window's outer widths, its frame included.
    const int frame = frameGeometry().width() - geometry().width();
    setFixedSize(twips(m_main.isWide() ? wideWidth : narrowWidth) - frame, twips(clientHeight));
}

void DrillWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitWidth();
}

void DrillWindow::focusAnswerBox()
{
    if (isVisible())
        activateWindow();
    m_answer->setFocus();
}

void DrillWindow::closeEvent(QCloseEvent *event)
{
    // closing by the frame asks the exit question like "Beenden"
    if (m_main.exit())
        event->accept();
    else
        event->ignore();
}

} // namespace zek::ui
