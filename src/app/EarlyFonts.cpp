#include "app/EarlyFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <system_error>

namespace zek::ui {

EarlyFonts::EarlyFonts()
{
    try {
        // the font database may be used from any thread; the first use reads the list
        m_thread = std::thread([] { QFontDatabase::families(); });
    } catch (const std::system_error &) {
        // no thread to be had: the first text reads the list itself
    }
}

EarlyFonts::~EarlyFonts()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace zek::ui
