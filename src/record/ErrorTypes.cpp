#include "record/ErrorTypes.h"

#include <algorithm>

namespace zek {

QString errorTypeName(ErrorType type)
{
    switch (type) {
    case ErrorType::Capitals: return QStringLiteral("Groß- und Kleinschreibung");
    case ErrorType::Lengthening: return QStringLiteral("Dehnung");
    case ErrorType::Sharpening: return QStringLiteral("Schärfung");
    case ErrorType::FinalSound: return QStringLiteral("Auslaut (Ableitung)");
    case ErrorType::Umlaut: return QStringLiteral("Umlaut (Ableitung)");
    case ErrorType::SSound: return QStringLiteral("s-Laute");
    case ErrorType::SimilarSound: return QStringLiteral("ähnliche Laute");
    case ErrorType::DoubledLetter: return QStringLiteral("Doppelbuchstaben");
    case ErrorType::LetterOrder: return QStringLiteral("Auslassung, Hinzufügung, Reihenfolge");
    case ErrorType::LookAlike: return QStringLiteral("Verwechslung ähnlicher Buchstaben");
    case ErrorType::Other: break;
    }
    return QStringLiteral("Sonstiges");
}

namespace {

char16_t lower(QChar c) { return c.toLower().unicode(); }

// The letter without its marks: é, è, ê and e are all e, ä is a.
char16_t bare(char16_t c)
{
    const QString parts = QChar(c).decomposition();
    return parts.isEmpty() ? c : lower(parts[0]);
}

// a, e, i, o, u, y, also with marks (ä, é, ô …).
bool isVowel(char16_t c)
{
    switch (c < 0x80 ? c : bare(c)) {
    case u'a':
    case u'e':
    case u'i':
    case u'o':
    case u'u':
    case u'y': return true;
    default: return false;
    }
}

bool isLetter(char16_t c) { return c != 0 && QChar(c).isLetter(); }
bool isConsonant(char16_t c) { return isLetter(c) && !isVowel(c); }

// b/p, d/t, g/k: one soft, one hard, either way round.
bool hardAndSoft(char16_t a, char16_t b)
{
    const auto pair = [&](char16_t soft, char16_t hard) {
        return (a == soft && b == hard) || (a == hard && b == soft);
    };
    return pair(u'b', u'p') || pair(u'd', u't') || pair(u'g', u'k');
}

// The letters of a word, lower case, 0 beyond either end.
struct Letters {
    QStringView text;
    char16_t operator[](qsizetype i) const { return i >= 0 && i < text.size() ? lower(text[i]) : char16_t(0); }
};

// Whether the letter at i closes its syllable: nothing, or a consonant that
// does not open the next syllable with r ("Ze-bra"), follows it.
bool endsSyllable(const Letters &w, qsizetype i)
{
    const char16_t next = w[i + 1];
    if (!isLetter(next))
        return true;
    if (isVowel(next))
        return false;
    return !(next == u'r' && isVowel(w[i - 1]) && isVowel(w[i + 2]));
}

// The spot of the wrong letter: what the word has there (e), what was typed
// (c), the word's letters before (p, pp, ppp) and after (n1, n2), all in
// lower case; e is 0 where the child typed on past the word's end.
struct Spot {
    char16_t e, c, p, pp, ppp, n1, n2;
};

// The German rules, in the order of the kinds; atSyllableEnd: the word's
// letter at the spot closes its syllable.
std::optional<ErrorType> germanType(const Spot &s, bool atSyllableEnd)
{
    const auto [e, c, p, pp, ppp, n1, n2] = s;
    const bool lengthenable = e == u'a' || e == u'e' || e == u'o';
    // Dehnung: the lengthening h after a vowel, the e of ie, the second of
    // aa/ee/oo left out, or written where the word has none
    if ((e == u'h' && isVowel(p)) || (e == u'e' && p == u'i') || (lengthenable && p == e)
        || (c == u'h' && isVowel(p) && n1 != u'h') || (c == u'e' && p == u'i')
        || ((c == u'a' || c == u'e' || c == u'o') && c == p))
        return ErrorType::Lengthening;
    // Schärfung: after a short vowel the second consonant (ss is the s-sound's),
    // the c of ck or the t of tz left out; a consonant doubled after a single
    // vowel, ck for k or tz for z written where the word has none
    if ((isConsonant(e) && e != u's' && e == p && isVowel(pp)) || (e == u'c' && n1 == u'k' && c == u'k')
        || (e == u't' && n1 == u'z' && c == u'z')
        || (isConsonant(c) && c != u'h' && c == p && e != c && isVowel(pp) && !isVowel(ppp)) || (c == u'c' && e == u'k')
        || (c == u't' && e == u'z'))
        return ErrorType::Sharpening;
    // a hard letter for a soft one, or the other way round, at the end of a
    // syllable: only the related word says which ("Hund" - "Hunde")
    if (hardAndSoft(e, c) && atSyllableEnd)
        return ErrorType::FinalSound;
    if ((e == u'ä' && c == u'e') || (e == u'e' && c == u'ä'))
        return ErrorType::Umlaut;
    if ((e == u'ß' && c == u's') || (e == u's' && c == u'ß') || (e == u's' && p == u's'))
        return ErrorType::SSound;
    if ((e == u'v' && (c == u'f' || c == u'w')) || ((e == u'f' || e == u'w') && c == u'v')
        || (e == u'p' && n1 == u'f' && c == u'f') || (e == u'f' && c == u'p') // pf
        || (e == u'g' && c == u'c') || (e == u'c' && n1 == u'h' && (c == u'g' || (c == u's' && p != u's')))
        || (e == u's' && n1 == u'c' && n2 == u'h' && c == u'c') // ch, sch, g
        || (e == u'a' && n1 == u'i' && c == u'e') || (e == u'e' && n1 == u'i' && c == u'a') // ei, ai
        || (e == u'e' && n1 == u'u' && c == u'o') // eu, oi
        || (e == u'x' && (c == u'k' || c == u'c' || c == u'g'))
        || (e == u'c' && n1 == u'h' && n2 == u's' && (c == u'k' || c == u'x'))
        || (e == u'k' && n1 == u's' && (c == u'x' || c == u'c')) // x, chs, ks
        || (e == u'q' && c == u'k') // qu, kw
        || hardAndSoft(e, c)) // inside a syllable
        return ErrorType::SimilarSound;
    return std::nullopt;
}

// The rules every language shares after its own, in the order of the kinds.
ErrorType sharedType(const Spot &s, bool german)
{
    const char16_t e = s.e, c = s.c, p = s.p, n1 = s.n1;
    if (!german && isLetter(c) && ((e == p && isLetter(e)) || (c == p && e != c)))
        return ErrorType::DoubledLetter;
    // ie and ei turned round is a confusion of the two, not a swap
    const bool ieTurned = german && ((e == u'i' && n1 == u'e' && c == u'e') || (e == u'e' && n1 == u'i' && c == u'i'));
    if (!ieTurned
        && (e == 0 || (c != 0 && (c == n1 || c == p))
            || (isVowel(c) && isConsonant(e) && !isVowel(p)))) // a vowel put between consonants
        return ErrorType::LetterOrder;
    const auto pair = [&](char16_t a, char16_t b) { return (e == a && c == b) || (e == b && c == a); };
    if (ieTurned || pair(u'b', u'd') || pair(u'p', u'q') || pair(u'm', u'n') || pair(u'n', u'u')
        || (isLetter(c) && bare(c) == bare(e)))
        return ErrorType::LookAlike;
    return ErrorType::Other;
}

} // namespace

ErrorType classifyMistake(QChar language, QStringView asked, QStringView typed)
{
    const qsizetype common = std::min(asked.size(), typed.size());
    qsizetype at = 0;
    while (at < common && asked[at] == typed[at])
        ++at;
    if (at == typed.size()) // no letter typed departs from the word
        return ErrorType::Other;
    const Letters word{asked};
    const QChar exact = at < asked.size() ? asked[at] : QChar();
    const Spot spot{word[at], lower(typed[at]), word[at - 1], word[at - 2], word[at - 3], word[at + 1], word[at + 2]};
    if (!exact.isNull() && exact != typed[at] && spot.e == spot.c)
        return ErrorType::Capitals;
    const bool german = language == u'D';
    if (german)
        if (const auto type = germanType(spot, endsSyllable(word, at)))
            return *type;
    return sharedType(spot, german);
}

std::optional<ErrorType> errorTypeOf(const RecordLine &line)
{
    if (line.right || line.byTeacher || line.typed.isEmpty())
        return std::nullopt;
    return classifyMistake(line.language, line.asked, line.typed);
}

std::optional<ErrorType> mostFrequentErrorType(const QList<RecordLine> &lines)
{
    std::array<qsizetype, errorTypeCount> counts{};
    for (const RecordLine &line : lines)
        if (const auto type = errorTypeOf(line))
            ++counts[std::size_t(*type)];
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    if (*most == 0)
        return std::nullopt;
    return ErrorType(most - counts.cbegin());
}

bool hasPattern(ErrorType type) { return type != ErrorType::LetterOrder && type != ErrorType::Other; }

bool showsPattern(ErrorType type, QChar language, QStringView text)
{
    const Letters w{text};
    const bool german = language == u'D';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t a = w[i], b = w[i + 1];
        switch (type) {
        case ErrorType::Capitals:
            if (text[i].isUpper())
                return true;
            break;
        case ErrorType::Lengthening:
            if ((isVowel(a) && b == u'h') || (a == u'i' && b == u'e')
                || ((a == u'a' || a == u'e' || a == u'o') && b == a))
                return true;
            break;
        case ErrorType::Sharpening:
            if ((isConsonant(a) && b == a) || (a == u'c' && b == u'k') || (a == u't' && b == u'z'))
                return true;
            break;
        case ErrorType::FinalSound:
            if ((a == u'b' || a == u'd' || a == u'g') && endsSyllable(w, i))
                return true;
            break;
        case ErrorType::Umlaut:
            if (a == u'ä')
                return true;
            break;
        case ErrorType::SSound:
            if (a == u's' || a == u'ß')
                return true;
            break;
        case ErrorType::SimilarSound:
            if (a == u'v' || a == u'x' || a == u'q' || (a == u'p' && b == u'f') || (a == u'c' && b == u'h')
                || (a == u'a' && b == u'i'))
                return true;
            break;
        case ErrorType::DoubledLetter:
            if (isLetter(a) && b == a)
                return true;
            break;
        case ErrorType::LookAlike:
            if (a == u'b' || a == u'd' || a == u'p' || a == u'q'
                || (german && (a == u'i' || a == u'e') && b == (a == u'i' ? u'e' : u'i')) || (!german && bare(a) != a))
                return true;
            break;
        case ErrorType::LetterOrder:
        case ErrorType::Other: return false;
        }
    }
    return false;
}

} // namespace zek
