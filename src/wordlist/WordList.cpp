#include "wordlist/WordList.h"

#include "wordlist/FieldText.h"
#include "cards/ExtraFile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace zek {
namespace {

// The file as text, or why it is none; the lines that are not in the
// character set of the rest in foreignLines.
bool decodeWordList(QByteArrayView bytes, QString &text, QList<qsizetype> &foreignLines, QString &error)
{
    if (bytes.isEmpty()) {
        error = QStringLiteral("Die Datei ist leer: Sie enthält keine Wörter.\r");
        return false;
    }
    const bool utf16 = bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
    // no text file holds a NUL: a picture, a zipped table, a word processor's file
    DecodedText decoded;
    if (utf16 || !bytes.contains('\0'))
        decoded = decodeText(bytes);
    if (decoded.damaged) {
        error = QStringLiteral("Die Datei ist beschädigt: Ihre Zeichen lassen sich nicht lesen.\r"
                               "Bitte die Tabelle noch einmal als CSV speichern.\r");
        return false;
    }
    if ((bytes.contains('\0') && decoded.text.isEmpty()) || decoded.text.contains(QChar(u'\0'))) {
        error = QStringLiteral("Die Datei ist keine Wortliste: Sie enthält keinen Text, sondern andere Daten\r"
                               "(zum Beispiel eine Tabelle im Format des Tabellenprogramms).\r"
                               "Bitte die Tabelle als CSV speichern.\r");
        return false;
    }
    text = std::move(decoded.text);
    foreignLines = std::move(decoded.foreignLines);
    return true;
}

// The separator that most of the first lines hold: tab, semicolon or comma,
// in this order where as many lines hold two of them (a tab is seldom part
// of a text, a semicolon seldomer than a comma); none for a list of single
// words.
QChar findSeparator(const QString &text)
{
    constexpr int linesLooked = 20;
    const std::array<QChar, 3> candidates{u'\t', u';', u','};
    const auto isCandidate = [&](QChar c) {
        return std::find(candidates.begin(), candidates.end(), c) != candidates.end();
    };
    std::array<int, 3> lines{}, inLine{};
    bool quoted = false, inText = false;
    int looked = 0;
    for (qsizetype i = 0; i <= text.size() && looked < linesLooked; ++i) {
        const bool end = i == text.size();
        const QChar c = end ? QChar(u'\n') : text[i];
        const QChar before = i == 0 ? QChar(u'\n') : text[i - 1];
        if (quoted && !end) {
            // a quote ends the quoted text unless it is doubled
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                ++i;
            else if (c == u'"')
                quoted = false;
        } else if (c == u'"' && (before == u'\r' || before == u'\n' || isCandidate(before))) {
            quoted = inText = true; // a quote opens a field only at its start
        } else if (c == u'\r' || c == u'\n') {
            for (std::size_t k = 0; k < 3; ++k)
                lines[k] += inLine[k] > 0;
            inLine = {};
            looked += inText; // an empty line, or the LF of a CR LF, is none
            inText = false;
        } else {
            for (std::size_t k = 0; k < 3; ++k)
                inLine[k] += c == candidates[k];
            inText = true;
        }
    }
    const auto best = std::max_element(lines.begin(), lines.end()); // the first of equals
    return *best > 0 ? candidates[std::size_t(best - lines.begin())] : QChar();
}

// One line of the table: its fields as they stand in the file.
struct Row {
    qsizetype line = 0, lastLine = 0;
    QStringList fields;
    bool unclosedQuote = false;
};

// Splits the text into rows by RFC 4180; blank rows are passed over. Stops
// after limit rows.
QList<Row> splitRows(const QString &text, QChar separator, qsizetype limit)
{
    QList<Row> rows;
    const qsizetype n = text.size();
    qsizetype i = 0, line = 1;
    const auto isLineEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
    // moves over one line end at i: CR LF, LF or CR
    const auto passLineEnd = [&] {
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        ++line;
    };
    while (i < n && rows.size() <= limit) {
        Row row;
        row.line = line;
        for (;;) {
            QString field;
            if (i < n && text[i] == u'"') {
                ++i;
                row.unclosedQuote = true;
                while (i < n) {
                    if (text[i] == u'"') {
                        ++i;
                        if (i < n && text[i] == u'"') {
                            field += u'"';
                            ++i;
                            continue;
                        }
                        row.unclosedQuote = false;
                        break;
                    }
                    if (isLineEnd(text[i])) {
                        field += u'\n';
                        passLineEnd();
                    } else {
                        field += text[i++];
                    }
                }
            }
            // unquoted text, and whatever follows a closing quote
            const qsizetype start = i;
            while (i < n && text[i] != separator && !isLineEnd(text[i]))
                ++i;
            field += QStringView(text).sliced(start, i - start);
            row.fields << field;
            if (i < n && !separator.isNull() && text[i] == separator) {
                ++i;
                continue;
            }
            break;
        }
        row.lastLine = line;
        if (i < n)
            passLineEnd();
        if (std::any_of(row.fields.begin(), row.fields.end(), [](const QString &f) { return !f.trimmed().isEmpty(); }))
            rows << row;
    }
    return rows;
}

// What a column of the table holds: a card's three texts, or what the
// import passes over (a number, a box).
enum class Column { Base, Related, Phrase, PassedOver, Unused };

// The column a header word names, in German, English or French; Unused for
// a word that names none.
Column columnNamed(const QString &field)
{
    QString name = field.trimmed().toLower();
    if (name.endsWith(u':'))
        name.chop(1);
    static const struct {
        Column column;
        const char16_t *names;
    } words[] = {
        {Column::Base, u"grundwort|grundwörter|wort|wörter|lernwort|lernwörter|word|words|base word|mot|mots"},
        {Column::Related,
         u"verwandtes wort|verwandte wörter|wortfamilie|familie|related word|related words|word family|"
         u"mot apparenté|mots apparentés|famille|famille de mots"},
        {Column::Phrase, u"phrase|phrasen|satz|sätze|beispiel|wortbeispiel|beispielsatz|sentence|example|exemple"},
        {Column::PassedOver, u"nr|nr.|nummer|no|no.|number|n°|numéro|#|fach|box|boîte"},
    };
    for (const auto &w : words)
        if (QStringView(w.names).split(u'|').contains(QStringView(name)))
            return w.column;
    return Column::Unused;
}

// A first line whose every field is a header word (and one of them names the
// base word) names the columns; then the columns are read by their names. A
// name given twice reads its first column; a word the base word's column
// has already goes to the related word's where that is free ("Wort;Wörter").
// Columns behind the named ones hold the texts not named, in their order.
// Without a header the columns are the base word, the related word and the
// phrase.
QList<Column> headerColumns(const Row &row)
{
    QList<Column> columns;
    bool named[3] = {};
    for (const QString &field : row.fields) {
        Column c = field.trimmed().isEmpty() ? Column::Unused : columnNamed(field);
        if (c == Column::Unused && !field.trimmed().isEmpty())
            return {};
        if (c == Column::Base && named[0])
            c = Column::Related;
        if (c <= Column::Phrase) {
            if (named[int(c)])
                c = Column::Unused;
            else
                named[int(c)] = true;
        }
        columns << c;
    }
    return named[0] ? columns : QList<Column>();
}

QString countOf(qsizetype n, const char *one, const char *more)
{
    return germanNumber(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? one : more);
}

} // namespace

