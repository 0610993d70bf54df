#include "windows/ReadingFontDialog.h"

#include "widgets/ReadingFont.h"
#include "widgets/Widgets.h"
#include "widgets/WordField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zek::ui {

namespace {

const QColor darkBlue(0, 0, 128);
constexpr qreal wordPoints = 24; // as the word display

} // namespace

ReadingFontDialog::ReadingFontDialog(const ReadingAids &current, const QString &shown, Wrap wrap,
                                     const WordField &field, const SyllablePatterns *patterns, QWidget *parent)
    : QDialog(parent), m_chosen(current), m_shown(shown), m_wrap(wrap), m_patterns(patterns)
{
    setObjectName(QStringLiteral("Leseschrift"));
    setWindowTitle(QStringLiteral("Leseschrift"));
    auto *layout = new QVBoxLayout(this);

    QButtonGroup *fonts = addChoices("Schriftart", QStringLiteral("Schrift"), readingFontNames(), int(current.font));
    // each font's name is written in that font
    for (QAbstractButton *button : fonts->buttons()) {
        QFont font(readingFamily(ReadingFont(fonts->id(button))));
        font.setPointSize(12);
        button->setFont(font);
    }
    QButtonGroup *spacings = addChoices("Buchstabenabstand", QStringLiteral("Buchstabenabstand"), letterSpacingNames(),
                                        int(current.spacing));
    QButtonGroup *sizes = addChoices("Schriftgroesse", QStringLiteral("Größe"), textSizeNames(), int(current.size));
    connect(fonts, &QButtonGroup::idClicked, this, [this](int id) {
        m_chosen.font = ReadingFont(id);
        showPreview();
    });
    connect(spacings, &QButtonGroup::idClicked, this, [this](int id) {
        m_chosen.spacing = LetterSpacing(id);
        showPreview();
    });
    connect(sizes, &QButtonGroup::idClicked, this, [this](int id) {
        m_chosen.size = TextSize(id);
        showPreview();
    });
    QButtonGroup *syllables =
        addChoices("Silben", QStringLiteral("Silben"), syllableLookNames(), int(current.syllables));
    connect(syllables, &QButtonGroup::idClicked, this, [this](int id) {
        m_chosen.syllables = SyllableLook(id);
        showPreview();
    });
    addTick(syllables, "SilbenDrucken", QStringLiteral("Silben auch beim Drucken"), &ReadingAids::printSyllables);
    QButtonGroup *rates =
        addChoices("Sprechtempo", QStringLiteral("Sprechtempo"), speechRateNames(), int(current.rate));
    connect(rates, &QButtonGroup::idClicked, this, [this](int id) { m_chosen.rate = SpeechRate(id); });
    addTick(rates, "SilbenSprechen", QStringLiteral("Silben sprechen (Hördiktat)"), &ReadingAids::speakSyllables);

    m_preview = new WordField(this);
    m_preview->setObjectName(QStringLiteral("Vorschau"));
    m_preview->setAlignment(Qt::AlignCenter);
    // as large as the word field, the text in the same rooms
    m_preview->setFixedSize(field.size());
    m_preview->takeRoomsOf(field);
    setBackground(m_preview, Qt::white);
    setForeground(m_preview, darkBlue);
    m_preview->setFrameShape(QFrame::Box);
    layout->addWidget(m_preview);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto &[name, accept] : {std::pair{"OK", true}, std::pair{"Abbrechen", false}}) {
        auto *button = new QPushButton(QString::fromLatin1(name), this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(accept);
        button->setDefault(accept);
        ignoreDoubleClicks(button);
        connect(button, &QPushButton::clicked, this, accept ? &QDialog::accept : &QDialog::reject);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    showPreview();
}

QButtonGroup *ReadingFontDialog::addChoices(const char *name, const QString &title, const QStringList &names,
                                            int checked)
{
    auto *box = new QGroupBox(title, this);
    box->setObjectName(QLatin1String(name));
    auto *row = new QHBoxLayout(box);
    auto *group = new QButtonGroup(box);
    for (int i = 0; i < names.size(); ++i) {
        auto *option = new QRadioButton(names[i], box);
        option->setObjectName(QLatin1String(name) + QString::number(i));
        option->setChecked(i == checked);
        group->addButton(option, i);
        row->addWidget(option);
        row->addSpacing(24);
    }
    row->addStretch(); // an option takes clicks on its circle and name only
    static_cast<QVBoxLayout *>(layout())->addWidget(box);
    return group;
}

// A tick at the end of a row of choices.
void ReadingFontDialog::addTick(QButtonGroup *choices, const char *name, const QString &text,
                                bool ReadingAids::*setting)
{
    auto *tick = new QCheckBox(text, choices->buttons().constFirst()->parentWidget());
    tick->setObjectName(QLatin1String(name));
    tick->setChecked(m_chosen.*setting);
    auto *row = static_cast<QHBoxLayout *>(tick->parentWidget()->layout());
    row->insertWidget(row->count() - 1, tick);
    connect(tick, &QCheckBox::toggled, this, [this, setting](bool on) { m_chosen.*setting = on; });
}

void ReadingFontDialog::showPreview()
{
    m_preview->showSyllables({m_chosen.syllables, m_patterns});
    m_preview->showText(m_shown, readingFont(m_chosen, wordPoints), letterSpacingShare(m_chosen.spacing), m_wrap);
}

} // namespace zek::ui
