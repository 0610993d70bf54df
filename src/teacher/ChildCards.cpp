#include "teacher/ChildCards.h"

#include "cards/CardStore.h"
#include "cards/Languages.h"
#include "record/PracticeRecord.h"
#include "wordlist/WordList.h"

namespace zek {

QString lockChild(FolderLock &lock)
{
    const FolderLock::State state = lock.lock();
    if (state == FolderLock::State::Locked || state == FolderLock::State::Unavailable)
        return {};
    // open on this computer, on another, or by a copy that does not say where
    const QString computer = lock.holder().computer;
    return computer.isEmpty() ? QStringLiteral("geöffnet")
                              : QStringLiteral("an Computer \u201e%1\u201c geöffnet").arg(computer);
}

namespace {

RecordLine teacherLine(const QDateTime &time, QChar language, const QString &baseWord, int before, int after)
{
    return {time.date(), time.time().msecsSinceStartOfDay() / 1000, language, baseWord, before, after, false, true};
}

const QString unreadable = QStringLiteral("Kartei lässt sich nicht lesen");
const QString unwritable = QStringLiteral("Kartei lässt sich nicht schreiben");

} // namespace

ChildOutcome giveWordList(const QString &folder, const QByteArray &wordList, QChar language, const QDateTime &time,
                          Dialogs &dialogs, bool record)
{
    FolderLock lock(folder);
    const QString open = lockChild(lock);
    if (!open.isEmpty())
        return {open};
    const QString file = cardFileName(QString(language));
    CardStore store(folder, dialogs);
    QString why;
    if (!store.loadCardList(file, false, &why))
        return {unreadable};
    const CardList added = readWordList(wordList, store.cards()).newCards();
    if (added.isEmpty())
        return {};
    store.setCards(insertSorted(store.cards(), added));
    if (!store.saveCardList(file, CardStore::OnFailure::Quiet))
        return {unwritable};
    if (record) {
        QList<RecordLine> lines;
        lines.reserve(added.size());
        for (const CardEntry &card : added)
            lines << teacherLine(time, language, card.baseWord, -1, boxNumber(card.box));
        appendToRecord(folder, lines);
    }
    return {{}, added.size()};
}

ChildOutcome resetCards(const QString &folder, const QDateTime &time, Dialogs &dialogs)
{
    FolderLock lock(folder);
    const QString open = lockChild(lock);
    if (!open.isEmpty())
        return {open};
    ChildOutcome outcome;
    QList<RecordLine> lines;
    for (const LanguageRecord &language : languages) {
        CardStore store(folder, dialogs);
        QString why;
        if (!store.loadCardList(language.cardFileName(), false, &why))
            return {unreadable};
        CardList cards = store.cards();
        QList<RecordLine> moved;
        for (CardEntry &card : cards) {
            if (card.box == u"1")
                continue;
            moved << teacherLine(time, QChar(language.code), card.baseWord, boxNumber(card.box), 1);
            card.box = QStringLiteral("1");
        }
        if (moved.isEmpty())
            continue;
        store.setCards(std::move(cards));
        if (!store.saveCardList(language.cardFileName(), CardStore::OnFailure::Quiet)) {
            appendToRecord(folder, lines); // the languages before stay changed
            return {unwritable, outcome.added};
        }
        outcome.added += moved.size();
        lines << moved;
    }
    appendToRecord(folder, lines);
    return outcome;
}

} // namespace zek
