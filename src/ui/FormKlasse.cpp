#include "FormKlasse.h"

#include "FitText.h"
#include "Twips.h"
#include "Widgets.h"

#include "drill/ChildChoice.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace zek::ui {
namespace {

const QColor paper(255, 255, 255);
const QColor childGreen(128, 255, 128); // the colour of "Fach 1"
const QColor grey(224, 224, 224);
constexpr int columns = 3;
const int childWidth = 2640, childHeight = 840; // twips

// A name in the largest font up to points that shows it whole on the
// button; a name too long at the smallest one is cut with "…" and its whole
// text becomes the tool tip.
void showName(QPushButton *button, const QString &name, qreal points)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    const int room = button->width() - twips(240);
    QString shown = name;
    for (;; points -= 1) {
        font.setPointSizeF(points);
        if (QFontMetrics(font).horizontalAdvance(name) <= room)
            break;
        if (points - 1 < readablePoints) {
            shown = QFontMetrics(font).elidedText(name, Qt::ElideRight, room);
            break;
        }
    }
    button->setFont(font);
    button->setText(QString(shown).replace(u'&', QStringLiteral("&&")));
    button->setToolTip(shown == name ? QString() : name);
    button->setAccessibleName(name);
}

QPushButton *addButton(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(QFont(QStringLiteral("Comic Sans MS"), 12));
    setBackground(button, grey);
    ignoreDoubleClicks(button);
    return button;
}

} // namespace

FormKlasse::FormKlasse(ChildChoice &choice, QWidget *parent) : QWidget(parent), m_choice(choice)
{
    setObjectName(QStringLiteral("FormKlasse"));
    setWindowTitle(QStringLiteral("Wer übt heute?"));
    setBackground(this, paper);
    setFixedSize(twips(9200), twips(6765));
    m_hint = addLabel(this, "Hinweis", twipsRect(360, 180, 8480, 555));
    m_hint->setFont(QFont(QStringLiteral("Comic Sans MS"), 14));
    m_hint->setAlignment(Qt::AlignCenter);
    setForeground(m_hint, QColor(0, 0, 128));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("Kinder"));
    m_scroll->setGeometry(twipsRect(360, 840, 8480, 4800));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    setBackground(m_scroll, paper);
    m_grid = nullptr;

    m_new = addButton(this, "NeuesKind", twipsRect(360, 5880, 2700, 600), QStringLiteral("Neues Kind \u2026"));
    m_progress =
        addButton(this, "Lernfortschritt", twipsRect(3250, 5880, 2700, 600), QStringLiteral("Lernfortschritt \u2026"));
    m_progress->setCheckable(true);
    QPushButton *leave = addButton(this, "Beenden", twipsRect(6140, 5880, 2700, 600), QStringLiteral("Beenden"));
    connect(m_new, &QPushButton::clicked, &m_choice, &ChildChoice::newChild);
    connect(m_progress, &QPushButton::clicked, &m_choice, &ChildChoice::chooseProgress);
    connect(leave, &QPushButton::clicked, &m_choice, &ChildChoice::quit);
    connect(&m_choice, &ChildChoice::changed, this, &FormKlasse::refresh);
    refresh();
}

void FormKlasse::rebuildChildren()
{
    m_shown = m_choice.children();
    m_buttons.clear();
    auto *grid = new QWidget;
    setBackground(grid, paper);
    auto *layout = new QGridLayout(grid);
    layout->setSpacing(twips(120));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    for (int i = 0; i < m_shown.size(); ++i) {
        auto *button = new QPushButton(grid);
        button->setObjectName(QStringLiteral("Kind%1").arg(i + 1));
        button->setFixedSize(twips(childWidth), twips(childHeight));
        setBackground(button, childGreen);
        ignoreDoubleClicks(button);
        showName(button, m_shown[i], 20);
        connect(button, &QPushButton::clicked, &m_choice, [this, i] { m_choice.chooseChild(i); });
        layout->addWidget(button, i / columns, i % columns);
        m_buttons << button;
    }
    m_scroll->setWidget(grid); // the old grid goes with its buttons
    m_grid = grid;
}

void FormKlasse::refresh()
{
    const bool rebuilt = !m_grid || m_shown != m_choice.children();
    if (rebuilt)
        rebuildChildren();
    m_hint->setText(m_choice.hint());
    m_progress->setEnabled(m_choice.progressAvailable() && !m_shown.isEmpty());
    m_progress->setChecked(m_choice.choosingProgress());
    const int newest = m_choice.newestChild();
    if (newest >= 0 && newest < m_buttons.size()) {
        m_grid->adjustSize();
        m_scroll->ensureWidgetVisible(m_buttons[newest]);
        m_new->setFocus(); // the next child: the space bar once more
    } else if (rebuilt) {
        (m_buttons.isEmpty() ? m_new : m_buttons.front())->setFocus();
    }
}

void FormKlasse::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame ends the program like "Beenden"
    m_choice.quit();
}

} // namespace zek::ui
