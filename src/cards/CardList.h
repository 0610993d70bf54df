#pragma once

#include <QList>
#include <QString>

#include <array>

namespace zek {

// One card: four texts in the order of the file.
struct CardEntry {
    QString box; // "0" error box, "1" to "5", "6" learnt
    QString baseWord; // the learning word
    QString relatedWord; // a word of the same family
    QString phrase; // a short phrase with the word

    CardEntry() = default;
    CardEntry(QString boxCode, QString base, QString related, QString phraseText)
        : box(std::move(boxCode)),
          baseWord(std::move(base)),
          relatedWord(std::move(related)),
          phrase(std::move(phraseText))
    {}
    CardEntry(const CardEntry &) = default;
    CardEntry(CardEntry &&) noexcept = default;
    CardEntry &operator=(const CardEntry &) = default;
    CardEntry &operator=(CardEntry &&) noexcept = default;
    ~CardEntry();

    friend bool operator==(const CardEntry &, const CardEntry &) = default;
};

} // namespace zek

// Four QStrings move in memory as plain bytes: a list grows and the editor
// inserts without copying the cards one by one.
Q_DECLARE_TYPEINFO(zek::CardEntry, Q_RELOCATABLE_TYPE);

namespace zek {

// The cards of the current language in file order, addressed from 0.
// The editor refuses to grow a list beyond maxCards, but a longer file still
// loads whole: counts and positions are qsizetype and never wrap.
using CardList = QList<CardEntry>;
constexpr qsizetype maxCards = 32767;

// Cards per box code "0" to "6", and their total. A box text other than
// these seven counts nowhere.
struct BoxCounts {
    std::array<qsizetype, 7> perBox{};
    qsizetype total = 0;

    friend bool operator==(const BoxCounts &, const BoxCounts &) = default;
};

BoxCounts countBoxes(const CardList &cards);

// The box number of a box text "0" to "6", or -1 for any other text.
int boxNumber(const QString &box);

// A box text read as a number, the way the editor's box filter reads it:
// blanks in front skipped, the leading number taken ("1.0" and " 1" are 1,
// "x" is 0).
double boxValue(const QString &box);

// "Kein Eintrag", " 1 Eintrag", " 12 Einträgen".
QString entryCountText(qsizetype count);

} // namespace zek

namespace zek {

// The order in which the card files are kept by base word: without regard to
// case, an umlaut or accented letter beside its base letter, "ß" as "ss".
// Negative, zero or positive like QString::compare.
int compareBaseWords(const QString &a, const QString &b);
// The text that order compares, for sorting many words with one key each.
QString baseWordOrderKey(const QString &word);

} // namespace zek
