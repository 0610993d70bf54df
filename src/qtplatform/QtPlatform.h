#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QApplication;
class QThread;
class QWidget;

namespace zek::ui {

// The speech engine behind reading aloud. It lives in a thread of its own,
// where start() and say() may take as long as the system's speech daemon
// takes (each call into the daemon has a deadline). start() and every
// change of the connection end with voicesChanged(); say() ends with
// said(). leave() may be called from any thread: every wait in the engine
// ends, and it calls into the daemon no more; stop() then closes in the
// engine's own thread.
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    virtual void start() = 0;
    // languageCode: the voice's language, "de", "en", "fr"
    virtual void say(const QString &text, const QString &languageCode) = 0;
    // The pace of the next text, from -100 to 100 as speech-dispatcher counts it.
    virtual void setRate(int) {}
    virtual void leave() {}
    virtual void stop() {}

signals:
    // whether the engine speaks now: a daemon answers
    void voicesChanged(bool speaking);
    void said();
};

// Message and input boxes as Qt dialogs, modal over the active window; the
// default printer through Qt and CUPS; reading aloud through the system's
// speech engine.
class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    QtPlatform();
    ~QtPlatform() override;

    // Starts the speech engine (the system's, or the one given, which it
    // takes) in a thread of its own; until it has answered, no voice is
    // there and speechStarting() says so. A text it has not taken within
    // two seconds silences every voice until it answers again; a daemon that
    // goes silences them until one answers again. speechChanged() says when
    // the voices come or go.
    void startSpeech(SpeechEngine *engine = nullptr);
    // The same once the window has been painted for the first time: the
    // engine and the speech daemon it may start never compete with the
    // first frame. Speech counts as starting from now on.
    void startSpeechAfterFirstPaint(QWidget *window, SpeechEngine *engine = nullptr);
    // Runs a command once the window's first frame is on the screen: for what
    // nobody sees in that frame.
    void afterFirstPaint(QWidget *window, std::function<void()> command);

    // Dialogs: Qt's boxes, modal over the active window.
    Answer messageBox(const Message &message) override;
    qsizetype choiceBox(const Choice &choice) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString passwordBox(const QString &prompt, const QString &title) override;
    QString openFileName(const FileDialog &dialog) override;
    QString saveFileName(const FileDialog &dialog) override;
    bool confirmImport(const ImportPreview &preview) override;
    // Clock
    int secondsSinceMidnight() const override;
    QDateTime localTime() const override;
    // PrintService: the default printer through Qt and CUPS.
    PrinterMetrics printerMetrics(const QString &font, double points) override;
    PrintOutcome print(const QList<PrintedPage> &pages, const QString &font, double points, const QString &what,
                       const QString &folder) override;
    PrintOutcome printDrawing(const PageDrawing &draw, const QString &what, const QString &folder) override;
    PrintOutcome printPages(const PagesDrawing &draw, bool landscape, const QString &what,
                            const QString &folder) override;
    // Speech: the speech engine's thread.
    bool hasVoice(const QString &languageCode) override;
    bool speechStarting() override { return m_starting; }
    void speak(const QString &text, const QString &languageCode) override;
    void speakAtRate(const QString &text, const QString &languageCode, SpeechRate rate) override;

signals:
    void speechChanged();

private:
    void voicesFound(bool speaking);
    void answered();
    void answerOverdue();

    QThread *m_speechThread = nullptr; // stopped with a deadline at exit
    SpeechEngine *m_speechEngine = nullptr; // lives in m_speechThread
    QTimer m_answerWait; // "speechAnswer": a text is waiting for the engine
    bool m_starting = false; // started, and not answered yet
    bool m_speaking = false; // the engine has a daemon that answers
    bool m_silent = false; // the engine let a text wait too long
};

// CR LF and single CR become the line breaks Qt shows.
QString screenText(const QString &text);

// The look-alikes of the fonts the windows name, and Qt's own texts in German.
void installFontSubstitutes();
void installGermanTranslation(QApplication &app);

} // namespace zek::ui
