// Any bytes read as a card file: no crash, no hang, what was read saves and
// reads back to the same cards, and the file's index says the same of every
// card.
#include "cards/CardFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const zek::CardFileContent content = zek::readCardFile(bytes);
    const zek::CardFileIndex index(bytes);
    if (index.size() != content.cards.size() || index.fieldCounts() != content.fieldCounts)
        std::abort();
    for (qsizetype i = 0; i < index.size(); ++i)
        if (index.card(i) != content.cards[i] || index.boxNumber(i) != zek::boxNumber(content.cards[i].box)
            || index.hasBaseWord(i) == content.cards[i].baseWord.isEmpty())
            std::abort();
    QByteArray written;
    if (!zek::writeCardFile(content.cards, written))
        std::abort(); // every byte read must be writable again
    const zek::CardFileContent again = zek::readCardFile(written);
    if (again.cards != content.cards || !again.complete())
        std::abort();
    QByteArray twice;
    zek::writeCardFile(again.cards, twice);
    if (twice != written)
        std::abort();
    return 0;
}
