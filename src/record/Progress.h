#pragma once

#include "cards/CardList.h"
#include "record/PracticeRecord.h"
#include "platform/Printer.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

namespace zek {

class Platform;

// One day of practice in one language.
struct ProgressDay {
    QDate date;
    std::array<qsizetype, 7> boxes{}; // cards in "Fehler", "Fach 1" to "Fach 5", "Gelernt" at the end of the day
    qsizetype answered = 0;
    qsizetype right = 0;
    friend bool operator==(const ProgressDay &, const ProgressDay &) = default;
};

// A word typed wrong: how often, and the box its card is in now (-1 when no
// card of the language has the word any more).
struct WrongWord {
    QString word;
    qsizetype count = 0;
    int boxNow = -1;
    friend bool operator==(const WrongWord &, const WrongWord &) = default;
};

// The order of the list of words typed wrong: the most often first, equal
// counts in the order the card files keep their words.
bool typedWrongBefore(const WrongWord &a, const WrongWord &b);

// What the record says of one language.
struct LanguageProgress {
    // The days with a record line, in order; with no line, today alone.
    QList<ProgressDay> days;
    // The ten words typed wrong most often, the most often first; equal
    // counts in the order the card files keep their words.
    QList<WrongWord> mostWrong;
    qsizetype daysPractised = 0;
    qsizetype answered = 0;
    qsizetype right = 0;
};

// The statistics of one language from its record lines and its cards now.
LanguageProgress progressOf(const QList<RecordLine> &record, QChar language, const CardList &cardsNow, QDate today);

// "Fehler", "Fach 1" to "Fach 5", "Gelernt".
QString boxName(int box);

// The window "Lernfortschritt": the teacher's view of the practice record of
// one card folder, per language: the boxes day by day, the words typed wrong
// most often, the figures. It reads the record and the card files itself.
class Progress : public QObject {
    Q_OBJECT
public:
    Progress(const QString &folder, Platform &platform);

    // Reads the record and the card files (again) and shows the language of
    // the card answered last, or else the first language with cards.
    void open();
    // The selector: the languages with cards or a record, in the order
    // German, English, French; shown when there are two or more.
    QStringList languageNames() const;
    bool offersLanguages() const { return m_languages.size() > 1; }
    int languageIndex() const { return m_shown; }
    void chooseLanguage(int index);

    const LanguageProgress &progress() const { return m_progress; }
    // The folder's name, the language and the day, as one line over the view.
    QString heading() const;
    // One line when the language has no record yet; empty otherwise.
    QString noRecordText() const;
    // Days practised, cards answered, cards per day, share right, one text
    // each. None with no record.
    QStringList figures() const;
    // The box of a word typed wrong as the list shows it.
    static QString boxNowText(int box);

    // "Drucken": the view, drawn by the window, on the default printer, or
    // as a PDF in the card folder; the teacher is told which.
    void print(const PageDrawing &drawView);
    // "Schließen" and the window frame.
    void close() { emit closed(); }

    const QString &folder() const { return m_folder; }

signals:
    void changed();
    void closed();

private:
    void show();

    QString m_folder;
    Platform &m_platform;
    QList<RecordLine> m_record;
    QList<QChar> m_languages;
    std::array<CardList, 3> m_cards;
    QDate m_today;
    int m_shown = -1;
    LanguageProgress m_progress;
};

} // namespace zek
