#include "CardFile.h"

#include "Cp1252.h"
#include "Folder.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace zek {
namespace {

inline bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// How often the byte c occurs.
qsizetype countByte(QByteArrayView bytes, char c)
{
    qsizetype n = 0;
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    while ((p = static_cast<const char *>(std::memchr(p, c, std::size_t(end - p)))) != nullptr) {
        ++n;
        ++p;
    }
    return n;
}

// Passes over one line end: CR LF, a lone LF or a lone CR.
inline const char *skipLineEnd(const char *p, const char *end)
{
    if (*p == '\r' && p + 1 < end && p[1] == '\n')
        return p + 2;
    return p + 1;
}

// Decodes the bytes into out, one character each, every comma and line end
// written as 0 (so each field of the text ends in a 0), and returns how many
// commas and line ends there were.
qsizetype decodeFields(QByteArrayView bytes, char16_t *out)
{
    const char *const b = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    qsizetype separators = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i comma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const __m128i firstLatin1 = _mm_set1_epi8(char(0xA0)); // 0x80 to 0x9F lie below it, signed
    while (i + 16 <= size) {
        // Each byte lane counts up to 255 separators, then they are summed.
        // The few places where Windows-1252 is not Latin-1 are put right
        // afterwards, so nothing is called inside the loop.
        __m128i counts = zero;
        std::array<qsizetype, 255> notLatin1;
        int n = 0;
        for (int round = 0; round < 255 && i + 16 <= size; ++round, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i));
            const __m128i sep =
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, lf));
            counts = _mm_sub_epi8(counts, sep);
            const __m128i kept = _mm_andnot_si128(sep, v);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(kept, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(kept, zero));
            notLatin1[n] = i;
            n += _mm_movemask_epi8(_mm_cmplt_epi8(v, firstLatin1)) != 0;
        }
        const __m128i sums = _mm_sad_epu8(counts, zero);
        separators += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
        for (int k = 0; k < n; ++k)
            for (qsizetype j = notLatin1[k]; j < notLatin1[k] + 16; ++j)
                out[j] = cp1252::decodeByte(static_cast<unsigned char>(b[j])); // no separator among these
    }
#endif
    for (; i < size; ++i) {
        const bool sep = b[i] == ',' || isLineEnd(b[i]);
        separators += sep;
        out[i] = sep ? u'\0' : cp1252::decodeByte(static_cast<unsigned char>(b[i]));
    }
    return separators;
}

// Where the commas and line ends are, 64 bytes at a time: one bit a byte,
// found for a whole stretch at once, so that a field's end is a count of
// bits rather than a search that starts again at every field.
class SeparatorScanner {
public:
    explicit SeparatorScanner(const char *end) : m_end(end) {}

    // The first comma or line end from p on, or end. p never goes back.
    const char *next(const char *p)
    {
        for (;;) {
            if (!m_base || p < m_base)
                load(p);
            else if (p - m_base >= 64)
                load(p - m_base < 128 ? m_base + 64 : p);
            if (m_base >= m_end)
                return m_end;
            const std::uint64_t ahead = m_bits & (~std::uint64_t(0) << (p - m_base));
            if (ahead)
                return std::min(m_base + std::countr_zero(ahead), m_end);
            p = m_base + 64;
        }
    }

private:
    void load(const char *base)
    {
        m_base = base;
        m_bits = 0;
        if (m_end - base >= 64) {
#ifdef __SSE2__
            const __m128i comma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
            for (int i = 0; i < 4; ++i) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(base + 16 * i));
                const int hits = _mm_movemask_epi8(
                    _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, lf)));
                m_bits |= std::uint64_t(unsigned(hits) & 0xFFFFu) << (16 * i);
            }
            return;
#endif
        }
        const int n = int(std::min<qsizetype>(m_end - base, 64));
        for (int i = 0; i < n; ++i)
            if (base[i] == ',' || isLineEnd(base[i]))
                m_bits |= std::uint64_t(1) << i;
        if (n < 64)
            m_bits |= std::uint64_t(1) << n; // the end ends the last field
    }

    const char *const m_end;
    const char *m_base = nullptr;
    std::uint64_t m_bits = 0;
};

