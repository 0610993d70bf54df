#pragma once

#include "platform/Printer.h"
#include "record/PracticeRecord.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace zek {

class Platform;

// What the record and the cards of one child say of one language, as the
// class's overview shows it. "This week" is the calendar week, Monday to
// Sunday, that holds the day of the overview: the week a school plans in.
struct OverviewRow {
    QString child; // the name of the child's folder
    QString folder; // the child's card box
    QChar language; // 'D', 'E', 'F'
    QDate lastDay; // the last day a card was answered; none: never
    int daysLastSeven = 0; // days with an answer among the last seven, today included
    qsizetype answeredThisWeek = 0;
    qsizetype rightThisWeek = 0;
    std::array<qsizetype, 7> boxes{}; // cards in "Fehler", "Fach 1" to "Fach 5", "Gelernt" now
    QStringList mostWrong; // the three words typed wrong most often, as "Lernfortschritt" lists them
    QString mostFrequentMistake = {}; // the kind of mistake the record shows most often; empty: none
};

// The rows of one child: one per language with a record line (the teacher's
// lines too: words given in a language make it the child's); a child with no
// record line at all gets the first language with cards, or German, so that
// every child is listed. Only answers count as practice, never the teacher's
// lines. boxes are the cards now, per language in the order of the languages.
QList<OverviewRow> overviewRowsOf(const QString &child, const QString &folder, const QList<RecordLine> &record,
                                  const std::array<std::array<qsizetype, 7>, 3> &boxes,
                                  const std::array<bool, 3> &hasCards, QDate today);

// The cards per box of a card file: only complete cards, the texts never
// decoded. None when the file is not there.
std::array<qsizetype, 7> cardsPerBox(const QString &folder, const QString &fileName, bool *found = nullptr);

// The rows of every child of the class, the children read in parallel on
// every core, in the order of the class list.
QList<OverviewRow> readClassOverview(const QString &classFolder, QDate today);

// One column of the overview: its title, the text of a cell, and how it
// sorts: by number (a date by its day) where number is given, otherwise by
// the text in German order. A column is one entry of overviewColumns().
struct OverviewColumn {
    QString title;
    std::function<QString(const OverviewRow &)> text;
    std::function<double(const OverviewRow &)> number; // empty: sorted as text
    bool boxesBar = false; // drawn as a stacked bar of the boxes; in the CSV one field per box
    bool alignRight = false;
};
const QList<OverviewColumn> &overviewColumns();
// The column drawn as the boxes' bar.
int boxesColumn();

// The overview as a CSV file for the teacher's spreadsheet: UTF-8 with a
// byte order mark, ";" between fields, CR LF after every line, a header line
// first; a field holding ";", a quote or a line break is quoted.
QByteArray overviewCsv(const QList<OverviewRow> &rows);

// Where each column stands on the printed page, in twips, and whether the
// page is turned across: the columns need more than the width of an upright
// page.
struct OverviewPrintLayout {
    QList<double> left, width;
    bool landscape = false;
};
OverviewPrintLayout overviewPrintLayout(const QList<OverviewRow> &rows, const PrinterMetrics &metrics);
// The font the overview is printed in.
inline constexpr char overviewPrintFont[] = "Arial";
inline constexpr double overviewPrintPoints = 9;

// Draws one printed page of the overview: page number from 0; true while
// another page follows.
using OverviewPageDrawing =
    std::function<bool(QPainter &painter, const QRectF &page, int number, const OverviewPrintLayout &layout)>;

// The window "Klassenübersicht": every child of a class folder, per
// language, at a glance, for the teacher.
class ClassOverview : public QObject {
    Q_OBJECT
public:
    ClassOverview(const QString &classFolder, Platform &platform);

    // Reads every child's record and cards (again), sorted as before.
    void open();
    const QList<OverviewRow> &rows() const { return m_rows; }
    QString cellText(int row, int column) const;
    // "Klassenübersicht 4a – Stand 09.03.2026"
    QString heading() const;
    // "12 von 25 Kindern haben diese Woche geübt (seit Montag, 02.03.2026)."
    QString weekLine() const;

    // A click on a column's title sorts by it, a second click the other way.
    void sortBy(int column);
    int sortColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_ascending; }

    // A double click on a row: that child's "Lernfortschritt".
    void showProgress(int row);
    // "Drucken": the pages drawn by the window, across the paper where the
    // columns need it, on the default printer or as a PDF in the class folder.
    void print(const OverviewPageDrawing &draw);
    // "Exportieren": the CSV into a file the teacher chooses.
    void exportCsv();
    // "Schließen" and the window frame.
    void close() { emit closed(); }

    const QString &folder() const { return m_folder; }

signals:
    void changed();
    void progressRequested(const QString &childFolder);
    void closed();

private:
    void sort();

    QString m_folder;
    Platform &m_platform;
    QDate m_today;
    QList<OverviewRow> m_rows;
    int m_sortColumn = 0;
    bool m_ascending = true;
};

} // namespace zek
