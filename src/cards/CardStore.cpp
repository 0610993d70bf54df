#include "CardStore.h"

#include "AtomicFile.h"
#include "CardFile.h"
#include "Folder.h"
#include "Memory.h"
#include "Prefetch.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace zek {
namespace {

QString blockErrorText(const std::array<qsizetype, 4> &counts)
{
    // the order of the numbers is baseWord, relatedWord, phrase, box
    QString text = QStringLiteral("In der Datei steckt ein Fehler, es\r"
                                  "müssen immer Viererblöcke sein!\r"
                                  "( Listenzahlen: ");
    for (int i : {1, 2, 3, 0})
        text += QLatin1Char(' ') + QString::number(counts[i]);
    return text + QStringLiteral(" )\r\r");
}

} // namespace

CardStore::CardStore(const QString &folder, Dialogs &dialogs) : m_folder(folder), m_dialogs(dialogs) {}

bool CardStore::loadCardList(const QString &fileName, bool blockError, QString *unreadable)
{
    m_cards.clear();
    m_saved.clear();
    m_index = CardFileIndex();
    m_decoded = true;
    m_loaded = false;
    m_savedFile = fileName;

    if (std::optional<CardFileIndex> early = takePrefetchedCardFile(filePath(m_folder, fileName)))
        return takeIndex(std::move(*early), blockError);
    QByteArray bytes;
    if (fileName.isEmpty() || !readWholeFile(filePath(m_folder, fileName), bytes)) {
        const QString text = QStringLiteral("Die Kartei '%1' kann nicht gelesen werden.\r"
                                            "Die Datei wird nicht überschrieben.\r")
                                 .arg(fileName);
        if (unreadable)
            *unreadable = text;
        else
            m_dialogs.messageBox({QStringLiteral("Dateifehler"), text});
        return false;
    }

    return takeIndex(CardFileIndex(std::move(bytes)), blockError);
}

bool CardStore::takeIndex(CardFileIndex index, bool blockError)
{
    const bool complete = index.complete();
    const std::array<qsizetype, 4> counts = index.fieldCounts();
    m_index = std::move(index);
    m_decoded = false;
    m_loaded = true;
    if (!m_index.whole())
        cards();
    if (blockError && !complete)
        m_dialogs.messageBox({QStringLiteral("Dateifehler"), blockErrorText(counts)});
    return true;
}

const CardList &CardStore::cards() const
{
    if (!m_decoded) {
        CardFileContent content = m_index.content();
        m_cards = std::move(content.cards);
        m_saved = m_cards;
        m_index = CardFileIndex();
        m_decoded = true;
    }
    return m_cards;
}

int CardStore::boxNumberAt(qsizetype position) const
{
    return m_decoded ? boxNumber(m_cards[position].box) : m_index.boxNumber(position);
}

bool CardStore::hasBaseWordAt(qsizetype position) const
{
    return m_decoded ? !m_cards[position].baseWord.isEmpty() : m_index.hasBaseWord(position);
}

CardEntry CardStore::cardAt(qsizetype position) const { return m_decoded ? m_cards[position] : m_index.card(position); }

void CardStore::setCards(CardList cards)
{
    this->cards(); // the list as loaded stays the one saved against
    m_cards = std::move(cards);
}

bool CardStore::saveCardList(const QString &name, OnFailure onFailure)
{
    if (!isChanged())
        return true;
    // a file that is gone cannot stay as it was
    const auto fail = [&](const QString &reason, bool fileThere = true) {
        if (onFailure == OnFailure::Quiet)
            return false;
        if (onFailure == OnFailure::RevertThenTell)
            m_cards = m_saved;
        m_dialogs.messageBox({QStringLiteral("Speicherfehler"),
                              QStringLiteral("Die Karteikarten wurden nicht gespeichert!\r") + reason
                                  + (fileThere ? QStringLiteral("Die Datei bleibt, wie sie war.\r") : QString())});
        return false;
    };
    // A list that was never read, or one read from another file, must not
    // be written over the current file.
    if (!m_loaded || m_savedFile != name) {
        if (!QFileInfo::exists(filePath(m_folder, name)))
            return fail(QStringLiteral("Die Datei '%1' ist nicht mehr da (gelöscht, umbenannt oder der Ordner "
                                       "nicht erreichbar).\r")
                            .arg(name),
                        false);
        return fail(QStringLiteral("Die Datei '%1' konnte nicht gelesen werden.\r").arg(name));
    }

    QByteArray bytes;
    QChar bad;
    if (!writeCardFile(m_cards, bytes, &bad))
        return fail(QStringLiteral("Das Zeichen '%1' lässt sich in der Datei '%2' nicht speichern.\r").arg(bad, name));
    if (!writeFileAtomically(filePath(m_folder, name), bytes))
        return fail(QStringLiteral("Die Datei '%1' konnte nicht geschrieben werden\r"
                                   "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r")
                        .arg(name));
    m_saved = m_cards;
    // The copy kept is made now, after the keystroke that answered a card,
    // not by the next keystroke's change of a box.
    m_saved.detach();
    return true;
}

void CardStore::setBox(qsizetype position, const QString &box)
{
    CardList &list = decoded();
    if (position >= 0 && position < list.size())
        list[position].box = box;
}

} // namespace zek
