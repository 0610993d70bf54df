#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

class QFile;

// The files a card box may hold beside its cards (the settings, the own word
// list of the spelling check, the practice record) and the word lists a
// teacher brings in: made by other programs, or by a hand that slipped.
namespace zek {

// Opens path for reading only when it is a regular file: a named pipe, a
// device or a folder of that name would make a read wait for ever or give
// nonsense. False when it is none, missing or unreadable.
bool openRegularFile(QFile &file, const QString &path);
// At most maxBytes bytes of the regular file path; none where it is no such
// file or cannot be read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// Text as a teacher's program saves it: UTF-16 after its byte order mark,
// UTF-8 with or without its mark, Windows-1252 where no line is UTF-8. A
// file that is UTF-8 but for some lines (one line saved by another program)
// reads as UTF-8; those lines are read as Windows-1252 and listed, so that
// the reader can refuse them.
struct DecodedText {
    QString text;
    QList<qsizetype> foreignLines; // from 1; lines end in CR LF, LF or CR
    bool damaged = false; // the mark names an encoding the bytes are not
};
DecodedText decodeText(QByteArrayView bytes);

} // namespace zek
