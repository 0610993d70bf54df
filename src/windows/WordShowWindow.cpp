#include "windows/WordShowWindow.h"

#include "widgets/Twips.h"
#include "widgets/Widgets.h"
#include "widgets/ReadingFont.h"
#include "widgets/WordField.h"

#include "games/WordShow.h"
#include "syllables/Syllables.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace zek::ui {

WordShowWindow::WordShowWindow(WordShow &show, QWidget *parent) : QWidget(parent), m_show(show)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ZEK-Rechtschreibkartei:  Wörter"));
    setBackground(this, QColor(255, 255, 224));
    setFixedSize(twips(9000), twips(5040));
    const auto label = [this](const char *name, const QRect &r, const QString &text = {}) {
        QLabel *l = addLabel(this, name, r, text);
        l->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
        return l;
    };
    label("Bezeichnung5", twipsRect(240, 120, 720, 300), QStringLiteral("Karte "));
    m_number = label("Bezeichnung4", twipsRect(960, 120, 1200, 300));
    m_count = label("Bezeichnung7", twipsRect(6360, 120, 2400, 300));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *panel = new QFrame(this);
    panel->setGeometry(twipsRect(240, 480, 8520, 3000));
    setBackground(panel, QColor(224, 224, 224));
    const struct {
        const char *name;
        int top, height;
        QColor colour;
    } lines[3] = {{"Bezeichnung1", 600, 720, {192, 255, 255}},
                  {"Bezeichnung2", 1440, 720, {128, 255, 255}},
                  {"Bezeichnung3", 2280, 1080, {0, 255, 255}}};
    for (int i = 0; i < 3; ++i) {
        m_lines[i] = new WordField(this);
        m_lines[i]->setObjectName(QLatin1String(lines[i].name));
        m_lines[i]->setGeometry(twipsRect(360, lines[i].top, 8280, lines[i].height));
        m_lines[i]->setAlignment(Qt::AlignCenter);
        setBackground(m_lines[i], lines[i].colour);
    }
    m_cards = new QScrollBar(Qt::Horizontal, this);
    m_cards->setObjectName(QStringLiteral("HBildlauf1"));
    m_cards->setGeometry(twipsRect(240, 3600, 8520, 300));
    m_pauses = new QScrollBar(Qt::Horizontal, this);
    m_pauses->setObjectName(QStringLiteral("HBildlauf2"));
    m_pauses->setGeometry(twipsRect(240, 4260, 2400, 300));
    m_pauses->setRange(2, 10);
    m_pauses->setPageStep(1);
    for (QScrollBar *s : {m_cards, m_pauses})
        s->setFocusPolicy(Qt::NoFocus);
    connect(m_cards, &QScrollBar::valueChanged, &m_show, &WordShow::cardScrolled);
    connect(m_pauses, &QScrollBar::valueChanged, &m_show, &WordShow::pauseScrolled);
    m_pause = label("Bezeichnung6", twipsRect(2760, 4260, 1000, 300));
    const struct {
        const char *name, *caption;
        int left;
        void (WordShow::*action)();
    } buttons[3] = {{"Befehl3", "Show ein", 4080, &WordShow::startShow},
                    {"Befehl2", "Show aus", 5700, &WordShow::stopShow},
                    {"Befehl1", "Abbruch", 7320, &WordShow::cancelShow}};
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setGeometry(twipsRect(b.left, 4140, 1440, 495));
        button->setFocusPolicy(Qt::TabFocus);
        ignoreDoubleClicks(button);
        connect(button, &QPushButton::clicked, &m_show, b.action);
    }
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Zeit1"));
    connect(m_timer, &QTimer::timeout, &m_show, &WordShow::timerTick);
    m_readAloud = addPictureButton(this, "Vorlesen", QStringLiteral("Vorlesen"), QStringLiteral("speaker"),
                                   twipsRect(2400, 0, 435, 435));
    connect(m_readAloud, &QToolButton::clicked, &m_show, &WordShow::readAloud);
    connect(&m_show, &WordShow::changed, this, &WordShowWindow::refresh);
    refresh();
}

void WordShowWindow::setReadingAids(const ReadingAids &aids)
{
    m_aids = aids;
    refresh();
}

void WordShowWindow::refresh()
{
    const CardEntry &card = m_show.card();
    const QString texts[3] = {card.baseWord, card.relatedWord, card.phrase};
    static constexpr qreal points[3] = {24, 24, 17.25};
    const SyllableStyle syllables{
        m_aids.syllables,
        m_aids.syllables == SyllableLook::Off ? nullptr : SyllablePatterns::forLanguage(m_show.languageCode())};
    for (int i = 0; i < 3; ++i) {
        m_lines[i]->showSyllables(syllables);
        // each line shrinks until it fits its field, spaced as the reading aids ask
        m_lines[i]->showText(texts[i], readingFont(m_aids, points[i], true), letterSpacingShare(m_aids.spacing),
                             i < 2 ? Wrap::AfterShrinking : Wrap::Always);
    }
    m_number->setText(m_show.numberText());
    m_count->setText(m_show.countText());
    m_pause->setText(m_show.pauseText());
    showReadAloud(m_readAloud, m_show.voiceAvailable(), m_show.readAloudTip());
    {
        const QSignalBlocker cards(m_cards), pauses(m_pauses);
        m_cards->setRange(m_show.cardCount() > 0 ? 1 : 0, m_show.cardCount()); // no card: the scroller rests
        m_cards->setValue(m_show.number());
        m_cards->setEnabled(m_show.cardCount() > 0);
        m_pauses->setValue(m_show.pause());
    }
    // the timer follows the show; a new pause counts from the next wait on
    const int interval = m_show.pause() * 1000;
    if (m_show.running() && (!m_timer->isActive() || m_timer->interval() != interval))
        m_timer->start(interval);
    else if (!m_show.running())
        m_timer->stop();
}

void WordShowWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame does what "Abbruch" does
    m_show.cancelShow();
}

} // namespace zek::ui
