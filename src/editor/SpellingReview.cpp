#include "SpellingReview.h"

#include "CardBrowser.h"

#include "cards/CardStore.h"

namespace zek {

SpellingReview::SpellingReview(CardBrowser &browser, CardStore &store, Spelling &spelling)
    : m_browser(browser), m_store(store), m_spelling(spelling)
{
    // the positions of the list follow the cards
    connect(&m_browser, &CardBrowser::saved, this, [this] {
        if (m_shown)
            findUnknownWords();
    });
}

void SpellingReview::forget()
{
    m_shown = false;
    m_findings.clear();
    emit findingsChanged();
}

void SpellingReview::findUnknownWords()
{
    m_findings = checkCards(m_spelling, m_store.cards());
    emit findingsChanged();
}

void SpellingReview::checkSpelling()
{
    if (!m_spelling.isOn())
        return;
    findUnknownWords();
    m_shown = true;
    emit changed();
}

QString SpellingReview::firstSuggestion(qsizetype row) const
{
    if (row < 0 || row >= m_findings.size())
        return {};
    const QString &word = m_findings[row].words.front();
    auto found = m_firstSuggestions.constFind(word);
    if (found == m_firstSuggestions.cend())
        found = m_firstSuggestions.insert(word, m_spelling.suggestions(word, 1).value(0));
    return *found;
}

void SpellingReview::showFinding(qsizetype row)
{
    if (row < 0 || row >= m_findings.size() || m_findings[row].position >= m_store.cards().size())
        return;
    m_browser.showCardAt(m_findings[row].position);
}

void SpellingReview::acceptWord(qsizetype row, const QString &word)
{
    if (row < 0 || row >= m_findings.size() || !m_findings[row].words.contains(word))
        return;
    QString error;
    if (!m_spelling.addOwnWord(word, &error)) {
        m_browser.message(QStringLiteral("Speicherfehler"), error);
        return;
    }
    // the check knows it now (in every spelling Hunspell allows for it): it
    // goes from every row, and a row without words goes
    m_firstSuggestions.clear();
    for (qsizetype i = m_findings.size() - 1; i >= 0; --i) {
        m_findings[i].words.removeIf([this](const QString &w) { return m_spelling.isKnown(w); });
        if (m_findings[i].words.isEmpty())
            m_findings.remove(i);
    }
    emit findingsChanged();
    emit changed();
}

void SpellingReview::close()
{
    m_shown = false;
    emit changed();
}

} // namespace zek
