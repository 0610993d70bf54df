// Reading aloud through the system's speech daemon (speech-dispatcher),
// spoken to in its own protocol over its local socket. The engine lives in a
// thread of its own: starting the daemon takes a moment, and a daemon that
// hangs (it does, without a sound device, once it has spoken) keeps every
// call waiting until its deadline. The window never waits for it: a text
// goes to the engine only when the one before has been taken, and an engine
// that keeps a text longer than two seconds has no voice until it answers
// again. A daemon that goes away (killed, crashed) is noticed on its socket
// and never called again; the engine asks for a daemon every second until
// one answers, and then speaks again. Only the languages of the card files
// are asked for, by name, at each text: the daemon's list of every voice it
// has (13,362 with espeak-ng) takes seconds and is never read.
#include "qtplatform/QtPlatform.h"
#include "qtplatform/SpeechDaemon.h"

#include "cards/Languages.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QLocale>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <functional>

#include <sys/eventfd.h>
#include <unistd.h>

namespace zek::ui {

namespace {

constexpr int answerMilliseconds = 2000;
constexpr int startMilliseconds = 3000; // for the daemon's starter
constexpr int retryMilliseconds = 1000; // while no daemon answers
constexpr int leaveMilliseconds = 500; // what leaving gives the engine's thread

class DaemonSpeech : public SpeechEngine {
public:
    DaemonSpeech() : m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_daemon(m_wake, answerMilliseconds) {}
    ~DaemonSpeech() override
    {
        if (m_wake >= 0)
            ::close(m_wake);
    }

    void start() override
    {
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        m_retry->setInterval(retryMilliseconds);
        connect(m_retry, &QTimer::timeout, this, &DaemonSpeech::reach);
        reach();
    }
    void setRate(int rate) override { m_rate = rate; }
    void say(const QString &text, const QString &languageCode) override
    {
        if (!m_leaving && m_daemon.isOpen()
            && (!m_daemon.setRate(m_rate) || !m_daemon.speak(text, languageCode.toLatin1())))
            lost();
        emit said();
    }
    void leave() override
    {
        m_leaving = true;
        const quint64 one = 1;
        if (m_wake >= 0 && ::write(m_wake, &one, sizeof one) < 0)
            return; // the counter is full: it is readable anyway
    }
    void stop() override
    {
        unwatch();
        delete m_retry;
        m_retry = nullptr;
        m_daemon.close();
    }

private:
    // Connects to the daemon; where none answers, has one started, once
    // after each loss, as the daemon's own clients do.
    void reach()
    {
        if (m_leaving)
            return;
        const QString socket = speechDaemonSocket();
        bool open = !socket.isEmpty() && m_daemon.open(socket);
        if (!open && m_mayStart && !socket.isEmpty()) {
            m_mayStart = false;
            open = spawnSpeechDaemon(socket, startMilliseconds) && !m_leaving && m_daemon.open(socket);
        }
        if (!open) {
            tell(false);
            if (!m_leaving)
                m_retry->start();
            return;
        }
        m_mayStart = true;
        m_watch = new QSocketNotifier(qintptr(m_daemon.descriptor()), QSocketNotifier::Read, this);
        connect(m_watch, &QSocketNotifier::activated, this, [this] {
            if (m_daemon.hungUp())
                lost();
        });
        tell(true);
    }
    void lost()
    {
        unwatch();
        m_daemon.close();
        tell(false);
        if (!m_leaving && m_retry)
            m_retry->start();
    }
    void unwatch()
    {
        if (m_watch) {
            m_watch->setEnabled(false);
            m_watch->deleteLater();
            m_watch = nullptr;
        }
    }
    void tell(bool speaking)
    {
        if (m_told && speaking == m_speaking)
            return;
        m_told = true;
        m_speaking = speaking;
        emit voicesChanged(speaking);
    }

