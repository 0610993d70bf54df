#include "printing/Sheets.h"

#include "FakePlatform.h"

#include "syllables/Syllables.h"

#include <gtest/gtest.h>

// The tables below keep their rows as they were written.
// clang-format off

using namespace zek;
using namespace zek::test;
using namespace Qt::StringLiterals;

static CardList cards(int n, const QString &base = {}, const QString &phrase = QStringLiteral("Ein Satz."))
{
    CardList list;
    for (int i = 0; i < n; ++i)
        list.append({QStringLiteral("1"), base.isEmpty() ? QStringLiteral("Wort%1").arg(i + 1) : base, QStringLiteral("Worte"), phrase});
    return list;
}

// "x,y text" of every item of a page; positions in twips.
static QStringList items(const PrintedPage &page)
{
    QStringList out;
    for (const PrintedText &t : page)
        out << QStringLiteral("%1,%2 %3").arg(t.x).arg(t.y).arg(t.text);
    return out;
}

// The card texts of all pages, lines joined by blanks.
static QString cardTexts(const QList<PrintedPage> &pages)
{
    QStringList out;
    for (const PrintedPage &page : pages)
        out << test::cardTexts(page);
    return out.join(u' ');
}

// The texts printed in syllables: each with "|" between its syllables, then
// a letter per syllable for its colour (b blue, r red), then "arcs" where
// arcs lie under them.
static QStringList inSyllables(const QList<PrintedPage> &pages)
{
    QStringList out;
    for (const PrintedPage &page : pages)
        for (const PrintedText &t : page) {
            QString text, colours;
            for (qsizetype i = 0; i < t.syllables.size(); ++i) {
                const int mark = t.syllables[i], before = i > 0 ? t.syllables[i - 1] : -1;
                text += (before >= 0 && mark >= 0 && mark != before ? u"|"_s : QString()) + t.text[i];
                colours += mark >= 0 && mark != before ? QString(mark % 2 == 0 ? u'b' : u'r') : QString();
            }
            if (!t.syllables.isEmpty())
                out << text + u' ' + colours + (t.syllableArcs ? u" arcs"_s : QString());
        }
    return out;
}

// Every item lies inside the printable area and clear of every other one.
static void expectInsideAndApart(const QList<PrintedPage> &pages, const PrinterMetrics &m)
{
    const auto right = [&](const PrintedText &t) { return t.x + m.textWidth(t.text, t.scale); };
    const auto bottom = [&](const PrintedText &t) { return t.y + m.lineHeight * t.scale; };
    for (const PrintedPage &page : pages)
        for (qsizetype i = 0; i < page.size(); ++i) {
            const PrintedText &a = page[i];
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && right(a) <= m.pageWidth && bottom(a) <= m.pageHeight) << a.text.toStdString();
            for (const PrintedText &b : page.mid(i + 1))
                EXPECT_FALSE(a.x < right(b) && b.x < right(a) && a.y < bottom(b) && b.y < bottom(a)) << a.text.toStdString() << " over " << b.text.toStdString();
        }
}

// A phrase of short words, length characters long.
static QString phraseOf(int length)
{
    QString phrase;
    while (phrase.size() < length)
        phrase += QStringLiteral("Am Abend lesen wir ein Buch. ");
    return phrase.left(length).trimmed();
}

