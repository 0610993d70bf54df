#include "record/PracticeRecord.h"

#include "cards/ExtraFile.h"
#include "cards/Folder.h"
#include "cards/Languages.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zek {

namespace {

constexpr char richtig[] = "richtig";
constexpr char falsch[] = "falsch";
constexpr char lehrkraft[] = "Lehrkraft";

// A field as CSV writes it: quoted, its quotes doubled, when it holds the
// separator or a quote. Line breaks cannot be in a card's word; should one
// come, it becomes a blank, so that every record line is one line.
QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    if (!bytes.contains(';') && !bytes.contains('"'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

} // namespace

namespace {

// The language's field: its name, made once.
const QByteArray &languageField(QChar code)
{
    static const std::array<QByteArray, languages.size()> names = [] {
        std::array<QByteArray, languages.size()> n;
        for (std::size_t i = 0; i < languages.size(); ++i)
            n[i] = csvField(languages[i].nameText());
        return n;
    }();
    static QByteArray other;
    for (std::size_t i = 0; i < languages.size(); ++i)
        if (code == QChar(languages[i].code))
            return names[i];
    other = csvField(QString(code));
    return other;
}

// The line added to out, as the writer writes it (a re-box writes tens of
// thousands of them at once).
void appendLineBytes(QByteArray &out, const RecordLine &line)
{
    char time[64];
    const int n =
        std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02d;", line.date.year(), line.date.month(),
                      line.date.day(), line.second / 3600, line.second / 60 % 60, line.second % 60);
    out.append(time, std::clamp(n, 0, int(sizeof time) - 1));
    out += languageField(line.language);
    out += ';';
    out += csvField(line.baseWord);
    for (const int box : {line.boxBefore, line.boxAfter}) {
        out += ';';
        if (box >= 0)
            out += QByteArray::number(box);
    }
    out += ';';
    out += line.byTeacher ? lehrkraft : line.right ? richtig : falsch;
    out += ';';
    out += csvField(line.asked);
    out += ';';
    out += csvField(line.typed);
    out += "\r\n";
}

} // namespace

QByteArray recordLineBytes(const RecordLine &line)
{
    QByteArray out;
    out.reserve(64 + line.baseWord.size() + line.asked.size() + line.typed.size());
    appendLineBytes(out, line);
    return out;
}

bool appendToRecord(const QString &folder, const RecordLine &line) { return appendToRecord(folder, QList{line}); }

bool appendToRecord(const QString &folder, const QList<RecordLine> &lines)
{
    if (lines.isEmpty())
        return true;
    QFile file(filePath(folder, QString::fromUtf16(recordFileName)));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    QByteArray bytes;
    const qint64 size = file.size();
    if (size == 0) {
        bytes = recordHeader;
    } else {
        // a line cut off by a crash is ended first, so the new line stands
        // on its own (the cut one is passed over when the record is read)
        char last = '\n';
        if (!file.seek(size - 1) || !file.getChar(&last))
            return false;
        if (last == '\r')
            bytes = "\n";
        else if (last != '\n')
            bytes = "\r\n";
    }
    bytes.reserve(bytes.size() + lines.size() * 48);
    for (const RecordLine &line : lines)
        appendLineBytes(bytes, line);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

namespace {

// A record line has six fields, or eight since the wrong letter is kept.
constexpr int oldFieldCount = 6;
constexpr int fieldCount = 8;

// The fields that may be texts with ";" or quotes, quoted by the writer: the
// word, the text asked and the text typed.
constexpr bool quotable(int field) { return field == 2 || field == 6 || field == 7; }

// The fields of one line, split at ";" outside quotes, quotes undone into
// unquoted (a null text for a field that was not quoted). False when the line
// has not six or eight fields or a quote is not closed.
bool splitLine(QByteArrayView line, std::array<QByteArrayView, fieldCount> &fields,
               std::array<QByteArray, fieldCount> &unquoted, int &count)
{
    int n = 0;
    qsizetype i = 0;
    const qsizetype size = line.size();
    const auto ends = [&] {
        count = n;
        return n == oldFieldCount || n == fieldCount;
    };
    while (true) {
        if (n == fieldCount)
            return false;
        if (i < size && line[i] == '"') {
            // a quoted field: only the texts can need it; they are undone
            // into unquoted, other fields keep the bytes between the quotes
            QByteArray text;
            qsizetype j = i + 1;
            for (;;) {
                if (j >= size)
                    return false;
                if (line[j] == '"') {
                    if (j + 1 < size && line[j + 1] == '"') {
                        text += '"';
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += line[j++];
            }
            fields[n] = line.sliced(i + 1, j - i - 1);
            if (quotable(n))
                unquoted[n] = text.isNull() ? QByteArray("") : std::move(text);
            else if (fields[n].contains('"'))
                return false;
            ++n;
            i = j + 1;
            if (i == size)
                return ends();
            if (line[i] != ';')
                return false;
            ++i;
            continue;
        }
        qsizetype end = line.indexOf(';', i);
        if (end < 0)
            end = size;
        fields[n++] = line.sliced(i, end - i);
        if (end == size)
            return ends();
        i = end + 1;
    }
}

int digits(QByteArrayView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "2026-03-02T08:15:00", a blank instead of the T, the seconds may be missing
// (a spreadsheet that saved the file again may have written it so).
bool readTime(QByteArrayView text, RecordLine &line)
{
    if ((text.size() != 19 && text.size() != 16) || text[4] != '-' || text[7] != '-'
        || (text[10] != 'T' && text[10] != ' ') || text[13] != ':' || (text.size() == 19 && text[16] != ':'))
        return false;
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2);
    const int second = text.size() == 19 ? digits(text, 17, 2) : 0;
    if (year < 0 || month < 0 || day < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59 || !QDate::isValid(year, month, day))
        return false;
    line.date = QDate(year, month, day);
    line.second = hour * 3600 + minute * 60 + second;
    return true;
}

// The language by its name or its code.
QChar readLanguage(QByteArrayView text)
{
    static const std::array<QByteArray, languages.size()> names = [] {
        std::array<QByteArray, languages.size()> n;
        for (std::size_t i = 0; i < languages.size(); ++i)
            n[i] = languages[i].nameText().toUtf8();
        return n;
    }();
    for (std::size_t i = 0; i < languages.size(); ++i)
        if ((text.size() == 1 && text[0] == char(languages[i].code)) || text == names[i])
            return QChar(languages[i].code);
    return {};
}

int readBox(QByteArrayView text) { return text.size() == 1 && text[0] >= '0' && text[0] <= '6' ? text[0] - '0' : -1; }

// The words read so far, by their bytes: a record holds the same few hundred
// words again and again, and each is decoded once and then shared.
struct WordHash {
    using is_transparent = void;
    size_t operator()(std::string_view bytes) const { return std::hash<std::string_view>()(bytes); }
};
using Words = std::unordered_map<std::string, QString, WordHash, std::equal_to<>>;

// A text field: its quotes undone, or its bytes decoded once for the record.
QString textField(QByteArrayView field, const QByteArray &unquoted, Words &words)
{
    if (!unquoted.isNull())
        return QString::fromUtf8(unquoted);
    if (field.isEmpty())
        return {};
    const std::string_view bytes(field.data(), size_t(field.size()));
    auto word = words.find(bytes);
    if (word == words.end())
        word = words.emplace(std::string(bytes), QString::fromUtf8(field)).first;
    return word->second;
}

bool readLine(QByteArrayView text, RecordLine &line, Words &words)
{
    std::array<QByteArrayView, fieldCount> fields;
    std::array<QByteArray, fieldCount> unquoted;
    int count = 0;
    if (!splitLine(text, fields, unquoted, count) || !readTime(fields[0], line))
        return false;
    line.language = readLanguage(fields[1]);
    const bool right = fields[5] == QByteArrayView(richtig);
    line.byTeacher = fields[5] == QByteArrayView(lehrkraft);
    // only the teacher's lines leave a box empty, and never both (-2: unreadable)
    const auto box = [&](QByteArrayView field) {
        if (line.byTeacher && field.isEmpty())
            return -1;
        const int b = readBox(field);
        return b >= 0 ? b : -2;
    };
    line.boxBefore = box(fields[3]);
    line.boxAfter = box(fields[4]);
    if (line.language.isNull() || line.boxBefore == -2 || line.boxAfter == -2
        || (line.boxBefore < 0 && line.boxAfter < 0)
        || (!right && !line.byTeacher && fields[5] != QByteArrayView(falsch)))
        return false;
    line.right = right;
    line.baseWord = textField(fields[2], unquoted[2], words);
    line.asked = count == fieldCount ? textField(fields[6], unquoted[6], words) : QString();
    line.typed = count == fieldCount ? textField(fields[7], unquoted[7], words) : QString();
    return !line.baseWord.isEmpty();
}

// The complete lines of bytes into lines; the rest, a line not ended yet,
// is left: its size is returned.
qsizetype readLines(QByteArrayView bytes, bool atEnd, QList<RecordLine> &lines, Words &words)
{
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    const char *data = bytes.data();
    RecordLine line;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        if (end == size && !atEnd)
            return size - start;
        if (end > start && readLine(bytes.sliced(start, end - start), line, words))
            lines.append(line);
        start = end + 1;
    }
    return 0;
}

} // namespace

QList<RecordLine> readRecord(QByteArrayView bytes)
{
    QList<RecordLine> lines;
    Words words;
    readLines(bytes, true, lines, words);
    return lines;
}

QList<RecordLine> readRecordFile(const QString &folder)
{
    QFile file;
    if (!openRegularFile(file, filePath(folder, QString::fromUtf16(recordFileName))))
        return {};
    // a block at a time, so that a big record is not held twice
    QList<RecordLine> lines;
    lines.reserve(qsizetype(file.size() / 48));
    Words words;
    constexpr qsizetype block = 1 << 20;
    QByteArray buffer(block, Qt::Uninitialized);
    qsizetype kept = 0; // the start of a line not ended yet
    for (;;) {
        if (kept == buffer.size()) // one line longer than the buffer
            buffer.resize(buffer.size() * 2);
        const qint64 got = file.read(buffer.data() + kept, buffer.size() - kept);
        if (got < 0)
            return lines;
        const bool atEnd = got == 0;
        const qsizetype filled = kept + qsizetype(got);
        const qsizetype rest = readLines(QByteArrayView(buffer.constData(), filled), atEnd, lines, words);
        if (atEnd)
            return lines;
        std::memmove(buffer.data(), buffer.constData() + filled - rest, size_t(rest));
        kept = rest;
    }
}

} // namespace zek
