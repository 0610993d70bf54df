#include "windows/HangmanWindow.h"

#include "widgets/FitText.h"
#include "widgets/KeyRepeat.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "games/Hangman.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace zek::ui {
namespace {

constexpr int narrowWidth = 7200;
constexpr int wideWidth = 9690;
constexpr int clientHeight = 6060;
const QColor background(255, 255, 224);
const QColor wood(192, 64, 0);
const QColor skin(255, 192, 128);
const QColor legBlue(0, 0, 192);
QFont maskedFont() { return QFont(QStringLiteral("Arial"), 18, QFont::Bold); }
QFont solutionFont() { return QFont(QStringLiteral("Arial"), 12, QFont::Bold); }

// One part of a drawing: a filled rectangle, a filled circle in a box, or
// a line of a width in pixels; positions in twips.
struct Part {
    enum Kind { Box, Circle, Line } kind;
    int a, b, c, d; // left, top, width, height, or from (a, b) to (c, d)
    QColor colour;
    int width = 1;
    bool border = false;
};

// The gallows, in the order wrong picks reveal them: one part a pick.
const Part gallows[Hangman::losingWrongCount] = {
    {Part::Box, 240, 2400, 255, 3495, wood},          {Part::Box, 480, 2400, 1335, 255, wood},
    {Part::Line, 1200, 2520, 360, 3600, wood, 10},    {Part::Line, 1680, 2640, 1680, 3360, Qt::black, 5},
    {Part::Circle, 1440, 3360, 495, 375, skin},       {Part::Box, 1560, 3720, 255, 615, Qt::red},
    {Part::Line, 1560, 3720, 1200, 4200, Qt::red, 4}, {Part::Line, 1800, 3720, 2160, 4200, Qt::red, 4},
    {Part::Line, 1560, 4320, 1320, 5040, legBlue, 6}, {Part::Line, 1800, 4320, 2040, 5040, legBlue, 6},
};
// The freed figure over a cover that hides the hanging one.
const Part freedFigure[7] = {
    {Part::Box, 1080, 3360, 1215, 1815, background},  {Part::Circle, 1440, 4200, 495, 375, skin, 1, true},
    {Part::Box, 1560, 4560, 255, 615, Qt::red},       {Part::Line, 1680, 4800, 1200, 4200, Qt::red, 4},
    {Part::Line, 1680, 4800, 2160, 4200, Qt::red, 4}, {Part::Line, 1560, 5160, 1440, 5880, legBlue, 6},
    {Part::Line, 1800, 5160, 1920, 5880, legBlue, 6},
};

void draw(QPainter &p, const Part &part)
{
    p.setPen(part.border ? QPen(Qt::black) : QPen(Qt::NoPen));
    p.setBrush(part.colour);
    switch (part.kind) {
    case Part::Box: p.drawRect(twipsRect(part.a, part.b, part.c, part.d)); break;
    case Part::Circle: p.drawEllipse(twipsRect(part.a, part.b, part.c, part.d)); break;
    case Part::Line:
        p.setPen(QPen(part.colour, part.width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(twips(part.a), twips(part.b), twips(part.c), twips(part.d));
        break;
    }
}

} // namespace

HangmanWindow::HangmanWindow(Hangman &game, QWidget *parent) : QWidget(parent), m_game(game)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Galgenspiel"));
    setBackground(this, background);
    setFocusPolicy(Qt::StrongFocus); // the window reads every key
    m_keys = new KeyRepeat(this);

    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Figur8"));
    bar->setGeometry(twipsRect(0, 0, wideWidth, 735));
    bar->setFrameShape(QFrame::Box);
    setBackground(bar, QColor(224, 224, 224));
    setForeground(bar, QColor(128, 128, 128));
    const struct {
        const char *name, *toolTip, *icon;
        void (Hangman::*action)();
    } buttons[] = {
        {"Bild1", "Spiel verlassen", "exit", &Hangman::leaveHangman},
        {"Bild2", "Spielanleitung", "info", &Hangman::showInstructions},
        {"Bild3", "Tipp", "tip", &Hangman::showTip},
        {"Bild4", "Zeichentabelle", "keyboard", &Hangman::toggleCharacterTable},
    };
    for (int i = 0; i < 4; ++i) {
        QToolButton *b =
            addPictureButton(this, buttons[i].name, QString::fromUtf8(buttons[i].toolTip),
                             QString::fromLatin1(buttons[i].icon), twipsRect(120 + 600 * i, 120, 495, 495));
        connect(b, &QToolButton::clicked, this, [this, action = buttons[i].action] { (m_game.*action)(); });
    }

    m_masked = addLabel(this, "Bezeichnung1", twipsRect(2640, 1440, 4320, 1800));
    m_masked->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // room for a long word in lines
    m_solution = addLabel(this, "Bezeichnung2", twipsRect(2640, 3600, 4320, 1800));
    m_solution->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addLabel(this, "Bezeichnung3", twipsRect(narrowWidth + 60, 840, 2310, 300),
             QStringLiteral("Z e i c h e n t a b e l l e"))
        ->setAlignment(Qt::AlignCenter);
    m_table = new QListWidget(this);
    m_table->setObjectName(QStringLiteral("Liste1"));
    m_table->setGeometry(twipsRect(narrowWidth + 60, 1140, 2310, 4620));
    m_table->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    m_table->setFlow(QListView::LeftToRight);
    m_table->setWrapping(true);
    // six columns beside the room the list keeps for its scroll bar (the
    // last column must end before the edge of that room)
    const int scrollBar =
        m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table->verticalScrollBar());
    m_table->setGridSize(QSize((m_table->contentsRect().width() - scrollBar - 1) / 6, twips(360)));
    m_table->setSelectionMode(QAbstractItemView::NoSelection); // the marks are the game's
    m_table->setFocusPolicy(Qt::NoFocus);
    setBackground(m_table, QColor(128, 255, 255));
    ignoreDoubleClicks(m_table->viewport());
    connect(m_table, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_game.clickEntry(m_table->row(item)); });

    connect(&m_game, &Hangman::changed, this, &HangmanWindow::refresh);
    refresh();
}

