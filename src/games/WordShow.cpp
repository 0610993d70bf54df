#include "WordShow.h"

#include "cards/CardFile.h"
#include "cards/Languages.h"
#include "cards/SharedState.h"
#include "platform/Platform.h"

#include <algorithm>

namespace zek {

WordShow::WordShow(const QString &folder, SharedState &shared, Platform &platform)
    : m_folder(folder), m_shared(shared), m_platform(platform)
{}

// The show steps through the complete cards of the file, read once here, so
// no tick ever reads the file (or could put up a message box every few
// seconds).
void WordShow::open(qsizetype currentPosition)
{
    m_running = false;
    m_cards = readCompleteCards(m_folder, m_shared.currentCardFile);
    m_number = 0;
    m_card = {};
    if (!m_cards.isEmpty())
        cardScrolled(currentPosition >= 0 && currentPosition < m_cards.size() ? int(currentPosition) + 1 : 1);
    emit changed();
}

void WordShow::cardScrolled(int number)
{
    if (m_cards.isEmpty())
        return;
    m_number = std::clamp(number, 1, cardCount());
    m_card = m_cards[m_number - 1];
    emit changed();
}

void WordShow::pauseScrolled(int seconds)
{
    m_pause = std::clamp(seconds, 2, 10);
    emit changed();
}

void WordShow::startShow()
{
    m_running = !m_cards.isEmpty();
    emit changed();
}

void WordShow::stopShow()
{
    m_running = false;
    emit changed();
}

void WordShow::cancelShow()
{
    stopShow();
    emit left();
}

bool WordShow::voiceAvailable() const { return m_platform.hasVoice(languageCode()); }

QString WordShow::languageCode() const { return languageOfCardFile(m_shared.currentCardFile); }

QString WordShow::readAloudTip() const
{
    return speechButtonTip(m_platform, QStringLiteral("Vorlesen"), languageOfCardFile(m_shared.currentCardFile));
}

void WordShow::readAloud()
{
    QStringList lines;
    for (const QString *line : {&m_card.baseWord, &m_card.relatedWord, &m_card.phrase})
        if (!line->isEmpty())
            lines << *line;
    if (voiceAvailable() && !lines.isEmpty())
        m_platform.speak(lines.join(QStringLiteral(". ")), languageOfCardFile(m_shared.currentCardFile));
}

void WordShow::timerTick()
{
    if (m_running)
        cardScrolled(m_number >= cardCount() ? 1 : m_number + 1);
}

} // namespace zek
