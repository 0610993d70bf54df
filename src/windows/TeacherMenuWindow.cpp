#include "windows/TeacherMenuWindow.h"

#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "cards/Languages.h"
#include "teacher/TeacherMenu.h"
#include "teacher/WordsForAll.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace zek::ui {
namespace {

const QColor paper(255, 255, 255);
const QColor grey(224, 224, 224);
const QColor heading(0, 0, 128);

QFont houseFont(int points) { return QFont(QStringLiteral("Comic Sans MS"), points); }

QPushButton *addButton(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(houseFont(11));
    setBackground(button, grey);
    ignoreDoubleClicks(button);
    return button;
}

QLabel *addHeading(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    QLabel *label = addLabel(parent, name, geometry, text);
    label->setFont(houseFont(12));
    setForeground(label, heading);
    return label;
}

QListWidget *addList(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setFont(houseFont(11));
    return list;
}

// The rows of a list as the model gives them, the chosen one kept.
void mirrorList(QListWidget *list, const QStringList &rows, int current = -1)
{
    const QSignalBlocker quiet(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown != rows) {
        list->clear();
        list->addItems(rows);
    }
    list->setCurrentRow(current);
}

} // namespace

TeacherMenuWindow::TeacherMenuWindow(TeacherMenu &menu, QWidget *parent) : QWidget(parent), m_menu(menu)
{
    setObjectName(QStringLiteral("Lehrkraft"));
    setWindowTitle(QStringLiteral("Lehrkraft"));
    setBackground(this, paper);
    setFixedSize(twips(8400), twips(6360));
    addHeading(this, "KinderTitel", twipsRect(360, 180, 3600, 400), QStringLiteral("Kinder der Klasse"));
    m_children = addList(this, "Kinder", twipsRect(360, 600, 3600, 4560));
    addHeading(this, "MenueTitel", twipsRect(4320, 180, 3720, 400), QStringLiteral("Für die ganze Klasse"));
    QPushButton *words =
        addButton(this, "WoerterFuerAlle", twipsRect(4320, 600, 3720, 480), QStringLiteral("Wörter für alle \u2026"));
    QPushButton *overview =
        addButton(this, "Klassenuebersicht", twipsRect(4320, 1200, 3720, 480), QStringLiteral("Klassenübersicht"));
    addHeading(this, "KindTitel", twipsRect(4320, 1860, 3720, 400), QStringLiteral("Für das gewählte Kind"));
    QPushButton *rename =
        addButton(this, "Umbenennen", twipsRect(4320, 2280, 3720, 480), QStringLiteral("Kind umbenennen \u2026"));
    QPushButton *archive =
        addButton(this, "InsArchiv", twipsRect(4320, 2880, 3720, 480), QStringLiteral("Kind ins Archiv \u2026"));
    QPushButton *reset = addButton(this, "Zuruecksetzen", twipsRect(4320, 3480, 3720, 480),
                                   QStringLiteral("Kartei zurücksetzen \u2026"));
    QPushButton *restore = addButton(this, "AusDemArchiv", twipsRect(4320, 4080, 3720, 480),
                                     QStringLiteral("Aus dem Archiv holen \u2026"));
    QPushButton *password =
        addButton(this, "KennwortAendern", twipsRect(4320, 4680, 3720, 480), QStringLiteral("Kennwort ändern \u2026"));
    m_passwordLine = addLabel(this, "OhneKennwort", twipsRect(360, 5400, 5640, 720));
    m_passwordLine->setFont(houseFont(10));
    m_passwordLine->setWordWrap(true);
    setForeground(m_passwordLine, QColor(128, 0, 0));
    QPushButton *back = addButton(this, "Zurueck", twipsRect(6240, 5520, 1800, 480), QStringLiteral("Zurück"));
    m_forChild = {rename, archive, reset};

    connect(m_children, &QListWidget::currentRowChanged, &m_menu, &TeacherMenu::selectChild);
    connect(words, &QPushButton::clicked, &m_menu, &TeacherMenu::wordsForAll);
    connect(overview, &QPushButton::clicked, &m_menu, &TeacherMenu::classOverview);
    connect(rename, &QPushButton::clicked, &m_menu, &TeacherMenu::renameChild);
    connect(archive, &QPushButton::clicked, &m_menu, &TeacherMenu::archiveChild);
    connect(reset, &QPushButton::clicked, &m_menu, &TeacherMenu::resetChild);
    connect(restore, &QPushButton::clicked, &m_menu, &TeacherMenu::restoreChild);
    connect(password, &QPushButton::clicked, &m_menu, &TeacherMenu::changePassword);
    connect(back, &QPushButton::clicked, &m_menu, &TeacherMenu::leave);
    connect(&m_menu, &TeacherMenu::changed, this, &TeacherMenuWindow::refresh);
    refresh();
}

void TeacherMenuWindow::refresh()
{
    mirrorList(m_children, m_menu.children(), m_menu.selectedChild());
    for (QPushButton *button : m_forChild)
        button->setEnabled(m_menu.selectedChild() >= 0);
    m_passwordLine->setText(m_menu.passwordLine());
}

void TeacherMenuWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame goes back like "Zurück"
    m_menu.leave();
}

WordsForAllWindow::WordsForAllWindow(WordsForAll &words, QWidget *parent) : QWidget(parent), m_words(words)
{
    setObjectName(QStringLiteral("WoerterFuerAlle"));
    setWindowTitle(QStringLiteral("Wörter für alle"));
    setBackground(this, paper);
    setFixedSize(twips(9600), twips(8040));
    addHeading(this, "WoherTitel", twipsRect(360, 180, 8880, 400), QStringLiteral("Woher kommen die Wörter?"));
    QPushButton *fromFile =
        addButton(this, "Wortliste", twipsRect(360, 600, 2400, 480), QStringLiteral("Wortliste \u2026"));
    m_fromTemplate = addButton(this, "Vorlage", twipsRect(2880, 600, 2400, 480), QStringLiteral("Karten der Vorlage"));
    QLabel *languageLabel = addLabel(this, "SpracheTitel", twipsRect(5640, 600, 1080, 480), QStringLiteral("Sprache:"));
    languageLabel->setFont(houseFont(11));
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("Sprache"));
    m_language->setGeometry(twipsRect(6720, 600, 2520, 480));
    m_language->setFont(houseFont(11));
    for (const LanguageRecord &language : languages)
        m_language->addItem(language.nameText());
    m_source = addLabel(this, "Quelle", twipsRect(360, 1200, 8880, 400));
    m_source->setFont(houseFont(11));

    addHeading(this, "VorschauTitel", twipsRect(360, 1680, 5400, 400), QStringLiteral("Was jedes Kind bekommt"));
    m_preview = addList(this, "Vorschau", twipsRect(360, 2100, 5400, 3300));
    addHeading(this, "AbgelehntTitel", twipsRect(5880, 1680, 3360, 400), QStringLiteral("Abgelehnte Zeilen"));
    m_refused = addList(this, "Abgelehnt", twipsRect(5880, 2100, 3360, 3300));
    m_intoTemplate = new QCheckBox(QStringLiteral("Auch in die Vorlage für neue Kinder"), this);
    m_intoTemplate->setObjectName(QStringLiteral("AuchVorlage"));
    m_intoTemplate->setGeometry(twipsRect(360, 5520, 8880, 400));
    m_intoTemplate->setFont(houseFont(11));
    m_done = addLabel(this, "Ergebnis", twipsRect(360, 6000, 8880, 400));
    m_done->setFont(houseFont(11));
    setForeground(m_done, heading);
    m_notChanged = addList(this, "NichtGeaendert", twipsRect(360, 6420, 8880, 780));
    m_give = addButton(this, "AllenGeben", twipsRect(360, 7380, 2400, 480), QStringLiteral("Allen geben"));
    m_retry =
        addButton(this, "NochmalsVersuchen", twipsRect(2880, 7380, 2400, 480), QStringLiteral("Nochmals versuchen"));
    QPushButton *close = addButton(this, "Schliessen", twipsRect(7080, 7380, 2160, 480), QStringLiteral("Schließen"));

    connect(fromFile, &QPushButton::clicked, &m_words, &WordsForAll::chooseFile);
    connect(m_fromTemplate, &QPushButton::clicked, &m_words, &WordsForAll::chooseTemplate);
    connect(m_language, &QComboBox::currentIndexChanged, &m_words, &WordsForAll::chooseLanguage);
    connect(m_intoTemplate, &QCheckBox::toggled, &m_words, &WordsForAll::setIntoTemplate);
    connect(m_give, &QPushButton::clicked, &m_words, &WordsForAll::giveToAll);
    connect(m_retry, &QPushButton::clicked, &m_words, &WordsForAll::retry);
    connect(close, &QPushButton::clicked, &m_words, &WordsForAll::leave);
    connect(&m_words, &WordsForAll::changed, this, &WordsForAllWindow::refresh);
    refresh();
}

void WordsForAllWindow::refresh()
{
    m_fromTemplate->setEnabled(m_words.hasTemplate());
    {
        const QSignalBlocker quiet(m_language);
        m_language->setCurrentIndex(m_words.language());
    }
    {
        const QSignalBlocker quiet(m_intoTemplate);
        m_intoTemplate->setChecked(m_words.intoTemplate());
    }
    m_intoTemplate->setEnabled(m_words.hasTemplate());
    m_source->setText(m_words.source().isEmpty() ? QStringLiteral("Noch keine Wörter gewählt.") : m_words.source());
    mirrorList(m_preview, m_words.preview());
    mirrorList(m_refused, m_words.refused());
    m_done->setText(m_words.done());
    mirrorList(m_notChanged, m_words.notChanged());
    m_notChanged->setVisible(m_words.canRetry());
    m_give->setEnabled(m_words.canGive());
    m_retry->setEnabled(m_words.canRetry());
}

void WordsForAllWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame goes back like "Schließen"
    m_words.leave();
}

} // namespace zek::ui
