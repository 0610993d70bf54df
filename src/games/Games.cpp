#include "Games.h"

#include "cards/CardFile.h"
#include "games/Messages.h"
#include "cards/SharedState.h"
#include "platform/Platform.h"
#include "platform/Random.h"

namespace zek {

QString drawGameWord(const QString &folder, const SharedState &shared, Random &random, Platform &platform,
                     const QString &refusalTitle)
{
    QStringList words;
    for (const CardEntry &card : readCompleteCards(folder, shared.currentCardFile))
        if (!card.baseWord.isEmpty())
            words << card.baseWord;
    if (words.isEmpty()) {
        platform.messageBox(notEnoughWords(refusalTitle));
        return {};
    }
    random.seed(std::uint64_t(platform.secondsSinceMidnight()));
    return words[qsizetype(random.next() * double(words.size()))];
}

} // namespace zek
