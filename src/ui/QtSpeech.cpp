// Reading aloud through Qt TextToSpeech (speech-dispatcher with the espeak-ng
// voices on Linux). The engine lives in a thread of its own: starting it can
// take a second, and a speech daemon that hangs (it does, without a sound
// device, once it has spoken) blocks every call into it. The window never
// waits for it: a text goes to the engine only when the one before has been
// taken, and an engine that keeps a text longer than two seconds has no voice
// until it answers again.
#include "QtPlatform.h"

#include "cards/Languages.h"

#include <QEvent>
#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <QWidget>

#include <functional>

namespace zek::ui {

namespace {

class SystemSpeech : public SpeechEngine {
public:
    void start() override
    {
        if (!QTextToSpeech::availableEngines().isEmpty()) {
            m_tts = new QTextToSpeech(this);
            if (m_tts->state() == QTextToSpeech::Error) {
                delete m_tts;
                m_tts = nullptr;
            }
        }
        emit ready(m_tts ? m_tts->availableLocales() : QList<QLocale>());
    }
    void say(const QString &text, const QLocale &voice) override
    {
        if (m_tts) {
            m_tts->stop(); // pressed again: the word starts again
            m_tts->setLocale(voice);
            m_tts->setRate(-0.3); // a calm pace for children
            m_tts->say(text);
        }
        emit said();
    }

private:
    QTextToSpeech *m_tts = nullptr;
};

constexpr int answerMilliseconds = 2000;

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

// The voice's locale for a language: the one of its home country where
// there is one (Germany, Great Britain, France), else any; C for none.
QLocale localeFor(const QList<QLocale> &available, const LanguageRecord &language)
{
    QLocale found = QLocale::c();
    for (const QLocale &l : available) {
        if (l.language() != language.voice)
            continue;
        if (l.territory() == language.voiceHome)
            return l;
        if (found == QLocale::c())
            found = l;
    }
    return found;
}

} // namespace

QtPlatform::QtPlatform() : m_answerWait(this)
{
    m_answerWait.setObjectName(QStringLiteral("speechAnswer"));
    m_answerWait.setSingleShot(true);
    m_answerWait.setInterval(answerMilliseconds);
    connect(&m_answerWait, &QTimer::timeout, this, &QtPlatform::answerOverdue);
}

// Leaving never waits for the speech engine. Its thread is neither stopped
// nor joined: a hung daemon would hold it, and the engine's own tear-down
// talks to the daemon too. It stays parked (or blocked in the daemon) and
// ends with the process; the card file has been saved before this runs.
QtPlatform::~QtPlatform() = default;

void QtPlatform::startSpeech(SpeechEngine *engine)
{
    if (m_speechThread)
        return;
    m_speechThread = new QThread;
    m_speechThread->setObjectName(QStringLiteral("speech"));
    m_speechEngine = engine ? engine : new SystemSpeech;
    m_speechEngine->moveToThread(m_speechThread);
    connect(m_speechEngine, &SpeechEngine::ready, this, &QtPlatform::voicesFound);
    connect(m_speechEngine, &SpeechEngine::said, this, &QtPlatform::answered);
    m_speechThread->start();
    QMetaObject::invokeMethod(m_speechEngine, &SpeechEngine::start, Qt::QueuedConnection);
}

void QtPlatform::startSpeechAfterFirstPaint(QWidget *window, SpeechEngine *engine)
{
    afterFirstPaint(window, [this, engine] { startSpeech(engine); });
}

void QtPlatform::afterFirstPaint(QWidget *window, std::function<void()> command)
{
    window->installEventFilter(new FirstPaint(window, this, std::move(command)));
}

void QtPlatform::voicesFound(const QList<QLocale> &locales)
{
    // the voice of each language, chosen once: the window asks at every keystroke
    m_voices.clear();
    for (const LanguageRecord &language : languages) {
        const QLocale locale = localeFor(locales, language);
        if (locale != QLocale::c())
            m_voices.insert(language.codeText(), locale);
    }
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

bool QtPlatform::hasVoice(const QString &languageCode) { return !m_silent && m_voices.contains(languageCode); }

void QtPlatform::speak(const QString &text, const QString &languageCode)
{
    // nothing queues behind a text the engine has not taken yet
    if (!hasVoice(languageCode) || m_answerWait.isActive())
        return;
    m_answerWait.start();
    const QLocale voice = m_voices.value(languageCode);
    SpeechEngine *engine = m_speechEngine;
    QMetaObject::invokeMethod(
        engine, [engine, text, voice] { engine->say(text, voice); }, Qt::QueuedConnection);
}

} // namespace zek::ui
