#pragma once

#include "cards/CardList.h"
#include "cards/Languages.h"
#include "record/PracticeRecord.h"

#include <QList>
#include <QObject>
#include <QString>

namespace zek {

class CardStore;
class Language;
class Platform;

enum class EditorPanel { None, Edit, Rebox, Print };

// The cards the editor shows: the card file of one language, all of its
// cards or those of one box, and the one current card. A box filter is only
// a view: the card list in memory is always the whole file, so every save
// writes every card. Which panel covers the columns belongs here too: while
// the edit or the re-box panel is open, the box filter waits.
class CardBrowser : public QObject {
    Q_OBJECT
public:
    CardBrowser(CardStore &store, Platform &platform, const Language &language);

    // The file of a language (not read yet): its cards, its character set.
    void setLanguage(const LanguageRecord &language);
    void showAllCards(); // "Alle"
    void showBox(int code); // "Fehler" to "Gelernt": 0 to 6
    void showCurrentCard(qsizetype row); // the card scroller
    // The card at that position in the file becomes the current one; all
    // cards are shown first where the box shown does not hold it.
    void showCardAt(qsizetype position);

    // The card file shown, read anew, and the cards of the filter picked out.
    void readCards(bool blockError);
    // The one current card: the scroller's value, the position label and the
    // fields of the edit panel always agree. With no card in view there is none.
    void setCurrent(qsizetype row);
    // A panel that needs every card shows them all first and says so; false
    // where the view had to change.
    bool ensureAllCards(const QString &text, const QString &title = QStringLiteral("Eingabe"));
    // Saves the list and reads it back; the first card is then the current one.
    bool commitChanges(const QList<RecordLine> &moves = {});
    // A card whose box the teacher changed, as a line "Lehrkraft" of the
    // practice record (-1: not in the file before or after).
    void recordMove(QList<RecordLine> &moves, const QString &baseWord, int before, int after) const;
    // A message box, with the window showing the state as it is first.
    void message(const QString &title, const QString &text);

    void setFilter(int filter) { m_filter = filter; } // -1: all cards, read at the next readCards
    void setPanel(EditorPanel panel) { m_panel = panel; }

    // What the window shows.
    const QString &languageCode() const { return m_code; }
    const QString &fileName() const { return m_file; }
    const QString &characterSet() const { return m_characters; } // the characters the teacher can click in
    int filter() const { return m_filter; } // -1: all cards
    qsizetype rowCount() const; // the cards in view
    const CardEntry &cardAt(qsizetype row) const;
    qsizetype positionOf(qsizetype row) const { return m_filter < 0 ? row : m_rows[row]; }
    qsizetype currentRow() const { return m_current; } // -1: none
    QString positionText() const; // " 3 von"
    QString countText() const { return entryCountText(rowCount()); } // " 4 Einträgen"
    EditorPanel panel() const { return m_panel; }
    // The cards in view, in their order, from that row on (at most count).
    CardList cardsInView(qsizetype from = 0, qsizetype count = -1) const;

signals:
    void changed();
    void rowsChanged(); // the cards in view were read anew
    void currentChanged(); // another card is the current one: its fields are shown
    void saved(); // a change of the cards is in the file

private:
    CardStore &m_store;
    Platform &m_platform;
    const Language &m_language;

    QString m_code = languageRecord(LanguageId::German).codeText();
    QString m_file = languageRecord(LanguageId::German).cardFileName();
    QString m_characters;
    int m_filter = -1;
    QList<qsizetype> m_rows; // the card positions in view under a box filter
    qsizetype m_current = -1;
    EditorPanel m_panel = EditorPanel::None;
};

} // namespace zek
