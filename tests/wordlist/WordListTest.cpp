// A teacher's word list as spreadsheets and text editors write it, read
// against a list holding Hund and Katze.
#include "wordlist/WordList.h"

#include <gtest/gtest.h>

using namespace zek;

static const CardList twoCards{{"1", "Hund", "Hunde", "Der Hund bellt."}, {"3", "Katze", "Katzen", "Die Katze miaut."}};

// What the preview shows: the counts, the refused lines, the first three new
// cards ("box:base/related/phrase"), one a line; or the message for the file.
static QString judged(const QByteArray &file, const CardList &cards = twoCards)
{
    const WordListImport list = readWordList(file, cards);
    if (!list.error.isEmpty())
        return list.error;
    QStringList out{list.countsText()};
    out += list.refusedTexts();
    for (const CardEntry &c : list.newCards().first(std::min<qsizetype>(list.newCount, 3)))
        out << c.box + u':' + c.baseWord + u'/' + c.relatedWord + u'/' + c.phrase;
    return out.join(u'\n');
}

static QByteArray utf16le(const char *text)
{
    const QString s = QString::fromUtf8(text);
    return QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
}

static QByteArray lines(int n, const QByteArray &first = {})
{
    QByteArray bytes = first;
    for (int i = 0; i < n; ++i)
        bytes += "Wort" + QByteArray::number(i) + ";x;y\r\n";
    return bytes;
}

static const char *const empty = "Die Datei ist leer: Sie enthält keine Wörter.\r";

