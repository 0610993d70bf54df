#include "record/ClassOverview.h"

#include "record/ErrorTypes.h"

#include "cards/AtomicFile.h"
#include "cards/CardFile.h"
#include "cards/ClassFolder.h"
#include "cards/ExtraFile.h"
#include "cards/Folder.h"
#include "cards/Languages.h"
#include "platform/Platform.h"
#include "record/Progress.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <thread>
#include <vector>

namespace zek {

namespace {

// What one language's lines add up to.
struct Tally {
    bool any = false; // a line of the language, the teacher's too
    QDate lastDay;
    unsigned lastSeven = 0; // bit d: an answer d days before today
    qsizetype answered = 0, right = 0;
    QHash<QString, qsizetype> wrong;
    QList<RecordLine> mistakes; // the answers with a wrong letter kept
};

std::size_t languageIndex(QChar code)
{
    for (std::size_t i = 0; i < languages.size(); ++i)
        if (code == QChar(languages[i].code))
            return i;
    return languages.size();
}

} // namespace

QList<OverviewRow> overviewRowsOf(const QString &child, const QString &folder, const QList<RecordLine> &record,
                                  const std::array<std::array<qsizetype, 7>, 3> &boxes,
                                  const std::array<bool, 3> &hasCards, QDate today)
{
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    std::array<Tally, 3> tallies;
    for (const RecordLine &line : record) {
        const std::size_t l = languageIndex(line.language);
        if (l >= tallies.size())
            continue;
        Tally &t = tallies[l];
        t.any = true;
        if (line.byTeacher)
            continue;
        if (!t.lastDay.isValid() || line.date > t.lastDay)
            t.lastDay = line.date;
        const qint64 ago = line.date.daysTo(today);
        if (ago >= 0 && ago < 7)
            t.lastSeven |= 1u << ago;
        if (line.date >= monday && line.date <= today) {
            ++t.answered;
            t.right += line.right ? 1 : 0;
        }
        if (!line.right)
            ++t.wrong[line.baseWord];
        if (!line.right && !line.typed.isEmpty())
            t.mistakes.append(line);
    }
    if (std::none_of(tallies.cbegin(), tallies.cend(), [](const Tally &t) { return t.any; })) {
        const auto first = std::find(hasCards.cbegin(), hasCards.cend(), true);
        tallies[first == hasCards.cend() ? 0 : std::size_t(first - hasCards.cbegin())].any = true;
    }
    QList<OverviewRow> rows;
    for (std::size_t l = 0; l < tallies.size(); ++l) {
        const Tally &t = tallies[l];
        if (!t.any)
            continue;
        OverviewRow row{
            child,    folder, QChar(languages[l].code), t.lastDay, std::popcount(t.lastSeven), t.answered, t.right,
            boxes[l], {}};
        QList<WrongWord> words;
        words.reserve(t.wrong.size());
        for (auto w = t.wrong.cbegin(); w != t.wrong.cend(); ++w)
            words.append({w.key(), w.value(), -1});
        const qsizetype kept = std::min<qsizetype>(3, words.size());
        std::partial_sort(words.begin(), words.begin() + kept, words.end(), typedWrongBefore);
        for (qsizetype i = 0; i < kept; ++i)
            row.mostWrong << words[i].word;
        if (const std::optional<ErrorType> kind = mostFrequentErrorType(t.mistakes))
            row.mostFrequentMistake = errorTypeName(*kind);
        rows.append(row);
    }
    return rows;
}

std::array<qsizetype, 7> cardsPerBox(const QString &folder, const QString &fileName, bool *found)
{
    std::array<qsizetype, 7> boxes{};
    QFile file;
    const bool opened = openRegularFile(file, filePath(folder, fileName));
    if (found)
        *found = opened;
    if (!opened)
        return boxes;
    const CardFileIndex index(file.readAll());
    // an incomplete last card is no card
    const qsizetype cards = index.complete() ? index.size() : index.size() - 1;
    for (qsizetype i = 0; i < cards; ++i)
        if (const int box = index.boxNumber(i); box >= 0)
            ++boxes[std::size_t(box)];
    return boxes;
}

namespace {

QList<OverviewRow> readChild(const QString &classFolder, const QString &child, QDate today)
{
    const QString folder = QDir(classFolder).filePath(child);
    std::array<std::array<qsizetype, 7>, 3> boxes{};
    std::array<bool, 3> hasCards{};
    for (std::size_t l = 0; l < languages.size(); ++l) {
        bool found = false;
        boxes[l] = cardsPerBox(folder, languages[l].cardFileName(), &found);
        hasCards[l] = found && std::any_of(boxes[l].cbegin(), boxes[l].cend(), [](qsizetype n) { return n > 0; });
    }
    return overviewRowsOf(child, folder, readRecordFile(folder), boxes, hasCards, today);
}

} // namespace

// The records are the cost (a school year is some 10,000 lines a child):
// each core takes the next child until none is left, and each child's rows
// go into the child's own place, so the order stays the class list's.
QList<OverviewRow> readClassOverview(const QString &classFolder, QDate today)
{
    const QStringList children = childrenOf(classFolder);
    std::vector<QList<OverviewRow>> perChild(std::size_t(children.size()));
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i; (i = next++) < children.size();)
            perChild[std::size_t(i)] = readChild(classFolder, children[i], today);
    };
    const qsizetype threads =
        std::min<qsizetype>(children.size(), std::max(1u, std::thread::hardware_concurrency())) - 1;
    std::vector<std::thread> helpers;
    for (qsizetype t = 0; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();
    QList<OverviewRow> rows;
    for (const QList<OverviewRow> &child : perChild)
        rows += child;
    return rows;
}

