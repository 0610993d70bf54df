#include "ExtraFile.h"

#include "Cp1252.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zek {

bool openRegularFile(QFile &file, const QString &path)
{
    // without blocking: a pipe would wait in open() for a writer; what was
    // opened is asked again, as the name may have changed in between
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat s {};
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        ::close(fd);
        return false;
    }
    // a regular file reads the same with or without O_NONBLOCK
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

namespace {

// The lines of bytes, each without its line end.
QList<QByteArrayView> lines(QByteArrayView bytes)
{
    QList<QByteArrayView> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        out << bytes.sliced(start, i - start);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    out << bytes.sliced(start);
    return out;
}

bool isAscii(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// UTF-8 line by line: the lines that are none read as Windows-1252 and are
// listed. Empty when no line that holds more than ASCII is UTF-8.
DecodedText mixedUtf8(QByteArrayView bytes)
{
    DecodedText decoded;
    bool someUtf8 = false;
    const QList<QByteArrayView> all = lines(bytes);
    qsizetype at = 0;
    for (qsizetype n = 0; n < all.size(); ++n) {
        const QByteArrayView line = all[n];
        if (line.isValidUtf8()) {
            someUtf8 = someUtf8 || !isAscii(line);
            decoded.text += QString::fromUtf8(line);
        } else {
            decoded.foreignLines << n + 1;
            decoded.text += cp1252::decode(line);
        }
        at += line.size();
        const qsizetype end = std::min<qsizetype>(bytes.size(), at + (bytes.sliced(at).startsWith("\r\n") ? 2 : 1));
        decoded.text += QString::fromLatin1(bytes.sliced(at, end - at));
        at = end;
    }
    if (!someUtf8)
        return {};
    return decoded;
}

} // namespace

DecodedText decodeText(QByteArrayView bytes)
{
    DecodedText decoded;
    const bool utf16le = bytes.startsWith("\xff\xfe"), utf16be = bytes.startsWith("\xfe\xff");
    if (utf16le || utf16be) {
        QStringDecoder decoder(utf16le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        decoded.text = decoder.decode(bytes.sliced(2));
        decoded.damaged = decoder.hasError() || bytes.size() % 2 != 0;
        return decoded;
    }
    const bool marked = bytes.startsWith("\xef\xbb\xbf");
    const QByteArrayView body = marked ? bytes.sliced(3) : bytes;
    if (body.isValidUtf8()) {
        decoded.text = QString::fromUtf8(body);
        return decoded;
    }
    decoded = mixedUtf8(body);
    if (!decoded.foreignLines.isEmpty())
        return decoded;
    // no line is UTF-8: the mark was wrong, or the text is Windows-1252
    decoded.damaged = marked;
    decoded.text = marked ? QString() : cp1252::decode(body);
    return decoded;
}

} // namespace zek
