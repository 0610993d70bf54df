#include "record/Progress.h"
#include "cards/Folder.h"

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
// ("->1": no box before), result (r, f, or t for the teacher's change), and
// for a wrong answer the text asked and typed ("Haus|Hx").
QList<RecordLine> record(const char *text)
{
    QList<RecordLine> lines;
    for (const QString &l : QString::fromUtf8(text).split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QStringList f = l.split(u' ');
        const auto box = [](QStringView b) { return b == u"-" ? -1 : b.toInt(); };
        lines.append({QDate::fromString(f[0] + QStringLiteral(".2026"), QStringLiteral("dd.MM.yyyy")), 0, f[1][0], f[2],
                      box(f[3].section(u'>', 0, 0)), box(f[3].section(u'>', 1)), f[4] == u"r", f[4] == u"t",
                      f.value(5).section(u'|', 0, 0), f.value(5).section(u'|', 1)});
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

// "Dehnung 2: Zahn – getippt: Zan…, … | …": the kinds of mistake, their
// counts and examples.
QString focus(const LanguageProgress &p)
{
    QStringList out;
    for (const ErrorFocus &f : p.errorFocus)
        out << QStringLiteral("%1 %2").arg(errorTypeName(f.type)).arg(f.count)
                + (f.examples.isEmpty() ? QString() : QStringLiteral(": ") + f.examples.join(QStringLiteral(", ")));
    return out.join(QStringLiteral(" | "));
}

} // namespace

// The statistics of German: the boxes day by day, counted back from the
// cards now, and the words typed wrong most often.
TEST(Progress, Statistics)
{
    struct Row {
        const char *name, *record, *cards, *days, *wrong;
        const char *focus = "";
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
        {"the kinds of mistake, the most frequent first; examples of three, the latest first",
         "02.03 D Zahn 1>2 f Zahn|Zan; 02.03 D Boot 1>2 f Boot|Bot; 02.03 D Hund 1>2 f Hund|Hunt; 03.03 D Zahn 2>3 f Zahn|Zan; "
         "03.03 D Sonne 1>2 f Sonne|Sone; 03.03 D Biene 1>2 f Biene|Bin; 04.03 D Katze 1>2 f Katze|Kaz; 04.03 D Hund 2>3 f Hund|h; "
         "04.03 D Tier 1>2 f Tier|Tir; 04.03 E dog 1>2 f dog|bog; 04.03 D Haus 1>2 f; 04.03 D Igel 1>2 r",
         "", nullptr, nullptr,
         "Dehnung 5: Tier – getippt: Tir…, Biene – getippt: Bin…, Zahn – getippt: Zan… | Schärfung 2: Katze – getippt: Kaz…, "
         "Sonne – getippt: Sone… | Groß- und Kleinschreibung 1: Hund – getippt: h… | Auslaut (Ableitung) 1"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const LanguageProgress p = progressOf(record(row.record), u'D', cardsNow(row.cards), QDate(2026, 12, 6));
        if (row.days) {
            EXPECT_EQ(days(p), QString::fromUtf8(row.days));
        }
        if (row.wrong) {
            EXPECT_EQ(wrong(p), QString::fromUtf8(row.wrong));
        }
        EXPECT_EQ(focus(p), QString::fromUtf8(row.focus));
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

// "Üben" beside a kind of mistake: the practice sheet of its words, and its
// cards back into box 1 after a question, each a line "Lehrkraft".
TEST(Progress, Practise)
{
    QTemporaryDir dir;
    writeBox(dir.path(), "2, Sonne, Sonnen, x\r\n1, Mutter, M\xfctter, x\r\n6, Kamm, K\xe4mme, x\r\n4, Hose, Hosen, x\r\n3, Katze, Katzen, x\r\n");
    const QString record = QDir(dir.path()).filePath(QStringLiteral("Verlauf.csv"));
    writeBytes(record, QByteArray(recordHeader) + "2026-03-02T08:15:00;Deutsch;Katze;3;4;falsch;Katze;Kaz\r\n"
                                                  "2026-03-02T08:16:00;Deutsch;Sonne;2;3;falsch;Sonne;Sone\r\n");
    FakePlatform platform;
    platform.time = QDateTime(QDate(2026, 3, 9), QTime(10, 0));
    Progress progress(dir.path(), platform);
    progress.open();
    platform.expectChoice(QStringLiteral("Übungsblatt drucken"));
    platform.expectMessage(Answer::Yes);
    platform.expectMessage();
    progress.practise(0);
    ASSERT_EQ(platform.jobs.size(), 1);
    EXPECT_EQ(cardTexts(platform.jobs[0][0]), QStringList({"Schärfung", "Sonne", "Katze"}));
    FolderLock trainer(dir.path()); // the child practises: the box is left alone
    ASSERT_EQ(trainer.lock(), FolderLock::State::Locked);
    platform.expectChoice(QStringLiteral("In Fach 1 legen"));
    platform.expectMessage();
    progress.practise(0);
    EXPECT_TRUE(platform.messages().back().text.endsWith(u"geöffnet.\rBitte später noch einmal versuchen."));
    EXPECT_TRUE(readBytes(QDir(dir.path()).filePath(QStringLiteral("ZEKCARD1.LST"))).startsWith("2, Sonne"));
    trainer.unlock();
    platform.expectChoice(QStringLiteral("In Fach 1 legen"));
    platform.expectMessage(Answer::Yes);
    progress.practise(0);
    EXPECT_EQ(platform.messages()[1].text, QStringLiteral("Übungsblatt \u201eSchärfung\u201c mit 2 Wörtern ausdrucken?\r"));
    EXPECT_EQ(platform.messages()[6].text, QStringLiteral("3 Karten zu \u201eSchärfung\u201c zurück in Fach 1 legen?\r"));
    EXPECT_EQ(readBytes(QDir(dir.path()).filePath(QStringLiteral("ZEKCARD1.LST"))),
              "1, Sonne, Sonnen, x\r\n1, Mutter, M\xfctter, x\r\n1, Kamm, K\xe4mme, x\r\n4, Hose, Hosen, x\r\n1, Katze, Katzen, x\r\n");
    EXPECT_TRUE(readBytes(record).endsWith("2026-03-09T10:00:00;Deutsch;Sonne;2;1;Lehrkraft;;\r\n2026-03-09T10:00:00;Deutsch;Kamm;6;1;Lehrkraft;;\r\n"
                                           "2026-03-09T10:00:00;Deutsch;Katze;3;1;Lehrkraft;;\r\n"));
}
