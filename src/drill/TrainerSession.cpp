#include "TrainerSession.h"

#include "Drill.h"
#include "RescueCopy.h"
#include "record/PracticeRecord.h"
#include "cards/CardStore.h"
#include "games/Messages.h"
#include "platform/Platform.h"
#include "cards/Languages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zek {

TrainerSession::TrainerSession(const QString &folder, SharedState &shared, CardStore &store, Drill &drill,
                               Platform &platform)
    : m_folder(folder), m_shared(shared), m_store(store), m_drill(drill), m_platform(platform), m_lock(folder)
{
    // queued: the save runs once the keystroke that answered the card is
    // done and its next card is shown, never while a key is judged
    connect(&drill, &Drill::cardAnswered, this, &TrainerSession::saveProgress, Qt::QueuedConnection);
    connect(&drill, &Drill::cardRecorded, this, &TrainerSession::recordAnswer);
}

void TrainerSession::recordAnswer(const QString &baseWord, int boxBefore, int boxAfter, bool right,
                                  const QString &asked, const QString &typed)
{
    const QDateTime now = m_platform.localTime();
    // written with the card's save, once the keystroke is done
    m_unsavedRecord.append({now.date(), now.time().msecsSinceStartOfDay() / 1000,
                            m_language.code().isEmpty() ? QChar() : m_language.code()[0], baseWord, boxBefore, boxAfter,
                            right, false, asked, typed});
}

bool TrainerSession::saveRecord()
{
    FolderWriter &writer = m_store.writer();
    if (m_lateRecord.written && !writer.busy()) {
        if (*m_lateRecord.written)
            m_unsavedRecord.remove(0, m_lateRecord.count);
        m_lateRecord = {};
    }
    if (m_unsavedRecord.isEmpty())
        return true;
    const QList<RecordLine> lines = m_unsavedRecord;
    auto written = std::make_shared<std::atomic<bool>>(false);
    switch (writer.run([folder = m_folder, lines, written] {
        *written = appendToRecord(folder, lines);
        return bool(*written);
    })) {
    case FolderWriter::Outcome::Done: m_unsavedRecord.clear(); return true;
    case FolderWriter::Outcome::Abandoned: m_lateRecord = {written, lines.size()}; return false;
    case FolderWriter::Outcome::Failed:
    case FolderWriter::Outcome::Busy: return false;
    }
    return false;
}

bool TrainerSession::saveAll(bool tell)
{
    const bool cards =
        m_store.saveCardList(cardFile(), tell ? CardStore::OnFailure::Tell : CardStore::OnFailure::Quiet);
    // a folder that took no cards keeps the lines for later too
    const bool record = cards && saveRecord();
    const QString note = !cards ? QStringLiteral("Die Antworten sind noch nicht gespeichert.")
        : !record               ? QStringLiteral("Der Verlauf wird nicht gespeichert.")
                                : QString();
    if (note != m_recordNote) {
        m_recordNote = note;
        emit changed();
    }
    return cards && record;
}

bool TrainerSession::startUp()
{
    m_wide = false;
    m_userName = m_startUserName;
    if (!takeLock())
        return false;
    if (cardBoxFilesIn(m_folder) < cardBoxFiles().size()) {
        m_platform.messageBox({QStringLiteral("ZEKKarte abbrechen"),
                               QStringLiteral("Die Installation ist so nicht vollständig,\r"
                                              "der Programmstart wird abgebrochen!\r")});
        m_lock.unlock();
        return false;
    }
    m_language.readLanguageFile(m_folder, m_platform);
    m_settings = readSettings(m_folder);
    m_drill.setDictation(m_settings.dictation);
    m_drill.setSpeech(m_settings.aids.rate, m_settings.aids.speakSyllables);
    // The switch from the initial "F" selects German and loads its cards; it
    // is the activation after start-up, so the first card is drawn only once.
    switchLanguage();
    emit focusAnswer();
    return true;
}