void HangmanWindow::refresh()
{
    showFitted(m_masked, m_game.maskedText(), maskedFont());
    showFitted(m_solution, m_game.solutionText(), solutionFont());
    if (m_game.entries() != m_shownEntries) {
        m_shownEntries = m_game.entries();
        m_table->clear();
        for (const QString &entry : m_shownEntries) {
            auto *item = new QListWidgetItem(entry, m_table);
            item->setTextAlignment(Qt::AlignCenter);
        }
    }
    for (int i = 0; i < m_table->count(); ++i)
        m_table->item(i)->setBackground(m_game.marked(i) ? QBrush(QColor(0, 0, 128)) : QBrush());
    for (int i = 0; i < m_table->count(); ++i)
        m_table->item(i)->setForeground(m_game.marked(i) ? QBrush(Qt::white) : QBrush(Qt::black));
    setFixedSize(twips(m_game.tableShown() ? wideWidth : narrowWidth), twips(clientHeight));
    update();
}

// The drawing comes from the game's state, so it survives being covered.
void HangmanWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, twips(5880), width(), twips(180)), QColor(128, 64, 0)); // the ground
    for (int i = 0; i < std::min(m_game.wrongCount(), Hangman::losingWrongCount); ++i)
        draw(p, gallows[i]);
    if (m_game.freed())
        for (const Part &part : freedFigure)
            draw(p, part);
}

void HangmanWindow::keyPressEvent(QKeyEvent *event)
{
    // a held key picks once
    if (!m_keys->isRepeat(event) && !event->text().isEmpty())
        m_game.keyPress(event->text());
}

void HangmanWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame does what the leave button does
    m_game.leaveHangman();
}

} // namespace zek::ui
