// Times programs from their start until their window is on the screen: the
// time from fork to the MapNotify of a top-level window with the given title
// on the X server of DISPLAY (a virtual one, without window manager). Two
// programs are started in turn, pair after pair; the medians and their ratio
// are printed. A moment after its window came, each program is asked to end
// (SIGTERM, as a logout does), and the time until it has ended is printed as
// well: leaving must stay quick, whatever the start left running.
//
// Each program starts on a quiet machine: what the run before left working
// (a speech daemon answering the voices asked for, which lives on after its
// client) is waited out first, so that it counts against neither program.
//
//   zek_start_timer PAIRS TITLE PROGRAM_A [ARGS...] -- PROGRAM_B [ARGS...]
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The window's title: _NET_WM_NAME (UTF-8) where it has one, else WM_NAME,
// which Qt writes in Latin-1 for a title such as "Wer übt heute?".
std::string windowName(xcb_connection_t *x, xcb_window_t window, bool utf8 = true)
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

struct Timing {
    double start = -1; // until the window is mapped; negative when it did not come within a minute
    double leave = -1; // from SIGTERM until the program has ended
};

// Ends the child: SIGTERM, after five seconds SIGKILL. The seconds until it
// had ended, negative when it had to be killed.
double endChild(pid_t child)
{
    const Clock::time_point asked = Clock::now();
    kill(child, SIGTERM);
    while (Clock::now() - asked < std::chrono::seconds(5)) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return std::chrono::duration<double>(Clock::now() - asked).count();
        usleep(500);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

// The machine's idle and total time so far, in clock ticks of all its cores.
std::pair<long long, long long> cpuTicks()
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
void waitForQuiet()
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

Timing timeOne(xcb_connection_t *x, const std::string &title, std::vector<char *> argv)
{
    waitForQuiet();
    while (xcb_generic_event_t *e = xcb_poll_for_event(x))
        std::free(e); // what earlier runs left
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    Timing timing;
    double &seconds = timing.start;
    const int fd = xcb_get_file_descriptor(x);
    while (seconds < 0 && Clock::now() - start < std::chrono::seconds(60)) {
        xcb_generic_event_t *e = xcb_poll_for_event(x);
        if (!e) {
            if (xcb_connection_has_error(x))
                break;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(e);
            const Clock::time_point mapped = Clock::now();
            if (!map->override_redirect && windowName(x, map->window) == title)
                seconds = std::chrono::duration<double>(mapped - start).count();
        }
        std::free(e);
    }
    if (seconds >= 0)
        usleep(300000); // the first frame drawn, reading aloud being started
    timing.leave = endChild(child);
    return timing;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> a, b;
    bool second = false;
    for (int i = 3; i < argc; ++i) {
        if (!second && std::strcmp(argv[i], "--") == 0)
            second = true;
        else
            (second ? b : a).push_back(argv[i]);
    }
    const int pairs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (pairs < 1 || a.empty() || b.empty()) {
        std::fprintf(stderr, "usage: %s PAIRS TITLE PROGRAM_A [ARGS...] -- PROGRAM_B [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[2];

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server on DISPLAY\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> ta, tb, la, lb;
    for (int i = 0; i < pairs; ++i) {
        const Timing sa = timeOne(x, title, a);
        const Timing sb = timeOne(x, title, b);
        if (sa.start < 0 || sb.start < 0) {
            std::fprintf(stderr, "a window did not come (pair %d)\n", i + 1);
            return 1;
        }
        if (sa.leave < 0 || sb.leave < 0) {
            std::fprintf(stderr, "a program did not end within five seconds (pair %d)\n", i + 1);
            return 1;
        }
        ta.push_back(sa.start);
        tb.push_back(sb.start);
        la.push_back(sa.leave);
        lb.push_back(sb.leave);
        std::printf("pair %2d: %.4f s  %.4f s   (leaving %.4f s  %.4f s)\n", i + 1, sa.start, sb.start, sa.leave,
                    sb.leave);
    }
    const double ma = median(ta), mb = median(tb);
    std::printf("%s: median %.4f s, leaving %.4f s\n%s: median %.4f s, leaving %.4f s\nratio: %.2f\n", a[0], ma,
                median(la), b[0], mb, median(lb), mb / ma);
    xcb_disconnect(x);
    return 0;
}
