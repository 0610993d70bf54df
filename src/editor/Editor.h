#pragma once

#include "CardBrowser.h"
#include "EditPanel.h"
#include "PrintPanel.h"
#include "ReboxPanel.h"
#include "Spelling.h"
#include "SpellingReview.h"
#include "WordListTransfer.h"

#include <QObject>
#include <QString>

namespace zek {

class CardStore;
class Language;
class Platform;

// The card editor (EditorWindow): the teacher browses the cards of one
// language, filters them by box, adds, changes, re-boxes and deletes cards,
// prints them, takes word lists in and out and reviews the spelling. Each
// job is a part of its own; the editor owns them, opens and leaves them
// together and joins their signals into one. Every change is saved at once;
// a card inserted, imported, deleted or moved to another box is also a line
// "Lehrkraft" of the practice record.
class Editor : public QObject {
    Q_OBJECT
public:
    Editor(CardStore &store, Platform &platform, const Language &language);

    // The main window opens the editor: German, all cards, no panel.
    void activateEditor(const QString &userName);
    void switchEditorLanguage(const QString &code); // the flags of the tool bar
    void leaveEditor(); // "Abbruch", Esc, the frame
    // The teacher's view of the practice record; every change is in the card
    // file already.
    void showProgress() { emit progressRequested(); }

    QString caption() const;

    CardBrowser &browser() { return m_browser; }
    const CardBrowser &browser() const { return m_browser; }
    EditPanel &editPanel() { return m_edit; }
    const EditPanel &editPanel() const { return m_edit; }
    ReboxPanel &reboxPanel() { return m_rebox; }
    const ReboxPanel &reboxPanel() const { return m_rebox; }
    PrintPanel &printPanel() { return m_print; }
    const PrintPanel &printPanel() const { return m_print; }
    WordListTransfer &transfer() { return m_transfer; }
    SpellingReview &review() { return m_review; }
    const SpellingReview &review() const { return m_review; }

    // The spelling check of the cards, in the language of the file shown.
    Spelling &spelling() { return m_spelling; }
    const Spelling &spelling() const { return m_spelling; }
    bool spellingOn() const { return m_spelling.isOn(); } // its button enabled
    QString spellingToolTip() const; // with the reason when the check is off

signals:
    void changed();
    void rowsChanged(); // the cards in view were read anew
    void focusField(int field);
    void findingsChanged(); // the rows of the list "Rechtschreibung prüfen" are new
    void left(); // back to the main window
    void progressRequested(); // "Lernfortschritt" of this card folder

private:
    CardStore &m_store;
    QString m_userName;
    Spelling m_spelling;
    CardBrowser m_browser;
    EditPanel m_edit;
    ReboxPanel m_rebox;
    PrintPanel m_print;
    WordListTransfer m_transfer;
    SpellingReview m_review;
};

} // namespace zek
