#include "record/Progress.h"

#include "cards/CardFile.h"
#include "cards/CardStore.h"
#include "cards/Folder.h"
#include "cards/Languages.h"
#include "platform/Platform.h"
#include "printing/Sheets.h"

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

// The kinds of mistake, the most frequent first, with the examples of the
// first three.
QList<ErrorFocus> errorFocusOf(const QList<RecordLine> &record,
                               const std::array<QList<qsizetype>, errorTypeCount> &ofType)
{
    QList<ErrorFocus> focus;
    for (std::size_t t = 0; t < ofType.size(); ++t)
        if (!ofType[t].isEmpty())
            focus.append({ErrorType(t), ofType[t].size(), {}});
    std::stable_sort(focus.begin(), focus.end(),
                     [](const ErrorFocus &a, const ErrorFocus &b) { return a.count > b.count; });
    for (qsizetype k = 0; k < std::min<qsizetype>(3, focus.size()); ++k) {
        const QList<qsizetype> &lines = ofType[std::size_t(focus[k].type)];
        QStringList &examples = focus[k].examples;
        for (qsizetype i = lines.size(); i-- > 0 && examples.size() < 3;) {
            const RecordLine &line = record[lines[i]];
            const QString example = line.asked + QStringLiteral(" \u2013 getippt: ") + line.typed + u'\u2026';
            if (!examples.contains(example))
                examples.append(example);
        }
    }
    return focus;
}

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
    std::array<QList<qsizetype>, errorTypeCount> ofType; // the lines of each kind of mistake
    for (qsizetype i = 0; i < record.size(); ++i) {
        const RecordLine &line = record[i];
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
        if (const auto type = errorTypeOf(line))
            ofType[std::size_t(*type)].append(i);
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
    progress.errorFocus = errorFocusOf(record, ofType);
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

// a folder without any card and without a record: German's empty boxes
QChar Progress::shownCode() const
{
    return m_shown >= 0 ? m_languages[m_shown] : QChar(languageRecord(LanguageId::German).code);
}

void Progress::show()
{
    const QChar code = shownCode();
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

QString Progress::noErrorsText() const
{
    return m_progress.errorFocus.isEmpty() ? QStringLiteral("Noch kein falscher Buchstabe im Verlauf.") : QString();
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
    tellPrinted(m_platform.printDrawing(drawView, QStringLiteral("Lernfortschritt"), m_folder),
                QStringLiteral("Der Lernfortschritt wird gedruckt.\r"));
}

QString printOutcomeText(const PrintOutcome &outcome, const QString &printed, const QString &folder, bool pages)
{
    switch (outcome.kind) {
    case PrintOutcome::Printed: return printed;
    case PrintOutcome::SavedAsPdf:
        return (pages ? QStringLiteral(
                    "Es wurde nichts gedruckt: %1.\rDie Seiten stehen in der Datei\r%2\rim Ordner\r%3\r")
                      : QStringLiteral(
                          "Es wurde nichts gedruckt: %1.\rDie Seite steht in der Datei\r%2\rim Ordner\r%3\r"))
            .arg(outcome.reason, outcome.pdfName, QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath()));
    case PrintOutcome::Failed:
        return QStringLiteral("Es wurde nichts gedruckt und nichts gespeichert: %1.\r").arg(outcome.reason);
    }
    return {};
}

void Progress::tellPrinted(const PrintOutcome &outcome, const QString &printed)
{
    m_platform.messageBox({QStringLiteral("Drucken ..."), printOutcomeText(outcome, printed, m_folder, false)});
}

void Progress::practise(int index)
{
    if (index < 0 || index >= m_progress.errorFocus.size())
        return;
    const ErrorType type = m_progress.errorFocus[index].type;
    const qsizetype choice = m_platform.choiceBox(
        {QStringLiteral("Üben"),
         QStringLiteral("Wie soll \u201e%1\u201c geübt werden?\r").arg(errorTypeName(type)),
         {QStringLiteral("Übungsblatt drucken"), QStringLiteral("In Fach 1 legen"), QStringLiteral("Abbrechen")},
         0});
    if (choice == 0)
        printPracticeSheet(type);
    else if (choice == 1)
        moveToBoxOne(type);
}

QStringList Progress::wordsOf(ErrorType type) const
{
    const QChar code = shownCode();
    QStringList words;
    for (const RecordLine &line : m_record)
        if (line.language == code && errorTypeOf(line) == type && !words.contains(line.baseWord))
            words.append(line.baseWord);
    // the card file's order; a word no card has any more at the end
    const CardList &cards = m_cards[std::size_t(findLanguage(QString(code))->id)];
    const auto place = [&](const QString &word) {
        const auto card =
            std::find_if(cards.cbegin(), cards.cend(), [&](const CardEntry &c) { return c.baseWord == word; });
        return card - cards.cbegin();
    };
    std::stable_sort(words.begin(), words.end(),
                     [&](const QString &a, const QString &b) { return place(a) < place(b); });
    return words;
}

void Progress::printPracticeSheet(ErrorType type)
{
    const QStringList words = wordsOf(type);
    if (words.isEmpty())
        return;
    CardList cards;
    for (const QString &word : words)
        cards.append({QString(), word, {}, {}});
    const QString name = errorTypeName(type);
    const QList<PrintedPage> pages =
        layOutSheets(SheetKind::WordList, cards, m_platform.printerMetrics(sheetFont, sheetFontPoints), name);
    const QString count = words.size() == 1 ? QStringLiteral("1 Wort") : QStringLiteral("%1 Wörtern").arg(words.size());
    if (m_platform.messageBox(
            {pages.size() == 1 ? QStringLiteral("1 Druckseite") : QStringLiteral("%1 Druckseiten").arg(pages.size()),
             QStringLiteral("Übungsblatt \u201e%1\u201c mit %2 ausdrucken?\r").arg(name, count), Buttons::YesNo,
             Icon::Question, Answer::No})
        != Answer::Yes)
        return;
    tellPrinted(m_platform.print(pages, sheetFont, sheetFontPoints, QStringLiteral("Uebungsblatt"), m_folder),
                QStringLiteral("Das Übungsblatt wird gedruckt.\r"));
}

void Progress::moveToBoxOne(ErrorType type)
{
    const QChar code = shownCode();
    const LanguageRecord *language = findLanguage(QString(code));
    const QString title = QStringLiteral("In Fach 1 legen");
    const QString name = errorTypeName(type);
    FolderLock lock(m_folder);
    if (!m_boxOpenHere) {
        const FolderLock::State state = lock.lock(m_platform.localTime());
        if (state != FolderLock::State::Locked && state != FolderLock::State::Unavailable) {
            const QString computer = lock.holder().computer;
            m_platform.messageBox(
                {title,
                 QStringLiteral("Die Kartei von \u201e%1\u201c ist gerade %2.\rBitte später noch einmal versuchen.")
                     .arg(QFileInfo(m_folder).fileName(),
                          computer.isEmpty() ? QStringLiteral("geöffnet")
                                             : QStringLiteral("an Computer \u201e%1\u201c geöffnet").arg(computer))});
            return;
        }
    }
    CardStore store(m_folder, m_platform);
    const QString file = language->cardFileName();
    if (!store.loadCardList(file))
        return;
    const QStringList words = hasPattern(type) ? QStringList() : wordsOf(type);
    const CardList &cards = store.cards();
    QList<qsizetype> moving;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const int box = boxNumber(cards[i].box);
        if (box >= 0 && box != 1 && !cards[i].baseWord.isEmpty()
            && (hasPattern(type) ? showsPattern(type, code, cards[i].baseWord) : words.contains(cards[i].baseWord)))
            moving.append(i);
    }
    if (moving.isEmpty()) {
        m_platform.messageBox(
            {title, QStringLiteral("Alle Karten zu \u201e%1\u201c liegen schon in Fach 1.\r").arg(name)});
        return;
    }
    const QString count =
        moving.size() == 1 ? QStringLiteral("1 Karte") : QStringLiteral("%1 Karten").arg(moving.size());
    if (m_platform.messageBox({title, QStringLiteral("%1 zu \u201e%2\u201c zurück in Fach 1 legen?\r").arg(count, name),
                               Buttons::YesNo, Icon::Question, Answer::No})
        != Answer::Yes)
        return;
    const QDateTime now = m_platform.localTime();
    QList<RecordLine> lines;
    for (const qsizetype i : moving) {
        lines.append({now.date(), now.time().msecsSinceStartOfDay() / 1000, code, cards[i].baseWord,
                      boxNumber(cards[i].box), 1, false, true});
        store.setBox(i, QStringLiteral("1"));
    }
    if (!store.saveCardList(file, CardStore::OnFailure::Tell))
        return;
    // the cards are saved whether or not the record can be written
    appendToRecord(m_folder, lines);
    m_record = readRecordFile(m_folder);
    m_cards[std::size_t(language->id)] = readCompleteCards(m_folder, file);
    show();
    emit cardsMoved();
}

} // namespace zek
