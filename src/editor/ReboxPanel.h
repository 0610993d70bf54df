#pragma once

#include <QObject>

namespace zek {

class CardBrowser;
class CardStore;

// The re-box panel ("Einstufung"): the current card with its box, and a new
// box from 0 to 6 for the card, for every card of its box or for the whole
// list. Each move is saved at once and is a line "Lehrkraft" of the practice
// record.
class ReboxPanel : public QObject {
    Q_OBJECT
public:
    ReboxPanel(CardBrowser &browser, CardStore &store);

    void open(); // the tool bar's "Einstufung"
    void showNewBox(int box); // the new box's scroller
    void reboxCard(); // "Einzeleintrag"
    void reboxBox(); // "Ganzes Fach"
    void reboxAll(); // "Ganze Liste"
    void close(); // "Abbrechen"

    int newBox() const { return m_newBox; }

signals:
    void changed();

private:
    CardBrowser &m_browser;
    CardStore &m_store;
    int m_newBox = 0;
};

} // namespace zek
