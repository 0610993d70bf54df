#include "windows/ClassChoiceWindow.h"

#include "widgets/KeyRepeat.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "drill/ClassChoice.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace zek::ui {
namespace {

const QColor paper(255, 255, 255);
const QColor classOrange(255, 192, 128); // the colour of "Fach 2"
const QColor grey(224, 224, 224);
const QColor darkBlue(0, 0, 128);
constexpr int columns = 3;
const int classWidth = 3000, classHeight = 1200; // twips, as a child's button

} // namespace

ClassChoiceWindow::ClassChoiceWindow(ClassChoice &choice, QWidget *parent) : QWidget(parent), m_choice(choice)
{
    setObjectName(QStringLiteral("FormKlassen"));
    m_keys = new KeyRepeat(this);
    setWindowTitle(QStringLiteral("Welche Klasse?"));
    setBackground(this, paper);
    setFixedSize(twips(10200), twips(7725));
    m_hint = addLabel(this, "Hinweis", twipsRect(360, 180, 9480, 555));
    m_hint->setFont(QFont(QStringLiteral("Comic Sans MS"), 14));
    m_hint->setAlignment(Qt::AlignCenter);
    setForeground(m_hint, darkBlue);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("Klassen"));
    m_scroll->setGeometry(twipsRect(360, 840, 9480, 4800));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    setBackground(m_scroll, paper);

    m_problems = addLabel(this, "NichtErreichbar", twipsRect(360, 5700, 9480, 1020));
    m_problems->setFont(QFont(QStringLiteral("Arial"), 10));
    m_problems->setWordWrap(true);
    m_problems->setTextFormat(Qt::PlainText);
    m_problems->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *leave = new QPushButton(QStringLiteral("Beenden"), this);
    leave->setObjectName(QStringLiteral("Beenden"));
    leave->setGeometry(twipsRect(6840, 6840, 3000, 600));
    leave->setFont(QFont(QStringLiteral("Comic Sans MS"), 12));
    setBackground(leave, grey);
    ignoreDoubleClicks(leave);
    connect(leave, &QPushButton::clicked, &m_choice, &ClassChoice::quit);
    connect(&m_choice, &ClassChoice::changed, this, &ClassChoiceWindow::refresh);
    refresh();
}

void ClassChoiceWindow::refresh()
{
    if (m_buttons.size() != m_choice.count()) {
        m_buttons.clear();
        auto *grid = new QWidget;
        setBackground(grid, paper);
        auto *layout = new QGridLayout(grid);
        layout->setSpacing(twips(120));
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        for (int i = 0; i < m_choice.count(); ++i) {
            auto *button = new QPushButton(m_choice.name(i).replace(u'&', QStringLiteral("&&")), grid);
            button->setObjectName(QStringLiteral("Klasse%1").arg(i + 1));
            button->setAccessibleName(m_choice.name(i));
            button->setFixedSize(twips(classWidth), twips(classHeight));
            QFont font(QStringLiteral("Comic Sans MS"), 18);
            font.setBold(true);
            button->setFont(font);
            ignoreDoubleClicks(button);
            connect(button, &QPushButton::clicked, &m_choice, [this, i] { m_choice.chooseClass(i); });
            button->installEventFilter(this);
            button->installEventFilter(m_keys);
            layout->addWidget(button, i / columns, i % columns);
            m_buttons << button;
        }
        m_scroll->setWidget(grid); // the old grid goes with its buttons
    }
    m_hint->setText(m_choice.hint());
    QString problems = m_choice.problems();
    m_problems->setText(problems.replace(u'\r', u'\n'));
    QPushButton *first = nullptr;
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setEnabled(m_choice.reachable(i));
        setBackground(m_buttons[i], m_choice.reachable(i) ? classOrange : grey);
        if (!first && m_choice.reachable(i))
            first = m_buttons[i];
    }
    if (first && !(focusWidget() && focusWidget()->isEnabled() && m_buttons.contains(focusWidget())))
        first->setFocus();
}

// Return, Enter and the space bar on a class open it, once however long the
// key is held.
bool ClassChoiceWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int index = int(m_buttons.indexOf(qobject_cast<QPushButton *>(watched)));
    if (index < 0 || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool picks = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (!picks || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (event->type() == QEvent::KeyPress && !m_keys->isRepeat(key)) {
        KeyRepeat::ignoreWhileHeld(key); // held on, it types nothing into the next window
        m_choice.chooseClass(index);
    }
    return true; // the button's own click on the release would come twice
}

void ClassChoiceWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame ends the program like "Beenden"
    m_choice.quit();
}

} // namespace zek::ui
