#include "Memory.h"

#include "cards/CardFile.h"
#include "cards/SharedState.h"
#include "platform/Platform.h"
#include "platform/Random.h"

#include <QSet>

namespace zek {

Memory::Memory(const QString &folder, SharedState &shared, Platform &platform, Random &random)
    : m_folder(folder), m_shared(shared), m_platform(platform), m_random(random)
{
}

void Memory::clearBoard()
{
    for (Field &f : m_fields)
        f.solved = f.open = false;
    m_secondPickNext = false;
    m_first = m_second = -1;
}

// The file is read once a deal. Each pair is drawn with the same odds among
// the cards that still fit (neither word dealt yet); where none fits, the
// deal starts over, a few times, and then gives up with a message, so it
// always ends.
bool Memory::dealMemoryGame()
{
    m_random.seed(std::uint64_t(m_platform.secondsSinceMidnight()));
    clearBoard();
    QList<const CardEntry *> usable;
    const CardList cards = readCompleteCards(m_folder, m_shared.currentCardFile);
    for (const CardEntry &card : cards)
        if (!card.baseWord.isEmpty() && !card.relatedWord.isEmpty())
            usable.append(&card);

    QList<QPair<int, QString>> deal;
    for (int attempt = 0; attempt < 10 && deal.size() < fieldCount; ++attempt) {
        deal.clear();
        QSet<QString> dealt;
        for (int pair = 1; pair <= fieldCount / 2; ++pair) {
            QList<const CardEntry *> fitting;
            for (const CardEntry *card : usable)
                if (!dealt.contains(card->baseWord) && !dealt.contains(card->relatedWord))
                    fitting.append(card);
            if (fitting.isEmpty())
                break;
            const CardEntry *card = fitting[qsizetype(m_random.next() * double(fitting.size()))];
            dealt << card->baseWord << card->relatedWord;
            deal << qMakePair(pair, card->baseWord) << qMakePair(pair, card->relatedWord);
        }
    }
    if (deal.size() < fieldCount) {
        emit changed();
        m_platform.messageBox({QStringLiteral("Memoryspiel abbrechen"), QStringLiteral("Es sind nicht genügend Wörter vorhanden!\r\r")});
        return false;
    }
    for (Field &field : m_fields) { // the shuffle
        const auto m = qsizetype(m_random.next() * double(deal.size()));
        field.pair = deal[m].first;
        field.word = deal[m].second;
        deal.remove(m);
    }
    emit changed();
    return true;
}

QString Memory::shownText(int field) const
{
    const Field &f = m_fields[field];
    return f.open || f.solved ? f.word : QString();
}

void Memory::clickField(int field)
{
    if (field < 0 || field >= fieldCount || m_fields[field].solved)
        return;
    // the first pick clicked again: nothing (a double click is no pair)
    if (m_secondPickNext && field == m_first)
        return;
    if (!m_secondPickNext && m_first >= 0 && m_second >= 0) { // cover the last attempt's pair
        m_fields[m_first].open = m_fields[m_second].open = false;
        m_first = m_second = -1;
    }
    m_fields[field].open = true;
    if (!m_secondPickNext) {
        m_secondPickNext = true;
        m_first = field;
        emit changed();
        return;
    }
    m_secondPickNext = false;
    m_second = field;
    if (m_fields[m_first].pair == m_fields[m_second].pair) {
        m_fields[m_first].solved = m_fields[m_second].solved = true;
        m_first = m_second = -1;
    }
    emit changed();
    for (const Field &f : m_fields)
        if (!f.solved)
            return;
    m_platform.messageBox({QStringLiteral("Memory"), QStringLiteral("Prima, du hast es geschafft!\r")});
    clearBoard();
    emit changed();
    emit left();
}

void Memory::showMemoryHelp()
{
    m_platform.messageBox({QStringLiteral("ZEK-Memory"), QStringLiteral("Immer zwei Felder gehören zu einer Wortfamilie.\r"
                                                                        "Klicke auf alle Einzelfelder und suche die Paare!")});
}

void Memory::leaveMemory() { emit left(); }

} // namespace zek
