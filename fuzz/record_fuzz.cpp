// Any bytes read as a practice record: no crash, no hang; every line read
// writes back to a line that reads the same (the text asked and typed
// included); the statistics and the kinds of mistake take them all.
#include "record/ErrorTypes.h"
#include "record/PracticeRecord.h"
#include "record/Progress.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<zek::RecordLine> lines =
        zek::readRecord(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const zek::RecordLine &line : lines) {
        const QList<zek::RecordLine> again = zek::readRecord(zek::recordLineBytes(line));
        if (again.size() != 1 || again[0] != line)
            std::abort();
        const auto type = zek::errorTypeOf(line);
        if (type && (int(*type) < 0 || int(*type) >= zek::errorTypeCount))
            std::abort();
        if (type)
            zek::showsPattern(*type, line.language, line.asked);
    }
    zek::mostFrequentErrorType(lines);
    const zek::CardList cards{{QStringLiteral("2"), QStringLiteral("Haus"), {}, {}}};
    for (QChar language : {u'D', u'E', u'F'}) {
        const zek::LanguageProgress progress = zek::progressOf(lines, language, cards, QDate(2026, 3, 2));
        if (progress.days.isEmpty() || progress.mostWrong.size() > 10)
            std::abort();
    }
    return 0;
}
