#pragma once

#include "record/PracticeRecord.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace zek {

// The kinds of mistake teachers sort a child's misspellings into, in the
// order that decides where two fit. German words take every kind but
// "Doppelbuchstaben"; English and French words only the kinds that need no
// German spelling rule (capital letters, doubled letters, letters left out,
// added or swapped, letters that look alike, other).
enum class ErrorType {
    Capitals, // "Groß- und Kleinschreibung"
    Lengthening, // "Dehnung": h after a vowel, ie, aa/ee/oo
    Sharpening, // "Schärfung": doubled consonants, ck, tz
    FinalSound, // "Auslaut (Ableitung)": b/p, d/t, g/k at a syllable's end
    Umlaut, // "Umlaut (Ableitung)": ä/e, äu/eu
    SSound, // "s-Laute": s, ss, ß
    SimilarSound, // "ähnliche Laute": f/v/pf, ch/sch/g, ei/ai, x/chs/ks, b/p d/t g/k inside
    DoubledLetter, // "Doppelbuchstaben" (English, French)
    LetterOrder, // "Auslassung, Hinzufügung, Reihenfolge"
    LookAlike, // "Verwechslung ähnlicher Buchstaben": b/d, p/q, m/n, n/u, ie/ei reversed
    Other, // "Sonstiges"
};
inline constexpr int errorTypeCount = 11;

// The kind's name as the teacher reads it.
QString errorTypeName(ErrorType type);

// The kind of the first wrong letter of an answer: asked is the text the
// child was typing, typed the answer box up to and including the wrong
// letter. The wrong letter is where typed first departs from asked (the
// answer box turns red only where the text typed is no part of the word, so
// that can be a letter or two before its last). It is judged by the letters
// of asked around it and the letter typed against the letters that follow.
// language is 'D', 'E' or 'F'.
ErrorType classifyMistake(QChar language, QStringView asked, QStringView typed);

// The kind of a record line's wrong letter; none for a line without one.
std::optional<ErrorType> errorTypeOf(const RecordLine &line);

// The kind a child's record shows most often (equal counts: the first in the
// order above); none when no line has a wrong letter.
std::optional<ErrorType> mostFrequentErrorType(const QList<RecordLine> &lines);

// Whether a word holds what a kind is about, for practising it: for
// "Schärfung" every word with a doubled consonant, ck or tz, for "s-Laute"
// every word with s, ss or ß, and so on. "Auslassung, Hinzufügung,
// Reihenfolge" and "Sonstiges" have no such letters (hasPattern is false):
// their words are those the record shows with them.
bool hasPattern(ErrorType type);
bool showsPattern(ErrorType type, QChar language, QStringView word);

} // namespace zek
