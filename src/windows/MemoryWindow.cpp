#include "windows/MemoryWindow.h"

#include "widgets/FitText.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "games/MemoryGame.h"

#include <QCloseEvent>
#include <QToolButton>

namespace zek::ui {
namespace {

const QColor unsolved(128, 255, 255);
const QColor grey(224, 224, 224);

QFont fieldFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(13.5);
    font.setBold(true);
    return font;
}

} // namespace

MemoryWindow::MemoryWindow(MemoryGame &game, QWidget *parent) : QWidget(parent), m_game(game)
{
    setObjectName(QStringLiteral("Memo"));
    setWindowTitle(QStringLiteral("ZEK-Rechtschreibkartei: Memory"));
    setBackground(this, QColor(255, 255, 224));
    setFixedSize(twips(7560), twips(5760));
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Figur1"));
    bar->setGeometry(twipsRect(0, 0, 840, 5760));
    setBackground(bar, grey);
    QToolButton *leave = addPictureButton(this, "Bild1", QStringLiteral("Spiel verlassen"), QStringLiteral("exit"),
                                          twipsRect(180, 240, 495, 495));
    QToolButton *help =
        addPictureButton(this, "Bild3", QStringLiteral("Hilfe"), QStringLiteral("info"), twipsRect(180, 840, 495, 495));
    connect(leave, &QToolButton::clicked, &m_game, &MemoryGame::leaveMemory);
    connect(help, &QToolButton::clicked, &m_game, &MemoryGame::showMemoryHelp);
    for (int j = 0; j < MemoryGame::fieldCount; ++j) {
        const QByteArray name = "Bezeichnung" + QByteArray::number(j + 1);
        ClickableLabel *field =
            addClickableLabel(this, name.constData(), twipsRect(j < 9 ? 960 : 4200, 240 + 600 * (j % 9), 3135, 495));
        field->setAlignment(Qt::AlignCenter);
        connect(field, &ClickableLabel::clicked, this, [this, j] { m_game.clickField(j); });
        m_fields[j] = field;
    }
    connect(&m_game, &MemoryGame::changed, this, &MemoryWindow::refresh);
    refresh();
}

void MemoryWindow::refresh()
{
    for (int j = 0; j < MemoryGame::fieldCount; ++j) {
        showFitted(m_fields[j], m_game.shownText(j), fieldFont());
        setBackground(m_fields[j], m_game.solved(j) ? grey : unsolved);
    }
}

void MemoryWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame does what the leave button does
    m_game.leaveMemory();
}

} // namespace zek::ui