// On the fake printer a character is 100 twips wide (a dot 50), a line 400
// twips high, the page 10,000 by 15,000: column n begins at (n - 1) * 100.
TEST(Sheets, LaidOutLineByLine)
{
    const QString u18(18, u'_'), u53(53, u'_'), d25(25, u'.'), d30(30, u'.'), d66(66, u'.');
    const QString longPhrase = QStringLiteral("Ein sehr langer Satz, der weit über den Rand der Seite hinaus reichen würde, wenn er nicht umbräche.");
    const struct {
        const char *name;
        SheetKind kind;
        CardList cards;
        double pageHeight;
        int pages;
        int page;            // the page looked at
        QStringList starts;  // its first items
        int itemsOnLast;     // items on the last page, -1: not checked
        double narrowPage = 10000;
        QString whole = {};  // printed whole, however the lines break
        QString headLine = {};
        SheetSyllables syllables = {};
        QStringList printedInSyllables = {}; // the texts printed in syllables, none without them
    } cases[] = {
        {"word list head and first row", SheetKind::WordList, cards(31), 15000, 2, 0,
         {"500,400 W o r t", "2500,400 Abschreiben", "5100,400 Auswendig schreiben", "500,800 " + u53, "500,1600 Wort1", "2500,1600 " + u18, "5100,1600 " + u18}, 7},
        {"a head line over the titles of every page", SheetKind::WordList, cards(31), 15000, 2, 1,
         {"500,0 Schärfung", "500,800 W o r t"}, -1, 10000, {}, u"Schärfung"_s},
        {"exactly 30: no empty page", SheetKind::WordList, cards(30), 15000, 1, 0, {}, 4 + 90},
        {"the second page has its head", SheetKind::WordList, cards(60), 15000, 2, 1, {"500,400 W o r t"}, 4 + 90},
        {"a long base word pushes its row down", SheetKind::WordList, cards(1, QStringLiteral("Donaudampfschifffahrt")), 15000, 1, 0,
         {"500,400 W o r t", "2500,400 Abschreiben", "5100,400 Auswendig schreiben", "500,800 " + u53, "500,1600 Donaudampfschifffahrt", "2500,2000 " + u18}, -1},
        {"a page shorter than its capacity", SheetKind::WordList, cards(30), 5000, 4, 0, {}, 4 + 18},
        {"word-family head and first card", SheetKind::FamilySheet, cards(25), 15000, 3, 0,
         {"500,400 Lernwort", "2100,400 Wortfamilie", "4000,400 Wortbeispiel", "500,800 " + u53, "500,2000 Wort1", "2100,2000 Worte",
          "4000,2000 Ein Satz.", "500,2400 " + d25, "2100,2400 " + d30, "4000,2400 " + d66, "500,3200 Wort2"}, 4 + 5 * 6},
        {"a phrase longer than its column breaks at a blank", SheetKind::FamilySheet, cards(1, QStringLiteral("Wal"), longPhrase), 15000, 1, 0,
         {"500,400 Lernwort", "2100,400 Wortfamilie", "4000,400 Wortbeispiel", "500,800 " + u53, "500,2000 Wal", "2100,2000 Worte",
          "4000,2000 Ein sehr langer Satz, der weit über den Rand der Seite", "4000,2400 hinaus reichen würde, wenn er nicht umbräche.",
          "500,2800 " + d25, "2100,2800 " + d30, "4000,2800 " + d66}, -1},
        {"dots end at the printable width", SheetKind::FamilySheet, cards(1), 15000, 1, 0, {}, 4 + 6, 6000},
        {"20 card blocks on three pages, a short page brings the rows closer", SheetKind::CardSheet, cards(20), 15000, 3, 2,
         {"567,1134 Wort17", "567,1701 Worte", "567,2268 Ein Satz.", "6520.5,1134 Wort18", "6520.5,1701 Worte", "6520.5,2268 Ein Satz.",
          QStringLiteral("567,%1 Wort19").arg(1134 + (15000 - 1134 - 1534) / 3.0)}, 12},
        {"a tall page keeps the grid", SheetKind::CardSheet, cards(3), 20000, 1, 0,
         {"567,1134 Wort1", "567,1701 Worte", "567,2268 Ein Satz.", "6520.5,1134 Wort2", "6520.5,1701 Worte", "6520.5,2268 Ein Satz.",
          QStringLiteral("567,%1 Wort3").arg(1134 + 7.4 * 567)}, 9},
        {"a long word in the left column wraps half a centimetre before the right one", SheetKind::CardSheet, cards(1, QString(70, u'x')), 15000, 1, 0,
         {"567,1134 " + QString(56, u'x'), "567,1534 " + QString(14, u'x'), "567,1934 Worte"}, -1},
        {"long phrases shrink to stay above the next row", SheetKind::CardSheet, cards(3, {}, phraseOf(512)), 15000, 1, 0, {}, -1, 10000,
         phraseOf(512)},
        {"on the bottom row a long phrase is cut", SheetKind::CardSheet, cards(8, {}, phraseOf(512)), 15000, 1, 0, {}, -1, 10000, u"…"_s},
        {"a word-family card taller than a page goes on over the next", SheetKind::FamilySheet, cards(1, QStringLiteral("Wal"), phraseOf(2969)),
         15000, 2, 1, {"500,400 Lernwort"}, -1, 10000, phraseOf(2969)},
        {"a card in coloured syllables, each word from blue", SheetKind::CardSheet, cards(1, u"Apfelbaum"_s, u"Der Apfelbaum blüht."_s), 15000, 1, 0,
         {"567,1134 Apfelbaum", "567,1701 Worte", "567,2268 Der Apfelbaum blüht."}, 3, 10000, {}, {},
         {SyllableLook::Coloured, SyllablePatterns::forLanguage(u"D"_s)},
         {"Ap|fel|baum brb", "Wor|te br", "Der Ap|fel|baum blüht. bbrbb"}},
        {"a word list with arcs under the word only", SheetKind::WordList, cards(1, u"Schmetterling"_s), 15000, 1, 0,
         {"500,400 W o r t"}, 7, 10000, {}, {}, {SyllableLook::Arcs, SyllablePatterns::forLanguage(u"D"_s)},
         {"Schmet|ter|ling brb arcs"}},
    };
    FakePlatform platform;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PrinterMetrics m = platform.metrics;
        m.pageHeight = c.pageHeight;
        m.pageWidth = c.narrowPage;
        const QList<PrintedPage> pages = layOutSheets(c.kind, c.cards, m, c.headLine, c.syllables);
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_EQ(items(pages[c.page]).mid(0, c.starts.size()), c.starts);
        if (c.narrowPage < 10000) {
            EXPECT_EQ(pages[0].last().text, QString(40, u'.'));
        }
        if (c.itemsOnLast >= 0) {
            EXPECT_EQ(pages.last().size(), c.itemsOnLast);
        }
        EXPECT_TRUE(cardTexts(pages).contains(c.whole));
        EXPECT_EQ(inSyllables(pages), c.printedInSyllables);
        expectInsideAndApart(pages, m);
    }
}
// clang-format on
