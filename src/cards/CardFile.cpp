#include "CardFile.h"

#include "Cp1252.h"
#include "Folder.h"

#include <QFile>

#include <algorithm>

namespace zek {
namespace {

inline bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Passes over one line end: CR LF, a lone LF or a lone CR.
inline const char *skipLineEnd(const char *p, const char *end)
{
    if (*p == '\r' && p + 1 < end && p[1] == '\n')
        return p + 2;
    return p + 1;
}

// The box codes are shared texts: most files hold nothing else in the box
// field, and a card then costs one allocation less.
inline QString decodeField(QByteArrayView bytes, int index, bool latin1)
{
    static const QString boxCodes[7] = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
    };
    if (bytes.isEmpty())
        return QString();
    if (index == 0 && bytes.size() == 1 && bytes[0] >= '0' && bytes[0] <= '6')
        return boxCodes[bytes[0] - '0'];
    return latin1 ? QString::fromLatin1(bytes) : cp1252::decode(bytes);
}

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F.
inline bool isLatin1Compatible(QByteArrayView bytes)
{
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0)
            return false;
    }
    return true;
}

inline QString &field(CardEntry &card, int index)
{
    switch (index) {
    case 0: return card.box;
    case 1: return card.baseWord;
    case 2: return card.relatedWord;
    default: return card.phrase;
    }
}

} // namespace

CardFileContent readCardFile(QByteArrayView bytes)
{
    CardFileContent content;
    // room for a card every 16 bytes, rather too much than too little;
    // what is left over is given back at the end
    content.cards.reserve(bytes.size() / 16 + 1);

    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    bool atLineStart = true;   // the last field ended with a line end
    bool afterComma = false;   // the last field ended with a comma
    int index = 0;             // position of the next field in its card
    CardEntry card;
    const bool latin1 = isLatin1Compatible(bytes);

    for (;;) {
        while (p < end && *p == ' ')
            ++p;
        if (p == end && !afterComma)
            break;
        if (p < end && isLineEnd(*p) && atLineStart) {
            p = skipLineEnd(p, end); // an empty line holds no field
            continue;
        }

        const char *start = p;
        while (p < end && *p != ',' && !isLineEnd(*p))
            ++p;
        field(card, index) = decodeField(QByteArrayView(start, p - start), index, latin1);
        ++content.fieldCounts[index];
        if (++index == 4) {
            content.cards.append(std::move(card));
            card = CardEntry();
            index = 0;
        }

        if (p == end)
            break;
        afterComma = *p == ',';
        atLineStart = !afterComma;
        p = afterComma ? p + 1 : skipLineEnd(p, end);
    }

    if (index != 0)
        content.cards.append(std::move(card));
    content.cards.squeeze();
    return content;
}

bool writeCardFile(const CardList &cards, QByteArray &out, QChar *bad)
{
    qsizetype size = 0;
    for (const CardEntry &c : cards)
        size += c.box.size() + c.baseWord.size() + c.relatedWord.size() + c.phrase.size() + 8;
    out.resize(size);

    char *p = out.data();
    const auto separator = [&p] {
        *p++ = ',';
        *p++ = ' ';
    };
    for (const CardEntry &c : cards) {
        if (!cp1252::encodeInto(c.box, p, bad))
            return false;
        separator();
        if (!cp1252::encodeInto(c.baseWord, p, bad))
            return false;
        separator();
        if (!cp1252::encodeInto(c.relatedWord, p, bad))
            return false;
        separator();
        if (!cp1252::encodeInto(c.phrase, p, bad))
            return false;
        *p++ = '\r';
        *p++ = '\n';
    }
    return true;
}

CardList readCompleteCards(const QString &folder, const QString &fileName)
{
    QFile file(filePath(folder, fileName));
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    CardFileContent content = readCardFile(file.readAll());
    if (!content.complete())
        content.cards.removeLast(); // the incomplete last card
    return content.cards;
}

} // namespace zek
