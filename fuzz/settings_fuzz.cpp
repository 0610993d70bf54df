// Any bytes read as a settings file give settings, and those settings come
// back unchanged from the file the program writes for them.
#include "cards/Settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const zek::Settings settings = zek::parseSettings(bytes);
    if (int(settings.aids.font) > 2 || int(settings.aids.spacing) > 2 || int(settings.aids.size) > 1)
        std::abort();
    if (!(zek::parseSettings(zek::settingsBytes(settings)) == settings))
        std::abort();
    return 0;
}
