#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252 at the file boundary. Our own table, so the card files read the
// same on every platform. Every byte decodes: the five bytes the code page
// leaves free (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, so they too come back unchanged when written.
namespace zek::cp1252 {

QString decode(QByteArrayView bytes);

// Appends the byte for ch to out; false (and nothing appended) when
// Windows-1252 cannot hold the character.
bool encodeChar(QChar ch, QByteArray &out);

// The text as bytes; stops at the first character that does not fit and
// returns false, with that character in *bad when bad is given.
bool encode(const QString &text, QByteArray &out, QChar *bad = nullptr);

// Writes the bytes of text from out on (one byte per character) and moves
// out behind them; false, with out unmoved, when a character does not fit.
bool encodeInto(QStringView text, char *&out, QChar *bad = nullptr);

bool canEncode(QChar ch);

// The first character of text that Windows-1252 cannot hold, or -1.
qsizetype firstUnencodable(const QString &text);

} // namespace zek::cp1252
