#pragma once

#include <QDateTime>
#include <QString>

namespace zek {

class Clock;
class Dialogs;

// The teacher's password of a class. It lives in "ZEK-Klasse.ini" in the
// class folder as one line, only ever as an Argon2id hash:
//
//   Kennwort=$argon2id$v=19$m=65536,t=2,p=1$…     a password is set
//   Kennwort=ohne                                  the teacher chose none
//
// No such line (or no file): nothing is decided yet, and the class works as
// it always did until a teacher function is first used. Every other line of
// the file is kept as it stands; the file is replaced atomically. The file is
// read anew for every question, so a password set on another computer counts
// at once; deleting the line is how a forgotten password is reset.
//
// Three wrong passwords in a row are followed by a wait of 30 seconds before
// the next is taken, timed by the clock given.
class ClassPassword {
public:
    enum class State { Undecided, Without, Set };
    enum class Check { Right, Wrong, Waiting };

    ClassPassword(const QString &classFolder, const Clock &clock);

    State state() const;
    // Sets the password typed twice; the German reason when it is refused
    // (too short, the two differ) or cannot be written, else empty.
    QString set(const QString &password, const QString &again);
    // "Ohne Kennwort"; false when the file cannot be written.
    bool setWithout();
    // Whether password is the class's. While a wait runs, no password is
    // compared at all: Waiting.
    Check check(const QString &password);
    // The seconds still to wait before the next password is taken; 0 when none.
    int secondsToWait() const;

    static QString fileName() { return QStringLiteral("ZEK-Klasse.ini"); }
    static constexpr int shortest = 6; // characters
    static constexpr int triesBeforeWait = 3;
    static constexpr int waitSeconds = 30;

private:
    QString storedLine() const;
    bool storeLine(const QString &value);

    QString m_folder;
    const Clock &m_clock;
    int m_wrong = 0; // wrong passwords in a row
    QDateTime m_waitEnds;
};

// Whether the teacher may go on to what title names, asked through the boxes:
// with a password set, the password until it is right or the teacher cancels
// (a wrong one is "Das Kennwort stimmt nicht."); with none decided and
// decideNow, the choice between setting one and going on without; otherwise
// at once.
bool teacherMayGoOn(ClassPassword &password, Dialogs &dialogs, const QString &title, bool decideNow);

// Asks for the password until it is right (true) or the teacher cancels; a
// wait that runs is named instead.
bool askPassword(ClassPassword &password, Dialogs &dialogs, const QString &title, const QString &prompt);

// Asks for a new password, typed twice, until it is good or the teacher
// cancels; true when it is set.
bool askNewPassword(ClassPassword &password, Dialogs &dialogs, const QString &title);

} // namespace zek
