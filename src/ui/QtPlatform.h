#pragma once

#include "platform/Platform.h"

class QApplication;

namespace zek::ui {

// Message and input boxes as Qt dialogs, modal over the active window; the
// default printer through Qt and CUPS.
class QtPlatform : public Platform {
public:
    Answer messageBox(const Message &message) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    int secondsSinceMidnight() const override;
    PrinterMetrics printerMetrics(const QString &font, double points) override;
    PrintOutcome print(const QList<PrintedPage> &pages, const QString &what, const QString &folder) override;

private:
    QString m_printerFont = QStringLiteral("Comic Sans MS");
    double m_printerPoints = 16;
};

// CR LF and single CR become the line breaks Qt shows.
QString screenText(const QString &text);

// The look-alikes of the fonts the windows name, and Qt's own texts in German.
void installFontSubstitutes();
void installGermanTranslation(QApplication &app);

} // namespace zek::ui
