#pragma once

#include <QString>
#include <QStringList>

// What a modal box asks: a message (OK, or Ja and Nein), a choice of named
// buttons, a file to open or to save as.
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

} // namespace zek
