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
#include "XWindows.h"

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

using namespace zek::bench;

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
