#include "windows/ChildChoiceWindow.h"

#include "widgets/KeyRepeat.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "drill/ChildChoice.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QTextOption>
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
// a name of 60 characters in 12 pt takes three lines of it
const int childWidth = 3000, childHeight = 1200; // twips

const QColor frameDark(0, 0, 0);
const QColor frameLight(255, 255, 255);
constexpr qreal largestPoints = 20;
constexpr qreal smallestPoints = 12; // a child must still read their name

// The thick frame, black and white, on the button in focus: seen on every
// colour.
constexpr int focusFrame = 4; // pixels
void drawFocusFrame(QPainter &painter, const QRect &rect)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(frameDark, focusFrame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(focusFrame / 2.0, focusFrame / 2.0, -focusFrame / 2.0, -focusFrame / 2.0));
    painter.setPen(QPen(frameLight, 1));
    painter.drawRect(QRectF(rect).adjusted(focusFrame + 0.5, focusFrame + 0.5, -focusFrame - 0.5, -focusFrame - 0.5));
}

// The buttons below the names, with the same frame in focus.
class FramedButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOptionButton button;
        initStyleOption(&button);
        button.state &= ~QStyle::State_HasFocus; // the frame below instead
        style()->drawControl(QStyle::CE_PushButton, &button, &painter, this);
        if (hasFocus())
            drawFocusFrame(painter, rect());
    }
};

} // namespace

// A child's name on a large button: the name in the largest font that shows
// it whole, on one line or, before the font shrinks, broken between words
// into as many lines as the button holds; inside a word only where no size
// shows it whole. A name too long even so is cut with "…" and its whole text
// becomes the tool tip. The focused name has a thick frame, black and white,
// so it is seen on every colour.
class ChildButton : public QPushButton {
public:
    ChildButton(const QString &name, QWidget *parent) : QPushButton(parent), m_name(name)
    {
        setText(QString(name).replace(u'&', QStringLiteral("&&")));
        setAccessibleName(name);
    }

    void fitName()
    {
        const QRectF room = textRoom();
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setBold(true);
        // between words only, at every size; then inside a word where a
        // line has no room for it, at the smallest size
        for (const auto wrap : {QTextOption::WordWrap, QTextOption::WrapAtWordBoundaryOrAnywhere}) {
            for (qreal points = largestPoints; points >= smallestPoints; points -= 1) {
                if (wrap != QTextOption::WordWrap && points > smallestPoints)
                    continue;
                font.setPointSizeF(points);
                if (fits(m_name, font, wrap, room)) {
                    show(font, m_name, wrap);
                    return;
                }
            }
        }
        // cut: as much as fits with "…" after it
        QString shown = m_name;
        while (shown.size() > 1 && !fits(shown + u'\u2026', font, QTextOption::WrapAtWordBoundaryOrAnywhere, room))
            shown.chop(1);
        show(font, shown.trimmed() + u'\u2026', QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    const QString &shownText() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOptionButton button;
        initStyleOption(&button);
        button.text.clear();
        button.state &= ~QStyle::State_HasFocus; // the frame below instead
        style()->drawControl(QStyle::CE_PushButton, &button, &painter, this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        QTextOption option(Qt::AlignCenter);
        option.setWrapMode(m_wrap);
        painter.drawText(QRectF(textRoom()), m_shown, option);
        if (hasFocus())
            drawFocusFrame(painter, rect());
    }

private:
    QRect textRoom() const { return rect().adjusted(twips(90), twips(45), -twips(90), -twips(45)); }

    // Whether text in font, broken as wrap breaks it, lies inside room.
    static bool fits(const QString &text, const QFont &font, QTextOption::WrapMode wrap, const QRectF &room)
    {
        QTextOption option(Qt::AlignCenter);
        option.setWrapMode(wrap);
        QTextLayout layout(text, font);
        layout.setTextOption(option);
        qreal height = 0;
        bool tooWide = false; // a word longer than the line
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            tooWide = tooWide || line.naturalTextWidth() > room.width();
            height += line.height();
        }
        layout.endLayout();
        return !tooWide && height <= room.height();
    }

    void show(const QFont &font, const QString &shown, QTextOption::WrapMode wrap)
    {
        setFont(font);
        m_shown = shown;
        m_wrap = wrap;
        setToolTip(shown == m_name ? QString() : m_name);
        update();
    }

    QString m_name, m_shown;
    QTextOption::WrapMode m_wrap = QTextOption::WordWrap;
};

namespace {

QPushButton *addButton(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *button = new FramedButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(QFont(QStringLiteral("Comic Sans MS"), 12));
    setBackground(button, grey);
    ignoreDoubleClicks(button);
    return button;
}

} // namespace

ChildChoiceWindow::ChildChoiceWindow(ChildChoice &choice, QWidget *parent) : QWidget(parent), m_choice(choice)
{
    setObjectName(QStringLiteral("FormKlasse"));
    m_keys = new KeyRepeat(this);
    setWindowTitle(QStringLiteral("Wer übt heute?"));
    setBackground(this, paper);
    setFixedSize(twips(10200), twips(7725));
    m_hint = addLabel(this, "Hinweis", twipsRect(360, 180, 9480, 555));
    m_hint->setFont(QFont(QStringLiteral("Comic Sans MS"), 14));
    m_hint->setAlignment(Qt::AlignCenter);
    setForeground(m_hint, QColor(0, 0, 128));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("Kinder"));
    m_scroll->setGeometry(twipsRect(360, 840, 9480, 5760));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    setBackground(m_scroll, paper);
    m_grid = nullptr;

