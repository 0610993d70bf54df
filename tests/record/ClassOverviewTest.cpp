#include "record/ClassOverview.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

// "Mo09 D Haus r; …": the weekday and day of March 2026 (the weekday only to
// read the row), language, word, result (r right, f wrong, t the teacher's;
// "f=Hunt": wrong, the answer box held "Hunt" when it turned red).
QList<RecordLine> answers(const char *text)
{
    QList<RecordLine> lines;
    for (const QString &l : QString::fromUtf8(text).split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QStringList f = l.split(u' ');
        const bool teacher = f[3] == u"t";
        const QString typed = f[3].startsWith(QStringLiteral("f=")) ? f[3].mid(2) : QString();
        lines.append({QDate(2026, 3, f[0].mid(2).toInt()), 0, f[1][0], f[2], 1, 2, f[3] == u"r", teacher,
                      typed.isEmpty() ? QString() : f[2], typed});
    }
    return lines;
}

// Every cell of every row as the table shows it, "|" between rows; the
// boxes as their seven counts.
QString shown(const QList<OverviewRow> &rows)
{
    QStringList out;
    for (const OverviewRow &row : rows) {
        QStringList cells;
        for (const OverviewColumn &column : overviewColumns()) {
            if (!column.boxesBar) {
                cells << column.text(row);
                continue;
            }
            QString boxes;
            for (qsizetype n : row.boxes)
                boxes += QString::number(n);
            cells << boxes;
        }
        out << cells.join(u';');
    }
    return out.join(QStringLiteral(" | "));
}

} // namespace

