#include "record/PracticeRecord.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray header = recordHeader;
const RecordLine haus{QDate(2026, 3, 2), 8 * 3600 + 15 * 60 + 7, u'D', QStringLiteral("Haus"), 2, 3, false};
const QByteArray hausLine = "2026-03-02T08:15:07;Deutsch;Haus;2;3;falsch;;\r\n";
// the record before the wrong letter was kept
const QByteArray oldHeader = "Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis\r\n";
const QByteArray oldHausLine = "2026-03-02T08:15:07;Deutsch;Haus;2;3;falsch\r\n";

// The lines read, as the writer writes them.
QString shown(const QList<RecordLine> &lines)
{
    QByteArray out;
    for (const RecordLine &l : lines)
        out += recordLineBytes(l);
    return QString::fromUtf8(out);
}

} // namespace

// What the file holds after one line is appended to what it held.
TEST(PracticeRecord, Append)
{
    struct Row {
        const char *name;
        QByteArray before; // "-": no file
        RecordLine line;
        QByteArray after;
    } rows[] = {
        {"a new file starts with the header", "-", haus, header + hausLine},
        {"an empty file too", "", haus, header + hausLine},
        {"a line is added at the end", header + hausLine, haus, header + hausLine + hausLine},
        {"a line cut off by a crash is ended first", header + "2026-03-02T08:1", haus, header + "2026-03-02T08:1\r\n" + hausLine},
        {"a line cut after its CR gets its LF", header + hausLine.chopped(1), haus, header + hausLine + hausLine},
        {"right, the learnt box, English", "-", {QDate(2026, 12, 24), 23 * 3600 + 59 * 60 + 59, u'E', QStringLiteral("dog"), 5, 6, true}, header + "2026-12-24T23:59:59;Englisch;dog;5;6;richtig;;\r\n"},
        {"UTF-8, and ; and quotes quoted", "-", {QDate(2026, 3, 2), 0, u'F', QStringLiteral("\u00e9t\u00e9;\"x\""), 0, 1, true}, header + "2026-03-02T00:00:00;Franz\xc3\xb6sisch;\"\xc3\xa9t\xc3\xa9;\"\"x\"\"\";0;1;richtig;;\r\n"},
        {"the teacher's insert: no box before", "-", {QDate(2026, 3, 9), 14 * 3600, u'D', QStringLiteral("Igel"), -1, 1, false, true}, header + "2026-03-09T14:00:00;Deutsch;Igel;;1;Lehrkraft;;\r\n"},
        {"a wrong letter: the text asked and the answer box, quoted where needed", "-", {QDate(2026, 3, 2), 0, u'D', QStringLiteral("Fahrrad"), 1, 2, false, false, QStringLiteral("Das Fahrrad; rot"), QStringLiteral("Das Fahra")}, header + "2026-03-02T00:00:00;Deutsch;Fahrrad;1;2;falsch;\"Das Fahrrad; rot\";Das Fahra\r\n"},
        {"a record with the old header gets lines with the two columns", oldHeader + oldHausLine, haus, oldHeader + oldHausLine + hausLine},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv"));
        if (row.before != "-")
            writeBytes(file, row.before);
        EXPECT_TRUE(appendToRecord(dir.path(), row.line));
        EXPECT_EQ(QString::fromUtf8(readBytes(file)), QString::fromUtf8(row.after));
    }
}

// What the reader takes from a file, and what it passes over.
TEST(PracticeRecord, Read)
{
    const QByteArray read = hausLine;
    struct Row {
        const char *name;
        QByteArray bytes;
        QByteArray lines; // owned by the row: a temporary's bytes would be gone before the row is read
    } rows[] = {
        {"the header is no line", header + hausLine, read},
        {"the old header and its lines of six fields", oldHeader + oldHausLine, read},
        {"the text asked and typed, quoted or not", "2026-03-02T08:15:07;Deutsch;Haus;2;3;falsch;\"Das \"\"Haus\"\"\";Das H\r\n",
         "2026-03-02T08:15:07;Deutsch;Haus;2;3;falsch;\"Das \"\"Haus\"\"\";Das H\r\n"},
        {"what the writer writes", recordLineBytes(haus), read},
        {"LF and CR end lines too, empty lines pass", hausLine.chopped(2) + "\n\n" + hausLine.chopped(2) + "\r", hausLine + hausLine},
        {"a line cut off", header + hausLine + "2026-03-02T08:16:00;Deutsch;Hund;2;3;rich", read},
        {"the language code, a blank for the T, no seconds", "2026-03-02 08:15;E;dog;5;6;richtig", "2026-03-02T08:15:00;Englisch;dog;5;6;richtig;;\r\n"},
        {"a quoted word", "2026-03-02T08:15:07;\"Deutsch\";\"Ha\"\"u;s\";2;3;falsch", "2026-03-02T08:15:07;Deutsch;\"Ha\"\"u;s\";2;3;falsch;;\r\n"},
        {"a field too many or too few", "2026-03-02T08:15:07;Deutsch;Haus;2;3;falsch;x\r\n2026-03-02T08:15:07;Deutsch;Haus;2;falsch\r\n"
                                        "2026-03-02T08:15:07;Deutsch;Haus;2;3;falsch;Haus;H;x",
         ""},
        {"an unknown language", "2026-03-02T08:15:07;Latein;Haus;2;3;falsch", ""},
        {"a box beyond 6", "2026-03-02T08:15:07;Deutsch;Haus;2;7;falsch", ""},
        {"a result other than richtig or falsch", "2026-03-02T08:15:07;Deutsch;Haus;2;3;Richtig", ""},
        {"no such day", "2026-02-30T08:15:07;Deutsch;Haus;2;3;falsch", ""},
        {"no such hour", "2026-03-02T24:15:07;Deutsch;Haus;2;3;falsch", ""},
        {"an empty word", "2026-03-02T08:15:07;Deutsch;;2;3;falsch", ""},
        {"a quote not closed", "2026-03-02T08:15:07;Deutsch;\"Haus;2;3;falsch", ""},
        {"text after a closing quote", "2026-03-02T08:15:07;Deutsch;\"Ha\"us;2;3;falsch", ""},
        {"the teacher's lines: a box may be empty", "2026-03-09T14:00:00;Deutsch;Haus;3;;Lehrkraft\r\n2026-03-09T14:00:00;Deutsch;Igel;;1;Lehrkraft\r\n"
                                                    "2026-03-09T14:00:00;Deutsch;Hund;6;1;Lehrkraft",
         "2026-03-09T14:00:00;Deutsch;Haus;3;;Lehrkraft;;\r\n2026-03-09T14:00:00;Deutsch;Igel;;1;Lehrkraft;;\r\n"
         "2026-03-09T14:00:00;Deutsch;Hund;6;1;Lehrkraft;;\r\n"},
        {"an answer never", "2026-03-09T14:00:00;Deutsch;Haus;3;;richtig", ""},
        {"nor both boxes, nor a box beyond 6", "2026-03-09T14:00:00;Deutsch;Haus;;;Lehrkraft\r\n2026-03-09T14:00:00;Deutsch;Haus;7;;Lehrkraft", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shown(readRecord(row.bytes)), QString::fromUtf8(row.lines));
    }
}
