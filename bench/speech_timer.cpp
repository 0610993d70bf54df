// Times the trainer from its window to the first text it hands to the
// speech daemon: the time from fork to the MapNotify of its window on the X
// server of DISPLAY, and to the end of its first text ("SPEAK", the text,
// ".") on the way to a private speech-dispatcher with the espeak-ng voices
// and an audio output that needs no sound device. The program reaches the
// daemon through a relay on a socket of its own ($SPEECHD_ADDRESS), which
// sees every byte it sends. The card box given must dictate (the first word
// is spoken at once).
//
// "cold": the daemon is started when the program first connects, as a
// desktop starts it on first use; "warm": it is running already. Each run
// starts on a quiet machine. The medians are printed.
//
//   zek_speech_timer RUNS TITLE PROGRAM [ARGS...]
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

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zek::bench;

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

int connectTo(const std::string &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    close(fd);
    return -1;
}

// The private daemon: its folders, its configuration, its process.
struct Daemon {
    std::string folder, socket;
    pid_t pid = -1;

    explicit Daemon(const std::string &f) : folder(f), socket(f + "/run/speechd.sock")
    {
        mkdir((folder + "/run").c_str(), 0700);
        mkdir((folder + "/conf").c_str(), 0700);
        mkdir((folder + "/conf/speech-dispatcher").c_str(), 0700);
        std::ofstream(folder + "/conf/speech-dispatcher/speechd.conf")
            << "DisableAutoSpawn\nLogLevel 1\nLogDir \"" << folder << "/run\"\n"
            << "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\nDefaultModule espeak-ng\n"
            << "AudioOutputMethod \"libao\"\n";
        symlink("/etc/speech-dispatcher/modules", (folder + "/conf/speech-dispatcher/modules").c_str());
    }
    bool start()
    {
        pid = fork();
        if (pid == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            const std::string conf = folder + "/conf/speech-dispatcher", pidFile = folder + "/run/pid";
            execlp("speech-dispatcher", "speech-dispatcher", "--run-single", "--config-dir", conf.c_str(),
                   "--socket-path", socket.c_str(), "--timeout", "0", "--pid-file", pidFile.c_str(), nullptr);
            _exit(127);
        }
        const Clock::time_point start = Clock::now();
        while (since(start) < 10) {
            const int fd = connectTo(socket);
            if (fd >= 0) {
                close(fd);
                return true;
            }
            usleep(2000);
        }
        return false;
    }
    void stop()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        pid = -1;
        unlink(socket.c_str());
    }
};

struct Timing {
    double window = -1, text = -1;
};

// One run: the program started, every connection relayed to the daemon,
// until its window is mapped and its first text has gone through.
Timing timeOne(xcb_connection_t *x, const std::string &title, std::vector<char *> argv, int relay, Daemon &daemon,
               bool cold)
{
    if (cold)
        daemon.stop();
    else if (daemon.pid < 0 && !daemon.start())
        return {};
    waitForQuiet();
    while (xcb_generic_event_t *e = xcb_poll_for_event(x))
        std::free(e);
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    Timing timing;
    struct Pair {
        int client, server;
        std::string sent; // what the client sent, while its first text is not through
    };
    std::vector<Pair> pairs;
    while ((timing.window < 0 || timing.text < 0) && since(start) < 30) {
        std::vector<pollfd> fds{{xcb_get_file_descriptor(x), POLLIN, 0}, {relay, POLLIN, 0}};
        for (const Pair &p : pairs) {
            fds.push_back({p.client, POLLIN, 0});
            fds.push_back({p.server, POLLIN, 0});
        }
        poll(fds.data(), fds.size(), 50);
        while (xcb_generic_event_t *e = xcb_poll_for_event(x)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (!map->override_redirect && timing.window < 0 && windowName(x, map->window) == title)
                    timing.window = since(start);
            }
            std::free(e);
        }
        if (fds[1].revents & POLLIN) {
            const int client = accept4(relay, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0 && daemon.pid < 0)
                daemon.start(); // cold: the daemon starts on the first call
            const int server = client >= 0 ? connectTo(daemon.socket) : -1;
            if (server >= 0)
                pairs.push_back({client, server, {}});
            else if (client >= 0)
                close(client);
        }
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            Pair &p = pairs[i];
            char bytes[65536];
            for (const bool fromClient : {true, false}) {
                const pollfd &f = fds[2 + 2 * i + (fromClient ? 0 : 1)];
                if (!(f.revents & (POLLIN | POLLHUP)))
                    continue;
                const ssize_t n = read(fromClient ? p.client : p.server, bytes, sizeof bytes);
                if (n <= 0) {
                    shutdown(fromClient ? p.server : p.client, SHUT_WR);
                    continue;
                }
                (void)!write(fromClient ? p.server : p.client, bytes, std::size_t(n));
                if (fromClient && timing.text < 0) {
                    p.sent.append(bytes, std::size_t(n));
                    const std::size_t speak = p.sent.find("SPEAK\r\n");
                    if (speak != std::string::npos && p.sent.find("\r\n.\r\n", speak) != std::string::npos)
                        timing.text = since(start);
                }
            }
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    for (const Pair &p : pairs) {
        close(p.client);
        close(p.server);
    }
    return timing;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? -1 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 3 ? std::atoi(argv[1]) : 0;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s RUNS TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[2];
    const std::vector<char *> program(argv + 3, argv + argc);
    signal(SIGPIPE, SIG_IGN); // a side of the relay that has gone is seen by read()

    char folderName[] = "/tmp/zek-speech-XXXXXX";
    if (!mkdtemp(folderName))
        return 1;
    Daemon daemon(folderName);
    const std::string relayPath = daemon.folder + "/relay.sock";
    const int relay = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, relayPath.c_str(), sizeof address.sun_path - 1);
    if (bind(relay, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || listen(relay, 8) != 0)
        return 1;
    // the program finds the relay, and starts no daemon of its own
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + relayPath).c_str(), 1);
    setenv("XDG_CONFIG_HOME", (daemon.folder + "/conf").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (daemon.folder + "/run").c_str(), 1);

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server on DISPLAY\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    int failed = 0;
    for (const bool cold : {true, false}) {
        std::vector<double> windows, texts;
        for (int i = 0; i < runs; ++i) {
            const Timing t = timeOne(x, title, program, relay, daemon, cold);
            std::printf("%s run %2d: window %.4f s, first text %.4f s, after the window %.4f s\n",
                        cold ? "cold" : "warm", i + 1, t.window, t.text, t.text - t.window);
            if (t.window < 0 || t.text < 0) {
                ++failed;
                continue;
            }
            windows.push_back(t.window);
            texts.push_back(t.text - t.window);
        }
        std::printf("%s daemon: window median %.4f s, first text handed to the daemon %.4f s after the window\n",
                    cold ? "cold" : "warm", median(windows), median(texts));
    }
    daemon.stop();
    close(relay);
    unlink(relayPath.c_str());
    xcb_disconnect(x);
    return failed ? 1 : 0;
}
