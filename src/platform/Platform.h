#pragma once

#include "Printer.h"

#include <QList>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The one door to the outside world: modal boxes, the clock, the printer and
// speech. The program
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

// A box whose buttons say what each does ("„Fahrrad“ nehmen", "So
// speichern", "Zurück"), for a question that Ja and Nein would leave open.
// Esc and the window's frame give the default button.
struct Choice {
    QString title;
    QString text;
    QStringList buttons; // the captions, left to right
    qsizetype defaultButton = 0;
    Icon icon = Icon::Question;
};

// A file dialog: its title, the folder it starts in or the file it
// suggests, and the filter of the files it lists ("Wortlisten (*.csv *.txt)").
struct FileDialog {
    QString title;
    QString path;
    QString filter;
};

// What the import of a word list would do, shown before anything is written.
struct ImportPreview {
    QString title; // "Wortliste importieren"
    QString counts; // "12 neue Karten, 3 schon vorhanden, 1 abgelehnt"
    QStringList refused; // "Zeile 4: kein Grundwort"
    QList<QStringList> newCards; // base word, related word, phrase
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal; the buttons read "OK", or "Ja" and "Nein".
    virtual Answer messageBox(const Message &message) = 0;

    // Modal; the index of the button chosen. Where no box can be shown, the
    // default.
    virtual qsizetype choiceBox(const Choice &choice) { return choice.defaultButton; }

    // Modal input box with "OK" and "Abbrechen"; Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;

    virtual int secondsSinceMidnight() const = 0;
    // The local date and time, for the practice record.
    virtual QDateTime localTime() const { return QDateTime::currentDateTime(); }

    // The system's default printer, set up for a job in this font: its
    // measures. No dialog is shown.
    virtual PrinterMetrics printerMetrics(const QString &font, double points) = 0;
    // Prints the pages, set in the font their metrics were taken with, as
    // one job on the default printer. Where that printer is missing or
    // refuses the job, the pages go into a PDF file in folder instead; the
    // outcome says which.
    virtual PrintOutcome print(const QList<PrintedPage> &pages, const QString &font, double points, const QString &what,
                               const QString &folder) = 0;

    // The file the user chooses to open or to save as; empty when the
    // dialog was cancelled. Saving over a file asks first.
    virtual QString openFileName(const FileDialog &dialog)
    {
        Q_UNUSED(dialog);
        return {};
    }
    virtual QString saveFileName(const FileDialog &dialog)
    {
        Q_UNUSED(dialog);
        return {};
    }
    // Modal, with "Importieren" and "Abbrechen": true for "Importieren".
    virtual bool confirmImport(const ImportPreview &preview)
    {
        Q_UNUSED(preview);
        return false;
    }
    // One page drawn by the program itself, printed and delivered as print()
    // does.
    virtual PrintOutcome printDrawing(const PageDrawing &draw, const QString &what, const QString &folder)
    {
        Q_UNUSED(draw);
        Q_UNUSED(what);
        Q_UNUSED(folder);
        return {PrintOutcome::Failed, QStringLiteral("Dieses Programm kann keine Bilder drucken"), {}};
    }

    // Speech, where the system has it: whether a voice speaks the language
    // ("D", "E", "F"); speaking starts at once and never waits for the
    // engine, and a new text ends the one still spoken. A text the engine
    // has not taken yet is not followed by another, and an engine that does
    // not answer has no voice until it answers again.
    virtual bool hasVoice(const QString &languageCode)
    {
        Q_UNUSED(languageCode);
        return false;
    }
    virtual void speak(const QString &text, const QString &languageCode)
    {
        Q_UNUSED(text);
        Q_UNUSED(languageCode);
    }
    // The speech engine is on its way and has not answered yet: no voice
    // yet, but none is missing either.
    virtual bool speechStarting() { return false; }
};

// The tool tip of a button that speaks ("Vorlesen", "Hördiktat"): its name
// while a voice speaks the language, else the name and why it is grey.
inline QString speechButtonTip(Platform &platform, const QString &button, const QString &languageCode)
{
    if (platform.hasVoice(languageCode))
        return button;
    return button
        + (platform.speechStarting() ? QStringLiteral(" (Sprachausgabe startet \u2026)")
                                     : QStringLiteral(" (keine Sprachausgabe gefunden)"));
}

} // namespace zek
