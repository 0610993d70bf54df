#include "ReboxPanel.h"

#include "CardBrowser.h"

#include "cards/CardStore.h"
#include "record/PracticeRecord.h"

#include <cmath>

namespace zek {

ReboxPanel::ReboxPanel(CardBrowser &browser, CardStore &store) : m_browser(browser), m_store(store) {}

void ReboxPanel::open()
{
    m_browser.setPanel(EditorPanel::None);
    m_browser.ensureAllCards(QStringLiteral("Zum Editieren müssen alle Einträge sichtbar sein!"));
    // a box text that is no number from 0 to 6 is shown as stored; the new box starts at 0
    const qsizetype current = m_browser.currentRow();
    const double value = current < 0 ? 0.0 : boxValue(m_browser.cardAt(current).box);
    m_newBox = (value >= 0 && value <= 6 && value == std::floor(value)) ? int(value) : 0;
    m_browser.setPanel(EditorPanel::Rebox);
    emit changed();
}

void ReboxPanel::showNewBox(int box)
{
    m_newBox = std::clamp(box, 0, 6);
    emit changed();
}

void ReboxPanel::reboxCard()
{
    const qsizetype current = m_browser.currentRow();
    if (current < 0)
        return;
    const CardEntry &card = m_browser.cardAt(current);
    QList<RecordLine> moves;
    m_browser.recordMove(moves, card.baseWord, boxNumber(card.box), m_newBox);
    m_store.reboxCard(m_browser.positionOf(current), QString::number(m_newBox));
    if (m_browser.commitChanges(moves))
        close();
}

void ReboxPanel::reboxBox()
{
    if (m_browser.currentRow() < 0)
        return;
    const QString box = m_browser.cardAt(m_browser.currentRow()).box;
    const CardList &cards = m_store.cards();
    QList<RecordLine> moves;
    for (qsizetype i = 0; i < cards.size(); ++i)
        if (cards[i].box == box) {
            m_browser.recordMove(moves, cards[i].baseWord, boxNumber(box), m_newBox);
            m_store.reboxCard(i, QString::number(m_newBox));
        }
    if (m_browser.commitChanges(moves))
        close();
}

void ReboxPanel::reboxAll()
{
    if (m_browser.currentRow() < 0)
        return;
    QList<RecordLine> moves;
    moves.reserve(m_store.cards().size());
    for (qsizetype i = 0; i < m_store.cards().size(); ++i) {
        m_browser.recordMove(moves, m_store.cards()[i].baseWord, boxNumber(m_store.cards()[i].box), m_newBox);
        m_store.reboxCard(i, QString::number(m_newBox));
    }
    if (m_browser.commitChanges(moves))
        close();
}

void ReboxPanel::close()
{
    m_browser.setPanel(EditorPanel::None);
    m_browser.setCurrent(0);
}

} // namespace zek
