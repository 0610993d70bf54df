#include "Cp1252.h"

#include <array>

namespace zek::cp1252 {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is the same as Latin-1.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

inline char16_t toUnicode(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : char16_t(b); }

inline int toByte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == u)
            return int(0x80 + i);
    return -1;
}

} // namespace

char16_t decodeByte(unsigned char b) { return toUnicode(b); }

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(c)));
    return text;
}

bool canEncode(QChar ch) { return toByte(ch.unicode()) >= 0; }

bool encodeInto(QStringView text, char *&out, QChar *bad)
{
    char *p = out;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        const int b = (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) ? int(u) : toByte(u);
        if (b < 0) {
            if (bad)
                *bad = ch;
            return false;
        }
        *p++ = char(b);
    }
    out = p;
    return true;
}

} // namespace zek::cp1252