CardList WordListImport::newCards() const
{
    CardList cards;
    cards.reserve(newCount);
    for (const WordListLine &line : lines)
        if (line.verdict == WordListLine::Verdict::New)
            cards << line.card;
    return cards;
}

QString WordListImport::countsText() const
{
    return countOf(newCount, "neue Karte", "neue Karten") + QStringLiteral(", ") + germanNumber(presentCount)
        + QStringLiteral(" schon vorhanden, ") + germanNumber(refusedCount) + QStringLiteral(" abgelehnt");
}

QStringList WordListImport::refusedTexts() const
{
    QStringList texts;
    for (const WordListLine &line : lines)
        if (line.verdict == WordListLine::Verdict::Refused)
            texts << QStringLiteral("Zeile %1: %2").arg(germanNumber(line.number), line.reason);
    return texts;
}

WordListImport readWordList(QByteArrayView bytes, const CardList &cards)
{
    WordListImport result;
    QString text;
    if (bytes.size() > maxWordListBytes) {
        result.error = QStringLiteral("Die Datei ist zu groß für eine Wortliste (mehr als %1 MB).\r")
                           .arg(maxWordListBytes / (1024 * 1024));
        return result;
    }
    QList<qsizetype> foreignLines;
    if (!decodeWordList(bytes, text, foreignLines, result.error))
        return result;
    const QChar separator = findSeparator(text);
    // a header and as many words as a list holds, and one line more to see
    // that there are too many
    QList<Row> rows = splitRows(text, separator, maxCards + 1);
    QStringList header;
    QList<Column> columns = rows.isEmpty() ? QList<Column>() : headerColumns(rows.front());
    if (!columns.isEmpty()) {
        header = rows.front().fields;
        rows.removeFirst();
        // columns behind the header's names hold the texts it does not name, in order
        for (const Column c : {Column::Base, Column::Related, Column::Phrase})
            if (!columns.contains(c))
                columns << c;
    } else {
        columns = {Column::Base, Column::Related, Column::Phrase};
    }
    if (rows.isEmpty()) {
        result.error = QStringLiteral("Die Datei ist leer: Sie enthält keine Wörter.\r");
        return result;
    }
    if (rows.size() > maxCards) {
        result.error = QStringLiteral("Die Datei hat mehr als %1 Zeilen mit Wörtern.\r"
                                      "Eine Kartei fasst höchstens %1 Karten.\r")
                           .arg(germanNumber(maxCards));
        return result;
    }

    QSet<QString> present;
    present.reserve(cards.size());
    for (const CardEntry &card : cards)
        present.insert(card.baseWord);
    QHash<QString, qsizetype> firstLine; // the base words new so far, and their lines
    const qsizetype room = std::max<qsizetype>(maxCards - cards.size(), 0);
    result.lines.reserve(rows.size());
    for (const Row &row : rows) {
        WordListLine line;
        line.number = row.line;
        QString refused;
        std::array<QString, 3> texts;
        QString &reason = line.reason;
        for (qsizetype k = 0; k < row.fields.size(); ++k) {
            const Column column = columns.value(k, Column::Unused);
            if (column <= Column::Phrase) {
                texts[std::size_t(column)] = fieldText(row.fields[k], &refused).trimmed();
            } else if (column == Column::Unused && reason.isEmpty() && !row.fields[k].trimmed().isEmpty()) {
                if (header.isEmpty())
                    reason = QStringLiteral("mehr als drei Spalten mit Text");
                else if (k < header.size())
                    reason = QStringLiteral("die Spalte „%1“ steht zweimal in der Kopfzeile").arg(header[k].trimmed());
                else
                    reason = QStringLiteral("Text in einer Spalte ohne Namen in der Kopfzeile");
            }
        }
        line.card = {QStringLiteral("1"), texts[0], texts[1], texts[2]};
        const bool foreign = std::any_of(foreignLines.begin(), foreignLines.end(),
                                         [&](qsizetype n) { return n >= row.line && n <= row.lastLine; });
        if (foreign)
            reason = QStringLiteral("kein UTF-8 (Zeichensatz gemischt)");
        else if (row.unclosedQuote)
            reason = QStringLiteral("ein Anführungszeichen wird nicht geschlossen");
        else if (reason.isEmpty() && texts[0].isEmpty()) // else: a column with text that is not read
            reason = QStringLiteral("kein Grundwort");
        else if (reason.isEmpty()
                 && std::any_of(texts.begin(), texts.end(), [](const QString &t) { return t.contains(u','); }))
            reason = QStringLiteral("ein Feld enthält ein Komma");
        else if (reason.isEmpty() && !refused.isEmpty())
            reason = refusedCharacters(refused);
        if (!reason.isEmpty()) {
            line.verdict = WordListLine::Verdict::Refused;
        } else if (present.contains(texts[0])) {
            line.verdict = WordListLine::Verdict::Present;
        } else if (const auto seen = firstLine.constFind(texts[0]); seen != firstLine.cend()) {
            line.verdict = WordListLine::Verdict::Refused;
            reason = QStringLiteral("das Wort steht schon in Zeile %1").arg(germanNumber(*seen));
        } else if (result.newCount >= room) {
            line.verdict = WordListLine::Verdict::Refused;
            reason = QStringLiteral("die Kartei ist voll (höchstens %1 Karten)").arg(germanNumber(maxCards));
        } else {
            firstLine.insert(texts[0], line.number);
        }
        switch (line.verdict) {
        case WordListLine::Verdict::New: ++result.newCount; break;
        case WordListLine::Verdict::Present: ++result.presentCount; break;
        case WordListLine::Verdict::Refused: ++result.refusedCount; break;
        }
        result.lines << std::move(line);
    }
    return result;
}