namespace {

// "Ben übt gerade an Computer „PC-07“ (seit 10:32 Uhr).", or for a card box
// alone "Die Kartei ist an Computer „PC-07“ geöffnet (seit 10:32 Uhr)."
QString whoHolds(const LockHolder &holder)
{
    const QString since = holder.since.toString(QStringLiteral("HH:mm"));
    return holder.child.isEmpty() ? QStringLiteral("Die Kartei ist an Computer \u201e%1\u201c geöffnet (seit %2 Uhr).")
                                        .arg(holder.computer, since)
                                  : QStringLiteral("%1 übt gerade an Computer \u201e%2\u201c (seit %3 Uhr).")
                                        .arg(holder.child, holder.computer, since);
}

// The same for a lock of more than a school day, with its date.
QString whoHeldLong(const LockHolder &holder)
{
    const QString since = holder.since.toString(QStringLiteral("dd.MM.yyyy, HH:mm"));
    const QString whose =
        holder.child.isEmpty() ? QStringLiteral("Die Kartei") : QStringLiteral("Die Kartei von %1").arg(holder.child);
    return QStringLiteral("%1 ist seit mehr als einem Schultag an Computer \u201e%2\u201c geöffnet "
                          "(seit %3 Uhr).\rDer Computer wurde wohl ausgeschaltet, ohne sie zu schließen.")
        .arg(whose, holder.computer, since);
}

} // namespace

bool TrainerSession::takeLock()
{
    const QString title = QStringLiteral("ZEK-Rechtschreibkartei");
    FolderLock::State state = m_lock.lock(m_platform.localTime());
    if (state == FolderLock::State::Elsewhere) {
        const LockHolder &holder = m_lock.holder();
        const QString who = holder.olderThanASchoolDay(m_platform.localTime()) ? whoHeldLong(holder) : whoHolds(holder);
        const QStringList buttons{QStringLiteral("Trotzdem öffnen"), QStringLiteral("Abbrechen")};
        const qsizetype answer = m_platform.choiceBox(
            {title,
             who
                 + QStringLiteral("\r\rBitte nur dann trotzdem öffnen, wenn dieser Computer wirklich aus ist. "
                                  "Läuft die Kartei dort noch, wird dort ab jetzt nichts mehr gespeichert: "
                                  "Was dort noch geantwortet wird, geht verloren."),
             buttons, 1, Icon::Critical});
        if (answer != 0) {
            m_lock.unlock();
            return false;
        }
        state = m_lock.takeOver();
    }
    switch (state) {
    case FolderLock::State::Locked:
    case FolderLock::State::Unavailable: m_lockLost = false; return true;
    case FolderLock::State::Running: m_platform.messageBox({title, whoHolds(m_lock.holder())}); return false;
    default:
        m_platform.messageBox(
            {title, QStringLiteral("Die ZEK-Rechtschreibkartei ist in diesem Ordner schon geöffnet.")});
        return false;
    }
}

bool TrainerSession::holdsLock(bool tell)
{
    if (m_lockLost)
        return false;
    // The lock file lies in the card folder: it is read where the saves run,
    // so a server that has gone holds the window no longer than a save does.
    // A read that cannot finish there counts as held, as a file that cannot
    // be read does; only a file gone or another's is looked at here.
    const FolderWriter::Outcome read = m_store.writer().run(
        [path = m_lock.path(), token = m_lock.token()] { return FolderLock::carriesToken(path, token); });
    if (read != FolderWriter::Outcome::Failed || m_lock.stillHeld())
        return true;
    m_lockLost = true;
    emit changed();
    if (tell)
        tellLockLost();
    return false;
}

// Said once, when the lock is found gone, and again when the editor is asked
// for: its changes could not be kept either.
void TrainerSession::tellLockLost()
{
    const LockHolder &holder = m_lock.holder();
    const QString whose =
        holder.child.isEmpty() ? QStringLiteral("Diese Kartei") : QStringLiteral("Die Kartei von %1").arg(holder.child);
    m_platform.messageBox({QStringLiteral("Kartei an einem anderen Computer geöffnet"),
                           QStringLiteral("%1 wurde an Computer \u201e%2\u201c geöffnet (um %3 Uhr).\r"
                                          "Was hier seitdem geantwortet wird, kann nicht gespeichert werden, "
                                          "sonst ginge die Arbeit dort verloren. Hier wird nichts mehr gespeichert.\r"
                                          "Bitte hier beenden und an Computer \u201e%2\u201c weiterüben.")
                               .arg(whose, holder.computer, holder.since.toString(QStringLiteral("HH:mm"))),
                           Buttons::Ok, Icon::Critical});
}

namespace {

// A stored setting read as a number; -1 when it is none.
int storedNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

} // namespace

