#include "PrintPanel.h"

#include "CardBrowser.h"

#include "cards/CardStore.h"
#include "cards/Settings.h"
#include "platform/Platform.h"
#include "syllables/Syllables.h"

namespace zek {

PrintPanel::PrintPanel(CardBrowser &browser, CardStore &store, Platform &platform)
    : m_browser(browser), m_store(store), m_platform(platform)
{}

void PrintPanel::open()
{
    m_browser.setPanel(EditorPanel::Print);
    emit changed();
}

void PrintPanel::close()
{
    m_browser.setPanel(EditorPanel::None);
    m_browser.setCurrent(0);
}

void PrintPanel::chooseSheetKind(SheetKind kind)
{
    m_sheetKind = kind;
    emit changed();
}

namespace {

// The words each sheet kind is named with in the questions and messages.
struct SheetWords {
    const char *all, *printing, *page;
};

SheetWords wordsOf(SheetKind kind)
{
    switch (kind) {
    case SheetKind::WordList:
        return {" Lernwörter ausdrucken?", "Lernwörter werden gedruckt.", "Seite mit Lernwörtern ab Zeile "};
    case SheetKind::FamilySheet:
        return {" Wortfamilien ausdrucken?", "Wortfamilien werden gedruckt.", "Seite mit Wortfamilien ab Zeile "};
    case SheetKind::CardSheet: break;
    }
    return {" Karteikarten ausdrucken?", "Karteikarten werden gedruckt.", "Seite mit Karteikarten ab Zeile "};
}

} // namespace

// The cards in view, as the editor shows them: the whole list or the rows of
// the box filter, in their order.
void PrintPanel::printInView() { printCards(m_browser.cardsInView(), false); }

void PrintPanel::printPageFromCurrent()
{
    const qsizetype current = m_browser.currentRow();
    printCards(current < 0 ? CardList() : m_browser.cardsInView(current, pageCapacity(m_sheetKind)), true);
}

void PrintPanel::printCards(const CardList &cards, bool onePage)
{
    const QString title = QStringLiteral("Drucken ...");
    if (cards.isEmpty()) {
        m_browser.message(title, QStringLiteral("Es ist keine Karte zu drucken: Die Anzeige ist leer.\r"));
        return;
    }
    const SheetWords words = wordsOf(m_sheetKind);
    // the card sheet and the word list in syllables where the reading aids
    // show them and ask for them on paper too
    const ReadingAids aids = readSettings(m_store.folder()).aids;
    SheetSyllables syllables;
    if (aids.printSyllables && m_sheetKind != SheetKind::FamilySheet)
        syllables = {aids.syllables, SyllablePatterns::forLanguage(m_browser.languageCode())};
    QList<PrintedPage> pages =
        layOutSheets(m_sheetKind, cards, m_platform.printerMetrics(sheetFont, sheetFontPoints), {}, syllables);
    emit changed();
    Answer answer;
    if (onePage) {
        // the cards of one page, on as many sheets as they need: a long text
        // goes on over the next, and the question says how many
        const bool more = pages.size() > 1;
        answer = m_platform.messageBox(
            {more ? QStringLiteral("%1 Druckseiten").arg(pages.size()) : QStringLiteral("1 Druckseite"),
             QString::fromUtf8(words.page) + QLatin1Char(' ') + QString::number(m_browser.currentRow() + 1)
                 + QStringLiteral(" ausdrucken?\r")
                 + (more ? QStringLiteral("Ihre Karten sind so lang, dass sie %1 Druckseiten brauchen.\r")
                               .arg(pages.size())
                         : QString())
                 + u'\r',
             Buttons::YesNo, Icon::Question, Answer::No});
    } else {
        answer =
            m_platform.messageBox({QLatin1Char(' ') + QString::number(pages.size()) + QStringLiteral(" Druckseiten"),
                                   QStringLiteral("Alle") + QString::fromUtf8(words.all) + QStringLiteral("\r\r"),
                                   Buttons::YesNo, Icon::Question, Answer::No});
    }
    if (answer != Answer::Yes)
        return;
    const PrintOutcome outcome =
        m_platform.print(pages, sheetFont, sheetFontPoints, sheetJobName(m_sheetKind), m_store.folder());
    switch (outcome.kind) {
    case PrintOutcome::Printed: m_browser.message(title, QString::fromUtf8(words.printing) + u'\r'); break;
    case PrintOutcome::SavedAsPdf:
        m_browser.message(
            title,
            QStringLiteral("Es wurde nichts gedruckt: %1.\rDie Seiten stehen in der Datei\r%2\rim Ordner der Kartei.\r")
                .arg(outcome.reason, outcome.pdfName));
        break;
    case PrintOutcome::Failed:
        m_browser.message(title,
                          QStringLiteral("Es wurde nichts gedruckt und nichts gespeichert: %1.\r").arg(outcome.reason));
        break;
    }
}

} // namespace zek
