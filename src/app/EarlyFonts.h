#pragma once

#include <thread>

namespace zek::ui {

// Reads the system's list of fonts on a thread of its own while the main
// thread builds the first window, which needs that list for its first text.
// Made once the application object and the font substitutes are in place;
// its end waits for the thread, which is long done by then.
class EarlyFonts {
public:
    EarlyFonts();
    ~EarlyFonts();
    EarlyFonts(const EarlyFonts &) = delete;
    EarlyFonts &operator=(const EarlyFonts &) = delete;

private:
    std::thread m_thread;
};

} // namespace zek::ui
