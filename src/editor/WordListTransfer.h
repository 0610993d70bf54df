#pragma once

#include <QObject>

namespace zek {

class CardBrowser;
class CardStore;
class Platform;

// A teacher's word list in and out: a list read, shown and, on
// "Importieren", its new cards inserted in box 1 with one save; the cards in
// view written as a table.
class WordListTransfer : public QObject {
    Q_OBJECT
public:
    WordListTransfer(CardBrowser &browser, CardStore &store, Platform &platform);

    void importWordList();
    void exportWordList();

signals:
    void changed();

private:
    CardBrowser &m_browser;
    CardStore &m_store;
    Platform &m_platform;
};

} // namespace zek
