#include "qtplatform/SpeechDaemon.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zek::ui {

QString speechDaemonSocket()
{
    const QString address = qEnvironmentVariable("SPEECHD_ADDRESS");
    if (!address.isEmpty()) {
        const QString method = address.section(u':', 0, 0);
        const QString path = address.section(u':', 1);
        if (method != QLatin1String("unix_socket"))
            return {};
        if (!path.isEmpty() && path != QLatin1String("default"))
            return path;
    }
    // the daemon's own default: the runtime folder, else the cache folder
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = qEnvironmentVariable("XDG_CACHE_HOME", QDir::home().filePath(QStringLiteral(".cache")));
    return QDir(folder).filePath(QStringLiteral("speech-dispatcher/speechd.sock"));
}

bool spawnSpeechDaemon(const QString &socket, int timeoutMs)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
    if (program.isEmpty())
        return false;
    QProcess starter;
    starter.setStandardOutputFile(QProcess::nullDevice());
    starter.setStandardErrorFile(QProcess::nullDevice());
    starter.start(program,
                  {QStringLiteral("--spawn"), QStringLiteral("--communication-method"), QStringLiteral("unix_socket"),
                   QStringLiteral("--socket-path"), socket});
    if (!starter.waitForFinished(timeoutMs)) {
        starter.kill(); // the starter only, by its pid; a daemon it made lives on
        starter.waitForFinished(100);
        return false;
    }
    return starter.exitStatus() == QProcess::NormalExit && starter.exitCode() == 0;
}

SpeechDaemon::SpeechDaemon(int wakeDescriptor, int timeoutMs) : m_wake(wakeDescriptor), m_timeoutMs(timeoutMs) {}

SpeechDaemon::~SpeechDaemon() { drop(); }

bool SpeechDaemon::open(const QString &socket)
{
    drop();
    const QByteArray path = QFile::encodeName(socket);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0)
        return false;
    // a local socket connects at once or not at all
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        drop();
        return false;
    }
    QByteArray user = qgetenv("USER").replace(' ', '_').replace(':', '_');
    if (user.isEmpty())
        user = "user";
    return command("SET SELF CLIENT_NAME " + user + ":zek-rechtschreibkartei:main")
        && command("SET SELF RATE " + QByteArray::number(openingRate));
}

bool SpeechDaemon::setRate(int rate)
{
    if (m_fd < 0)
        return false;
    if (rate == m_rate)
        return true;
    if (!command("SET SELF RATE " + QByteArray::number(rate)))
        return false;
    m_rate = rate;
    return true;
}

bool SpeechDaemon::speak(const QString &text, const QByteArray &language)
{
    if (m_fd < 0)
        return false;
    // a new text ends the one still spoken
    if (m_spoken && !command("CANCEL SELF"))
        return false;
    if (language != m_language) {
        if (!command("SET SELF LANGUAGE " + language))
            return false;
        m_language = language;
    }
    // one line; a line that begins with a dot has it doubled, the text ends
    // with a line of one dot
    QByteArray body = text.toUtf8().replace('\r', ' ').replace('\n', ' ');
    if (body.startsWith('.'))
        body.prepend('.');
    if (!command("SPEAK", '2') || !send(body + "\r\n.\r\n") || !reply('2'))
        return false;
    m_spoken = true;
    return true;
}

bool SpeechDaemon::hungUp()
{
    if (m_fd < 0)
        return true;
    char bytes[256];
    for (;;) {
        const ssize_t n = ::recv(m_fd, bytes, sizeof bytes, MSG_DONTWAIT);
        if (n > 0)
            continue; // nothing is asked: what comes is not for us
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return false;
        if (n < 0 && errno == EINTR)
            continue;
        drop();
        return true;
    }
}

void SpeechDaemon::close()
{
    if (m_fd >= 0)
        command("QUIT");
    drop();
}

bool SpeechDaemon::command(const QByteArray &line, char expectedClass)
{
    return send(line + "\r\n") && reply(expectedClass);
}

bool SpeechDaemon::send(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.constData() + done, std::size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd writable[2] = {{m_fd, POLLOUT, 0}, {m_wake, POLLIN, 0}};
            if (::poll(writable, m_wake >= 0 ? 2 : 1, m_timeoutMs) <= 0 || writable[1].revents != 0
                || (writable[0].revents & (POLLERR | POLLHUP)) != 0)
                drop();
        } else {
            drop(); // the daemon has gone
        }
    }
    return m_fd >= 0;
}

// Reads one reply: lines "NNN-…" go on, "NNN …" ends it; true when its
// code begins with the expected digit.
bool SpeechDaemon::reply(char expectedClass)
{
    for (;;) {
        const qsizetype end = m_buffer.indexOf("\r\n");
        if (end >= 0) {
            const QByteArray line = m_buffer.left(end);
            m_buffer.remove(0, end + 2);
            if (line.size() >= 4 && line.at(3) == '-')
                continue;
            if (line.size() < 3 || line.at(0) != expectedClass) {
                drop(); // a refusal or something not spoken in this protocol
                return false;
            }
            return true;
        }
        if (!waitReadable())
            return false;
        char bytes[4096];
        const ssize_t n = ::recv(m_fd, bytes, sizeof bytes, 0);
        if (n > 0) {
            m_buffer.append(bytes, n);
        } else if (!(n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))) {
            drop();
            return false;
        }
    }
}

bool SpeechDaemon::waitReadable()
{
    pollfd readable[2] = {{m_fd, POLLIN, 0}, {m_wake, POLLIN, 0}};
    int n;
    do
        n = ::poll(readable, m_wake >= 0 ? 2 : 1, m_timeoutMs);
    while (n < 0 && errno == EINTR);
    if (n <= 0 || readable[1].revents != 0) {
        drop(); // no answer in time, or the program leaves
        return false;
    }
    return true;
}

void SpeechDaemon::drop()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_buffer.clear();
    m_language.clear();
    m_spoken = false;
    m_rate = openingRate;
}

} // namespace zek::ui
