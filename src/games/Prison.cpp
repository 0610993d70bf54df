#include "Prison.h"

#include "Games.h"

#include "platform/Platform.h"
#include "platform/Random.h"

#include <algorithm>

namespace zek {
namespace {

const QString prisonTitle = QStringLiteral("Wortgefängnis");

} // namespace

Prison::Prison(const QString &folder, SharedState &shared, Platform &platform, Random &random)
    : m_folder(folder), m_shared(shared), m_platform(platform), m_random(random)
{}

bool Prison::newPrisonGame()
{
    m_word = drawGameWord(m_folder, m_shared, m_random, m_platform, QStringLiteral("Gefängnisspiel abbrechen"));
    if (m_word.isEmpty())
        return false;
    m_wishesUsed = 0;
    m_moves = 0;
    m_wishes = QStringLiteral(" ? ? ?");
    for (auto &row : m_grid)
        for (QChar &c : row)
            c = m_word[qsizetype(double(m_word.size()) * m_random.next())];
    for (int r = 7; r <= 11; ++r) // the empty centre
        for (int c = 7; c <= 11; ++c)
            m_grid[r - 1][c - 1] = u' ';
    m_row = m_column = 9;
    m_next = -1;
    advance();
    emit changed();
    return true;
}

// The next letter to eat, passing over blanks: a blank cell is free to walk
// and could never be eaten.
void Prison::advance()
{
    for (qsizetype tries = 0; tries < m_word.size(); ++tries) {
        m_next = (m_next + 1) % m_word.size();
        if (m_word[m_next] != u' ')
            return;
    }
}

void Prison::move(int dx, int dy)
{
    if (m_word.isEmpty())
        return;
    const int row = std::clamp(m_row + dy, 1, size);
    const int column = std::clamp(m_column + dx, 1, size);
    QChar &target = m_grid[row - 1][column - 1];
    const bool eats = target != u' ';
    if (eats && target != m_word[m_next])
        return; // refused: the player stays
    if (eats)
        target = u' ';
    m_row = row;
    m_column = column;
    emit changed();
    if (row == 1 || row == size || column == 1 || column == size) {
        m_platform.messageBox({prisonTitle,
                               QString(QStringLiteral("Prima, du bist jetzt frei!\rEs waren ")
                                       + QString::number(m_moves) + QStringLiteral(" Spielzüge!\r\r"))});
    }
    if (eats) {
        advance();
        ++m_moves;
    }
    if (row == 1 || row == size || column == 1 || column == size)
        emit left();
}

void Prison::keyPress(const QString &text)
{
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() <= 122)
        askWish();
}

void Prison::askWish()
{
    if (m_word.isEmpty())
        return;
    if (m_wishesUsed >= 3) {
        m_platform.messageBox({QStringLiteral("Wunschbox"), QStringLiteral("Kein Wunsch mehr frei!")});
        return;
    }
    const QString question = m_wishesUsed == 2 ? QStringLiteral("Du hast noch  1 Wunsch frei!")
                                               : QStringLiteral("Du hast noch %1 Wünsche frei!").arg(3 - m_wishesUsed);
    const Answer answer = m_platform.messageBox({QStringLiteral("Wunschbox"),
                                                 question + QStringLiteral("\n\rMöchtest du einen benutzen?\n\r"),
                                                 Buttons::YesNo, Icon::Question, Answer::No});
    if (answer != Answer::Yes)
        return;
    ++m_wishesUsed;
    m_wishes[2 * m_wishesUsed - 1] = m_word[m_next];
    advance();
    emit changed();
}

void Prison::showHint()
{
    QString spelt;
    for (qsizetype i = 0; i < m_word.size(); ++i)
        spelt += i == m_next ? QStringLiteral("  ->") + m_word[i] + QStringLiteral("<-  ")
                             : QLatin1Char(' ') + m_word[i] + QLatin1Char(' ');
    m_platform.messageBox({prisonTitle, QString(u'\r' + spelt + QStringLiteral("\r\r"))});
}

void Prison::leavePrison()
{
    m_wishes = QStringLiteral(" ? ? ?");
    m_wishesUsed = 0;
    m_moves = 0;
    emit left();
}

} // namespace zek
