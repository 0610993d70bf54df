#pragma once

#include "Spelling.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

namespace zek {

class CardBrowser;
class CardStore;

// The list "Rechtschreibung prüfen": the cards of the file shown with the
// words the check does not know. A row shows its card in the editor; a word
// of it goes into the card box's own word list, and from every row.
class SpellingReview : public QObject {
    Q_OBJECT
public:
    SpellingReview(CardBrowser &browser, CardStore &store, Spelling &spelling);

    void checkSpelling(); // checks every card and shows the list
    bool shown() const { return m_shown; }
    const QList<SpellingFinding> &findings() const { return m_findings; }
    QString firstSuggestion(qsizetype row) const; // of the row's first word; asked when the row is shown
    void showFinding(qsizetype row); // a double click: that card is the current one
    void acceptWord(qsizetype row, const QString &word); // into the own word list
    void close();
    // Another file is shown: its cards are not the list's.
    void forget();
    // The editor is left: the list goes with it.
    void hide() { m_shown = false; }

signals:
    void changed();
    void findingsChanged(); // the rows of the list are new

private:
    void findUnknownWords();

    CardBrowser &m_browser;
    CardStore &m_store;
    Spelling &m_spelling;
    bool m_shown = false;
    QList<SpellingFinding> m_findings;
    mutable QHash<QString, QString> m_firstSuggestions; // by word
};

} // namespace zek
