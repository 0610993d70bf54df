#include "FieldText.h"

#include "cards/Cp1252.h"

namespace zek {
namespace {

// How a refused character is named in a message: itself, or its code where
// it cannot be seen.
QString nameOf(QChar c)
{
    if (c.isPrint() && !c.isSpace())
        return QLatin1Char('\'') + c + QLatin1Char('\'');
    return QStringLiteral("U+") + QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString fieldText(const QString &typed, QString *refused)
{
    QString text = typed;
    for (QChar &c : text)
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == u'\u00a0' || c == u'\u2028' || c == u'\u2029')
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

QString characterNames(const QString &characters)
{
    QString named;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (!named.isEmpty())
            named += QStringLiteral(", ");
        named += characters[i].isHighSurrogate() ? QLatin1Char('\'') + characters.mid(i++, 2) + QLatin1Char('\'')
                                                 : nameOf(characters[i]);
    }
    return named;
}

} // namespace zek
