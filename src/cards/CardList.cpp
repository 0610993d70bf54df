#include "CardList.h"

#include <new>

namespace zek {

CardEntry::~CardEntry()
{
    // The texts of a card read from its file are pieces of the file's one
    // decoded text and hold a count of it each (readCardFile): all three are
    // let go of in one atomic step instead of three.
    QTypedArrayData<char16_t> *const d = baseWord.data_ptr().d_ptr();
    if (d && relatedWord.data_ptr().d_ptr() == d && phrase.data_ptr().d_ptr() == d) {
        if (d->ref_.fetchAndSubOrdered(3) == 3)
            QTypedArrayData<char16_t>::deallocate(d);
        // let go of already: their own destructors find them empty
        new (&baseWord) QString;
        new (&relatedWord) QString;
        new (&phrase) QString;
    }
}

int boxNumber(const QString &box)
{
    if (box.size() != 1)
        return -1;
    const char16_t c = box.front().unicode();
    return (c >= u'0' && c <= u'6') ? int(c - u'0') : -1;
}

double boxValue(const QString &box)
{
    qsizetype i = 0;
    while (i < box.size() && box[i] == u' ')
        ++i;
    qsizetype end = i;
    if (end < box.size() && (box[end] == u'-' || box[end] == u'+'))
        ++end;
    while (end < box.size() && box[end].isDigit() && box[end].unicode() < 128)
        ++end;
    if (end < box.size() && box[end] == u'.')
        for (++end; end < box.size() && box[end].isDigit() && box[end].unicode() < 128;)
            ++end;
    bool ok = false;
    const double value = box.mid(i, end - i).toDouble(&ok);
    return ok ? value : 0.0;
}

BoxCounts countBoxes(const CardList &cards)
{
    BoxCounts counts;
    for (const CardEntry &card : cards) {
        const int b = boxNumber(card.box);
        if (b >= 0)
            ++counts.perBox[b];
    }
    for (qsizetype n : counts.perBox)
        counts.total += n;
    return counts;
}

QString entryCountText(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("Kein Eintrag");
    if (count == 1)
        return QStringLiteral(" 1 Eintrag");
    return QLatin1Char(' ') + QString::number(count) + QStringLiteral(" Einträgen");
}

} // namespace zek

namespace zek {

QString baseWordOrderKey(const QString &word)
{
    QString key;
    key.reserve(word.size() + 2);
    for (QChar c : word) {
        c = c.toLower();
        switch (c.unicode()) {
        case u'ß': key += QLatin1String("ss"); continue;
        case u'œ': key += QLatin1String("oe"); continue;
        case u'æ': key += QLatin1String("ae"); continue;
        default: break;
        }
        if (c.decompositionTag() == QChar::Canonical)
            c = c.decomposition().front();
        key += c;
    }
    return key;
}

int compareBaseWords(const QString &a, const QString &b) { return baseWordOrderKey(a).compare(baseWordOrderKey(b)); }

} // namespace zek