// The stream of fields of a card file: a comma or a line end (CR LF, LF or
// CR) ends a field, blanks in front of a field are skipped, an empty line
// holds no field.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : m_p(bytes.data()), m_end(m_p + bytes.size()), m_separators(m_end) {}
    // The same stream from start on, where the field before ended with a
    // comma (afterComma) or a line end.
    FieldReader(QByteArrayView bytes, qsizetype start, bool afterComma)
        : m_p(bytes.data() + start),
          m_end(bytes.data() + bytes.size()),
          m_separators(m_end),
          m_atLineStart(!afterComma),
          m_afterComma(afterComma)
    {}
    bool afterComma() const { return m_afterComma; }

    const char *position() const { return m_p; }

    // The next field as the bytes [start, stop); false at the end.
    bool next(const char *&start, const char *&stop)
    {
        for (;;) {
            while (m_p < m_end && *m_p == ' ')
                ++m_p;
            if (m_p == m_end && !m_afterComma)
                return false;
            if (m_p == m_end || !m_atLineStart || !isLineEnd(*m_p))
                break;
            m_p = skipLineEnd(m_p, m_end); // an empty line holds no field
        }
        start = m_p;
        stop = m_p = m_separators.next(m_p);
        m_afterComma = m_p < m_end && *m_p == ',';
        m_atLineStart = !m_afterComma;
        if (m_p < m_end)
            m_p = m_afterComma ? m_p + 1 : skipLineEnd(m_p, m_end);
        return true;
    }

private:
    const char *m_p;
    const char *const m_end;
    SeparatorScanner m_separators;
    bool m_atLineStart = true; // the last field ended with a line end
    bool m_afterComma = false; // the last field ended with a comma
};

// The file decoded once, and the text fields of the cards as pieces of it. A
// piece is a QString of its own that shares the storage of the decoded text
// and its reference count, as a copy does, so a card or a single field may
// outlive the list that it came from. A piece that is changed gets storage of
// its own as any shared QString does; or, when it is the text's last holder,
// it may write over the parts that nobody holds any more. Each piece is
// followed by a 0 (its separator), so utf16() is 0-terminated as for any
// QString.
//
// The text is decoded in blocks of whole lines of about 32 KB, each a storage
// of its own, just ahead of the fields read from it: the bytes are still in
// the cache, and blocks of that size come from the heap and go back to it,
// without mapping fresh pages from the system at every load.
class DecodedText {
public:
    explicit DecodedText(QByteArrayView bytes) : m_bytes(bytes) {}
    ~DecodedText() { close(); }
    DecodedText(const DecodedText &) = delete;
    DecodedText &operator=(const DecodedText &) = delete;

    // The field at the bytes [start, stop) of the file.
    QString piece(const char *start, const char *stop)
    {
        // the 0 after the piece: its separator, or the end of the file
        const char *const end = m_bytes.data() + m_bytes.size();
        if (stop > m_blockEnd || (stop == m_blockEnd && stop != end))
            open(start, stop);
        if (++m_used > m_reserved)
            reserve(1); // never, as a field starts at the beginning or after a separator
        return QString(QString::DataPointer(m_data, m_chars + (start - m_blockStart), stop - start));
    }

private:
    // A new block from start on: whole lines, at least up to stop.
    void open(const char *start, const char *stop)
    {
        close();
        const char *const end = m_bytes.data() + m_bytes.size();
        const char *blockEnd = end;
        if (end - start > 32 * 1024) {
            blockEnd = start + 32 * 1024;
            while (blockEnd > stop + 1 && !isLineEnd(blockEnd[-1]))
                --blockEnd;
            blockEnd = std::min(std::max(blockEnd, stop + 1), end);
        }
        m_block = QString(blockEnd - start, Qt::Uninitialized);
        m_chars = reinterpret_cast<char16_t *>(m_block.data());
        m_data = m_block.data_ptr().d_ptr();
        m_blockStart = start;
        m_blockEnd = blockEnd;
        // a field starts at the beginning of the block or after a separator
        reserve(decodeFields(QByteArrayView(start, blockEnd), m_chars) + 1);
    }

    // One count of the block's storage per piece that may come, taken ahead
    // rather than one atomic step a field; what is left over is given back
    // when the block is done. Should anything throw in between, the block is
    // merely kept.
    void reserve(qsizetype pieces)
    {
        m_data->ref_.fetchAndAddRelaxed(int(pieces));
        m_reserved += pieces;
    }
    void close()
    {
        if (m_data && m_reserved > m_used)
            m_data->ref_.fetchAndSubRelaxed(int(m_reserved - m_used));
        m_reserved = m_used = 0;
    }

