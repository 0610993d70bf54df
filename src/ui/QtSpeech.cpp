// Reading aloud through Qt TextToSpeech (speech-dispatcher with the espeak-ng
// voices on Linux). The engine lives in a thread of its own: starting it can
// take a second, and a speech daemon that hangs must never hold the window.
// Until it has answered, no voice is there and "Vorlesen" stays off.
#include "QtPlatform.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

namespace zek::ui {

class SpeechWorker : public QObject {
    Q_OBJECT
public:
    void start()
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
    void say(const QString &text, const QLocale &locale)
    {
        if (!m_tts)
            return;
        m_tts->stop(); // pressed again: the word starts again, nothing queues up
        m_tts->setLocale(locale);
        m_tts->setRate(-0.3); // a calm pace for children
        m_tts->say(text);
    }

signals:
    void ready(const QList<QLocale> &locales);

private:
    QTextToSpeech *m_tts = nullptr;
};

namespace {

QLocale::Language languageOf(const QString &code)
{
    if (code == u"D")
        return QLocale::German;
    if (code == u"E")
        return QLocale::English;
    if (code == u"F")
        return QLocale::French;
    return QLocale::AnyLanguage;
}

// The voice's locale for a language: the one of its home country where
// there is one (Germany, Great Britain, France), else any; C for none.
QLocale localeFor(const QList<QLocale> &available, const QString &code)
{
    const QLocale::Language language = languageOf(code);
    const QLocale::Territory home = language == QLocale::English ? QLocale::UnitedKingdom
                                  : language == QLocale::German  ? QLocale::Germany
                                                                 : QLocale::France;
    QLocale found = QLocale::c();
    for (const QLocale &l : available) {
        if (language == QLocale::AnyLanguage || l.language() != language)
            continue;
        if (l.territory() == home)
            return l;
        if (found == QLocale::c())
            found = l;
    }
    return found;
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
    if (!m_speechThread)
        return;
    m_speechThread->quit();
    if (!m_speechThread->wait(3000)) {
        // a hung speech daemon: the thread goes with the process
        m_speechThread->setParent(nullptr);
        (void)m_speechThread.release();
    }
}

void QtPlatform::startSpeech()
{
    if (m_speechThread)
        return;
    m_speechThread = std::make_unique<QThread>();
    auto *worker = new SpeechWorker;
    m_speechWorker = worker;
    worker->moveToThread(m_speechThread.get());
    connect(m_speechThread.get(), &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &SpeechWorker::ready, this, [this](const QList<QLocale> &locales) {
        // the voice of each language, chosen once: the window asks at every keystroke
        m_voices.clear();
        for (const char *code : {"D", "E", "F"}) {
            const QLocale locale = localeFor(locales, QLatin1String(code));
            if (locale != QLocale::c())
                m_voices.insert(QLatin1String(code), locale);
        }
        emit speechReady();
    });
    m_speechThread->start();
    QMetaObject::invokeMethod(worker, &SpeechWorker::start, Qt::QueuedConnection);
}

bool QtPlatform::hasVoice(const QString &languageCode) { return m_voices.contains(languageCode); }

void QtPlatform::speak(const QString &text, const QString &languageCode)
{
    if (!m_voices.contains(languageCode) || !m_speechWorker)
        return;
    const QLocale locale = m_voices.value(languageCode);
    auto *worker = static_cast<SpeechWorker *>(m_speechWorker.data());
    QMetaObject::invokeMethod(worker, [worker, text, locale] { worker->say(text, locale); }, Qt::QueuedConnection);
}

} // namespace zek::ui

#include "QtSpeech.moc"