namespace {

const QLocale &german()
{
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

QString dateText(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("\u2013");
}

} // namespace

const QList<OverviewColumn> &overviewColumns()
{
    static const QList<OverviewColumn> columns = {
        {QStringLiteral("Kind"), [](const OverviewRow &r) { return r.child; }, {}},
        {QStringLiteral("Sprache"), [](const OverviewRow &r) { return languageName(QString(r.language)); }, {}},
        {QStringLiteral("Zuletzt geübt"), [](const OverviewRow &r) { return dateText(r.lastDay); },
         [](const OverviewRow &r) { return r.lastDay.isValid() ? double(r.lastDay.toJulianDay()) : -1.0; }},
        {QStringLiteral("Tage geübt (7)"), [](const OverviewRow &r) { return QString::number(r.daysLastSeven); },
         [](const OverviewRow &r) { return double(r.daysLastSeven); }, false, true},
        {QStringLiteral("Karten (Woche)"), [](const OverviewRow &r) { return german().toString(r.answeredThisWeek); },
         [](const OverviewRow &r) { return double(r.answeredThisWeek); }, false, true},
        {QStringLiteral("Richtig (Woche)"),
         [](const OverviewRow &r) {
             return r.answeredThisWeek == 0 ? QStringLiteral("\u2013")
                                            : QStringLiteral("%1 %").arg(std::lround(100.0 * double(r.rightThisWeek)
                                                                                     / double(r.answeredThisWeek)));
         },
         // no answer this week sorts below every share
         [](const OverviewRow &r) {
             return r.answeredThisWeek == 0 ? -1.0 : double(r.rightThisWeek) / double(r.answeredThisWeek);
         },
         false, true},
        // the further the cards, the further the child: the mean box
        {QStringLiteral("Fächer jetzt"),
         [](const OverviewRow &r) {
             QStringList parts;
             for (int b = 0; b < 7; ++b)
                 if (r.boxes[std::size_t(b)] > 0)
                     parts << QStringLiteral("%1: %2").arg(boxName(b)).arg(r.boxes[std::size_t(b)]);
             return parts.join(QStringLiteral(", "));
         },
         [](const OverviewRow &r) {
             double cards = 0, sum = 0;
             for (std::size_t b = 0; b < 7; ++b)
                 cards += double(r.boxes[b]), sum += double(b) * double(r.boxes[b]);
             return cards > 0 ? sum / cards : -1.0;
         },
         true},
        {QStringLiteral("Gelernt"), [](const OverviewRow &r) { return german().toString(r.boxes[6]); },
         [](const OverviewRow &r) { return double(r.boxes[6]); }, false, true},
        {QStringLiteral("Oft falsch geschrieben"),
         [](const OverviewRow &r) { return r.mostWrong.join(QStringLiteral(", ")); },
         {}},
        {QStringLiteral("Häufigster Fehler"), [](const OverviewRow &r) { return r.mostFrequentMistake; }, {}},
    };
    return columns;
}

int boxesColumn()
{
    const QList<OverviewColumn> &columns = overviewColumns();
    return int(std::find_if(columns.cbegin(), columns.cend(), [](const OverviewColumn &c) { return c.boxesBar; })
               - columns.cbegin());
}

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(';') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

} // namespace

QByteArray overviewCsv(const QList<OverviewRow> &rows)
{
    QByteArray out = "\xef\xbb\xbf";
    const auto line = [&out](const QStringList &fields) {
        for (qsizetype i = 0; i < fields.size(); ++i)
            out += (i > 0 ? ";" : "") + csvField(fields[i]);
        out += "\r\n";
    };
    QStringList titles;
    for (const OverviewColumn &column : overviewColumns()) {
        if (!column.boxesBar) {
            titles << column.title;
            continue;
        }
        for (int b = 0; b < 6; ++b) // "Gelernt" has a column of its own
            titles << boxName(b);
    }
    line(titles);
    for (const OverviewRow &row : rows) {
        QStringList fields;
        for (const OverviewColumn &column : overviewColumns()) {
            if (!column.boxesBar) {
                fields << column.text(row);
                continue;
            }
            for (std::size_t b = 0; b < 6; ++b)
                fields << QString::number(row.boxes[b]);
        }
        line(fields);
    }
    return out;
}

