#include "syllables/Syllables.h"

#include <QFile>
#include <QRegularExpression>

#include <hyphen.h>

#include <map>
#include <memory>
#include <vector>

namespace zek {

namespace {

// Debian's hyphenation patterns, one file for each card language.
const QString patternFolder = QStringLiteral("/usr/share/hyphen/");

QString patternFile(const QString &languageCode)
{
    if (languageCode == u"D")
        return QStringLiteral("hyph_de_DE.dic");
    if (languageCode == u"E")
        return QStringLiteral("hyph_en_US.dic");
    if (languageCode == u"F")
        return QStringLiteral("hyph_fr.dic");
    return {};
}

// Loaded files by path, missing ones as nullptr: each is read once.
std::map<QString, std::unique_ptr<SyllablePatterns>> &loaded()
{
    static std::map<QString, std::unique_ptr<SyllablePatterns>> files;
    return files;
}

// A letter of a syllable: letters and the accents written over them.
bool inSyllable(QChar c) { return c.isLetter() || c.isMark(); }

// An apostrophe between two letters joins them ("l'école", "don't").
bool joins(const QString &text, qsizetype i)
{
    return (text[i] == u'\'' || text[i] == u'\u2019') && i > 0 && i + 1 < text.size() && inSyllable(text[i - 1])
        && inSyllable(text[i + 1]);
}

} // namespace

const SyllablePatterns *SyllablePatterns::forLanguage(const QString &languageCode)
{
    const QString file = patternFile(languageCode);
    return file.isEmpty() ? nullptr : fromFile(patternFolder + file);
}

const SyllablePatterns *SyllablePatterns::fromFile(const QString &path)
{
    auto &files = loaded();
    if (auto found = files.find(path); found != files.end())
        return found->second.get();
    HyphenDict *dictionary = hnj_hyphen_load(QFile::encodeName(path).constData());
    auto &entry = files[path];
    if (dictionary)
        entry.reset(new SyllablePatterns(dictionary));
    return entry.get();
}

SyllablePatterns::~SyllablePatterns() { hnj_hyphen_free(static_cast<HyphenDict *>(m_dictionary)); }

QList<qsizetype> SyllablePatterns::divisions(QStringView word) const
{
    const QString key = word.toString();
    if (auto found = m_divided.constFind(key); found != m_divided.constEnd())
        return *found;
    return *m_divided.insert(key, divide(word));
}

QList<qsizetype> SyllablePatterns::divide(QStringView word) const
{
    auto *dictionary = static_cast<HyphenDict *>(m_dictionary);
    // the patterns are written in small letters, one character at a time so
    // that "ß" stays one letter
    QString lower(word.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < word.size(); ++i)
        lower[i] = word[i].toLower();
    // the file's own encoding, its first line: UTF-8 or ISO 8859-1; the
    // library marks its divisions after each letter (each code point), so
    // the last character of each is kept
    QByteArray bytes;
    std::vector<qsizetype> endOfLetter;
    if (dictionary->utf8) {
        bytes = lower.toUtf8();
        for (qsizetype i = 0; i < lower.size(); ++i)
            if (!lower[i].isHighSurrogate())
                endOfLetter.push_back(i);
    } else {
        for (QChar c : std::as_const(lower)) {
            if (c.unicode() > 0xff)
                return {}; // a letter the patterns cannot know
            bytes += char(c.unicode());
            endOfLetter.push_back(qsizetype(endOfLetter.size()));
        }
    }
    std::vector<char> hyphens(std::size_t(bytes.size()) + 5, 0);
    char **replacements = nullptr;
    int *positions = nullptr;
    int *cuts = nullptr;
    QList<qsizetype> result;
    if (hnj_hyphen_hyphenate2(dictionary, bytes.constData(), int(bytes.size()), hyphens.data(), nullptr, &replacements,
                              &positions, &cuts)
        == 0) {
        // an odd number after a byte: the word divides after its letter
        for (std::size_t i = 0; i + 1 < endOfLetter.size(); ++i)
            if (hyphens[i] & 1) {
                const qsizetype after = endOfLetter[i] + 1;
                if (after > 0 && after < word.size() && (result.isEmpty() || result.last() < after))
                    result << after;
            }
    }
    if (replacements) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            free(replacements[i]);
        free(replacements);
    }
    free(positions);
    free(cuts);
    return result;
}