TEST(WordList, ReadsAndJudgesEachLine)
{
    const struct {
        const char *name;
        QByteArray file;
        const char *expected;
    } rows[] = {
        // encodings
        {"UTF-8 with byte order mark and semicolons", "\xef\xbb\xbfGrundwort;Verwandtes Wort;Phrase\r\nB\xc3\xa4r;B\xc3\xa4ren;Der B\xc3\xa4r brummt.\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Bär/Bären/Der Bär brummt."},
        {"UTF-8 without mark", "K\xc3\xa4se;Stra\xc3\x9f"
                               "e\r\n",
         "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Käse/Straße/"},
        {"Windows-1252 where the bytes are no UTF-8", "Wort;Familie;Satz\r\nB\xe4r;B\xe4ren;Der B\xe4r brummt \x84laut\x93.\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Bär/Bären/Der Bär brummt „laut“."},
        {"UTF-8 but for one line: that line refused", "Gem\xc3\xbcse;Gem\xc3\xbcsesuppe\r\nK\xe4se;K\xe4sebrot\r\nM\xc3\xb6hre\r\n",
         "2 neue Karten, 0 schon vorhanden, 1 abgelehnt\nZeile 2: kein UTF-8 (Zeichensatz gemischt)\n1:Gemüse/Gemüsesuppe/\n1:Möhre//"},
        {"UTF-16 after its mark, tabs", utf16le("Grundwort\tVerwandtes Wort\r\nÖl\tölig\r\n"), "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Öl/ölig/"},
        {"damaged UTF-8 after the mark", "\xef\xbb\xbf"
                                         "B\xe4r\r\n",
         "Die Datei ist beschädigt: Ihre Zeichen lassen sich nicht lesen.\rBitte die Tabelle noch einmal als CSV speichern.\r"},
        {"NUL bytes: no text", QByteArray("PK\x03\x04\x00\x00", 6), "Die Datei ist keine Wortliste: Sie enthält keinen Text, sondern andere Daten\r(zum Beispiel eine Tabelle im Format des Tabellenprogramms).\rBitte die Tabelle als CSV speichern.\r"},
        {"an empty file", "", empty},
        {"a mark alone", "\xef\xbb\xbf", empty},
        {"a header alone", "Grundwort;Verwandtes Wort;Phrase\r\n", empty},
        {"empty cells and blank lines", ";;\r\n\r\n  \r\n", empty},
        // separators and line ends
        {"tabs", "Maus\tM\xc3\xa4use\tDie Maus piept.\r\nHaus\tH\xc3\xa4user\r\n", "2 neue Karten, 0 schon vorhanden, 0 abgelehnt\n1:Maus/Mäuse/Die Maus piept.\n1:Haus/Häuser/"},
        {"commas", "Maus,M\xc3\xa4use\nHaus,H\xc3\xa4user,Das Haus steht.\n", "2 neue Karten, 0 schon vorhanden, 0 abgelehnt\n1:Maus/Mäuse/\n1:Haus/Häuser/Das Haus steht."},
        {"tabs before semicolons in every phrase", "Maus\tDie Maus; klein\r\nHaus\tDas Haus; gro\xc3\x9f\r\n", "2 neue Karten, 0 schon vorhanden, 0 abgelehnt\n1:Maus/Die Maus; klein/\n1:Haus/Das Haus; groß/"},
        {"the separator most lines hold", "Maus;M\xc3\xa4use;Die Maus, klein.\r\nHaus;H\xc3\xa4user;Das Haus.\r\n", "1 neue Karte, 0 schon vorhanden, 1 abgelehnt\nZeile 1: ein Feld enthält ein Komma\n1:Haus/Häuser/Das Haus."},
        {"empty lines are not among the first lines looked at", QByteArray("Haus\r\n\r\n").repeated(6) + "Maus;M\xc3\xa4use\r\n",
         "2 neue Karten, 0 schon vorhanden, 5 abgelehnt\nZeile 3: das Wort steht schon in Zeile 1\nZeile 5: das Wort steht schon in Zeile 1\nZeile 7: das Wort steht schon in Zeile 1\nZeile 9: das Wort steht schon in Zeile 1\nZeile 11: das Wort steht schon in Zeile 1\n1:Haus//\n1:Maus/Mäuse/"},
        {"CR alone ends lines", "Maus;M\xc3\xa4use\rHaus\r", "2 neue Karten, 0 schon vorhanden, 0 abgelehnt\n1:Maus/Mäuse/\n1:Haus//"},
        {"one column: base words alone", "Maus\nHaus", "2 neue Karten, 0 schon vorhanden, 0 abgelehnt\n1:Maus//\n1:Haus//"},
        // quoting
        {"quotes hold separators, quotes and line breaks", "\"Maus\";\"M\xc3\xa4use; viele\";\"Sie sagt \"\"piep\"\"\r\nund l\xc3\xa4uft.\"\r\nHaus;;;mehr\r\n",
         "1 neue Karte, 0 schon vorhanden, 1 abgelehnt\nZeile 3: mehr als drei Spalten mit Text\n1:Maus/Mäuse; viele/Sie sagt \"piep\" und läuft."},
        {"a quote inside a field is a character", "5\" Zoll;x\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:5\" Zoll/x/"},
        {"a quote not closed", "Maus;\"M\xc3\xa4use\r\nHaus\r\n", "0 neue Karten, 0 schon vorhanden, 1 abgelehnt\nZeile 1: ein Anführungszeichen wird nicht geschlossen"},
        {"empty columns at the end", "Maus;;;;\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Maus//"},
        // the header
        {"Lernwort names the columns", "Lernwort;Familie\r\nMaus\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Maus//"},
        {"a first word that names none is a card", "Wortschatz;Wortsch\xc3\xa4tze\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Wortschatz/Wortschätze/"},
        {"the header's names choose the columns", "Nr;Grundwort;Verwandtes Wort;Phrase\r\n7;Maus;M\xc3\xa4use;Die Maus piept.\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Maus/Mäuse/Die Maus piept."},
        {"in any order and case", " satz ;WORD\r\nDie Maus piept.;Maus\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Maus//Die Maus piept."},
        {"a first line not wholly header words is a card", "Wort;W\xc3\xb6rter;Das Wort ist lang.\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Wort/Wörter/Das Wort ist lang."},
        {"Fach first: an export's columns", "Fach;Grundwort;Verwandtes Wort;Phrase\r\n3;Maus;M\xc3\xa4use;Die Maus piept.\r\n", "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Maus/Mäuse/Die Maus piept."},
        // cleaned as typed, judged as the editor judges
        {"blanks trimmed, spaces of word processors and tabs blanks, letters composed", " Mu\xcc\x88ll ;a\xc2\xa0"
                                                                                        "b;\"c\td\xe2\x80\xaf! \"\r\n",
         "1 neue Karte, 0 schon vorhanden, 0 abgelehnt\n1:Müll/a b/c d !"},
        {"the same base word is there already, another case is not", "Hund;Hunde\r\nhund\r\n", "1 neue Karte, 1 schon vorhanden, 0 abgelehnt\n1:hund//"},
        {"refused: no base word", ";Hunde;Der Hund\r\n", "0 neue Karten, 0 schon vorhanden, 1 abgelehnt\nZeile 1: kein Grundwort"},
        {"refused: a comma in a field", "Maus\tM\xc3\xa4use\tklein, grau\r\n", "0 neue Karten, 0 schon vorhanden, 1 abgelehnt\nZeile 1: ein Feld enthält ein Komma"},
        {"refused: a character Windows-1252 cannot hold", "\xce\xa9mega;Haus\xc2\xadt\xc3\xbcr\r\n", "0 neue Karten, 0 schon vorhanden, 1 abgelehnt\nZeile 1: das Zeichen 'Ω', ein unsichtbarer Trennstrich (U+00AD) lassen sich nicht in der Kartei speichern"},
        {"refused: an invisible character, named", "Haus\xe2\x80\x8bt\xc3\xbcr\r\n", "0 neue Karten, 0 schon vorhanden, 1 abgelehnt\nZeile 1: ein unsichtbares Steuerzeichen (U+200B) lässt sich nicht in der Kartei speichern"},
        {"refused: twice in the file", "Maus\r\n\r\nMaus;x\r\n", "1 neue Karte, 0 schon vorhanden, 1 abgelehnt\nZeile 3: das Wort steht schon in Zeile 1\n1:Maus//"},
        // limits
        {"a header and as many lines as a list holds: as many as there is room for", lines(maxCards, "Wort\r\n"),
         "32.765 neue Karten, 0 schon vorhanden, 2 abgelehnt\nZeile 32.767: die Kartei ist voll (höchstens 32.767 Karten)\n"
         "Zeile 32.768: die Kartei ist voll (höchstens 32.767 Karten)\n1:Wort0/x/y\n1:Wort1/x/y\n1:Wort2/x/y"},
        {"100,000 lines", lines(100000), "Die Datei hat mehr als 32.767 Zeilen mit Wörtern.\rEine Kartei fasst höchstens 32.767 Karten.\r"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(judged(row.file).toStdString(), row.expected);
    }
}

// The cards in view as a spreadsheet opens them, and read back as there already.
TEST(WordList, AnExportIsReadBackAsPresent)
{
    const CardList cards{{"3.0", "Maus", "M\u00e4use; viele", "Sie sagt \"piep\"."}, {"6", "Hund", "", ""}};
    const QByteArray file = writeWordList(cards);
    EXPECT_EQ(file, "\xef\xbb\xbf"
                    "Fach;Grundwort;Verwandtes Wort;Phrase\r\n"
                    "3.0;Maus;\"M\xc3\xa4use; viele\";\"Sie sagt \"\"piep\"\".\"\r\n"
                    "6;Hund;;\r\n");
    EXPECT_EQ(judged(file, cards), QStringLiteral("0 neue Karten, 2 schon vorhanden, 0 abgelehnt"));
}

// Each added card goes where a new card typed in would go.
TEST(WordList, InsertsEachCardAtItsSortedPlace)
{
    const auto words = [](const CardList &cards) {
        QStringList w;
        for (const CardEntry &c : cards)
            w << c.baseWord;
        return w.join(u',');
    };
    const auto list = [](const char *names) {
        CardList cards;
        for (const QString &w : QString::fromUtf8(names).split(u',', Qt::SkipEmptyParts))
            cards << CardEntry("1", w, "", "");
        return cards;
    };
    EXPECT_EQ(words(insertSorted(list("Ameise,Banane,Hund,Wurm"), list("zebra,Apfel,hund,Ärger,Straße,Aal"))),
              QStringLiteral("Aal,Ameise,Apfel,Ärger,Banane,Hund,hund,Straße,Wurm,zebra"));
    EXPECT_EQ(words(insertSorted({}, list("b,a,B"))), QStringLiteral("a,b,B"));
    // a list out of order: before the first card that compares greater
    EXPECT_EQ(words(insertSorted(list("Wurm,Ameise"), list("Hund"))), QStringLiteral("Hund,Wurm,Ameise"));
}