OverviewPrintLayout overviewPrintLayout(const QList<OverviewRow> &rows, const PrinterMetrics &metrics)
{
    constexpr double gap = 180, barWidth = 1440, widest = 2880; // twips
    OverviewPrintLayout layout;
    double left = 0;
    const QList<OverviewColumn> &columns = overviewColumns();
    for (const OverviewColumn &column : columns) {
        double width = metrics.textWidth(column.title, 1);
        if (column.boxesBar)
            width = std::max(width, barWidth);
        else
            for (const OverviewRow &row : rows)
                width = std::max(width, metrics.textWidth(column.text(row), 1));
        width = std::min(width, widest) + gap; // a longer text wraps in its cell
        layout.left << left;
        layout.width << width;
        left += width;
    }
    layout.landscape = left > metrics.pageWidth;
    return layout;
}

ClassOverview::ClassOverview(const QString &classFolder, Platform &platform)
    : m_folder(classFolder), m_platform(platform)
{}

void ClassOverview::open()
{
    m_today = m_platform.localTime().date();
    m_rows = readClassOverview(m_folder, m_today);
    sort();
    emit changed();
}

QString ClassOverview::cellText(int row, int column) const { return overviewColumns()[column].text(m_rows[row]); }

QString ClassOverview::heading() const
{
    return QStringLiteral("Klassenübersicht %1  \u2013  Stand %2")
        .arg(QFileInfo(m_folder).fileName(), dateText(m_today));
}

QString ClassOverview::weekLine() const
{
    QStringList children, practised;
    for (const OverviewRow &row : m_rows) {
        if (!children.contains(row.folder))
            children << row.folder;
        if (row.answeredThisWeek > 0 && !practised.contains(row.folder))
            practised << row.folder;
    }
    const QDate monday = m_today.addDays(1 - m_today.dayOfWeek());
    const QString who = children.size() == 1 ? QStringLiteral("%1 von 1 Kind hat").arg(practised.size())
        : practised.size() == 1              ? QStringLiteral("1 von %1 Kindern hat").arg(children.size())
                                : QStringLiteral("%1 von %2 Kindern haben").arg(practised.size()).arg(children.size());
    return QStringLiteral("%1 diese Woche geübt (Woche: seit Montag, %2; \u201eTage geübt (7)\u201c: die letzten "
                          "sieben Tage).")
        .arg(who, dateText(monday));
}

void ClassOverview::sortBy(int column)
{
    if (column < 0 || column >= overviewColumns().size())
        return;
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    sort();
    emit changed();
}

// Sorted by the column, equal rows by child and language, so that every
// order is the same on every computer.
void ClassOverview::sort()
{
    QCollator collator(german());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const OverviewColumn &column = overviewColumns()[m_sortColumn];
    const auto byName = [&](const OverviewRow &a, const OverviewRow &b) {
        const int c = collator.compare(a.child, b.child);
        return c != 0 ? c < 0 : languageIndex(a.language) < languageIndex(b.language);
    };
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const OverviewRow &a, const OverviewRow &b) {
        int order = 0;
        if (column.number) {
            const double x = column.number(a), y = column.number(b);
            order = x < y ? -1 : x > y ? 1 : 0;
        } else {
            order = collator.compare(column.text(a), column.text(b));
        }
        if (order == 0)
            return byName(a, b);
        return m_ascending ? order < 0 : order > 0;
    });
}

void ClassOverview::showProgress(int row)
{
    if (row >= 0 && row < m_rows.size())
        emit progressRequested(m_rows[row].folder);
}

void ClassOverview::print(const OverviewPageDrawing &draw)
{
    const OverviewPrintLayout layout = overviewPrintLayout(
        m_rows, m_platform.printerMetrics(QString::fromLatin1(overviewPrintFont), overviewPrintPoints));
    const PrintOutcome outcome = m_platform.printPages(
        [&](QPainter &painter, const QRectF &page, int number) { return draw(painter, page, number, layout); },
        layout.landscape, QStringLiteral("Klassenuebersicht"), m_folder);
    m_platform.messageBox(
        {QStringLiteral("Drucken ..."),
         printOutcomeText(outcome, QStringLiteral("Die Klassenübersicht wird gedruckt.\r"), m_folder, true)});
}

void ClassOverview::exportCsv()
{
    const QString title = QStringLiteral("Klassenübersicht exportieren");
    const QString path = m_platform.saveFileName(
        {title, QDir(m_folder).filePath(QStringLiteral("Klassenübersicht %1.csv").arg(m_today.toString(Qt::ISODate))),
         QStringLiteral("Tabellen (*.csv)")});
    if (path.isEmpty())
        return;
    if (!writeFileAtomically(path, overviewCsv(m_rows)))
        m_platform.messageBox({QStringLiteral("Speicherfehler"),
                               QStringLiteral("Die Klassenübersicht wurde nicht gespeichert!\r"
                                              "Die Datei '%1' konnte nicht geschrieben werden\r"
                                              "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r")
                                   .arg(QFileInfo(path).fileName())});
}

} // namespace zek
