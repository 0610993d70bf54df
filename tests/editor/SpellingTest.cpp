// The spelling check's rules on the Debian dictionaries (and one of our own
// in Latin-1): which words it reads in a field, which it knows in each
// language, and the own word list of a card box.
#include "editor/Spelling.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

TEST(Spelling, ReadsTheWordsOfAField)
{
    const struct {
        const char *name, *text, *words; // the words joined by "|"
    } cases[] = {
        {"blanks and punctuation part words", "Der Hund, der bellt!", "Der|Hund|der|bellt"},
        {"a hyphen inside and at the end stays", "Baden-Württemberg, Haupt- und Nebensatz", "Baden-Württemberg|Haupt-|und|Nebensatz"},
        {"a hyphen alone is no word", "a - b -c", "a|b|c"},
        {"apostrophes inside stay, quotes go", "l'arbre don’t 'Hund'", "l'arbre|don’t|Hund"},
        {"numbers and codes are no words", "Am 3. Mai: 3er Wort100 x2", "Am|Mai"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = QString::fromUtf8(c.text);
        QStringList words;
        for (const WordSpan &span : splitWords(text))
            words << text.mid(span.start, span.length);
        EXPECT_EQ(words.join(u'|'), QString::fromUtf8(c.words));
    }
}

TEST(Spelling, ReadsTheOwnWordListWhateverItsBytes)
{
    const struct {
        const char *name;
        QByteArray bytes;
        const char *words;
    } cases[] = {
        {"byte order mark, CR LF", "\xef\xbb\xbfTomasz\r\nAnouk\r\n", "Tomasz|Anouk"},
        {"LF, CR, blanks and empty lines", "  Tomasz \n\n\rAnouk", "Tomasz|Anouk"},
        {"a damaged line is skipped", "Tomasz\r\nAn\xffouk\r\nM\xc3\xbcller", "Tomasz|Müller"},
        {"Windows-1252 from a Windows editor", "M\xfcller\r\nZo\xeb\r\n", "Müller|Zoë"},
        {"several words, a number: skipped", "Anouk Meier\r\n2024\r\nJean-Luc", "Jean-Luc"},
        {"binary", QByteArray("\x00\x01\x02\xfe\xff\x00", 6), ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readOwnWords(c.bytes).join(u'|'), QString::fromUtf8(c.words));
    }
}

TEST(Spelling, KnowsTheWordsOfEachLanguage)
{
    QTemporaryDir dir;
    // A dictionary of our own in the encoding its .aff names: the words are
    // converted on the way in.
    const QString latin1 = QDir(dir.path()).filePath(QStringLiteral("latin1"));
    QDir().mkpath(latin1);
    writeBytes(latin1 + QStringLiteral("/de_DE.aff"), "SET ISO8859-1\n");
    writeBytes(latin1 + QStringLiteral("/de_DE.dic"), "2\nFahrrad\nStra\xdf\x65\n"); // "Straße" in Latin-1
    const struct {
        const char *name, *code, *dictionaries, *text, *unknown;
    } cases[] = {
        {"German", "D", "", "Das Fahrad steht auf der Straße.", "Fahrad"},
        {"a German noun in small letters", "D", "", "der hund", "hund"},
        {"an abbreviation with its dot", "D", "", "Hunde, Katzen usw. und usw", "usw"},
        {"apostrophe: each part a word", "D", "", "Wie geht's, Hnud's?", "Hnud's"},
        {"English", "E", "", "The children's dog doesn't bark at the cta.", "cta"},
        {"French, typographic apostrophes too", "F", "", "L’arbre est là aujourd'hui, le chein aussi.", "chein"},
        {"a dictionary in Latin-1", "D", "latin1", "Fahrrad Straße Strasse Öl", "Strasse,Öl"},
        {"no dictionary: every word passes", "F", "none", "le chein", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = QDir(dir.path()).filePath(QString::fromLatin1(c.dictionaries));
        Spelling spelling(dir.path(), *c.dictionaries ? QStringList{folder} : systemDictionaryFolders());
        spelling.setLanguage(QString::fromLatin1(c.code));
        const QString text = QString::fromUtf8(c.text);
        QStringList unknown;
        for (const WordSpan &span : spelling.unknownWords(text))
            unknown << text.mid(span.start, span.length);
        EXPECT_EQ(unknown.join(u','), QString::fromUtf8(c.unknown));
        EXPECT_EQ(spelling.offReason(), QString::fromLatin1(c.dictionaries) == u"none" ? QStringLiteral("kein Wörterbuch für Französisch gefunden") : QString());
    }
}
