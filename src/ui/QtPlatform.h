#pragma once

#include "platform/Platform.h"

class QApplication;

namespace zek::ui {

// Message and input boxes as Qt dialogs, modal over the active window.
class QtPlatform : public Platform {
public:
    Answer messageBox(const Message &message) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    int secondsSinceMidnight() const override;
};

// CR LF and single CR become the line breaks Qt shows.
QString screenText(const QString &text);

// The look-alikes of the fonts the windows name, and Qt's own texts in German.
void installFontSubstitutes();
void installGermanTranslation(QApplication &app);

} // namespace zek::ui
