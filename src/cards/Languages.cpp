#include "Languages.h"

namespace zek {

const LanguageRecord *findLanguage(const QString &code)
{
    for (const LanguageRecord &language : languages)
        if (code.size() == 1 && code.front() == language.code)
            return &language;
    return nullptr;
}

QString cardFileName(const QString &languageCode)
{
    const LanguageRecord *language = findLanguage(languageCode);
    return language ? language->cardFileName() : QString();
}

QString languageOfCardFile(const QString &fileName)
{
    for (const LanguageRecord &language : languages)
        if (language.cardFileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return language.codeText();
    return {};
}

QString languageName(const QString &code)
{
    const LanguageRecord *language = findLanguage(code);
    return language ? language->nameText() : QString();
}

} // namespace zek