// One child's figures on Wednesday, 11 March 2026: the week since Monday the
// 9th, the last seven days since Thursday the 5th. German has 1 card in
// "Fach 1" and 2 learnt; English 3 in "Fehler"; French no card file.
TEST(ClassOverview, Figures)
{
    struct Row {
        const char *name, *record, *expected;
    } rows[] = {
        {"a child with no record: the first language with cards", "",
         "Jan;Deutsch;–;0;0;–;0100002;2;;"},
        {"the week begins on Monday; Sunday is last week",
         "So08 D Haus r; Mo09 D Haus r; Mi11 D Hund f",
         "Jan;Deutsch;11.03.2026;3;2;50 %;0100002;2;Hund;"},
        {"the last seven days reach back to Thursday, not Wednesday",
         "Mi04 D Haus r; Do05 D Haus r; Do05 D Hund r",
         "Jan;Deutsch;05.03.2026;1;0;–;0100002;2;;"},
        {"the teacher's lines are no practice, but give a row", "Mo09 D Igel t; Di10 E dog t",
         "Jan;Deutsch;–;0;0;–;0100002;2;; | Jan;Englisch;–;0;0;–;3000000;0;;"},
        {"the share right, rounded", "Mo09 D Haus r; Mo09 D Hund r; Di10 D Igel f",
         "Jan;Deutsch;10.03.2026;2;3;67 %;0100002;2;Igel;"},
        {"three words most often wrong; equal counts in word order",
         "Do05 D Zebra f; Mo09 D Zebra f; Mo09 D Birne f; Mo09 D Äpfel f; Mo09 D Apfel f; Mo09 D Apfel r",
         "Jan;Deutsch;09.03.2026;2;5;20 %;0100002;2;Zebra, Apfel, Äpfel;"},
        {"no card file for a language: its record still gives a row, no boxes", "Mi11 F chat f",
         "Jan;Französisch;11.03.2026;1;1;0 %;0000000;0;chat;"},
        {"answers on a day after today (a wrong clock) count for the last day alone", "Fr13 D Haus r",
         "Jan;Deutsch;13.03.2026;0;0;–;0100002;2;;"},
        {"the kind of mistake most often", "Mo09 D Hund f=Hunt; Mo09 D Zahn f=Zan; Di10 D Wald f=Walt",
         "Jan;Deutsch;10.03.2026;2;3;0 %;0100002;2;Hund, Wald, Zahn;Auslaut (Ableitung)"},
        {"equal counts: the kind first in the order of kinds", "Mo09 D Hund f=Hunt; Di10 D Zahn f=Zan",
         "Jan;Deutsch;10.03.2026;2;2;0 %;0100002;2;Hund, Zahn;Dehnung"},
        {"a wrong answer without the letters typed names no kind", "Mo09 D Hund f",
         "Jan;Deutsch;09.03.2026;1;1;0 %;0100002;2;Hund;"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QList<OverviewRow> result = overviewRowsOf(QStringLiteral("Jan"), QStringLiteral("/k/Jan"), answers(row.record),
                                                         {{{0, 1, 0, 0, 0, 0, 2}, {3, 0, 0, 0, 0, 0, 0}, {}}},
                                                         {true, true, false}, QDate(2026, 3, 11));
        EXPECT_EQ(shown(result), QString::fromUtf8(row.expected));
    }
}

// A class folder read whole: the children in parallel, the template left
// out, the week's line, sorting by a column's title, the CSV, printing.
TEST(ClassOverview, Class)
{
    QTemporaryDir dir;
    const auto child = [&](const char *name, const QByteArray &german, const QByteArray &record) {
        const QString folder = QDir(dir.path()).filePath(QString::fromUtf8(name));
        QDir().mkpath(folder);
        writeBox(folder, german);
        if (!record.isEmpty())
            writeBytes(QDir(folder).filePath(QStringLiteral("Verlauf.csv")), recordHeader + record);
    };
    const QByteArray line = "2026-03-10T08:00:00;Deutsch;Haus;1;2;richtig\r\n";
    child("Vorlage", "1, Haus, H\xe4user, Das Haus.\r\n", line);
    child("Bea", "1, Haus, H\xe4user, Das Haus.\r\n6, Hund, Hunde, Der Hund.\r\n", line.repeated(10));
    child("Ali", "1, Haus, H\xe4user, Das Haus.\r\n", line.repeated(8) + "2026-03-10T08:00:00;Deutsch;\"Ha;us\";1;2;falsch\r\n");
    child("Cem", "2, Haus, H\xe4user, Das Haus.\r\n", "2026-02-20T08:00:00;Deutsch;Haus;1;2;richtig\r\n");
    FakePlatform platform;
    platform.time = QDateTime(QDate(2026, 3, 11), QTime(9, 0));
    ClassOverview overview(dir.path(), platform);
    overview.open();
    const auto names = [&] {
        QStringList n;
        for (const OverviewRow &row : overview.rows())
            n << row.child;
        return n.join(u' ');
    };
    EXPECT_EQ(names(), QStringLiteral("Ali Bea Cem"));
    EXPECT_EQ(overview.weekLine(), QStringLiteral("2 von 3 Kindern haben diese Woche geübt (Woche: seit Montag, "
                                                  "09.03.2026; \u201eTage geübt (7)\u201c: die letzten sieben Tage)."));
    overview.sortBy(4); // cards this week: 10 after 9, as numbers
    EXPECT_EQ(names(), QStringLiteral("Cem Ali Bea"));
    overview.sortBy(4);
    EXPECT_EQ(names(), QStringLiteral("Bea Ali Cem"));
    overview.sortBy(2); // the last day, as dates: 20.02. before 10.03.
    EXPECT_EQ(names(), QStringLiteral("Cem Ali Bea"));

    overview.sortBy(0);
    EXPECT_EQ(overviewCsv(overview.rows().mid(0, 1)),
              QByteArray("\xef\xbb\xbfKind;Sprache;Zuletzt geübt;Tage geübt (7);Karten (Woche);Richtig (Woche);"
                         "Fehler;Fach 1;Fach 2;Fach 3;Fach 4;Fach 5;Gelernt;Oft falsch geschrieben;Häufigster Fehler\r\n"
                         "Ali;Deutsch;10.03.2026;1;9;89 %;0;1;0;0;0;0;0;\"Ha;us\";\r\n"));
    const QString csv = QDir(dir.path()).filePath(QStringLiteral("k.csv"));
    platform.expectFile(csv);
    overview.exportCsv();
    EXPECT_EQ(readBytes(csv), overviewCsv(overview.rows()));

    // printed across the paper only where the columns need it
    platform.answersOk = true;
    platform.metrics.pageWidth = 20000;
    overview.print({});
    EXPECT_FALSE(platform.drawnAcross);
    platform.metrics.pageWidth = 10000;
    overview.print({});
    EXPECT_TRUE(platform.drawnAcross);
    EXPECT_EQ(platform.titles(), QStringList({"Drucken ...", "Drucken ..."}));
}
