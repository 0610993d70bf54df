#pragma once

#include "printing/Sheets.h"

#include <QObject>

namespace zek {

class CardBrowser;
class CardStore;
class Platform;

// The print panel: the sheet kind (cards, learning words, word families),
// and the cards in view printed, all of them or one page from the current
// card on, each after a question that says how many pages.
class PrintPanel : public QObject {
    Q_OBJECT
public:
    PrintPanel(CardBrowser &browser, CardStore &store, Platform &platform);

    void open(); // the tool bar's "Drucken"
    void close(); // "Abbrechen"
    void chooseSheetKind(SheetKind kind);
    void printInView(); // "Fach drucken"
    void printPageFromCurrent(); // "Seite drucken"

    SheetKind sheetKind() const { return m_sheetKind; }

signals:
    void changed();

private:
    void printCards(const CardList &cards, bool onePage);

    CardBrowser &m_browser;
    CardStore &m_store;
    Platform &m_platform;
    SheetKind m_sheetKind = SheetKind::CardSheet;
};

} // namespace zek
