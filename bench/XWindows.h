#pragma once
// What the start benchmarks share: a window's title on the X server, and
// waiting for a quiet machine before a program is started.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include <unistd.h>

namespace zek::bench {

using Clock = std::chrono::steady_clock;

// The window's title: _NET_WM_NAME (UTF-8) where it has one, else WM_NAME,
// which Qt writes in Latin-1 for a title such as "Wer übt heute?".
inline std::string windowName(xcb_connection_t *x, xcb_window_t window, bool utf8 = true)
{
    static const xcb_atom_t netName = [x] {
        const char name[] = "_NET_WM_NAME";
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, sizeof name - 1, name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return a;
    }();
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        x, 0, window, utf8 ? netName : xcb_atom_t(XCB_ATOM_WM_NAME), XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(x, cookie, nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                    std::size_t(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name.empty() && utf8 ? windowName(x, window, false) : name;
}

// The machine's idle and total time so far, in clock ticks of all its cores.
inline std::pair<long long, long long> cpuTicks()
{
    std::ifstream stat("/proc/stat");
    std::string cpu;
    long long idle = 0, total = 0, value = 0;
    stat >> cpu;
    for (int field = 0; field < 10 && stat >> value; ++field) {
        total += value;
        if (field == 3 || field == 4) // idle, waiting for the disk
            idle += value;
    }
    return {idle, total};
}

// Waits until the machine has been at least 90 % idle for a tenth of a
// second, at most three seconds.
inline void waitForQuiet()
{
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(3);
    while (Clock::now() < giveUp) {
        const auto [idle0, total0] = cpuTicks();
        usleep(100000);
        const auto [idle1, total1] = cpuTicks();
        if (total1 > total0 && double(idle1 - idle0) >= 0.9 * double(total1 - total0))
            return;
    }
}

} // namespace zek::bench