void TrainerSession::activate()
{
    m_shared.mode = storedNumber(m_storedMode);
    m_shared.currentBox = storedNumber(m_storedBox);
    m_shared.level = storedNumber(m_storedLevel);
    loadLanguage(); // chooses the restored box, which draws a card
    emit focusAnswer();
}

void TrainerSession::switchLanguage()
{
    if (cardFile().isEmpty())
        return;
    // The boxes reached in the drill go into the file before another
    // language's cards replace them (not once another computer took the box).
    if (holdsLock()) {
        saveAll(true);
        if (m_store.isChanged())
            return;
    }
    m_language.advance();
    loadLanguage();
    dictationNeedsVoice();
}

// The main window's settings into the card box's settings file, keeping
// what the editor stores there.
void TrainerSession::storeSettings()
{
    if (!holdsLock())
        return;
    Settings stored = readSettings(m_folder);
    stored.dictation = m_settings.dictation;
    stored.aids = m_settings.aids;
    writeSettings(m_folder, stored);
}

void TrainerSession::loadLanguage()
{
    m_drill.clearCurrentCard();
    m_shared.currentCardFile = cardFile();
    m_store.loadCardList(m_shared.currentCardFile);
    m_drill.setVoiceLanguage(m_language.code());
    emit changed();
    m_drill.countBoxes();
    m_drill.chooseBox(m_shared.currentBox);
}

bool TrainerSession::voiceAvailable() const { return m_platform.hasVoice(m_language.code()); }

bool TrainerSession::anyVoice() const
{
    return std::any_of(languages.begin(), languages.end(),
                       [this](const LanguageRecord &l) { return m_platform.hasVoice(l.codeText()); });
}

QString TrainerSession::readAloudTip() const
{
    return speechButtonTip(m_platform, QStringLiteral("Vorlesen"), m_language.code());
}

QString TrainerSession::dictationTip() const
{
    return speechButtonTip(m_platform, QStringLiteral("H\u00f6rdiktat"), m_language.code());
}

void TrainerSession::readAloud()
{
    if (m_drill.dictating()) // in syllables or groups where dictation speaks so
        m_drill.speakTarget();
    else if (voiceAvailable() && !m_shared.targetText.isEmpty() && m_settings.aids.rate == SpeechRate::Normal)
        m_platform.speak(m_shared.targetText, m_language.code());
    else if (voiceAvailable() && !m_shared.targetText.isEmpty())
        m_platform.speakAtRate(m_shared.targetText, m_language.code(), m_settings.aids.rate);
}

void TrainerSession::toggleWidth()
{
    m_wide = !m_wide;
    emit changed();
}

void TrainerSession::changeUserName()
{
    const QString name = m_platform.inputBox(QStringLiteral("Neuer Name:"), QStringLiteral("Benutzername"), m_userName);
    if (name.isEmpty())
        return;
    m_userName = name;
    emit changed();
    m_platform.messageBox({QStringLiteral("Neuer Name: ") + name,
                           QStringLiteral("Der Benutzername wurde geändert.\r"
                                          "Die Karteikarten bleiben wie gesetzt.\r\r\r")});
}

void TrainerSession::editorPrompt()
{
    const QString answer = m_platform.inputBox(QStringLiteral("Geben Sie das Passwort ein:"),
                                               QStringLiteral("Passwortabfrage"), QString());
    if (answer == m_shared.targetText)
        openWindow(Window::Editor);
}

bool TrainerSession::openWindow(Window window)
{
    const auto tooFewWords = [this](const QString &title) {
        m_platform.messageBox(notEnoughWords(title));
        return false;
    };
    const qsizetype words = m_drill.counts().total;
    switch (window) {
    case Window::Hangman:
    case Window::WordPrison:
        if (m_shared.targetText.isEmpty())
            return false;
        if (words < 1)
            return tooFewWords(window == Window::Hangman ? QStringLiteral("Galgenspiel abbrechen")
                                                         : QStringLiteral("Gefängnisspiel abbrechen"));
        break;
    case Window::Memory:
        if (words < 18)
            return tooFewWords(QStringLiteral("Memoryspiel abbrechen"));
        break;
    default: break;
    }

    m_storedMode = QString::number(m_shared.mode);
    m_storedBox = QString::number(m_shared.currentBox);
    m_storedLevel = QString::number(m_shared.level);
    // the information window needs nothing saved: it opens after the message;
    // the editor, which saves each change, not once the lock is lost
    if (!holdsLock()) {
        if (window == Window::Editor) {
            tellLockLost();
            return false;
        }
    } else {
        saveAll(true);
        if (m_store.isChanged() && window != Window::Info)
            return false;
    }
    emit windowRequested(window);
    return true;
}