CardList insertSorted(const CardList &cards, CardList added)
{
    // each base word's key made once: the order compareBaseWords keeps
    QList<std::pair<QString, qsizetype>> order;
    order.reserve(added.size());
    for (qsizetype i = 0; i < added.size(); ++i)
        order.append({baseWordOrderKey(added[i].baseWord), i});
    std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    // In ascending order each added card goes behind every card passed over
    // for the one before it: those compare no greater than it either.
    CardList merged;
    merged.reserve(cards.size() + added.size());
    qsizetype next = 0;
    QString nextKey = cards.isEmpty() ? QString() : baseWordOrderKey(cards.front().baseWord);
    for (const auto &[key, index] : order) {
        while (next < cards.size() && nextKey.compare(key) <= 0) {
            merged << cards[next++];
            if (next < cards.size())
                nextKey = baseWordOrderKey(cards[next].baseWord);
        }
        merged << std::move(added[index]);
    }
    while (next < cards.size())
        merged << cards[next++];
    return merged;
}

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

} // namespace

QByteArray writeWordList(const CardList &cards)
{
    QString text = QStringLiteral("\uFEFFFach;Grundwort;Verwandtes Wort;Phrase\r\n");
    for (const CardEntry &card : cards)
        text += csvField(card.box) + u';' + csvField(card.baseWord) + u';' + csvField(card.relatedWord) + u';'
            + csvField(card.phrase) + QStringLiteral("\r\n");
    return text.toUtf8();
}

std::optional<QByteArray> readWordListFile(const QString &path, QString *error)
{
    std::optional<QByteArray> read = readRegularFile(path, maxWordListBytes + 1);
    if (!read && error)
        *error = QStringLiteral("Die Datei '%1' kann nicht gelesen werden.\r").arg(QFileInfo(path).fileName());
    return read;
}

} // namespace zek
