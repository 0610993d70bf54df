#include "windows/WordPrisonWindow.h"

#include "widgets/KeyRepeat.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "games/Prison.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace zek::ui {
namespace {

constexpr int clientWidth = 7200;
constexpr int clientHeight = 5700;
constexpr int panelLeft = 5640;
const QColor background(255, 255, 224);

// Cell positions are in points, 15 apart; a point is 20 twips.
int points(double value) { return twips(int(value * 20)); }

} // namespace

WordPrisonWindow::WordPrisonWindow(Prison &game, QWidget *parent) : QWidget(parent), m_game(game)
{
    setObjectName(QStringLiteral("Form3"));
    setBackground(this, background);
    setFixedSize(twips(clientWidth), twips(clientHeight));
    setFocusPolicy(Qt::StrongFocus); // the arrow keys move the player, not the focus
    m_keys = new KeyRepeat(this);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Figur1"));
    panel->setGeometry(twipsRect(panelLeft, 0, clientWidth - panelLeft, clientHeight));
    panel->setFrameShape(QFrame::Box);
    setBackground(panel, QColor(224, 224, 224));
    setForeground(panel, QColor(128, 128, 128));
    const struct {
        const char *name, *toolTip, *icon;
        int left, top, dx, dy;
    } arrows[] = {
        {"Bild1", "Nach oben", "arrow_up", 6060, 480, 0, -1},
        {"Bild2", "Nach links", "arrow_left", 5760, 1020, -1, 0},
        {"Bild3", "Nach rechts", "arrow_right", 6360, 1020, 1, 0},
        {"Bild4", "Nach unten", "arrow_down", 6060, 1560, 0, 1},
    };
    for (const auto &a : arrows) {
        QToolButton *b = addPictureButton(this, a.name, QString::fromUtf8(a.toolTip), QString::fromLatin1(a.icon),
                                          twipsRect(a.left, a.top, 495, 495));
        b->setAutoRepeat(true); // held, it keeps moving
        connect(b, &QToolButton::clicked, this, [this, dx = a.dx, dy = a.dy] { m_game.move(dx, dy); });
    }
    QToolButton *hint = addPictureButton(this, "Bild5", QStringLiteral("Hinweis"), QStringLiteral("tip"),
                                         twipsRect(6060, 2280, 495, 495));
    connect(hint, &QToolButton::clicked, &m_game, &Prison::showHint);

    m_wishes = new QPushButton(this);
    m_wishes->setObjectName(QStringLiteral("Befehl2"));
    m_wishes->setGeometry(twipsRect(5760, 3120, 1320, 495));
    m_wishes->setToolTip(QStringLiteral("Wunschbox"));
    auto *end = new QPushButton(QStringLiteral("ENDE"), this);
    end->setObjectName(QStringLiteral("Befehl1"));
    end->setGeometry(twipsRect(5760, 3840, 1320, 495));
    for (QPushButton *b : {m_wishes, end}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
        ignoreDoubleClicks(b);
    }
    connect(m_wishes, &QPushButton::clicked, &m_game, &Prison::askWish);
    connect(end, &QPushButton::clicked, &m_game, &Prison::leavePrison);

    connect(&m_game, &Prison::changed, this, &WordPrisonWindow::refresh);
    refresh();
}

void WordPrisonWindow::refresh()
{
    setWindowTitle(m_game.title());
    QString caption = m_game.wishCaption();
    m_wishes->setText(caption.replace(u'&', QStringLiteral("&&")));
    update();
}

// The field, from the game's state: each cell's character at 15-point
// steps, the player "+ " over its cell.
void WordPrisonWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_game.word().isEmpty())
        return;
    QPainter p(this);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(13.5);
    p.setFont(font);
    p.setPen(Qt::black);
    const int ascent = p.fontMetrics().ascent();
    for (int row = 1; row <= Prison::size; ++row)
        for (int column = 1; column <= Prison::size; ++column)
            if (row != m_game.playerRow() || column != m_game.playerColumn())
                p.drawText(points(15 * column), points(15 * row) + ascent, QString(m_game.cell(row, column)));
    p.drawText(points(15 * m_game.playerColumn()), points(15 * m_game.playerRow()) + ascent, QStringLiteral("+ "));
}

void WordPrisonWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: m_game.move(0, -1); return;
    case Qt::Key_Down: m_game.move(0, 1); return;
    case Qt::Key_Left: m_game.move(-1, 0); return;
    case Qt::Key_Right: m_game.move(1, 0); return;
    case Qt::Key_Escape: m_game.leavePrison(); return;
    default: break;
    }
    // a held letter asks for a wish once; held arrows keep moving
    if (!m_keys->isRepeat(event))
        m_game.keyPress(event->text());
}

void WordPrisonWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame does what "ENDE" does
    m_game.leavePrison();
}

} // namespace zek::ui
