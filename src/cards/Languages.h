#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>

namespace zek {

// The three languages of a card box, in the order of the language button's
// cycle D -> E -> F -> D.
enum class LanguageId { German, English, French };

// All the program knows of one language. Every window reads it here.
struct LanguageRecord {
    LanguageId id;
    char16_t code; // the languageCode: 'D', 'E', 'F'
    const char16_t *name; // as shown: "Deutsch", "Englisch", "Französisch"
    const char16_t *cardFile; // its card list file, no folder
    int characterSetLine; // its line of the language file, from 0
    QLocale::Language voice; // the language its voice speaks
    QLocale::Territory voiceHome; // the country whose voice is taken first
    const char *flag; // the flag picture among the icons
    const char *dictionaries; // its spelling dictionaries, by file name, the first found taken

    QString codeText() const { return QString(QChar(code)); }
    QString nameText() const { return QString::fromUtf16(name); }
    QString cardFileName() const { return QString::fromUtf16(cardFile); }
};

inline constexpr std::array<LanguageRecord, 3> languages = {{
    {LanguageId::German, u'D', u"Deutsch", u"ZEKCARD1.LST", 0, QLocale::German, QLocale::Germany, "flag_de", "de_DE"},
    {LanguageId::English, u'E', u"Englisch", u"ZEKCARD2.LST", 1, QLocale::English, QLocale::UnitedKingdom, "flag_en",
     "en_US en_GB"},
    {LanguageId::French, u'F', u"Französisch", u"ZEKCARD3.LST", 2, QLocale::French, QLocale::France, "flag_fr",
     "fr_FR fr"},
}};

inline const LanguageRecord &languageRecord(LanguageId id) { return languages[std::size_t(id)]; }

// The language of a code "D", "E" or "F"; nullptr for any other text.
const LanguageRecord *findLanguage(const QString &code);

// "ZEKCARDS.INI" in the card folder: the character sets of the three
// languages, one line each.
inline constexpr char16_t languageFileName[] = u"ZEKCARDS.INI";

// The card file of a language code: "ZEKCARD1.LST" for "D" and so on; the
// empty name for any other code.
QString cardFileName(const QString &languageCode);
// The language code of a card file name, found in any case ("" for none).
QString languageOfCardFile(const QString &fileName);
// "Deutsch", "Englisch", "Französisch"; empty for any other code.
QString languageName(const QString &code);

} // namespace zek
