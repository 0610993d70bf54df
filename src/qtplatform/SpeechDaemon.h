#pragma once

#include <QByteArray>
#include <QString>

namespace zek::ui {

// Where the system's speech daemon (speech-dispatcher) listens: the path
// that $SPEECHD_ADDRESS gives ("unix_socket:PATH"), else its socket in the
// user's runtime folder. Empty where the address is not a local socket.
QString speechDaemonSocket();

// Asks the system to start a speech daemon on that socket, as the daemon's
// own clients do ("--spawn": not where the user has turned that off). Waits
// at most timeoutMs for the starter; false when no daemon was started.
bool spawnSpeechDaemon(const QString &socket, int timeoutMs);

// One connection to the speech daemon in its text protocol (SSIP) over its
// local socket. Every call waits at most timeoutMs for an answer and gives
// up at once when the wake-up descriptor turns readable (the program
// leaves). A call that fails closes the connection: a daemon that has gone
// is never called again.
class SpeechDaemon {
public:
    // wakeDescriptor: readable when every wait must end; -1 for none.
    SpeechDaemon(int wakeDescriptor, int timeoutMs);
    ~SpeechDaemon();
    SpeechDaemon(const SpeechDaemon &) = delete;
    SpeechDaemon &operator=(const SpeechDaemon &) = delete;

    // Connects, names the program and sets a calm pace for children.
    bool open(const QString &socket);
    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    // Speaks the text in the language ("de"), ending what this program
    // still had spoken; the daemon has taken the text when this is true.
    bool speak(const QString &text, const QByteArray &language);
    // The pace of the texts that follow, from -100 to 100 as the daemon
    // counts it; the connection starts at openingRate.
    bool setRate(int rate);
    static constexpr int openingRate = -30;
    // Looks at the socket while nothing was asked: true (and closed) when
    // the daemon has gone.
    bool hungUp();
    // Says goodbye where the daemon still answers, and closes.
    void close();

private:
    bool command(const QByteArray &line, char expectedClass = '2');
    bool send(const QByteArray &bytes);
    bool reply(char expectedClass);
    bool waitReadable();
    void drop();

    int m_fd = -1;
    int m_wake;
    int m_timeoutMs;
    QByteArray m_buffer; // what was read after the last reply
    QByteArray m_language; // the language the connection speaks now
    bool m_spoken = false; // a text may still be spoken
    int m_rate = openingRate; // the pace the connection speaks at now
};

} // namespace zek::ui
