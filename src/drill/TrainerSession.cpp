#include "TrainerSession.h"

#include "Drill.h"
#include "record/PracticeRecord.h"
#include "cards/CardStore.h"
#include "games/Messages.h"
#include "platform/Platform.h"
#include "cards/Languages.h"

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

void TrainerSession::recordAnswer(const QString &baseWord, int boxBefore, int boxAfter, bool right)
{
    const QDateTime now = m_platform.localTime();
    const RecordLine line{now.date(),
                          now.time().msecsSinceStartOfDay() / 1000,
                          m_language.code().isEmpty() ? QChar() : m_language.code()[0],
                          baseWord,
                          boxBefore,
                          boxAfter,
                          right};
    QMetaObject::invokeMethod(
        this,
        [this, line] {
            const QString note =
                appendToRecord(m_folder, line) ? QString() : QStringLiteral("Der Verlauf wird nicht gespeichert.");
            if (note != m_recordNote) {
                m_recordNote = note;
                emit changed();
            }
        },
        Qt::QueuedConnection);
}

bool TrainerSession::startUp()
{
    m_wide = false;
    m_userName = m_startUserName;
    if (m_lock.lock() == FolderLock::State::Busy) {
        m_platform.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"),
                               QStringLiteral("Die ZEK-Rechtschreibkartei ist in diesem Ordner schon geöffnet.")});
        return false;
    }
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
    // language's cards replace them.
    if (!m_store.saveCardList(cardFile()))
        return;
    m_language.advance();
    loadLanguage();
    dictationNeedsVoice();
}

// The main window's settings into the card box's settings file, keeping
// what the editor stores there.
void TrainerSession::storeSettings()
{
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
    // the information window needs nothing saved: it opens after the message
    if (!m_store.saveCardList(cardFile()) && window != Window::Info)
        return false;
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
    // hold the child in the program.
    if (!m_store.saveCardList(cardFile())
        && m_platform.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"),
                                  QStringLiteral("Die Karteikarten konnten nicht gespeichert werden.\r"
                                                 "Trotzdem beenden?"),
                                  Buttons::YesNo, Icon::Question, Answer::No})
            != Answer::Yes)
        return false;
    emit quitRequested();
    return true;
}

bool TrainerSession::endSession() { return m_store.saveCardList(cardFile()); }

void TrainerSession::saveProgress()
{
    m_saveFailing =
        !m_store.saveCardList(cardFile(), m_saveFailing ? CardStore::OnFailure::Quiet : CardStore::OnFailure::Tell);
}

void TrainerSession::endFromOutside()
{
    m_store.saveCardList(cardFile(), CardStore::OnFailure::Quiet);
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
