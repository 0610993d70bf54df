// Any bytes read as a card file: no crash, no hang, and what was read saves
// and reads back to the same cards.
#include "cards/CardFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const zek::CardFileContent content =
        zek::readCardFile(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
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
