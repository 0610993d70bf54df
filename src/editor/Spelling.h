#pragma once

#include "cards/CardList.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace zek {

// Where a word stands in a text: its first character and its length.
struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WordSpan &) const = default;
};

// The words of a field as the spelling check reads them: runs of letters
// (and digits), with a hyphen or an apostrophe inside ("Baden-Württemberg",
// "l'arbre", "don't") and a hyphen at the end ("Haupt- und Nebensatz"). A
// run with a digit in it is a number or a code ("3er", "Wort100"), no word.
QList<WordSpan> splitWords(const QString &text);

// The card box's own word list: "ZEKWORTE.TXT" in the card folder, UTF-8,
// one word a line. Names the teacher accepts on purpose.
inline constexpr char16_t ownWordsFileName[] = u"ZEKWORTE.TXT";
// Its words: any bytes are read without harm; a line that is not one word
// (empty, damaged UTF-8, several words, a number) is skipped.
QStringList readOwnWords(const QByteArray &bytes);

// The folders where the system keeps its Hunspell dictionaries.
QStringList systemDictionaryFolders();

class Dictionary;
struct DictionaryLoad;

// The spelling check of one card box: the Hunspell dictionary of the card
// file's language and the box's own word list. A dictionary is read on first
// use, in the background, so that neither the program's start nor the first
// keystroke waits for it; the operations that must have an answer (the
// question before a save, the check of all cards) wait until it is read.
// Nothing else waits for a load: a new own word list or other folders start
// new loads and leave the old ones to end on their own.
class Spelling : public QObject {
    Q_OBJECT
public:
    explicit Spelling(const QString &cardFolder, QStringList dictionaryFolders = systemDictionaryFolders());
    ~Spelling() override;

    // Reads the own word list of the card folder (again).
    void readOwnWordList();
    // The folders the dictionaries are looked for in, in order. Dictionaries
    // already read are forgotten.
    void setDictionaryFolders(const QStringList &folders);

    // The language of the cards checked, "D", "E" or "F": its dictionary
    // starts to be read, unless it is read already.
    void setLanguage(const QString &code);
    const QString &language() const { return m_code; }
    // Whether there is a dictionary for the language: without one the check
    // is off and every word counts as known.
    bool isOn() const;
    // Why the check is off, as the teacher is told: "kein Wörterbuch für
    // Französisch gefunden"; empty while it is on.
    QString offReason() const;
    // Whether the dictionary is read; ready() is emitted when it is.
    bool isReady() const;
    void waitUntilReady() const { dictionary(); }

    // Whether the dictionary (or the own word list) knows word; waits for
    // the dictionary. followedByDot: a dot stands right behind it, so an
    // abbreviation ("usw.") counts.
    bool isKnown(const QString &word, bool followedByDot = false) const;
    // The words of text that are not known, in order; waits for the dictionary.
    QList<WordSpan> unknownWords(const QString &text) const;
    // The same, but empty at once while the dictionary is still being read.
    QList<WordSpan> unknownWordsIfReady(const QString &text) const;
    // Up to max spellings the dictionary offers for word (the slow part of a
    // check: asked only for words that are not known).
    QStringList suggestions(const QString &word, int max = 3) const;

    // Adds word to the own word list: the file is written anew (a temporary
    // file renamed over it) with the word as its last line, and from then on
    // the check knows it. False when the file could not be written: then
    // *error says why in German, the file stays as it was and the word stays
    // unknown.
    bool addOwnWord(const QString &word, QString *error);
    const QStringList &ownWords() const { return m_ownWords; }

signals:
    void ready(); // the dictionary of the language is read (delivered through the event loop)

private:
    Dictionary *dictionary() const; // waits; nullptr without one
    void dropLoads(); // forgets every dictionary; loads still running end unseen
    QString dictionaryBase(const QString &code) const; // the path without ".aff"/".dic"; empty: none

    QString m_folder;
    QStringList m_dictionaryFolders;
    QString m_code;
    QString m_base; // the dictionary of the language, without ".aff"/".dic"; empty: none
    QStringList m_ownWords;
    QSet<QString> m_ownSet;
    // The dictionaries being read or read, by language code. A load runs on a
    // thread of its own and is never waited for but by dictionary(); a load
    // dropped (the own word list changed) finishes unseen.
    std::map<QString, std::shared_ptr<DictionaryLoad>> m_loading;
    mutable QHash<QString, bool> m_known; // the words of the language asked before
};

// One card with words that are not known, as the list of the check shows it.
struct SpellingFinding {
    qsizetype position = 0; // in the card file, from 0
    QString baseWord;
    QStringList words; // the words not known, each once, in the order of the fields
};

// Checks every card: the cards with unknown words, in the file's order.
QList<SpellingFinding> checkCards(const Spelling &spelling, const CardList &cards);

} // namespace zek
