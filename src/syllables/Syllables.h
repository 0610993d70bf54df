#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace zek {

// One syllable of a text: where it starts, how many characters it has, and
// its place in its word (0 for the first, so even ones are blue, odd ones red).
struct Syllable {
    qsizetype start = 0;
    qsizetype length = 0;
    int place = 0;
    friend bool operator==(const Syllable &, const Syllable &) = default;
};

// The syllables of a language, from Debian's hyphenation patterns
// (libhyphen); a language without patterns keeps every word whole. Loaded
// once per language on first use, on the GUI thread, and kept.
class SyllablePatterns {
public:
    // The patterns of a card language ("D", "E", "F"); nullptr when the
    // language has none or its file is not installed.
    static const SyllablePatterns *forLanguage(const QString &languageCode);
    // Loaded from one pattern file; nullptr when it cannot be read.
    static const SyllablePatterns *fromFile(const QString &path);

    ~SyllablePatterns();
    SyllablePatterns(const SyllablePatterns &) = delete;
    SyllablePatterns &operator=(const SyllablePatterns &) = delete;

    // Where the letters of one word divide: the offsets at which a syllable
    // other than the first begins ("Apfelbaum": 2, 5). The patterns' own
    // shortest first and last syllable are kept; a word they do not divide,
    // or one with a letter their file cannot hold, gives none.
    QList<qsizetype> divisions(QStringView word) const;

private:
    explicit SyllablePatterns(void *dictionary) : m_dictionary(dictionary) {}
    QList<qsizetype> divide(QStringView word) const;

    void *m_dictionary; // HyphenDict
    // each word divided once: a card box says the same words many times
    mutable QHash<QString, QList<qsizetype>> m_divided;
};

// The syllables of a text: each run of letters (an apostrophe between two
// letters among them) is divided by the patterns, all of it one syllable
// without them. A word is what blanks separate; its syllables count on
// across a hyphen inside it, and each word starts again at place 0.
QList<Syllable> syllablesOf(const QString &text, const SyllablePatterns *patterns);

// The offsets in text at which a line may break inside a word: where one
// syllable ends and the next begins, or after a hyphen between two.
QList<qsizetype> syllableBreaks(const QString &text, const QList<Syllable> &syllables);

// For each character of text its syllable's place, or -1 for blanks and
// marks that belong to no syllable.
QList<int> syllablePlaces(const QString &text, const QList<Syllable> &syllables);

// The pause the voice makes between two syllables or two groups of words.
inline const QString spokenPause = QStringLiteral(" \u2013 ");
// How many words a group of a spoken phrase has at most.
constexpr qsizetype wordsInSpokenGroup = 3;

// A word as dictation speaks it syllable by syllable: whole, then each
// syllable with a pause ("Apfelbaum. Ap \u2013 fel \u2013 baum"); a word of
// one syllable only whole.
QString spokenInSyllables(const QString &word, const SyllablePatterns *patterns);
// A phrase in short groups of words (at most wordsInSpokenGroup, a group
// ending at a sentence mark), in the order spoken.
QStringList spokenGroups(const QString &phrase);
// The group in which the typed text stands: the group of the word being typed.
qsizetype groupBeingTyped(const QString &phrase, const QString &typed);

} // namespace zek
