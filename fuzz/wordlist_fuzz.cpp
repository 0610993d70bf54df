// Any bytes read as a teacher's word list: no crash, no hang; every new card
// fits a card file, and the new cards exported and read back are all there
// already.
#include "cards/CardFile.h"
#include "wordlist/WordList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const zek::CardList present{{"1", "Hund", "Hunde", "Der Hund bellt."}};
    const zek::WordListImport list =
        zek::readWordList(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), present);
    if (list.newCount + list.presentCount + list.refusedCount != list.lines.size())
        std::abort();
    const zek::CardList added = list.newCards();
    for (const zek::CardEntry &card : added)
        if (card.baseWord.isEmpty() || card.baseWord.contains(u',') || card.relatedWord.contains(u',')
            || card.phrase.contains(u','))
            std::abort();
    QByteArray cardFile;
    if (!zek::writeCardFile(added, cardFile) || zek::readCardFile(cardFile).cards.size() != added.size())
        std::abort(); // a new card must go into the card file as it is
    if (!added.isEmpty()) {
        const zek::WordListImport again = zek::readWordList(zek::writeWordList(added), added);
        if (!again.error.isEmpty() || again.presentCount != added.size() || again.lines.size() != added.size())
            std::abort();
    }
    return 0;
}
