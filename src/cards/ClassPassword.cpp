#include "ClassPassword.h"

#include "AtomicFile.h"
#include "ExtraFile.h"
#include "Folder.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QStringList>

#include <sodium.h>

namespace zek {
namespace {

const QString key = QStringLiteral("Kennwort=");
const QString without = QStringLiteral("ohne");
constexpr qint64 longestFile = 64 * 1024;

QStringList fileLines(const QString &path)
{
    const QString text = QString::fromUtf8(readRegularFile(path, longestFile).value_or(QByteArray()));
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// libsodium is made ready once, before its first use.
bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

ClassPassword::ClassPassword(const QString &classFolder, const Clock &clock) : m_folder(classFolder), m_clock(clock) {}

QString ClassPassword::storedLine() const
{
    for (const QString &line : fileLines(filePath(m_folder, fileName())))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    return {};
}

// The line replaced, or added at the end; every other line as it was.
bool ClassPassword::storeLine(const QString &value)
{
    const QString path = filePath(m_folder, fileName());
    QStringList lines = fileLines(path);
    bool replaced = false;
    for (QString &line : lines)
        if (line.startsWith(key) && !replaced) {
            line = key + value;
            replaced = true;
        }
    if (!replaced)
        lines << key + value;
    return writeFileAtomically(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

ClassPassword::State ClassPassword::state() const
{
    const QString stored = storedLine();
    if (stored.isEmpty())
        return State::Undecided;
    return stored == without ? State::Without : State::Set;
}

QString ClassPassword::set(const QString &password, const QString &again)
{
    if (password.size() < shortest)
        return QStringLiteral("Das Kennwort muss mindestens %1 Zeichen haben.").arg(shortest);
    if (password != again)
        return QStringLiteral("Die beiden Eingaben sind nicht gleich.\rBitte das Kennwort noch einmal festlegen.");
    const QByteArray bytes = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    // the limits for a password typed at a window: some 0.1 s and 64 MiB on
    // a school computer, more than enough against guessing from the file
    if (!sodiumReady()
        || crypto_pwhash_str(hash, bytes.constData(), quint64(bytes.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                             crypto_pwhash_MEMLIMIT_INTERACTIVE)
            != 0)
        return QStringLiteral("Das Kennwort lässt sich nicht verschlüsseln (zu wenig Speicher).");
    if (!storeLine(QString::fromLatin1(hash)))
        return QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht schreiben.\rEs gilt das bisherige Kennwort.")
            .arg(fileName());
    m_wrong = 0;
    return {};
}

bool ClassPassword::setWithout() { return storeLine(without); }

int ClassPassword::secondsToWait() const
{
    if (!m_waitEnds.isValid())
        return 0;
    const qint64 left = m_clock.localTime().msecsTo(m_waitEnds);
    return left > 0 ? int((left + 999) / 1000) : 0;
}

ClassPassword::Check ClassPassword::check(const QString &password)
{
    if (secondsToWait() > 0)
        return Check::Waiting;
    const QByteArray stored = storedLine().toLatin1();
    const QByteArray bytes = password.toUtf8();
    if (sodiumReady() && stored.startsWith("$argon2id$")
        && crypto_pwhash_str_verify(stored.constData(), bytes.constData(), quint64(bytes.size())) == 0) {
        m_wrong = 0;
        m_waitEnds = {};
        return Check::Right;
    }
    if (++m_wrong % triesBeforeWait == 0)
        m_waitEnds = m_clock.localTime().addSecs(waitSeconds);
    return Check::Wrong;
}

bool askNewPassword(ClassPassword &password, Dialogs &dialogs, const QString &title)
{
    for (;;) {
        const QString first = dialogs.passwordBox(
            QStringLiteral("Neues Kennwort der Lehrkraft (mindestens %1 Zeichen):").arg(ClassPassword::shortest),
            title);
        if (first.isEmpty())
            return false;
        const QString again = dialogs.passwordBox(QStringLiteral("Bitte das Kennwort noch einmal eingeben:"), title);
        if (again.isEmpty())
            return false;
        const QString refused = password.set(first, again);
        if (refused.isEmpty())
            return true;
        dialogs.messageBox({title, refused});
    }
}

bool teacherMayGoOn(ClassPassword &password, Dialogs &dialogs, const QString &title, bool decideNow)
{
    switch (password.state()) {
    case ClassPassword::State::Without: return true;
    case ClassPassword::State::Undecided: {
        if (!decideNow)
            return true;
        const qsizetype chosen =
            dialogs.choiceBox({QStringLiteral("Lehrkraft-Kennwort festlegen"),
                               QStringLiteral("Mit einem Kennwort öffnen nur Sie das Menü der Lehrkraft,\r"
                                              "den Lernfortschritt der Kinder und \u201eNeues Kind \u2026\u201c.\r"
                                              "Ohne Kennwort kann jedes Kind alle Ergebnisse sehen."),
                               {QStringLiteral("Lehrkraft-Kennwort festlegen"), QStringLiteral("Ohne Kennwort"),
                                QStringLiteral("Abbrechen")},
                               0});
        if (chosen == 0)
            return askNewPassword(password, dialogs, QStringLiteral("Lehrkraft-Kennwort festlegen"));
        if (chosen == 1 && !password.setWithout())
            dialogs.messageBox({title,
                                QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht schreiben.\r"
                                               "Beim nächsten Mal wird wieder gefragt.")
                                    .arg(ClassPassword::fileName())});
        return chosen == 1;
    }
    case ClassPassword::State::Set: break;
    }
    return askPassword(password, dialogs, title, QStringLiteral("Kennwort der Lehrkraft:"));
}

bool askPassword(ClassPassword &password, Dialogs &dialogs, const QString &title, const QString &prompt)
{
    for (;;) {
        const int wait = password.secondsToWait();
        if (wait > 0) {
            dialogs.messageBox(
                {title,
                 QStringLiteral("Bitte noch %1 Sekunden warten,\rdann das Kennwort noch einmal eingeben.").arg(wait)});
            return false;
        }
        const QString typed = dialogs.passwordBox(prompt, title);
        if (typed.isEmpty())
            return false;
        if (password.check(typed) == ClassPassword::Check::Right)
            return true;
        dialogs.messageBox({title, QStringLiteral("Das Kennwort stimmt nicht.")});
    }
}

} // namespace zek
