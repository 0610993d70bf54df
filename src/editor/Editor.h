#pragma once

#include "wordlist/FieldText.h"

#include "cards/CardList.h"
#include "cards/Languages.h"
#include "printing/Sheets.h"
#include "record/PracticeRecord.h"
#include "Spelling.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

namespace zek {

class CardStore;
class Language;
class Platform;

enum class EditorPanel { None, Edit, Rebox, Print };

// The card editor (EditorWindow): the teacher browses the cards of one language,
// filters them by box, adds, changes, re-boxes and deletes cards. Every change
// is saved at once; a card inserted, imported, deleted or moved to another
// box is also a line "Lehrkraft" of the practice record. A box filter is only a view: the card list in memory is
// always the whole file, so every save writes every card.
class Editor : public QObject {
    Q_OBJECT
public:
    Editor(CardStore &store, Platform &platform, const Language &language);

    // The main window opens the editor: German, all cards, no panel.
    void activateEditor(const QString &userName);
    void switchEditorLanguage(const QString &code); // Bild1, Bild2, Bild3
    void showAllCards(); // "Alle"
    void showBox(int code); // "Fehler" to "Gelernt": 0 to 6
    void showCurrentCard(qsizetype row); // the card scroller HScroll1
    void rememberActiveField(int field); // Text1 to Text3 got the focus
    void insertCharacter(const QString &character); // a row of Liste5
    void leaveEditor(); // "Abbruch", Esc, the frame

    void openEditPanel(); // Bild8
    void closeEditPanel(); // Befehl1
    void clearField(int field); // Befehl5 to Befehl7
    // The teacher typed, pasted or deleted in field 1 to 3; cursor is where
    // the typing stands in text (-1: at its end).
    void setFieldText(int field, const QString &text, qsizetype cursor = -1);
    void insertNewCard(); // Befehl2
    void changeCurrentCard(); // Command5
    void deleteCurrentCard(); // bild9

    void openReboxPanel(); // Bild6
    void showNewBox(int box); // HScroll2
    void reboxCard(); // Command2 "Einzeleintrag"
    void reboxBox(); // Command3 "Ganzes Fach"
    void reboxAll(); // Command4 "Ganze Liste"
    void closeReboxPanel(); // Command1

    void openPrintPanel(); // Bild5
    // Bild14: the teacher's view of the practice record; every change is in
    // the card file already.
    void showProgress() { emit progressRequested(); }
    void closePrintPanel(); // Command6
    void chooseSheetKind(SheetKind kind); // Option1 to Option3
    void printInView(); // Command7 "Fach drucken"
    void printPageFromCurrent(); // Command8 "Seite drucken"

    // A teacher's word list: read, shown and, on "Importieren", its new
    // cards inserted in box 1 with one save (Bild11); the cards in view
    // written as a table (Bild12).
    void importWordList();
    void exportWordList();

    // What the window shows.
    QString caption() const;
    const QString &languageCode() const { return m_code; } // Bezeichnung1
    const QString &fileName() const { return m_file; } // Bezeichnung2
    const QString &characterSet() const { return m_characters; } // zeichensatz
    int filter() const { return m_filter; } // -1: all cards
    qsizetype rowCount() const; // the cards in view
    const CardEntry &cardAt(qsizetype row) const;
    qsizetype positionOf(qsizetype row) const { return m_filter < 0 ? row : m_rows[row]; }
    qsizetype currentRow() const { return m_current; } // -1: none
    QString positionText() const; // Bezeichnung11
    QString countText() const { return entryCountText(rowCount()); } // Bezeichnung6
    const QString &field(int field) const { return m_fields[field - 1]; }
    // Where the typing goes on in a field after characters were taken out:
    // behind what stood before the cursor (-1: at the end).
    qsizetype fieldCursor(int field) const { return m_cursors[field - 1]; }
    int activeField() const { return m_activeField; }
    EditorPanel panel() const { return m_panel; }
    int newBox() const { return m_newBox; } // HScroll2, Label8
    SheetKind sheetKind() const { return m_sheetKind; }

    // The spelling check of the cards, in the language of the file shown.
    Spelling &spelling() { return m_spelling; }
    const Spelling &spelling() const { return m_spelling; }
    bool spellingOn() const { return m_spelling.isOn(); } // Bild13 enabled
    QString spellingToolTip() const; // Bild13, with the reason when the check is off
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

    // The list window "Rechtschreibung prüfen": the cards of the file with
    // words the check does not know.
    void checkSpelling(); // Bild13: checks every card and shows the list
    bool spellingListShown() const { return m_spellingListShown; }
    // Whether "Neue Karte einfügen" and "Karte ändern" ask about unknown
    // words first: a choice of the card box (its settings file), off until
    // the teacher turns it on in the list of the spelling check.
    bool askSpelling() const { return m_askSpelling; }
    void toggleAskSpelling();
    const QList<SpellingFinding> &findings() const { return m_findings; }
    QString firstSuggestion(qsizetype row) const; // of the row's first word; asked when the row is shown
    void showFinding(qsizetype row); // a double click: that card is the current one
    void acceptWord(qsizetype row, const QString &word); // into the own word list
    void closeSpellingList();

signals:
    void changed();
    void rowsChanged(); // the cards in view were read anew
    void focusField(int field);
    void findingsChanged(); // the rows of the list "Rechtschreibung prüfen" are new
    void left(); // back to the main window
    void progressRequested(); // "Lernfortschritt" of this card folder

private:
    void readCards(bool blockError);
    void setCurrent(qsizetype row);
    bool ensureAllCards(const QString &text, const QString &title = QStringLiteral("Eingabe"));
    bool commitChanges(const QList<RecordLine> &moves = {});
    void recordMove(QList<RecordLine> &moves, const QString &baseWord, int before, int after) const;
    void message(const QString &title, const QString &text);
    void printCards(const CardList &cards, bool onePage);
    bool spellingAgreed();
    void findUnknownWords();

    CardStore &m_store;
    Platform &m_platform;
    const Language &m_language;

    QString m_userName;
    QString m_code = languageRecord(LanguageId::German).codeText();
    QString m_file = languageRecord(LanguageId::German).cardFileName();
    QString m_characters;
    int m_filter = -1;
    QList<qsizetype> m_rows; // the card positions in view under a box filter
    qsizetype m_current = -1;
    std::array<QString, 3> m_fields;
    std::array<qsizetype, 3> m_cursors{-1, -1, -1};
    int m_activeField = 0;
    EditorPanel m_panel = EditorPanel::None;
    int m_newBox = 0;
    SheetKind m_sheetKind = SheetKind::CardSheet;
    Spelling m_spelling;
    bool m_askSpelling = false;
    Selection m_selection;
    bool m_spellingListShown = false;
    QList<SpellingFinding> m_findings;
    mutable QHash<QString, QString> m_firstSuggestions; // by word
};

} // namespace zek
