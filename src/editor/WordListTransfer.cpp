#include "WordListTransfer.h"

#include "CardBrowser.h"

#include "wordlist/WordList.h"

#include "cards/AtomicFile.h"
#include "cards/CardStore.h"
#include "cards/Folder.h"
#include "record/PracticeRecord.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace zek {
namespace {

const QString wordListFilter = QStringLiteral("Wortlisten (*.csv *.txt)");

} // namespace

WordListTransfer::WordListTransfer(CardBrowser &browser, CardStore &store, Platform &platform)
    : m_browser(browser), m_store(store), m_platform(platform)
{}

// The list is read and judged before anything is written; the teacher sees
// what will happen and says yes or no. A list that is no list is named and
// left alone.
void WordListTransfer::importWordList()
{
    const QString title = QStringLiteral("Wortliste importieren");
    m_browser.ensureAllCards(QStringLiteral("Zum Importieren müssen alle Einträge sichtbar sein!"),
                             QStringLiteral("Wortliste importieren: alle Einträge anzeigen"));
    emit changed();
    const QString path = m_platform.openFileName({title, m_store.folder(), wordListFilter});
    if (path.isEmpty())
        return;
    const QString unchanged = QStringLiteral("Die Kartei bleibt, wie sie war.\r");
    QString unreadable;
    const std::optional<QByteArray> read = readWordListFile(path, &unreadable);
    const QByteArray bytes = read.value_or(QByteArray());
    if (!read) {
        m_browser.message(title, unreadable + unchanged);
        return;
    }
    const WordListImport list = readWordList(bytes, m_store.cards());
    if (!list.error.isEmpty()) {
        m_browser.message(title, list.error + unchanged);
        return;
    }
    const CardList added = list.newCards();
    ImportPreview preview{title, list.countsText(), list.refusedTexts(), {}};
    preview.newCards.reserve(added.size());
    for (const CardEntry &card : added)
        preview.newCards << QStringList{card.baseWord, card.relatedWord, card.phrase};
    emit changed();
    if (!m_platform.confirmImport(preview) || added.isEmpty())
        return;
    QList<RecordLine> moves;
    moves.reserve(added.size());
    for (const CardEntry &card : added)
        m_browser.recordMove(moves, card.baseWord, -1, boxNumber(card.box));
    m_store.setCards(insertSorted(m_store.cards(), added));
    m_browser.commitChanges(moves);
}

void WordListTransfer::exportWordList()
{
    const QString title = QStringLiteral("Wortliste exportieren");
    if (m_browser.rowCount() == 0) {
        m_browser.message(title, QStringLiteral("Es ist keine Karte zu exportieren: Die Anzeige ist leer.\r"));
        return;
    }
    const CardList cards = m_browser.cardsInView();
    emit changed();
    const QString path = m_platform.saveFileName(
        {title,
         QDir(m_store.folder()).filePath(QFileInfo(m_browser.fileName()).completeBaseName() + QStringLiteral(".csv")),
         wordListFilter});
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const QString name = chosen.fileName();
    const bool inCardFolder = chosen.absoluteDir() == QDir(m_store.folder());
    for (const QString &boxFile : cardBoxFiles()) {
        // the card box's files are found in any case of their names
        if ((inCardFolder && name.compare(boxFile, Qt::CaseInsensitive) == 0)
            || chosen == QFileInfo(filePath(m_store.folder(), boxFile))) {
            m_browser.message(title,
                              QStringLiteral("Die Datei '%1' gehört zur Kartei und wird nicht überschrieben.\r"
                                             "Bitte einen anderen Namen wählen.\r")
                                  .arg(name));
            return;
        }
    }
    const QByteArray bytes = writeWordList(cards);
    if (!writeFileAtomically(path, bytes)) {
        m_browser.message(QStringLiteral("Speicherfehler"),
                          QStringLiteral("Die Wortliste wurde nicht gespeichert!\r"
                                         "Die Datei '%1' konnte nicht geschrieben werden\r"
                                         "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r")
                              .arg(name));
    }
}

} // namespace zek
