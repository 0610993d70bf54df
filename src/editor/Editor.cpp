#include "Editor.h"

#include "cards/CardStore.h"

namespace zek {

Editor::Editor(CardStore &store, Platform &platform, const Language &language)
    : m_store(store),
      m_spelling(store.folder()),
      m_browser(store, platform, language),
      m_edit(m_browser, store, platform, m_spelling),
      m_rebox(m_browser, store),
      m_print(m_browser, store, platform),
      m_transfer(m_browser, store, platform),
      m_review(m_browser, store, m_spelling)
{
    connect(&m_spelling, &Spelling::ready, this, &Editor::changed); // the underline can start
    connect(&m_browser, &CardBrowser::changed, this, &Editor::changed);
    connect(&m_browser, &CardBrowser::rowsChanged, this, &Editor::rowsChanged);
    connect(&m_edit, &EditPanel::changed, this, &Editor::changed);
    connect(&m_edit, &EditPanel::focusField, this, &Editor::focusField);
    connect(&m_rebox, &ReboxPanel::changed, this, &Editor::changed);
    connect(&m_print, &PrintPanel::changed, this, &Editor::changed);
    connect(&m_transfer, &WordListTransfer::changed, this, &Editor::changed);
    connect(&m_review, &SpellingReview::changed, this, &Editor::changed);
    connect(&m_review, &SpellingReview::findingsChanged, this, &Editor::findingsChanged);
}

QString Editor::caption() const { return QStringLiteral("ZEK-Rechtschreibkartei:  ") + m_userName; }

void Editor::activateEditor(const QString &userName)
{
    m_userName = userName;
    m_spelling.readOwnWordList(); // the teacher may have changed it meanwhile
    m_edit.activate();
    m_browser.setPanel(EditorPanel::None);
    m_browser.setFilter(-1);
    switchEditorLanguage(languageRecord(LanguageId::German).codeText());
    m_browser.showAllCards();
}

void Editor::switchEditorLanguage(const QString &code)
{
    const LanguageRecord *language = findLanguage(code);
    if (!language)
        return;
    m_browser.setLanguage(*language);
    m_spelling.setLanguage(code);
    m_review.forget();
    m_browser.readCards(true); // the filter shown applies to the new file's cards
    m_browser.setCurrent(0);
}

void Editor::leaveEditor()
{
    m_store.loadCardList(m_browser.fileName()); // the whole file, whatever filter was shown
    m_browser.setPanel(EditorPanel::None);
    m_review.hide();
    emit changed();
    emit left();
}

QString Editor::spellingToolTip() const
{
    const QString reason = m_spelling.offReason();
    return QStringLiteral("Rechtschreibung prüfen")
        + (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason));
}

} // namespace zek
