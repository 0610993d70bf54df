// Any bytes read as a card file: no crash, no hang, what was read saves and
// reads back to the same cards, the file's index says the same of every
// card, and it finds the file as written exactly when the writer writes
// those bytes.
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
    QList<qint64> lineStarts;
    if (!zek::writeCardFile(content.cards, written, nullptr, &lineStarts))
        std::abort(); // every byte read must be writable again
    // a box is written where it stands only in a file as the writer writes it
    if (index.asWritten() != (written == bytes) || !zek::CardFileIndex(written).asWritten())
        std::abort();
    for (qsizetype i = 0; index.asWritten() && i < index.size(); ++i)
        if (index.start(i) != lineStarts[i])
            std::abort();
    const zek::CardFileContent again = zek::readCardFile(written);
    if (again.cards != content.cards || !again.complete())
        std::abort();
    QByteArray twice;
    zek::writeCardFile(again.cards, twice);
    if (twice != written)
        std::abort();
    return 0;
}
