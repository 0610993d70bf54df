// Any bytes read as a language file: at most three lines, none holding a
// line end, and the lines are the text of the file.
#include "cards/Cp1252.h"
#include "cards/Language.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = zek::readLanguageLines(bytes);
    if (lines.size() > 3)
        std::abort();
    qsizetype characters = 0;
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            std::abort();
        characters += line.size();
    }
    if (characters > bytes.size())
        std::abort();
    if (!lines.isEmpty() && !zek::cp1252::decode(bytes).startsWith(lines.front()))
        std::abort();
    return 0;
}
