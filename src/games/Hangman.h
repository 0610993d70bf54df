#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

namespace zek {

class Platform;
class Random;
struct SharedState;

// The hangman game (HangmanWindow): the child guesses a learning word letter by
// letter; the tenth wrong pick loses, the last hidden letter found wins.
class Hangman : public QObject {
    Q_OBJECT
public:
    Hangman(const QString &folder, SharedState &shared, Platform &platform, Random &random);

    // The wrong pick that loses the game (and the parts of the gallows).
    static constexpr int losingWrongCount = 10;

    // A new game on a word of the current card file; the table has an entry
    // for each character of the character set, in its order. False, after
    // the "not enough words" message, when the file has no word to play.
    bool newHangmanGame(const QString &characterSet);
    void clickEntry(int entry); // a click on an entry of Liste1
    void keyPress(const QString &text); // a key typed in the window
    void toggleCharacterTable(); // Bild4
    void showInstructions(); // Bild2
    void showTip(); // Bild3
    void leaveHangman(); // Bild1, the frame

    const QString &secretWord() const { return m_word; }
    QString maskedText() const; // Bezeichnung1
    QString solutionText() const { return m_lost ? m_word : QString(); } // Bezeichnung2
    int wrongCount() const { return m_wrong; } // the gallows parts shown
    bool freed() const { return m_won; } // the freed figure shown
    const QStringList &entries() const { return m_entries; }
    bool marked(int entry) const { return m_marks.value(entry); }
    bool tableShown() const { return m_tableShown; }

signals:
    void changed();
    void left();

private:
    void pick(QChar g);
    void end(const QString &text);

    QString m_folder;
    SharedState &m_shared;
    Platform &m_platform;
    Random &m_random;
    QString m_word;
    QList<bool> m_hidden; // per position of the word
    int m_wrong = 0;
    bool m_won = false, m_lost = false, m_tableShown = false;
    QStringList m_entries;
    QList<bool> m_marks;
};

} // namespace zek
