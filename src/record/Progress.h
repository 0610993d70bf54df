#pragma once

#include "cards/CardList.h"
#include "record/ErrorTypes.h"
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

// A kind of mistake of the record ("Fehlerschwerpunkte"): how often its
// lines show it and, for the three most frequent kinds, up to three of
// them, the latest first: "Fahrrad – getippt: Fahra…".
struct ErrorFocus {
    ErrorType type = ErrorType::Other;
    qsizetype count = 0;
    QStringList examples;
    friend bool operator==(const ErrorFocus &, const ErrorFocus &) = default;
};

// What the record says of one language.
struct LanguageProgress {
    // The days with a record line, in order; with no line, today alone.
    QList<ProgressDay> days;
    // The ten words typed wrong most often, the most often first; equal
    // counts in the order the card files keep their words.
    QList<WrongWord> mostWrong;
    // The kinds of mistake the record shows, the most frequent first; equal
    // counts in the order of the kinds.
    QList<ErrorFocus> errorFocus;
    qsizetype daysPractised = 0;
    qsizetype answered = 0;
    qsizetype right = 0;
};

// The statistics of one language from its record lines and its cards now.
LanguageProgress progressOf(const QList<RecordLine> &record, QChar language, const CardList &cardsNow, QDate today);

// "Fehler", "Fach 1" to "Fach 5", "Gelernt".
QString boxName(int box);

// What a print came to, in the words of the box that tells it: printed,
// kept as a PDF in folder (its page, or its pages), or neither.
QString printOutcomeText(const PrintOutcome &outcome, const QString &printed, const QString &folder, bool pages);

// The window "Lernfortschritt": the teacher's view of the practice record of
// one card folder, per language: the boxes day by day, the words typed wrong
// most often, the figures, the kinds of mistake ("Fehlerschwerpunkte") and
// their practice. It reads the record and the card files itself.
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
    // In place of "Fehlerschwerpunkte" when the record keeps no wrong letter.
    QString noErrorsText() const;
    // Days practised, cards answered, cards per day, share right, one text
    // each. None with no record.
    QStringList figures() const;
    // The box of a word typed wrong as the list shows it.
    static QString boxNowText(int box);

    // "Drucken": the view, drawn by the window, on the default printer, or
    // as a PDF in the card folder; the teacher is told which.
    void print(const PageDrawing &drawView);

    // "Üben" beside a kind of mistake (its place in errorFocus): the teacher
    // chooses "Übungsblatt drucken", "In Fach 1 legen" or "Abbrechen".
    void practise(int index);
    // The words of the language shown that the record has typed wrong with
    // that kind, as the word list sheet prints them, with the kind's name as
    // the head line; after a question that says how many pages.
    void printPracticeSheet(ErrorType type);
    // The cards of the language shown whose words hold what the kind is
    // about (or, for a kind without such letters, the words typed wrong with
    // it) go back into "Fach 1", after a question that says how many. The
    // card file is saved at once and each card moved is a line "Lehrkraft".
    void moveToBoxOne(ErrorType type);
    // The card box is open in this program (the editor opened the view), so
    // its lock is held here already. Otherwise (opened from the class) "In
    // Fach 1 legen" takes the child's lock first and leaves alone a box that
    // a trainer has open, as the teacher's menu does.
    void setBoxOpenHere(bool open) { m_boxOpenHere = open; }
    // The base words typed wrong with that kind, in the card files' order.
    QStringList wordsOf(ErrorType type) const;
    // "Schließen" and the window frame.
    void close() { emit closed(); }

    const QString &folder() const { return m_folder; }

signals:
    void changed();
    void closed();
    // Cards were moved in the card file: whoever holds them must read it again.
    void cardsMoved();

private:
    void show();
    QChar shownCode() const;
    void tellPrinted(const PrintOutcome &outcome, const QString &printed);

    QString m_folder;
    Platform &m_platform;
    QList<RecordLine> m_record;
    QList<QChar> m_languages;
    std::array<CardList, 3> m_cards;
    QDate m_today;
    int m_shown = -1;
    bool m_boxOpenHere = false;
    LanguageProgress m_progress;
};

} // namespace zek
