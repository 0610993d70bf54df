#include "Language.h"

#include "Folder.h"
#include "Cp1252.h"
#include "platform/Dialogs.h"

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

QString builtInCharacterSet() { return QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZß"); }

void Language::readLanguageFile(const QString &folder, Dialogs &dialogs)
{
    m_sets.clear();
    const QString name = QString::fromUtf16(languageFileName);
    QFile file(filePath(folder, name));
    if (file.open(QIODevice::ReadOnly))
        m_sets = readLanguageLines(file.readAll());
    if (m_sets.size() < 3) {
        dialogs.messageBox({QStringLiteral("Zeichen"), QStringLiteral("Die Sprachdatei 'ZEKCARDS.INI' fehlt.")});
        m_sets = QStringList(3, builtInCharacterSet());
    }
}

bool Language::advance()
{
    const LanguageRecord *current = findLanguage(m_code);
    if (!current)
        return false;
    const LanguageRecord &next = languages[(std::size_t(current->id) + 1) % languages.size()];
    m_code = next.codeText();
    m_current = m_sets.value(next.characterSetLine);
    return true;
}

QString Language::caption() const { return QStringLiteral("Z e i c h e n s a t z\r") + languageName(m_code); }

} // namespace zek
