#include "CardBrowser.h"

#include "cards/CardStore.h"
#include "cards/Language.h"
#include "record/PracticeRecord.h"
#include "platform/Platform.h"

namespace zek {

CardBrowser::CardBrowser(CardStore &store, Platform &platform, const Language &language)
    : m_store(store), m_platform(platform), m_language(language)
{}

qsizetype CardBrowser::rowCount() const { return m_filter < 0 ? m_store.cards().size() : m_rows.size(); }

const CardEntry &CardBrowser::cardAt(qsizetype row) const { return m_store.cards()[positionOf(row)]; }

QString CardBrowser::positionText() const
{
    return m_current < 0 ? QString() : QLatin1Char(' ') + QString::number(m_current + 1) + QStringLiteral(" von");
}

CardList CardBrowser::cardsInView(qsizetype from, qsizetype count) const
{
    const qsizetype end = count < 0 ? rowCount() : std::min(rowCount(), from + count);
    CardList cards;
    cards.reserve(std::max<qsizetype>(end - from, 0));
    for (qsizetype row = from; row < end; ++row)
        cards.append(cardAt(row));
    return cards;
}

void CardBrowser::message(const QString &title, const QString &text)
{
    emit changed(); // the window shows what comes before the box
    m_platform.messageBox({title, text});
}

void CardBrowser::setLanguage(const LanguageRecord &language)
{
    m_code = language.codeText();
    m_file = language.cardFileName();
    m_characters = m_language.characterSets().value(language.characterSetLine);
}

void CardBrowser::readCards(bool blockError)
{
    QString unreadable; // said once the window shows the list as it is now
    m_store.loadCardList(m_file, blockError, &unreadable);
    m_rows.clear();
    if (m_filter >= 0) {
        const CardList &cards = m_store.cards();
        for (qsizetype i = 0; i < cards.size(); ++i)
            if (boxValue(cards[i].box) == double(m_filter))
                m_rows.append(i);
    }
    m_current = std::min(m_current, rowCount() - 1); // never a row that is gone
    emit rowsChanged();
    if (!unreadable.isEmpty())
        message(QStringLiteral("Dateifehler"), unreadable);
}

void CardBrowser::setCurrent(qsizetype row)
{
    const qsizetype count = rowCount();
    m_current = count == 0 ? -1 : std::clamp<qsizetype>(row, 0, count - 1);
    emit currentChanged();
    emit changed();
}

void CardBrowser::showAllCards()
{
    m_filter = -1;
    readCards(false);
    if (m_panel != EditorPanel::Edit) {
        setCurrent(0);
        return;
    }
    // The edit panel shows all cards already: what the teacher typed stays
    // in the fields, over the card it was typed on.
    m_current = rowCount() == 0 ? -1 : std::max<qsizetype>(m_current, 0);
    emit changed();
}

void CardBrowser::showBox(int code)
{
    if (m_panel == EditorPanel::Edit || m_panel == EditorPanel::Rebox || code < 0 || code > 6)
        return;
    m_filter = code;
    readCards(false);
    setCurrent(0);
}

void CardBrowser::showCurrentCard(qsizetype row)
{
    if (rowCount() > 0)
        setCurrent(row);
}

void CardBrowser::showCardAt(qsizetype position)
{
    if (m_filter >= 0 && !m_rows.contains(position))
        showAllCards(); // the card is not in the box shown
    setCurrent(m_filter < 0 ? position : m_rows.indexOf(position));
}

bool CardBrowser::ensureAllCards(const QString &text, const QString &title)
{
    if (m_filter < 0)
        return true;
    message(title, text + QStringLiteral("\rDie Anzeige wird jetzt automatisch umgestellt ...\r\r"));
    showAllCards();
    return false;
}

void CardBrowser::recordMove(QList<RecordLine> &moves, const QString &baseWord, int before, int after) const
{
    if (before == after)
        return;
    if (!moves.isEmpty()) { // one change, one time
        RecordLine line = moves.constFirst();
        line.baseWord = baseWord;
        line.boxBefore = before;
        line.boxAfter = after;
        moves.append(line);
        return;
    }
    const QDateTime now = m_platform.localTime();
    moves.append({now.date(), now.time().msecsSinceStartOfDay() / 1000, m_code.isEmpty() ? QChar() : m_code[0],
                  baseWord, before, after, false, true});
}

// Saves the list and reads it back; the first card is then the current one.
// A save that fails goes back to the list the file holds before it says so,
// so the columns never show a change that is not saved; the scroller and the
// fields stay, so nothing typed is lost.
bool CardBrowser::commitChanges(const QList<RecordLine> &moves)
{
    if (!m_store.saveCardList(m_file, CardStore::OnFailure::RevertThenTell)) {
        emit rowsChanged();
        emit changed();
        return false;
    }
    // the practice record keeps the change, so the days before it stay true;
    // the cards are saved whether or not it can be written
    appendToRecord(m_store.folder(), moves);
    readCards(true);
    setCurrent(0);
    emit saved(); // the list of the spelling check follows the cards
    return true;
}

} // namespace zek
