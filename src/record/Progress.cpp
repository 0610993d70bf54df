#include "record/Progress.h"

#include "cards/CardFile.h"
#include "cards/CardStore.h"
#include "cards/Languages.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMap>

#include <algorithm>
#include <cmath>

namespace zek {

namespace {

struct DayTally {
    qsizetype answered = 0, right = 0;
    std::array<qsizetype, 7> arrived{}; // per box: cards in minus cards out that day
};

} // namespace

// The boxes day by day are reconstructed backwards from the boxes now: the
// card files hold where every card is today, the record only how cards moved.
// The last recorded day ends with the boxes of the card files; each day
// before ends with the boxes of the day after, each card of the day after
// taken back from its "Fach nachher" to its "Fach vorher". Days without a
// line are left out (their boxes are those of the day before). The teacher's
// changes in the editor are lines too ("Lehrkraft"): a card inserted, deleted
// or moved is taken back the same way, so the days before a change keep
// their boxes; they count as no answer, and a day with them alone is shown
// but not practised. Changes of a record written before such lines existed
// are not known: a box that would fall below zero through them is shown as
// empty. Counting forwards instead would need the boxes of the first day,
// which no file keeps.
LanguageProgress progressOf(const QList<RecordLine> &record, QChar language, const CardList &cardsNow, QDate today)
{
    LanguageProgress progress;
    const BoxCounts now = countBoxes(cardsNow);

    QMap<QDate, DayTally> days;
    QHash<QString, qsizetype> wrong;
    for (const RecordLine &line : record) {
        if (line.language != language)
            continue;
        DayTally &day = days[line.date];
        if (line.boxAfter >= 0)
            ++day.arrived[std::size_t(line.boxAfter)];
        if (line.boxBefore >= 0)
            --day.arrived[std::size_t(line.boxBefore)];
        if (line.byTeacher)
            continue;
        ++day.answered;
        if (line.right)
            ++day.right;
        else
            ++wrong[line.baseWord];
    }

    if (days.isEmpty()) {
        progress.days.append({today, now.perBox, 0, 0});
        return progress;
    }
    progress.days.resize(days.size());
    std::array<qsizetype, 7> boxes = now.perBox;
    qsizetype i = days.size();
    for (auto day = days.cend(); day != days.cbegin();) {
        --day;
        ProgressDay &shown = progress.days[--i];
        shown.date = day.key();
        shown.answered = day->answered;
        shown.right = day->right;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            shown.boxes[b] = std::max<qsizetype>(0, boxes[b]);
            boxes[b] -= day->arrived[b];
        }
        progress.answered += day->answered;
        progress.right += day->right;
        progress.daysPractised += day->answered > 0 ? 1 : 0;
    }

    QList<WrongWord> words;
    words.reserve(wrong.size());
    for (auto w = wrong.cbegin(); w != wrong.cend(); ++w)
        words.append({w.key(), w.value(), -1});
    const qsizetype kept = std::min<qsizetype>(10, words.size());
    std::partial_sort(words.begin(), words.begin() + kept, words.end(), typedWrongBefore);
    words.resize(kept);
    for (WrongWord &w : words) {
        const auto card =
            std::find_if(cardsNow.cbegin(), cardsNow.cend(), [&](const CardEntry &c) { return c.baseWord == w.word; });
        w.boxNow = card == cardsNow.cend() ? -1 : boxNumber(card->box);
    }
    progress.mostWrong = words;
    return progress;
}

bool typedWrongBefore(const WrongWord &a, const WrongWord &b)
{
    if (a.count != b.count)
        return a.count > b.count;
    const int c = compareBaseWords(a.word, b.word);
    return c != 0 ? c < 0 : a.word < b.word;
}

QString boxName(int box)
{
    if (box == 0)
        return QStringLiteral("Fehler");
    if (box == 6)
        return QStringLiteral("Gelernt");
    return QStringLiteral("Fach %1").arg(box);
}

Progress::Progress(const QString &folder, Platform &platform) : m_folder(folder), m_platform(platform) {}

