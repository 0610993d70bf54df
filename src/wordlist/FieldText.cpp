#include "wordlist/FieldText.h"

#include "cards/Cp1252.h"

#include <QLocale>
#include <QStringList>

namespace zek {
namespace {

QString code(char32_t c) { return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper(); }

// How a refused character is named in a message: itself where it can be
// seen, else by what it is, with its code for whoever looks it up.
QString nameOf(char32_t c)
{
    if (c == 0xAD)
        return QStringLiteral("ein unsichtbarer Trennstrich (%1)").arg(code(c));
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format: return QStringLiteral("ein unsichtbares Steuerzeichen (%1)").arg(code(c));
    case QChar::Other_PrivateUse: return QStringLiteral("ein Sonderzeichen einer Schriftart (%1)").arg(code(c));
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate: return QStringLiteral("ein unbekanntes Zeichen (%1)").arg(code(c));
    default: break;
    }
    return QStringLiteral("das Zeichen '") + QString::fromUcs4(&c, 1) + QLatin1Char('\'');
}

// The characters of text, each a whole character beyond the first plane.
QList<char32_t> characters(const QString &text)
{
    QList<char32_t> out;
    for (const uint c : text.toUcs4())
        out << char32_t(c);
    return out;
}

} // namespace

QString fieldText(const QString &typed, QString *refused)
{
    QString text = typed;
    for (QChar &c : text)
        if (c == u'\r' || c == u'\n' || c == u'\t' || c.category() == QChar::Separator_Space || c == u'\u2028'
            || c == u'\u2029')
            c = u' ';
    text = text.normalized(QString::NormalizationForm_C);
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const auto category = c.category();
        const bool fits = cp1252::canEncode(c) && category != QChar::Other_Control && category != QChar::Other_Format
            && !c.isSurrogate();
        if (fits) {
            kept += c;
        } else if (refused) {
            // a letter beyond the first plane is one character of two halves
            *refused += c.isHighSurrogate() && i + 1 < text.size() ? text.mid(i++, 2) : QString(c);
        }
    }
    return kept;
}

QString characterNames(const QString &refused)
{
    QStringList names;
    for (char32_t c : characters(refused))
        names << nameOf(c);
    return names.join(QStringLiteral(", "));
}

QString refusedCharacters(const QString &refused)
{
    return characterNames(refused)
        + (characters(refused).size() > 1 ? QStringLiteral(" lassen sich nicht in der Kartei speichern")
                                          : QStringLiteral(" lässt sich nicht in der Kartei speichern"));
}

QString germanNumber(qint64 n) { return QLocale(QLocale::German, QLocale::Germany).toString(n); }

} // namespace zek