bool TrainerSession::exit()
{
    const Answer answer = m_platform.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"),
                                                 QStringLiteral("Die ZEK-Rechtschreibkartei beenden?\r"),
                                                 Buttons::YesNo, Icon::Critical, Answer::No});
    if (answer != Answer::Yes)
        return false;
    // A save that keeps failing (the card folder gone or read-only) must not
    // hold the child in the program; nor need the answers be lost.
    if (!holdsLock() || saveAll(true)) {
        emit quitRequested();
        return true;
    }
    const Choice choice{QStringLiteral("ZEK-Rechtschreibkartei"),
                        (m_store.isChanged() ? QStringLiteral("Die Karteikarten konnten nicht gespeichert werden.\r")
                                             : QStringLiteral("Der Verlauf konnte nicht gespeichert werden.\r"))
                            + QStringLiteral("Trotzdem beenden?"),
                        {QStringLiteral("Auf diesem Computer sichern"), QStringLiteral("Trotzdem beenden"),
                         QStringLiteral("Nicht beenden")},
                        2};
    const qsizetype chosen = m_platform.choiceBox(choice);
    if (chosen == 2 || (chosen == 0 && !keepOnThisComputer()))
        return false;
    emit quitRequested();
    return true;
}

bool TrainerSession::keepOnThisComputer()
{
    saveRecord(); // a record line given up may have landed since
    const QString kept = writeRescueCopy({m_rescueFolder.isEmpty() ? defaultRescueFolder() : m_rescueFolder,
                                          QFileInfo(m_folder).fileName(), m_folder, cardFile(), m_store.cards(),
                                          m_unsavedRecord, m_platform.localTime()});
    if (kept.isEmpty()) {
        m_platform.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"),
                               QStringLiteral("Die Kartei konnte auch auf diesem Computer nicht gesichert werden.\r")});
        return false;
    }
    m_platform.messageBox({QStringLiteral("Auf diesem Computer gesichert"),
                           QStringLiteral("Die Kartei ist auf diesem Computer gesichert, im Ordner\r%1\r\r"
                                          "Die Lehrkraft kann die Dateien von dort in den Ordner der Kartei "
                                          "zurückkopieren.\r")
                               .arg(QDir::toNativeSeparators(kept))});
    return true;
}

bool TrainerSession::endSession() { return holdsLock(false) && saveAll(true); }

void TrainerSession::saveProgress()
{
    if (holdsLock())
        saveAll(false);
}

void TrainerSession::endFromOutside()
{
    if (holdsLock(false))
        saveAll(false);
    emit quitRequested();
}

// Dictation and the reading aids. A folder that takes no file keeps them for
// the session, without a word.

void TrainerSession::speechChanged()
{
    m_voicesKnown = true;
    m_drill.voicesChanged();
    emit changed();
}

void TrainerSession::toggleDictation()
{
    if (!voiceAvailable())
        return;
    m_settings.dictation = !m_settings.dictation;
    storeSettings();
    emit changed();
    m_drill.setDictation(m_settings.dictation);
    emit focusAnswer();
}

void TrainerSession::dictationNeedsVoice()
{
    // before the engine has answered no voice is known, and none is missing;
    // a daemon that has gone silences every language and takes nothing away
    if (!m_settings.dictation || !m_voicesKnown || voiceAvailable() || !anyVoice())
        return;
    m_settings.dictation = false;
    storeSettings();
    m_drill.setDictation(false);
    emit changed();
    m_platform.messageBox({QStringLiteral("Hördiktat"),
                           QStringLiteral("Für diese Sprache gibt es keine Sprachausgabe.\r"
                                          "Das Hördiktat ist jetzt ausgeschaltet.\r")});
    emit focusAnswer();
}

void TrainerSession::applyReadingAids(const ReadingAids &aids)
{
    m_settings.aids = aids;
    m_drill.setSpeech(aids.rate, aids.speakSyllables);
    storeSettings();
    emit changed();
    emit focusAnswer();
}

} // namespace zek