void Progress::open()
{
    m_record = readRecordFile(m_folder);
    m_today = m_platform.localTime().date();
    m_languages.clear();
    for (const LanguageRecord &language : languages) {
        CardList &cards = m_cards[std::size_t(language.id)];
        cards = readCompleteCards(m_folder, language.cardFileName());
        const QChar code(language.code);
        if (!cards.isEmpty()
            || std::any_of(m_record.cbegin(), m_record.cend(), [&](const RecordLine &l) { return l.language == code; }))
            m_languages.append(code);
    }
    // the language answered last, else the first with cards
    m_shown = m_languages.isEmpty() ? -1 : 0;
    const auto answered =
        std::find_if(m_record.crbegin(), m_record.crend(), [](const RecordLine &l) { return !l.byTeacher; });
    if (answered != m_record.crend())
        m_shown = int(m_languages.indexOf(answered->language));
    show();
}

QStringList Progress::languageNames() const
{
    QStringList names;
    for (QChar code : m_languages)
        names << languageName(QString(code));
    return names;
}

void Progress::chooseLanguage(int index)
{
    if (index < 0 || index >= m_languages.size() || index == m_shown)
        return;
    m_shown = index;
    show();
}

void Progress::show()
{
    // a folder without any card and without a record: German's empty boxes
    const QChar code = m_shown >= 0 ? m_languages[m_shown] : QChar(languageRecord(LanguageId::German).code);
    const LanguageRecord *language = findLanguage(QString(code));
    m_progress = progressOf(m_record, code, m_cards[std::size_t(language->id)], m_today);
    emit changed();
}

QString Progress::heading() const
{
    const QString language =
        m_shown >= 0 ? languageName(QString(m_languages[m_shown])) : languageRecord(LanguageId::German).nameText();
    return QStringLiteral("%1  \u2013  %2  \u2013  Stand %3")
        .arg(QFileInfo(m_folder).fileName(), language, m_today.toString(QStringLiteral("dd.MM.yyyy")));
}

QString Progress::noRecordText() const
{
    return m_progress.answered > 0
        ? QString()
        : QStringLiteral("Noch kein Verlauf: In dieser Sprache wurde noch keine Karte geübt.");
}

QStringList Progress::figures() const
{
    if (m_progress.answered == 0)
        return {};
    const QLocale german(QLocale::German, QLocale::Germany);
    const double perDay = double(m_progress.answered) / double(m_progress.daysPractised);
    const int percent = int(std::lround(100.0 * double(m_progress.right) / double(m_progress.answered)));
    return {QStringLiteral("Geübte Tage: ") + german.toString(m_progress.daysPractised),
            QStringLiteral("Beantwortete Karten: ") + german.toString(m_progress.answered),
            QStringLiteral("Karten je Übungstag: ")
                + german.toString(perDay, 'f', perDay == std::floor(perDay) ? 0 : 1),
            QStringLiteral("Ohne Fehler geschrieben: %1 %").arg(percent)};
}

QString Progress::boxNowText(int box) { return box < 0 ? QStringLiteral("nicht mehr da") : boxName(box); }

void Progress::print(const PageDrawing &drawView)
{
    const QString title = QStringLiteral("Drucken ...");
    const PrintOutcome outcome = m_platform.printDrawing(drawView, QStringLiteral("Lernfortschritt"), m_folder);
    QString text;
    switch (outcome.kind) {
    case PrintOutcome::Printed: text = QStringLiteral("Der Lernfortschritt wird gedruckt.\r"); break;
    case PrintOutcome::SavedAsPdf:
        text =
            QStringLiteral("Es wurde nichts gedruckt: %1.\rDie Seite steht in der Datei\r%2\rim Ordner\r%3\r")
                .arg(outcome.reason, outcome.pdfName, QDir::toNativeSeparators(QFileInfo(m_folder).absoluteFilePath()));
        break;
    case PrintOutcome::Failed:
        text = QStringLiteral("Es wurde nichts gedruckt und nichts gespeichert: %1.\r").arg(outcome.reason);
        break;
    }
    m_platform.messageBox({title, text});
}

} // namespace zek