    m_new = addButton(this, "NeuesKind", twipsRect(360, 6840, 2220, 600), QStringLiteral("Neues Kind \u2026"));
    m_progress =
        addButton(this, "Lernfortschritt", twipsRect(2780, 6840, 2220, 600), QStringLiteral("Lernfortschritt \u2026"));
    m_progress->setCheckable(true);
    QPushButton *teacher =
        addButton(this, "Lehrkraft", twipsRect(5200, 6840, 2220, 600), QStringLiteral("Lehrkraft \u2026"));
    QPushButton *leave = addButton(this, "Beenden", twipsRect(7620, 6840, 2220, 600), QStringLiteral("Beenden"));
    for (QPushButton *below : {m_new, m_progress, teacher, leave})
        below->installEventFilter(this); // the keys that lead up to the names
    connect(m_new, &QPushButton::clicked, &m_choice, &ChildChoice::newChild);
    connect(m_progress, &QPushButton::clicked, &m_choice, &ChildChoice::chooseProgress);
    connect(teacher, &QPushButton::clicked, &m_choice, &ChildChoice::teacher);
    connect(leave, &QPushButton::clicked, &m_choice, &ChildChoice::quit);
    connect(&m_choice, &ChildChoice::changed, this, &ChildChoiceWindow::refresh);
    refresh();
}

void ChildChoiceWindow::rebuildChildren()
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
        auto *button = new ChildButton(m_shown[i], grid);
        button->setObjectName(QStringLiteral("Kind%1").arg(i + 1));
        button->setFixedSize(twips(childWidth), twips(childHeight));
        setBackground(button, childGreen);
        ignoreDoubleClicks(button);
        button->fitName();
        connect(button, &QPushButton::clicked, &m_choice, [this, i] { m_choice.chooseChild(i); });
        // the keys go to the form first (this filter is asked second)
        button->installEventFilter(this);
        button->installEventFilter(m_keys);
        layout->addWidget(button, i / ChildChoice::columns, i % ChildChoice::columns);
        m_buttons << button;
    }
    m_scroll->setWidget(grid); // the old grid goes with its buttons
    m_grid = grid;
}

void ChildChoiceWindow::refresh()
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

// The keys on a name: Return, Enter and the space bar open that child, once
// however long the key is held; the arrow keys, Home, End and a letter move
// to the name the choice says.
bool ChildChoiceWindow::eventFilter(QObject *watched, QEvent *event)
{
    int index = int(m_buttons.indexOf(qobject_cast<QPushButton *>(watched)));
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (index < 0) {
        // a button below the names: its own keys, but Up, Home, End and a
        // letter lead to the names
        const int next = event->type() == QEvent::KeyPress && key->key() != Qt::Key_Space
            ? m_choice.childAfterKey(int(m_buttons.size()), key->key(), key->text())
            : int(m_buttons.size());
        if (next < 0 || next >= m_buttons.size())
            return QWidget::eventFilter(watched, event);
        m_buttons[next]->setFocus(Qt::OtherFocusReason);
        m_scroll->ensureWidgetVisible(m_buttons[next]);
        return true;
    }
    const bool picks = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (picks && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->type() == QEvent::KeyPress && !m_keys->isRepeat(key)) {
            KeyRepeat::ignoreWhileHeld(key); // held on, it types nothing into the child's window
            m_choice.chooseChild(index);
        }
        return true; // the button's own click on the release would come twice
    }
    if (event->type() != QEvent::KeyPress || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const int next = m_choice.childAfterKey(index, key->key(), key->text());
    if (next != index && next >= 0 && next < m_buttons.size()) {
        m_buttons[next]->setFocus(Qt::OtherFocusReason);
        m_scroll->ensureWidgetVisible(m_buttons[next]);
    }
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: return true; // not Qt's own focus move as well
    default: return next != index;
    }
}

void ChildChoiceWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame ends the program like "Beenden"
    m_choice.quit();
}

} // namespace zek::ui
