#include "Language.h"

#include "Folder.h"
#include "Cp1252.h"
#include "platform/Platform.h"

#include <QFile>

namespace zek {

QStringList readLanguageLines(QByteArrayView bytes)
{
    QStringList lines;
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    while (p < end && lines.size() < 3) {
        const char *start = p;
        while (p < end && *p != '\r' && *p != '\n')
            ++p;
        lines.append(cp1252::decode(QByteArrayView(start, p - start)));
        if (p < end)
            p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
    }
    return lines;
}

QString builtInCharacterSet()
{
    return QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZß");
}

QString languageName(const QString &code)
{
    if (code == u"D")
        return QStringLiteral("Deutsch");
    if (code == u"E")
        return QStringLiteral("Englisch");
    if (code == u"F")
        return QStringLiteral("Französisch");
    return {};
}

void Language::readLanguageFile(const QString &folder, Platform &platform)
{
    m_sets.clear();
    const QString name = QString::fromUtf16(languageFileName);
    QFile file(filePath(folder, name));
    if (file.open(QIODevice::ReadOnly))
        m_sets = readLanguageLines(file.readAll());
    if (m_sets.size() < 3) {
        platform.messageBox({QStringLiteral("Zeichen"),
                             QStringLiteral("Die Sprachdatei 'ZEKCARDS.INI' fehlt.")});
        m_sets = QStringList(3, builtInCharacterSet());
    }
}

bool Language::advance()
{
    int next;
    if (m_code == u"D")
        next = 1;
    else if (m_code == u"E")
        next = 2;
    else if (m_code == u"F")
        next = 0;
    else
        return false;
    static const char16_t *const codes[] = {u"D", u"E", u"F"};
    m_code = QString::fromUtf16(codes[next]);
    m_current = m_sets.value(next);
    return true;
}

QString Language::caption() const
{
    return QStringLiteral("Z e i c h e n s a t z\r") + languageName(m_code);
}

} // namespace zek
