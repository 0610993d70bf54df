#pragma once

#include "Boxes.h"
#include "ImportPreview.h"

namespace zek {

// The modal boxes. The program asks them synchronously, from inside an
// operation, exactly where a box is due, and goes on with the answer.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The buttons read "OK", or "Ja" and "Nein".
    virtual Answer messageBox(const Message &message) = 0;
    // The index of the button chosen; where no box can be shown, the default.
    virtual qsizetype choiceBox(const Choice &choice) = 0;
    // An input box with "OK" and "Abbrechen"; Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // The same for a password: what is typed shows as dots, and no text is
    // offered. Cancel gives the empty text.
    virtual QString passwordBox(const QString &prompt, const QString &title) = 0;

    // The file the user chooses to open or to save as; empty when the
    // dialog was cancelled. Saving over a file asks first.
    virtual QString openFileName(const FileDialog &dialog) = 0;
    virtual QString saveFileName(const FileDialog &dialog) = 0;
    // The preview of a word-list import, with "Importieren" and "Abbrechen":
    // true for "Importieren".
    virtual bool confirmImport(const ImportPreview &preview) = 0;
};

} // namespace zek
