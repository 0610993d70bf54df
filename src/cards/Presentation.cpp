#include "Presentation.h"

#include "platform/Random.h"

namespace zek {
namespace {

const QString abcAlphabet =
    QStringLiteral("AaÄäBbCcDdEeFfGgHhIiJjKkLlMmNnOoÖöPpQqRrSsßTtUuÜüVvWwXxYyZz-=_,.;:!?0123456789");
const QString vowels = QStringLiteral("AaÄäEeIiOoÖöUuÜü");
const QString consonants = QStringLiteral("BbCcDdFfGgHhJjKkLlMmNnPpQqRrSsßTtVvWwXxYyZz-=_,.;:!?0123456789");
const QString fillers = QStringLiteral("AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz");
constexpr QChar hidden = u'_';

// Each character of word where keep(i) holds for its position i (from 1),
// the hiding character elsewhere.
template <typename Keep> QString maskWord(const QString &word, Keep keep)
{
    QString out = word;
    const qsizetype n = word.size();
    for (qsizetype i = 1; i <= n; ++i)
        if (!keep(i, word[i - 1]))
            out[i - 1] = hidden;
    return out;
}

QString tumbled(const QString &word)
{
    // odd positions go in front, even ones behind
    QString front, back;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (i % 2 == 0)
            front.prepend(word[i]);
        else
            back.append(word[i]);
    }
    return front + back;
}

QString alphabetical(const QString &word)
{
    QString out;
    for (QChar a : abcAlphabet)
        for (QChar c : word)
            if (c == a)
                out += c;
    return out;
}

QString hiddenInLetters(const QString &word, Random &random)
{
    constexpr int rowLength = 30;
    QString row(rowLength, Qt::Uninitialized);
    for (int i = 0; i < rowLength; ++i)
        row[i] = fillers[qsizetype(random.next() * fillers.size())];
    const qsizetype room = 25 - word.size();
    if (room < 1)
        return word;
    const qsizetype start = qsizetype(random.next() * room); // position p - 1
    row.replace(start, word.size(), word);
    return row;
}

} // namespace

const QStringList &presentationModeNames()
{
    static const QStringList names = {
        QStringLiteral("Normalwort"),  QStringLiteral("Großschrift"), QStringLiteral("Umkehrwort"),
        QStringLiteral("Purzelwort"),  QStringLiteral("Wortanfang"),  QStringLiteral("Wörterende"),
        QStringLiteral("ABC-Wörter"),  QStringLiteral("Selbstlaute"), QStringLiteral("Mitlaute"),
        QStringLiteral("Anfang+Ende"), QStringLiteral("Wortmitte"),   QStringLiteral("Versteckt"),
    };
    return names;
}

QString toCapitals(const QString &word)
{
    QString out = word;
    for (QChar &c : out)
        if (c != u'ß')
            c = c.toUpper();
    return out;
}

QString presentWord(int mode, const QString &word, Random &random)
{
    const qsizetype n = word.size();
    switch (mode) {
    case 2: return toCapitals(word);
    case 3: {
        QString out(n, Qt::Uninitialized);
        for (qsizetype i = 0; i < n; ++i)
            out[i] = word[n - 1 - i];
        return out;
    }
    case 4: return tumbled(word);
    case 5: // the first n/2 shown: i <= n / 2
        return maskWord(word, [n](qsizetype i, QChar) { return 2 * i <= n; });
    case 6: // hidden while i < n / 2 + 1
        return maskWord(word, [n](qsizetype i, QChar) { return 2 * i >= n + 2; });
    case 7: return alphabetical(word);
    case 8: return maskWord(word, [](qsizetype, QChar c) { return vowels.contains(c); });
    case 9: return maskWord(word, [](qsizetype, QChar c) { return consonants.contains(c); });
    case 10:
        if (n < 2)
            return word;
        return word.front() + QString(n - 2, hidden) + word.back();
    case 11: // shown where n / 3 < i <= 2n / 3
        return maskWord(word, [n](qsizetype i, QChar) { return 3 * i > n && 3 * i <= 2 * n; });
    case 12: return hiddenInLetters(word, random);
    default: return word;
    }
}

} // namespace zek