QList<Syllable> syllablesOf(const QString &text, const SyllablePatterns *patterns)
{
    QList<Syllable> syllables;
    int place = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].isSpace()) {
            place = 0; // a new word starts blue
            ++i;
            continue;
        }
        if (!inSyllable(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && (inSyllable(text[end]) || joins(text, end)))
            ++end;
        const QList<qsizetype> divisions =
            patterns ? patterns->divisions(QStringView(text).mid(i, end - i)) : QList<qsizetype>();
        qsizetype start = 0;
        for (qsizetype division : divisions) {
            syllables << Syllable{i + start, division - start, place++};
            start = division;
        }
        syllables << Syllable{i + start, end - i - start, place++};
        i = end;
    }
    return syllables;
}

QList<qsizetype> syllableBreaks(const QString &text, const QList<Syllable> &syllables)
{
    QList<qsizetype> breaks;
    for (qsizetype i = 1; i < syllables.size(); ++i) {
        const qsizetype start = syllables[i].start, end = syllables[i - 1].start + syllables[i - 1].length;
        // next to the one before, or after a hyphen that joins them
        if (start == end || (start == end + 1 && text[end] == u'-'))
            breaks << start;
    }
    return breaks;
}

QList<int> syllablePlaces(const QString &text, const QList<Syllable> &syllables)
{
    QList<int> places(text.size(), -1);
    for (const Syllable &s : syllables)
        for (qsizetype i = s.start; i < s.start + s.length && i < text.size(); ++i)
            places[i] = s.place;
    return places;
}

QString spokenInSyllables(const QString &word, const SyllablePatterns *patterns)
{
    const QList<Syllable> syllables = syllablesOf(word, patterns);
    if (syllables.size() < 2)
        return word;
    QStringList parts;
    for (const Syllable &s : syllables)
        parts << word.mid(s.start, s.length);
    return word + QStringLiteral(". ") + parts.join(spokenPause);
}

namespace {

// The phrase's words, each as the index of its group.
QList<qsizetype> groupOfWords(const QStringList &words)
{
    static const QRegularExpression sentenceEnd(QStringLiteral("[.,;:!?]$"));
    QList<qsizetype> groups;
    qsizetype group = 0, inGroup = 0;
    for (const QString &word : words) {
        groups << group;
        if (++inGroup == wordsInSpokenGroup || sentenceEnd.match(word).hasMatch()) {
            ++group;
            inGroup = 0;
        }
    }
    return groups;
}

} // namespace

QStringList spokenGroups(const QString &phrase)
{
    const QStringList words = phrase.split(u' ', Qt::SkipEmptyParts);
    const QList<qsizetype> groups = groupOfWords(words);
    QStringList spoken;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (groups[i] >= spoken.size())
            spoken << words[i];
        else
            spoken.last() += u' ' + words[i];
    }
    return spoken;
}

qsizetype groupBeingTyped(const QString &phrase, const QString &typed)
{
    const QList<qsizetype> groups = groupOfWords(phrase.split(u' ', Qt::SkipEmptyParts));
    if (groups.isEmpty())
        return 0;
    // the word being typed: after a blank the next one
    const qsizetype typedWords = typed.split(u' ', Qt::SkipEmptyParts).size();
    const qsizetype word = typed.isEmpty() || typed.endsWith(u' ') ? typedWords : typedWords - 1;
    return groups[std::clamp<qsizetype>(word, 0, groups.size() - 1)];
}

} // namespace zek
