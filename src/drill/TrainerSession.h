#pragma once

#include "cards/Folder.h"
#include "cards/Language.h"
#include "cards/Settings.h"
#include "cards/SharedState.h"
#include "record/PracticeRecord.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

namespace zek {

class CardStore;
class Drill;
class Platform;

// The windows the tool bar opens.
enum class Window { Editor, Memory, Hangman, WordPrison, WordShow, Info };

// The session behind the main window, apart from the drill itself: start-up
// with its installation check, activation, the language switch, the tool bar
// commands, the user name, saving the progress and the exit.
class TrainerSession : public QObject {
    Q_OBJECT
public:
    TrainerSession(const QString &folder, SharedState &shared, CardStore &store, Drill &drill, Platform &platform);

    // False when another copy runs on the folder or the installation is
    // incomplete: the program ends unsaved.
    bool startUp();
    // On every return from another window of the program.
    void activate();

    void switchLanguage(); // Bild13
    void loadLanguage();
    void toggleWidth(); // Bild17
    void changeUserName(); // Picture1
    void editorPrompt(); // Bild19
    // "Vorlesen" and F2: what the child must type now, in the current
    // language's voice. Changes nothing of the drill.
    void readAloud();
    bool voiceAvailable() const;
    // The tool tips of "Vorlesen" and "Hördiktat": why they are grey.
    QString readAloudTip() const;
    QString dictationTip() const;
    // The speech engine has answered: the button shows whether it speaks.
    void speechChanged();
    // Checks what the window needs, stores the settings, saves the cards and
    // asks for the window; false when it does not open.
    bool openWindow(Window window);
    // Bild1 and the window frame: true when the program ends now. Where the
    // answers cannot be saved (the card folder's server gone), the child's
    // box can be kept on this computer instead.
    bool exit();
    // The information window was closed: nothing is reloaded, the answer box
    // gets the focus back.
    void returnFromInfo() { emit focusAnswer(); }
    // The desktop session ends: the cards are saved without a question.
    bool endSession();
    // A card was answered: its new box goes into the file, its line into the
    // practice record. A save that fails or does not answer within two
    // seconds is told by the note, and tried again after each card until it
    // works; till then the answers are kept in memory.
    void saveProgress();
    // The program is ended from outside (shut-down, kill, Ctrl+C): the cards
    // are saved without a word and the program ends.
    void endFromOutside();

    // The quiet note in the main window when the answers or the practice
    // record cannot be written; empty while they can.
    const QString &recordNote() const { return m_recordNote; }
    // Where "Auf diesem Computer sichern" puts a child's box:
    // ~/ZEK-Rettung unless given.
    void setRescueFolder(const QString &folder) { m_rescueFolder = folder; }

    const Language &language() const { return m_language; }
    const QString &userName() const { return m_userName; }
    // The user name that start-up sets: "Freund", or in a class the child's
    // name, which the lock then gives as well.
    void setStartUserName(const QString &name)
    {
        m_startUserName = name;
        m_lock.setChild(name);
    }
    // The computer's name the lock gives: the host name unless set.
    void setComputerName(const QString &name) { m_lock.setComputer(name); }
    // The card box was opened on another computer since (a teacher lifted
    // this copy's lock there): nothing is saved here any more.
    bool lockLost() const { return m_lockLost; }
    bool isWide() const { return m_wide; }

    // The three stored settings (aufgfeld, fachfeld, levelfeld) as text.
    const QString &storedMode() const { return m_storedMode; }
    const QString &storedBox() const { return m_storedBox; }
    const QString &storedLevel() const { return m_storedLevel; }

    // Dictation and the reading aids: settings of the card box, read at
    // start-up and stored in its folder on every change.
    const Settings &settings() const { return m_settings; }
    void toggleDictation(); // "Hördiktat", usable while a voice speaks the language
    void applyReadingAids(const ReadingAids &aids); // "OK" of "Leseschrift"

signals:
    void changed();
    void focusAnswer();
    void windowRequested(zek::Window window);
    void quitRequested();

private:
    // The folder's lock at start-up: true when the program may run.
    bool takeLock();
    // Before each save: whether the lock is still this copy's. When lost,
    // the copy says so once (tell) and saves nothing from then on.
    bool holdsLock(bool tell = true);
    void tellLockLost();
    void storeSettings();
    // A line for the practice record, taken at the answer and written once
    // the keystroke is done; a record that cannot be written only sets the
    // note.
    void recordAnswer(const QString &baseWord, int boxBefore, int boxAfter, bool right, const QString &asked,
                      const QString &typed);
    // Saves the cards and the record lines kept; sets the note. True when
    // both are on the disk.
    bool saveAll(bool tell);
    bool saveRecord();
    // Writes the box and the record lines not saved into the rescue folder
    // and says where; false, with a message, when that failed too.
    bool keepOnThisComputer();

    // The card file of the current language.
    QString cardFile() const { return cardFileName(m_language.code()); }
    // After a language switch: dictation without a voice is turned off.
    void dictationNeedsVoice();
    bool anyVoice() const; // a voice speaks one of the card languages

    QString m_folder;
    SharedState &m_shared;
    CardStore &m_store;
    Drill &m_drill;
    Platform &m_platform;
    Language m_language;
    QString m_userName = QStringLiteral("Freund");
    QString m_startUserName = QStringLiteral("Freund");
    bool m_wide = false;
    QString m_storedMode = QStringLiteral("1");
    QString m_storedBox = QStringLiteral("1");
    QString m_storedLevel = QStringLiteral("1");
    bool m_lockLost = false;
    QString m_recordNote;
    QList<RecordLine> m_unsavedRecord; // answered, not yet in the record
    // A write of the first count of them that was given up; written tells
    // whether it landed in the end.
    struct LateRecord {
        std::shared_ptr<std::atomic<bool>> written;
        qsizetype count = 0;
    } m_lateRecord;
    QString m_rescueFolder;
    FolderLock m_lock;
    Settings m_settings;
    bool m_voicesKnown = false; // the speech engine has answered once
};

} // namespace zek
