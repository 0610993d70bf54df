#pragma once

#include <QString>

// The one door to the outside world: modal boxes and the clock. The program
// asks it synchronously, from inside an operation, exactly where a box is due.
namespace zek {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question, Critical };
enum class Answer { Ok, Yes, No };

// A message box as the program asks for it. Line breaks in title and text are
// CR characters (sometimes CR LF); the platform shows them as line breaks.
struct Message {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal; the buttons read "OK", or "Ja" and "Nein".
    virtual Answer messageBox(const Message &message) = 0;

    // Modal input box with "OK" and "Abbrechen"; Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;

    virtual int secondsSinceMidnight() const = 0;
};

} // namespace zek
