#pragma once

// A card box of the largest size for the benchmarks, written into a
// temporary folder: three card files and a language file.
#include "cards/CardList.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace zek::bench {

// Answers every box: OK, or "Ja" to a question.
class QuietPlatform : public Platform {
public:
    Answer messageBox(const Message &m) override
    {
        ++messages;
        return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    qsizetype choiceBox(const Choice &choice) override { return choice.defaultButton; }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    QString passwordBox(const QString &, const QString &) override { return {}; }
    QString openFileName(const FileDialog &) override { return {}; }
    QString saveFileName(const FileDialog &) override { return {}; }
    bool confirmImport(const ImportPreview &) override { return false; }
    int secondsSinceMidnight() const override { return 0; }
    QDateTime localTime() const override { return QDateTime::currentDateTime(); }
    PrinterMetrics printerMetrics(const QString &, double) override { return {}; }
    PrintOutcome print(const QList<PrintedPage> &, const QString &, double, const QString &, const QString &) override
    {
        return {};
    }
    PrintOutcome printDrawing(const PageDrawing &, const QString &, const QString &) override { return {}; }
    PrintOutcome printPages(const PagesDrawing &, bool, const QString &, const QString &) override { return {}; }
    bool hasVoice(const QString &) override { return false; }
    bool speechStarting() override { return false; }
    void speak(const QString &, const QString &) override {}
    void speakAtRate(const QString &, const QString &, zek::SpeechRate) override {}
    int messages = 0;
};

// Cards sorted by base word, the boxes spread over "0" to "6".
inline QByteArray largeCardFile(qsizetype cards = maxCards)
{
    QByteArray bytes;
    bytes.reserve(cards * 72);
    for (qsizetype i = 0; i < cards; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
        bytes += QByteArray::number(i % 7) + ", W\xf6rter" + n + ", Wortfamilie" + n + ", Ein kurzer Satz mit dem Wort "
            + n
            + " und \xfc"
              "berall Stra\xdf"
              "en.\r\n";
    }
    return bytes;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

inline void writeLargeBox(const QString &folder, qsizetype count = maxCards)
{
    const QByteArray cards = largeCardFile(count);
    for (const char *name : {"ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        writeFile(QDir(folder).filePath(QLatin1String(name)), cards);
    writeFile(QDir(folder).filePath("ZEKCARDS.INI"),
              "A\xc4"
              "BCDEFGHIJKLMNO\xd6PQRSTU\xdcVWXYZ\xdf\r\nABC\r\nABC\xe9\r\n");
}

// The largest card box, written once per benchmark program.
inline QTemporaryDir &largeBox()
{
    static QTemporaryDir dir;
    static const bool written = (writeLargeBox(dir.path()), true);
    (void)written;
    return dir;
}

} // namespace zek::bench
