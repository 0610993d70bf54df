#include "record/Progress.h"

#include "FakePlatform.h"
#include "TestFiles.h"
#include "Trainer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

// "02.03 D Haus 2>3 f; …": day and month of 2026, language, word, boxes
// ("->1": no box before), result (r, f, or t for the teacher's change).
QList<RecordLine> record(const char *text)
{
    QList<RecordLine> lines;
    for (const QString &l : QString::fromUtf8(text).split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QStringList f = l.split(u' ');
        const auto box = [](QStringView b) { return b == u"-" ? -1 : b.toInt(); };
        lines.append({QDate::fromString(f[0] + QStringLiteral(".2026"), QStringLiteral("dd.MM.yyyy")), 0, f[1][0], f[2],
                      box(f[3].section(u'>', 0, 0)), box(f[3].section(u'>', 1)), f[4] == u"r", f[4] == u"t"});
    }
    return lines;
}

// "Haus 3, Hund 2": the cards now, word and box.
CardList cardsNow(const char *text)
{
    CardList cards;
    for (const QString &c : QString::fromUtf8(text).split(QStringLiteral(", "), Qt::SkipEmptyParts))
        cards.append({c.section(u' ', 1), c.section(u' ', 0, 0), {}, {}});
    return cards;
}

// "02.03.: 0120000 2/1 | …": the boxes at the end of each day (fewer than
// ten cards each), the cards answered and those right.
QString days(const LanguageProgress &p)
{
    QString out;
    for (const ProgressDay &d : p.days) {
        out += (out.isEmpty() ? QString() : QStringLiteral(" | ")) + d.date.toString(QStringLiteral("dd.MM.: "));
        for (qsizetype n : d.boxes)
            out += QString::number(n);
        out += QStringLiteral(" %1/%2").arg(d.answered).arg(d.right);
    }
    return out;
}

// "Zebra 2 3, Hut 1 -": word, times wrong, box now.
QString wrong(const LanguageProgress &p)
{
    QStringList out;
    for (const WrongWord &w : p.mostWrong)
        out << QStringLiteral("%1 %2 %3").arg(w.word).arg(w.count).arg(w.boxNow < 0 ? QStringLiteral("-") : QString::number(w.boxNow));
    return out.join(QStringLiteral(", "));
}

} // namespace

