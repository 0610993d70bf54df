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
char16_t decodeByte(unsigned char b);

// Writes the bytes of text from out on (one byte per character) and moves
// out behind them; false, with out unmoved, when a character does not fit.
bool encodeInto(QStringView text, char *&out, QChar *bad = nullptr);

bool canEncode(QChar ch);

} // namespace zek::cp1252