    int m_wake;
    SpeechDaemon m_daemon;
    std::atomic<bool> m_leaving{false};
    int m_rate = SpeechDaemon::openingRate; // the pace of the next text
    QTimer *m_retry = nullptr;
    QSocketNotifier *m_watch = nullptr;
    bool m_mayStart = true;
    bool m_told = false;
    bool m_speaking = false;
};

// Runs a command once the window it watches has been painted for the first
// time, after that paint has gone to the screen.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget *window, QObject *context, std::function<void()> command)
        : QObject(window), m_context(context), m_command(std::move(command))
    {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            if (m_context)
                QTimer::singleShot(0, m_context, std::move(m_command));
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QObject> m_context;
    std::function<void()> m_command;
};

} // namespace

QtPlatform::QtPlatform() : m_answerWait(this)
{
    m_answerWait.setObjectName(QStringLiteral("speechAnswer"));
    m_answerWait.setSingleShot(true);
    m_answerWait.setInterval(answerMilliseconds);
    connect(&m_answerWait, &QTimer::timeout, this, &QtPlatform::answerOverdue);
}

// Leaving gives the speech engine a moment: every wait in it ends at once,
// it closes its connection and its thread ends. A thread still held after
// that (the daemon's starter) is left to end with the process; the card
// file has been saved before this runs.
QtPlatform::~QtPlatform()
{
    if (!m_speechThread)
        return;
    m_speechEngine->leave();
    QMetaObject::invokeMethod(m_speechEngine, &SpeechEngine::stop, Qt::QueuedConnection);
    m_speechThread->quit();
    if (m_speechThread->wait(QDeadlineTimer(leaveMilliseconds))) {
        delete m_speechEngine;
        delete m_speechThread;
    }
}

void QtPlatform::startSpeech(SpeechEngine *engine)
{
    if (m_speechThread)
        return;
    m_speechThread = new QThread;
    m_speechThread->setObjectName(QStringLiteral("speech"));
    m_speechEngine = engine ? engine : new DaemonSpeech;
    m_speechEngine->moveToThread(m_speechThread);
    m_starting = true;
    connect(m_speechEngine, &SpeechEngine::voicesChanged, this, &QtPlatform::voicesFound);
    connect(m_speechEngine, &SpeechEngine::said, this, &QtPlatform::answered);
    m_speechThread->start();
    QMetaObject::invokeMethod(m_speechEngine, &SpeechEngine::start, Qt::QueuedConnection);
}

void QtPlatform::startSpeechAfterFirstPaint(QWidget *window, SpeechEngine *engine)
{
    m_starting = true;
    afterFirstPaint(window, [this, engine] { startSpeech(engine); });
}

void QtPlatform::afterFirstPaint(QWidget *window, std::function<void()> command)
{
    window->installEventFilter(new FirstPaint(window, this, std::move(command)));
}

void QtPlatform::voicesFound(bool speaking)
{
    m_starting = false;
    m_speaking = speaking;
    emit speechChanged();
}

void QtPlatform::answered()
{
    m_answerWait.stop();
    if (m_silent) {
        m_silent = false;
        emit speechChanged();
    }
}

void QtPlatform::answerOverdue()
{
    if (m_silent)
        return;
    m_silent = true;
    emit speechChanged();
}

// Every language of the card files is asked for by name; the daemon speaks
// it with its voice for that language.
bool QtPlatform::hasVoice(const QString &languageCode)
{
    return m_speaking && !m_silent && findLanguage(languageCode) != nullptr;
}

void QtPlatform::speak(const QString &text, const QString &languageCode)
{
    speakAtRate(text, languageCode, SpeechRate::Normal);
}

// The daemon's pace for each rate: the calm pace every text starts at, and
// slower steps for a child who writes along.
void QtPlatform::speakAtRate(const QString &text, const QString &languageCode, SpeechRate rate)
{
    // nothing queues behind a text the engine has not taken yet
    if (!hasVoice(languageCode) || m_answerWait.isActive())
        return;
    m_answerWait.start();
    const QString voice = QLocale::languageToCode(findLanguage(languageCode)->voice);
    SpeechEngine *engine = m_speechEngine;
    const int pace = rate == SpeechRate::VerySlow ? -75 : rate == SpeechRate::Slow ? -55 : SpeechDaemon::openingRate;
    QMetaObject::invokeMethod(
        engine,
        [engine, text, voice, pace] {
            engine->setRate(pace);
            engine->say(text, voice);
        },
        Qt::QueuedConnection);
}

} // namespace zek::ui