// The statistics of German: the boxes day by day, counted back from the
// cards now, and the words typed wrong most often.
TEST(Progress, Statistics)
{
    struct Row {
        const char *name, *record, *cards, *days, *wrong;
    } rows[] = {
        {"no record: today's boxes alone", "", "Haus 3, Hund 2", "06.12.: 0011000 0/0", ""},
        {"one day ends with the boxes now", "02.03 D Haus 2>3 f; 02.03 D Hund 1>2 r", "Haus 3, Hund 2", "02.03.: 0011000 2/1", "Haus 1 3"},
        {"a day before: the cards of the day after taken back", "02.03 D Haus 2>3 r; 04.03 D Haus 3>4 r; 04.03 D Hund 1>2 f", "Haus 4, Hund 2",
         "02.03.: 0101000 1/1 | 04.03.: 0010100 2/1", "Hund 1 2"},
        {"the days in order, whatever the order of the lines", "03.03 D Haus 2>3 r; 02.03 D Haus 1>2 r", "Haus 3",
         "02.03.: 0010000 1/1 | 03.03.: 0001000 1/1", ""},
        {"other languages do not count", "02.03 E dog 1>2 f; 02.03 D Haus 2>3 r", "Haus 3", "02.03.: 0001000 1/1", ""},
        {"a card moved back in the editor: no box below zero", "02.03 D Haus 1>2 r; 03.03 D Haus 2>3 r", "Haus 1",
         "02.03.: 0110000 1/1 | 03.03.: 0100000 1/1", ""},
        {"the learnt box counts", "02.03 D Haus 5>6 r", "Haus 6", "02.03.: 0000001 1/1", ""},
        {"a re-box by the teacher: the days before keep their boxes", "02.03 D Haus 5>6 r; 03.03 D Hund 1>2 f; 04.03 D Haus 6>1 t; 04.03 D Hund 2>1 t",
         "Haus 1, Hund 1", "02.03.: 0100001 1/1 | 03.03.: 0010001 1/0 | 04.03.: 0200000 0/0", "Hund 1 1"},
        {"cards inserted and deleted by the teacher", "02.03 D Haus 1>2 r; 03.03 D Igel ->1 t; 03.03 D Hund 3>- t", "Haus 2, Igel 1",
         "02.03.: 0011000 1/1 | 03.03.: 0110000 0/0", ""},
        {"ten words, the most often wrong first, then in word order", "02.03 D Zebra 1>2 f; 02.03 D Zebra 2>3 f; 02.03 D Jagd 1>2 f; 02.03 D Igel 1>2 f; "
                                                                      "02.03 D Hut 1>2 f; 02.03 D Gans 1>2 f; 02.03 D Fisch 1>2 f; 02.03 D Ei 1>2 f; 02.03 D Dach 1>2 f; 02.03 D Birne 1>2 f; 02.03 D Äpfel 1>2 f; 02.03 D Apfel 1>2 f",
         "Zebra 3, Apfel 2, Hut 0", nullptr, "Zebra 2 3, Apfel 1 2, Äpfel 1 -, Birne 1 -, Dach 1 -, Ei 1 -, Fisch 1 -, Gans 1 -, Hut 1 0, Igel 1 -"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const LanguageProgress p = progressOf(record(row.record), u'D', cardsNow(row.cards), QDate(2026, 12, 6));
        if (row.days) {
            EXPECT_EQ(days(p), QString::fromUtf8(row.days));
        }
        EXPECT_EQ(wrong(p), QString::fromUtf8(row.wrong));
    }
}

// The window's model on a card folder: the languages offered, the figures,
// and what "Drucken" tells.
TEST(Progress, Window)
{
    QTemporaryDir dir;
    writeBox(dir.path(), "2, Haus, H\xe4user, Das Haus.\r\n3, Hund, Hunde, Der Hund.\r\n");
    FakePlatform platform;
    platform.time = QDateTime(QDate(2026, 3, 9), QTime(10, 0));
    Progress progress(dir.path(), platform);
    progress.open();
    EXPECT_EQ(progress.languageNames(), QStringList({"Deutsch", "Englisch", "Französisch"}));
    EXPECT_EQ(progress.noRecordText(), QStringLiteral("Noch kein Verlauf: In dieser Sprache wurde noch keine Karte geübt."));

    writeBytes(QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv")),
               QByteArray(recordHeader) + "2026-03-02T08:15:00;Deutsch;Hund;2;3;richtig\r\n2026-03-04T08:15:00;Deutsch;Haus;1;2;falsch\r\n"
                                          "2026-03-04T08:16:00;Deutsch;Haus;1;2;richtig\r\n2026-03-05T08:15:00;Englisch;dog;1;2;richtig\r\n");
    progress.open(); // the language answered last
    EXPECT_EQ(progress.languageIndex(), 1);
    EXPECT_EQ(progress.heading(), QFileInfo(dir.path()).fileName() + QStringLiteral("  \u2013  Englisch  \u2013  Stand 09.03.2026"));
    progress.chooseLanguage(0);
    EXPECT_EQ(progress.noRecordText(), QString());
    EXPECT_EQ(progress.figures(), QStringList({"Geübte Tage: 2", "Beantwortete Karten: 3", "Karten je Übungstag: 1,5", "Ohne Fehler geschrieben: 67 %"}));

    platform.answersOk = true;
    platform.outcome = {PrintOutcome::SavedAsPdf, QStringLiteral("Es ist kein Standarddrucker eingerichtet"), QStringLiteral("Druck_x.pdf")};
    progress.print({});
    platform.outcome = {PrintOutcome::Printed, {}, {}};
    progress.print({});
    EXPECT_EQ(platform.drawings, 2);
    ASSERT_EQ(platform.messages().size(), 2u);
    EXPECT_EQ(platform.messages()[0].text, QStringLiteral("Es wurde nichts gedruckt: Es ist kein Standarddrucker eingerichtet.\r"
                                                          "Die Seite steht in der Datei\rDruck_x.pdf\rim Ordner\r")
                  + QDir::toNativeSeparators(QFileInfo(dir.path()).absoluteFilePath()) + u'\r');
    EXPECT_EQ(platform.messages()[1].text, QStringLiteral("Der Lernfortschritt wird gedruckt.\r"));
}

// A month of practice, then the teacher puts the whole list back into box 1:
// the chart of the month stays as it was, and the day of the re-box ends
// with every card in box 1.
TEST(Progress, AReboxKeepsTheDaysBefore)
{
    Trainer t;
    QByteArray box, lines = recordHeader;
    for (int i = 0; i < 40; ++i) {
        // word i went one box up on each of the first i % 6 days of March
        const int moves = i % 6;
        box += QByteArray::number(1 + moves) + ", Wort" + QByteArray::number(100 + i) + ", Worte, Ein Wort.\r\n";
        for (int day = 0; day < moves; ++day)
            lines += recordLineBytes({QDate(2026, 3, 2 + day), 8 * 3600, u'D', QStringLiteral("Wort%1").arg(100 + i), 1 + day, 2 + day, day % 2 == 0});
    }
    writeBytes(t.path("Verlauf.csv"), lines);
    const auto history = [&] { return progressOf(readRecordFile(t.dir.path()), u'D', readCompleteCards(t.dir.path(), QStringLiteral("ZEKCARD1.LST")), QDate(2026, 4, 1)).days; };
    t.play(box, "at 2026-04-01T14:00:00");
    const QList<ProgressDay> month = history();
    ASSERT_EQ(month.size(), 5);
    ASSERT_EQ(month.constLast().boxes[6], 6); // the cards moved five times are learnt
    t.run("editor; rebox; newbox 1; rebox-all");
    const QList<ProgressDay> after = history();
    ASSERT_EQ(after.size(), 6);
    EXPECT_EQ(after.first(5), month);
    EXPECT_EQ(after.constLast().boxes, (std::array<qsizetype, 7>{0, 40, 0, 0, 0, 0, 0}));
    EXPECT_EQ(after.constLast().answered, 0);
}
