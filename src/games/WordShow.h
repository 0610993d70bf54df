#pragma once

#include "cards/CardList.h"

#include <QObject>

namespace zek {

class Platform;
struct SharedState;

// The timed word show (WordShowWindow): one card of the current card file at a time,
// stepped by hand or every few seconds.
class WordShow : public QObject {
    Q_OBJECT
public:
    WordShow(const QString &folder, SharedState &shared, Platform &platform);

    // The main window opens the show on the card at this position of its
    // list (-1: none, then card 1). The file is read here, once.
    void open(qsizetype currentPosition);
    void cardScrolled(int number); // HBildlauf1: 1 to cardCount()
    void pauseScrolled(int seconds); // HBildlauf2: 2 to 10
    void startShow(); // "Show ein"
    void stopShow(); // "Show aus"
    void cancelShow(); // "Abbruch", the frame
    void timerTick(); // every pause while the show runs
    void readAloud(); // "Vorlesen": the three lines, one after the other
    bool voiceAvailable() const;
    // The language of the cards shown ("D", "E", "F"): their syllables and their voice.
    QString languageCode() const;
    QString readAloudTip() const; // why "Vorlesen" is grey

    int cardCount() const { return int(m_cards.size()); }
    int number() const { return m_number; } // the card shown, from 1; 0: none
    QString numberText() const { return m_number > 0 ? QString::number(m_number) : QString(); } // Bezeichnung4
    QString countText() const
    {
        return QLatin1Char(' ') + QString::number(m_cards.size()) + QStringLiteral(" Karten");
    } // Bezeichnung7
    QString pauseText() const
    {
        return QLatin1Char(' ') + QString::number(m_pause) + QStringLiteral(" Sek");
    } // Bezeichnung6
    int pause() const { return m_pause; }
    bool running() const { return m_running; } // Zeit1 on
    const CardEntry &card() const { return m_card; } // the three lines

signals:
    void changed();
    void left();

private:
    QString m_folder;
    SharedState &m_shared;
    Platform &m_platform;
    CardList m_cards;
    CardEntry m_card;
    int m_number = 0;
    int m_pause = 2;
    bool m_running = false;
};

} // namespace zek
