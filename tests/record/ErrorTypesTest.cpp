#include "record/ErrorTypes.h"

#include <gtest/gtest.h>

using namespace zek;

namespace {

// What the answer box holds when it first turns red: the shortest beginning
// of what the child wrote that is no part of the text asked.
QString typedUntilRed(const QString &asked, const QString &written)
{
    for (qsizetype n = 1; n <= written.size(); ++n)
        if (!asked.contains(written.first(n)))
            return written.first(n);
    return written;
}

} // namespace

// Children's misspellings as spelling tests collect them: the language, the
// text asked, what the child wrote, the kind of its first wrong letter.
TEST(ErrorTypes, Classify)
{
    using enum ErrorType;
    struct Row {
        char16_t language;
        const char *asked, *written;
        ErrorType type;
    } rows[] = {
        // clang-format off
        {u'D', "Hund", "hund", Capitals}, {u'D', "Schule", "schule", Capitals}, {u'D', "laufen", "Laufen", Capitals}, {u'D', "Sessel", "sessel", Capitals}, // red only at "ses"
        {u'D', "Zahn", "Zan", Lengthening}, {u'D', "Kiste", "Kieste", Lengthening}, {u'D', "Boot", "Bot", Lengthening}, {u'D', "Biene", "Bine", Lengthening},
        {u'D', "Schule", "Schuhle", Lengthening}, {u'D', "fahren", "faren", Lengthening}, {u'D', "Tier", "Tir", Lengthening}, {u'D', "Meer", "Mer", Lengthening},
        {u'D', "Hose", "Hohse", Lengthening}, {u'D', "Ohr", "Or", Lengthening}, {u'D', "Igel", "Iegel", Lengthening},
        {u'D', "Der Kamm ist neu", "Der Kam ist neu", Sharpening}, {u'D', "Zucker", "Zuker", Sharpening}, {u'D', "Gas", "Gass", Sharpening}, {u'D', "Sonne", "Sone", Sharpening},
        {u'D', "Katze", "Kaze", Sharpening}, {u'D', "Mutter", "Muter", Sharpening}, {u'D', "Haken", "Hacken", Sharpening}, {u'D', "Herz", "Hertz", Sharpening},
        {u'D', "Teller", "Teler", Sharpening}, {u'D', "Brot", "Brott", Sharpening}, {u'D', "Blume", "Blumme", Sharpening}, {u'D', "Decke", "Deke", Sharpening},
        {u'D', "Pilz", "Piltz", Sharpening},
        {u'D', "Hund", "Hunt", FinalSound}, {u'D', "Berg", "Berk", FinalSound}, {u'D', "Korb", "Korp", FinalSound}, {u'D', "Kind", "Kint", FinalSound},
        {u'D', "Zug", "Zuk", FinalSound}, {u'D', "gelb", "gelp", FinalSound}, {u'D', "Brot", "Brod", FinalSound}, {u'D', "lebt", "lept", FinalSound},
        {u'D', "Handtuch", "Hanttuch", FinalSound}, {u'D', "Jagd", "Jakt", FinalSound},
        {u'D', "Hände", "Hende", Umlaut}, {u'D', "Bäume", "Beume", Umlaut}, {u'D', "Häuser", "Heuser", Umlaut}, {u'D', "Käse", "Kese", Umlaut},
        {u'D', "Eltern", "Ältern", Umlaut}, {u'D', "Zähne", "Zehne", Umlaut}, {u'D', "läuft", "leuft", Umlaut},
        {u'D', "Fuß", "Fus", SSound}, {u'D', "Straße", "Strase", SSound}, {u'D', "Schlüssel", "Schlüsel", SSound}, {u'D', "Wasser", "Waser", SSound},
        {u'D', "heiß", "heis", SSound}, {u'D', "Haus", "Hauß", SSound}, {u'D', "Fluss", "Fluß", SSound}, {u'D', "groß", "gros", SSound},
        {u'D', "Nüsse", "Nüße", SSound},
        {u'D', "Vogel", "Fogel", SimilarSound}, {u'D', "Kaiser", "Keiser", SimilarSound}, {u'D', "Pferd", "Ferd", SimilarSound}, {u'D', "König", "Könich", SimilarSound},
        {u'D', "Hexe", "Hekse", SimilarSound}, {u'D', "Fuchs", "Fuks", SimilarSound}, {u'D', "Gabel", "Gapel", SimilarSound}, {u'D', "Tante", "Dante", SimilarSound},
        {u'D', "Vater", "Fater", SimilarSound}, {u'D', "Kirsche", "Kirche", SimilarSound}, {u'D', "Quelle", "Kwelle", SimilarSound}, {u'D', "Mai", "Mei", SimilarSound},
        {u'D', "Eule", "Oile", SimilarSound}, {u'D', "Milch", "Milsch", SimilarSound},
        {u'D', "Fenster", "Fenser", LetterOrder}, {u'D', "Fenster", "Fensster", LetterOrder}, {u'D', "Brot", "Bort", LetterOrder}, {u'D', "Fahrrad", "Fahrad", LetterOrder},
        {u'D', "Glas", "Gelas", LetterOrder}, {u'D', "Blume", "Bume", LetterOrder}, {u'D', "Schrank", "Schank", LetterOrder}, {u'D', "Spinne", "Sinne", LetterOrder},
        {u'D', "Tisch", "Tsich", LetterOrder}, {u'D', "Hund", "Hnud", LetterOrder}, {u'D', "Haus", "Hauss", LetterOrder},
        {u'D', "Rad", "Rab", LookAlike}, {u'D', "Liebe", "Leibe", LookAlike}, {u'D', "Stein", "Stien", LookAlike}, {u'D', "Nase", "Mase", LookAlike},
        {u'D', "baden", "daden", LookAlike}, {u'D', "Dach", "Bach", LookAlike}, {u'D', "Hemd", "Hend", LookAlike}, {u'D', "Bank", "Bauk", LookAlike},
        {u'D', "Qualle", "Pualle", LookAlike}, {u'D', "Hände", "Hande", LookAlike},
        {u'D', "Tisch", "Tosch", Other}, {u'D', "Elefant", "Elifant", Other}, {u'D', "Maus", "Mous", Other}, {u'D', "Zahn", "Sahn", Other},
        {u'E', "Monday", "monday", Capitals}, {u'E', "London", "london", Capitals},
        {u'E', "happy", "hapy", DoubledLetter}, {u'E', "little", "litle", DoubledLetter}, {u'E', "until", "untill", DoubledLetter}, {u'E', "dinner", "diner", DoubledLetter},
        {u'E', "book", "bok", DoubledLetter}, {u'E', "coming", "comming", DoubledLetter},
        {u'E', "friend", "freind", LetterOrder}, {u'E', "when", "wen", LetterOrder}, {u'E', "because", "becuase", LetterOrder}, {u'E', "said", "siad", LetterOrder},
        {u'E', "dog", "bog", LookAlike}, {u'E', "bed", "ded", LookAlike}, {u'E', "queen", "pueen", LookAlike},
        {u'E', "school", "skool", Other}, {u'E', "was", "woz", Other},
        {u'F', "Paris", "paris", Capitals}, {u'F', "Noël", "noël", Capitals},
        {u'F', "pomme", "pome", DoubledLetter}, {u'F', "appeler", "apeler", DoubledLetter}, {u'F', "ballon", "balon", DoubledLetter}, {u'F', "garage", "garrage", DoubledLetter},
        {u'F', "fleur", "fluer", LetterOrder}, {u'F', "arbre", "arbe", LetterOrder}, {u'F', "quatre", "quate", LetterOrder},
        {u'F', "école", "ecole", LookAlike}, {u'F', "père", "pere", LookAlike}, {u'F', "garçon", "garcon", LookAlike}, {u'F', "dame", "bame", LookAlike},
        {u'F', "beaucoup", "bocoup", Other}, {u'F', "oiseau", "oizeau", Other},
        // clang-format on
    };
    for (const Row &row : rows) {
        const QString asked = QString::fromUtf8(row.asked), written = QString::fromUtf8(row.written);
        const QString typed = typedUntilRed(asked, written);
        SCOPED_TRACE(QStringLiteral("%1: %2 written %3, typed %4").arg(QChar(row.language)).arg(asked, written, typed).toStdString());
        ASSERT_FALSE(asked.contains(typed)); // the misspelling turns the answer box red
        EXPECT_EQ(errorTypeName(classifyMistake(QChar(row.language), asked, typed)).toStdString(),
                  errorTypeName(row.type).toStdString());
    }
}

// The kind a record shows most often; equal counts go to the kind named first.
TEST(ErrorTypes, MostFrequent)
{
    const auto wrong = [](const char *asked, const char *typed) {
        return RecordLine{QDate(2026, 3, 2), 0, u'D', QString::fromUtf8(asked), 1, 2, false, false,
                          QString::fromUtf8(asked), QString::fromUtf8(typed)};
    };
    const RecordLine right{QDate(2026, 3, 2), 0, u'D', QStringLiteral("Hund"), 1, 2, true};
    EXPECT_EQ(mostFrequentErrorType({right}), std::nullopt);
    EXPECT_EQ(mostFrequentErrorType({wrong("Hund", "Hunt"), wrong("Zahn", "Zan")}), ErrorType::Lengthening);
    EXPECT_EQ(mostFrequentErrorType({wrong("Hund", "Hunt"), right, wrong("Hund", "Hunt"), wrong("Zahn", "Zan")}),
              ErrorType::FinalSound);
}
