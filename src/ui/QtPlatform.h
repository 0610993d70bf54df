#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>

#include <memory>

class QApplication;
class QThread;

namespace zek::ui {

// Message and input boxes as Qt dialogs, modal over the active window; the
// default printer through Qt and CUPS.
class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    QtPlatform();
    ~QtPlatform() override;

    // Starts the speech engine in a thread of its own; speechReady() says
    // when it has answered (until then no voice is there).
    void startSpeech();
    Answer messageBox(const Message &message) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    int secondsSinceMidnight() const override;
    PrinterMetrics printerMetrics(const QString &font, double points) override;
    PrintOutcome print(const QList<PrintedPage> &pages, const QString &what, const QString &folder) override;
    bool hasVoice(const QString &languageCode) override;
    void speak(const QString &text, const QString &languageCode) override;

signals:
    void speechReady();

private:
    std::unique_ptr<QThread> m_speechThread;
    QPointer<QObject> m_speechWorker;
    QHash<QString, QLocale> m_voices; // language code → the voice's locale
    QString m_printerFont = QStringLiteral("Comic Sans MS");
    double m_printerPoints = 16;
};

// CR LF and single CR become the line breaks Qt shows.
QString screenText(const QString &text);

// The look-alikes of the fonts the windows name, and Qt's own texts in German.
void installFontSubstitutes();
void installGermanTranslation(QApplication &app);

} // namespace zek::ui
