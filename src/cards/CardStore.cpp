#include "CardStore.h"

#include "AtomicFile.h"
#include "CardFile.h"
#include "Folder.h"
#include "Memory.h"
#include "Prefetch.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

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
    m_identity = {};
    m_lineStarts.clear();
    m_boxesSet.clear();
    m_otherChanges = false;
    // a save given up may still write over what is read now
    m_diskUnknown = m_writer.busy();

    const QString path = filePath(m_folder, fileName);
    if (std::optional<CardFileIndex> early = takePrefetchedCardFile(path, &m_identity))
        return takeIndex(std::move(*early), blockError);
    QByteArray bytes;
    const FileIdentity before = identityOf(path);
    if (fileName.isEmpty() || !readWholeFile(path, bytes)) {
        const QString text = QStringLiteral("Die Kartei '%1' kann nicht gelesen werden.\r"
                                            "Die Datei wird nicht überschrieben.\r")
                                 .arg(fileName);
        if (unreadable)
            *unreadable = text;
        else
            m_dialogs.messageBox({QStringLiteral("Dateifehler"), text});
        return false;
    }
    if (identityOf(path) == before)
        m_identity = before; // else changed while it was read
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
        if (m_index.asWritten()) {
            m_lineStarts.resize(m_index.size());
            for (qsizetype i = 0; i < m_index.size(); ++i)
                m_lineStarts[i] = m_index.start(i);
        }
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
    edited(); // the list as loaded stays the one saved against
    m_cards = std::move(cards);
}

bool CardStore::isChanged() const
{
    if (!m_decoded)
        return false;
    if (m_otherChanges || m_diskUnknown)
        return m_diskUnknown || m_cards != m_saved;
    return std::any_of(m_boxesSet.begin(), m_boxesSet.end(),
                       [this](qsizetype i) { return m_cards[i].box != m_saved[i].box; });
}

namespace {

bool oneDigit(const QString &box) { return box.size() == 1 && box[0] >= u'0' && box[0] <= u'9'; }

} // namespace

bool CardStore::boxesInPlace(QList<ByteAt> &bytes) const
{
    if (m_otherChanges || m_diskUnknown || !m_identity.exists || m_lineStarts.size() != m_saved.size()
        || m_cards.size() != m_saved.size())
        return false;
    for (const qsizetype i : m_boxesSet) {
        const QString &now = m_cards[i].box;
        const QString &before = m_saved[i].box;
        if (now == before)
            continue;
        if (!oneDigit(now) || !oneDigit(before))
            return false;
        bytes.append({m_lineStarts[i], char(now[0].unicode())});
    }
    return true;
}

void CardStore::writerLost()
{
    // the save may still land, or not: the next one writes the whole file
    m_diskUnknown = true;
    m_identity = {};
}

CardStore::Saved CardStore::saveInPlace(const QString &path, const QList<ByteAt> &bytes)
{
    auto result = std::make_shared<std::pair<InPlace, FileIdentity>>(InPlace::Failed, FileIdentity());
    switch (m_writer.run([path, expected = m_identity, bytes, result] {
        result->first = writeBytesInPlace(path, expected, bytes, result->second);
        return result->first == InPlace::Written;
    })) {
    case FolderWriter::Outcome::Done: break;
    case FolderWriter::Outcome::Failed: return Saved::NotHere;
    case FolderWriter::Outcome::Busy:
    case FolderWriter::Outcome::Abandoned: writerLost(); return Saved::Failed;
    }
    for (const qsizetype i : std::as_const(m_boxesSet))
        m_saved[i].box = m_cards[i].box;
    m_boxesSet.clear();
    m_identity = result->second;
    return Saved::Done;
}

CardStore::Saved CardStore::saveWhole(const QString &path, QChar &bad)
{
    struct Written {
        bool encoded = true;
        QChar bad;
        FileIdentity identity;
        QList<qint64> lineStarts;
    };
    auto written = std::make_shared<Written>();
    const CardList cards = m_cards;
    switch (m_writer.run([path, cards, written] {
        QByteArray bytes;
        written->encoded = writeCardFile(cards, bytes, &written->bad, &written->lineStarts);
        return written->encoded && writeFileAtomically(path, bytes, &written->identity);
    })) {
    case FolderWriter::Outcome::Done: break;
    case FolderWriter::Outcome::Failed: bad = written->encoded ? QChar() : written->bad; return Saved::Failed;
    case FolderWriter::Outcome::Busy:
    case FolderWriter::Outcome::Abandoned: writerLost(); return Saved::Failed;
    }
    m_saved = cards;
    // The copy kept is made now, after the keystroke that answered a card,
    // not by the next keystroke's change of a box.
    m_saved.detach();
    m_identity = written->identity;
    m_lineStarts = std::move(written->lineStarts);
    m_boxesSet.clear();
    m_otherChanges = false;
    m_diskUnknown = false;
    return Saved::Done;
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
    const QString cannotWrite = QStringLiteral("Die Datei '%1' konnte nicht geschrieben werden\r"
                                               "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r");
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

    const QString path = filePath(m_folder, name);
    const QString noAnswer = QStringLiteral("Der Ordner antwortet nicht (Server oder Netzwerk nicht erreichbar).\r");
    if (m_writer.busy())
        return fail(noAnswer, false);
    QList<ByteAt> bytes;
    if (boxesInPlace(bytes)) {
        const Saved inPlace = saveInPlace(path, bytes);
        if (inPlace == Saved::Done)
            return true;
        if (m_diskUnknown)
            return fail(noAnswer, false);
        // the file changed since, or cannot be written where it stands: saved whole
    }
    QChar bad;
    if (saveWhole(path, bad) == Saved::Done)
        return true;
    if (!bad.isNull())
        return fail(QStringLiteral("Das Zeichen '%1' lässt sich in der Datei '%2' nicht speichern.\r").arg(bad, name));
    return fail(m_diskUnknown ? noAnswer : cannotWrite.arg(name), !m_diskUnknown);
}

void CardStore::setBox(qsizetype position, const QString &box)
{
    CardList &list = decoded();
    if (position >= 0 && position < list.size()) {
        list[position].box = box;
        if (!m_boxesSet.contains(position))
            m_boxesSet.append(position);
    }
}

} // namespace zek
