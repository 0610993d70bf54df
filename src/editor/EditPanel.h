#pragma once

#include "Spelling.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

namespace zek {

class CardBrowser;
class CardStore;
class Platform;

// The edit panel: the three fields of a card, a new card inserted in its
// place in the order, the current card changed, or deleted. What the teacher
// types is cleaned as it comes (no comma, no line break, only what the file
// can hold); before a card is saved, the words the dictionary does not know
// can be asked about. Every change is saved at once.
class EditPanel : public QObject {
    Q_OBJECT
public:
    EditPanel(CardBrowser &browser, CardStore &store, Platform &platform, Spelling &spelling);

    // The editor opens: no field in use, the question about spelling as the
    // card box's settings say.
    void activate();
    void open(); // the pencil of the tool bar
    void close(); // "Abbrechen"
    void rememberActiveField(int field); // field 1 to 3 got the focus
    void insertCharacter(const QString &character); // a character of the character set clicked
    void clearField(int field); // the "X" beside the field
    // The teacher typed, pasted or deleted in field 1 to 3; cursor is where
    // the typing stands in text (-1: at its end).
    void setFieldText(int field, const QString &text, qsizetype cursor = -1);
    void insertNewCard(); // "Neue Karte einfügen"
    void changeCurrentCard(); // "Karte ändern"
    void deleteCurrentCard(); // "Löschen" in the tool bar, after a question

    const QString &field(int field) const { return m_fields[field - 1]; }
    // Where the typing goes on in a field after characters were taken out:
    // behind what stood before the cursor (-1: at the end).
    qsizetype fieldCursor(int field) const { return m_cursors[field - 1]; }
    int activeField() const { return m_activeField; }
    // The words of field 1 to 3 the dictionary does not know (underlined in
    // red); none while the dictionary is still being read.
    QList<WordSpan> unknownWords(int field) const { return m_spelling.unknownWordsIfReady(m_fields[field - 1]); }
    // The word a question about spelling went back to: its field (0: none)
    // and where it stands there, to be selected.
    struct Selection {
        int field = 0;
        qsizetype start = 0, length = 0;
        bool operator==(const Selection &) const = default;
    };
    const Selection &selection() const { return m_selection; }

    // Whether "Neue Karte einfügen" and "Karte ändern" ask about unknown
    // words first: a choice of the card box (its settings file), off until
    // the teacher turns it on in the list of the spelling check.
    bool askSpelling() const { return m_askSpelling; }
    void toggleAskSpelling();

signals:
    void changed();
    void focusField(int field);

private:
    void showCurrentCard();
    bool spellingAgreed();

    CardBrowser &m_browser;
    CardStore &m_store;
    Platform &m_platform;
    Spelling &m_spelling;

    std::array<QString, 3> m_fields;
    std::array<qsizetype, 3> m_cursors{-1, -1, -1};
    int m_activeField = 0;
    Selection m_selection;
    bool m_askSpelling = false;
};

} // namespace zek
