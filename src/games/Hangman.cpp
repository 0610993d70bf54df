#include "Hangman.h"

#include "Games.h"

#include "platform/Platform.h"
#include "platform/Random.h"

namespace zek {
namespace {

const QString title = QStringLiteral("Galgenspiel");

// Case mapped one character at a time, so "ß" stays "ß".
QChar upper(QChar c) { return c.toUpper(); }

// The letters that are hidden until picked; case does not count.
bool isHiddenLetter(QChar c)
{
    static const QString letters = QStringLiteral("APBQCRDSETFUGVHWIXJYKZLÄMÖNÜOß");
    return letters.contains(upper(c));
}

} // namespace

Hangman::Hangman(const QString &folder, SharedState &shared, Platform &platform, Random &random)
    : m_folder(folder), m_shared(shared), m_platform(platform), m_random(random)
{}

bool Hangman::newHangmanGame(const QString &characterSet)
{
    m_tableShown = false;
    m_entries.clear();
    for (QChar c : characterSet)
        m_entries.append(c);
    m_marks = QList<bool>(m_entries.size(), false);
    m_word = drawGameWord(m_folder, m_shared, m_random, m_platform, QStringLiteral("Galgenspiel abbrechen"));
    m_hidden.clear();
    for (QChar c : m_word)
        m_hidden.append(isHiddenLetter(c));
    m_wrong = 0;
    m_won = m_lost = false;
    emit changed();
    return !m_word.isEmpty();
}

QString Hangman::maskedText() const
{
    QString text;
    for (qsizetype i = 0; i < m_word.size(); ++i)
        text += QLatin1Char(' ') + (m_hidden[i] ? QChar(u'_') : m_word[i]);
    return text;
}

void Hangman::clickEntry(int entry)
{
    if (entry < 0 || entry >= m_entries.size() || m_won || m_lost)
        return;
    m_marks[entry] = !m_marks[entry];
    pick(m_entries[entry][0]);
}

// One key, one pick: the first entry that is the character typed.
void Hangman::keyPress(const QString &text)
{
    const qsizetype entry = m_entries.indexOf(text);
    if (text.isEmpty() || entry < 0 || m_won || m_lost)
        return;
    m_marks[entry] = true;
    pick(text[0]);
}

void Hangman::pick(QChar g)
{
    const QChar big = upper(g);
    const QChar small = big.toLower();
    bool right = false;
    for (QChar c : m_word)
        right = right || upper(c) == big;
    if (!right) {
        ++m_wrong;
        if (m_wrong >= losingWrongCount) {
            m_lost = true;
            end(QStringLiteral("Du hast verloren!\r"));
        } else {
            emit changed();
        }
        return;
    }
    for (qsizetype i = 0; i < m_word.size(); ++i)
        if (m_word[i] == small || m_word[i] == big)
            m_hidden[i] = false;
    // won when no position is hidden any more (a word may hold "_" itself)
    if (!m_hidden.contains(true)) {
        m_won = true;
        end(QStringLiteral("Du hast gewonnen!\r"));
    } else {
        emit changed();
    }
}

void Hangman::end(const QString &text)
{
    emit changed();
    m_platform.messageBox({title, text});
    emit left();
}

void Hangman::toggleCharacterTable()
{
    m_tableShown = !m_tableShown;
    emit changed();
}

void Hangman::showInstructions()
{
    m_platform.messageBox({title,
                           QStringLiteral("Gib die Buchstaben mit der Tastatur ein\r"
                                          "oder klicke auf das Tastatursymbol und\r"
                                          "dann in die blaue Zeichentabelle. Dabei\r"
                                          "werden die bereits verwendeten Buch-\r"
                                          "staben zur leichteren Kontrolle markiert.\r\r")});
}

void Hangman::showTip()
{
    if (m_word.isEmpty())
        return;
    const auto p = qsizetype(double(m_word.size()) * m_random.next());
    m_platform.messageBox({QStringLiteral("Tipp"),
                           QStringLiteral("Im Wort steckt der Buchstabe: ") + m_word[p] + QStringLiteral("\r\r")});
}

void Hangman::leaveHangman() { emit left(); }

} // namespace zek