    QByteArrayView m_bytes;
    QString m_block;
    char16_t *m_chars = nullptr;
    QTypedArrayData<char16_t> *m_data = nullptr;
    const char *m_blockStart = nullptr;
    const char *m_blockEnd = nullptr;
    qsizetype m_reserved = 0;
    qsizetype m_used = 0;
};

// The box text of a card: the seven box codes are shared and cost nothing.
QString boxText(const char *start, const char *stop)
{
    static const QString boxCodes[7] = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
    };
    if (stop - start == 1 && *start >= '0' && *start <= '6')
        return boxCodes[*start - '0'];
    return cp1252::decode(QByteArrayView(start, stop));
}

} // namespace

CardFileContent readCardFile(QByteArrayView bytes)
{
    CardFileContent content;
    if (bytes.isEmpty())
        return content;
    DecodedText text(bytes);
    FieldReader fields(bytes);
    // room for a card a line, taken at once (within reason: a card takes at
    // least four bytes, and a damaged file of millions of lines grows the
    // list as it goes)
    qsizetype lineEnds = countByte(bytes, '\n');
    if (lineEnds == 0)
        lineEnds = countByte(bytes, '\r'); // a file of lone CRs
    const qsizetype lines = std::min({lineEnds + 1, bytes.size() / 4 + 1, qsizetype(1) << 20});
    content.cards.reserve(lines);
    for (;;) {
        QString card[4];
        int n = 0;
        for (const char *start, *stop; n < 4 && fields.next(start, stop); ++n) {
            if (n == 0)
                card[0] = boxText(start, stop);
            else if (stop != start)
                card[n] = text.piece(start, stop);
            ++content.fieldCounts[n];
        }
        if (n == 0)
            break;
        // the fields of an incomplete last card stay empty
        content.cards.emplaceBack(std::move(card[0]), std::move(card[1]), std::move(card[2]), std::move(card[3]));
        if (n < 4)
            break;
    }
    return content;
}

CardFileIndex::CardFileIndex(QByteArray bytes, std::shared_ptr<const void> keep)
    : m_keep(std::move(keep)), m_bytes(std::move(bytes))
{
    if (m_bytes.size() > qsizetype(std::numeric_limits<quint32>::max())) {
        m_whole = false; // found as a whole list only
        return;
    }
    const QByteArrayView view(m_bytes);
    FieldReader fields(view);
    // room for a card of every 64 bytes (a card holds a phrase), more as needed
    m_cards.reserve(view.size() / 64 + 16);
    const char *const end = view.data() + view.size();
    bool asWritten = true;
    for (;;) {
        const bool afterComma = fields.afterComma();
        const char *const begin = fields.position();
        Card card{quint32(begin - view.data()), -1, false, afterComma};
        int n = 0;
        const char *last = nullptr; // the end of the field before
        for (const char *start, *stop; n < 4 && fields.next(start, stop); ++n) {
            if (n == 0 && stop - start == 1 && *start >= '0' && *start <= '6')
                card.box = qint8(*start - '0');
            else if (n == 1)
                card.hasBaseWord = stop != start;
            ++m_fieldCounts[n];
            // as the writer writes a card: the box at the start of its line,
            // ", " in front of every further field
            asWritten = asWritten && (n == 0 ? start == begin : start == last + 2 && *last == ',' && last[1] == ' ');
            last = stop;
        }
        if (n == 0) {
            asWritten = asWritten && begin == end; // nothing after the last line
            break;
        }
        // and CR LF after the phrase
        asWritten = asWritten && n == 4 && end - last >= 2 && *last == '\r' && last[1] == '\n';
        m_cards.append(card);
        if (n < 4)
            break;
    }
    m_asWritten = asWritten;
}

CardEntry CardFileIndex::card(qsizetype position) const
{
    const Card &card = m_cards[position];
    FieldReader fields(m_bytes, card.start, card.afterComma);
    QString texts[4];
    const char *start, *stop;
    for (int n = 0; n < 4 && fields.next(start, stop); ++n)
        texts[n] = n == 0 ? boxText(start, stop) : cp1252::decode(QByteArrayView(start, stop));
    return {std::move(texts[0]), std::move(texts[1]), std::move(texts[2]), std::move(texts[3])};
}

CardFileContent CardFileIndex::content() const { return readCardFile(m_bytes); }

bool writeCardFile(const CardList &cards, QByteArray &out, QChar *bad, QList<qint64> *lineStarts)
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
    if (lineStarts)
        lineStarts->resize(cards.size());
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const CardEntry &c = cards[i];
        if (lineStarts)
            (*lineStarts)[i] = p - out.data();
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
