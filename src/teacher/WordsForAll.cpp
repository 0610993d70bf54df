#include "teacher/WordsForAll.h"

#include "teacher/ChildCards.h"

#include "cards/CardFile.h"
#include "cards/ClassFolder.h"
#include "cards/Languages.h"
#include "platform/Platform.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QFileInfo>

namespace zek {

WordsForAll::WordsForAll(const QString &classFolder, Platform &platform)
    : m_classFolder(classFolder), m_platform(platform)
{}

void WordsForAll::start()
{
    m_words.clear();
    m_source.clear();
    m_language = 0;
    m_intoTemplate = false;
    m_preview.clear();
    m_refused.clear();
    m_done.clear();
    m_notChanged.clear();
    m_notChangedLines.clear();
    emit changed();
}

bool WordsForAll::hasTemplate() const { return QFileInfo(QDir(m_classFolder).filePath(classTemplateName())).isDir(); }

void WordsForAll::chooseFile()
{
    const QString title = QStringLiteral("Wörter für alle");
    emit changed();
    const QString path = m_platform.openFileName({title, m_classFolder, QStringLiteral("Wortlisten (*.csv *.txt)")});
    if (path.isEmpty())
        return;
    QString unreadable;
    const std::optional<QByteArray> read = readWordListFile(path, &unreadable);
    const QString error = read ? readWordList(*read, {}).error : unreadable;
    if (!error.isEmpty()) {
        m_platform.messageBox({title, error});
        return;
    }
    m_words = *read;
    m_source = QStringLiteral("Wortliste \u201e%1\u201c").arg(QFileInfo(path).fileName());
    judge();
}

// The template's cards as a word list of their own, so that they are judged
// and placed exactly as a list's words.
void WordsForAll::chooseTemplate()
{
    m_source = QStringLiteral("Karten der Vorlage");
    m_words = writeWordList(
        readCompleteCards(QDir(m_classFolder).filePath(classTemplateName()), languages[m_language].cardFileName()));
    judge();
}

void WordsForAll::chooseLanguage(int index)
{
    if (index < 0 || index >= int(languages.size()))
        return;
    m_language = index;
    if (m_source == u"Karten der Vorlage")
        chooseTemplate();
    else
        judge();
}

void WordsForAll::setIntoTemplate(bool into)
{
    m_intoTemplate = into && hasTemplate();
    emit changed();
}

// Each child's cards are read as the child's trainer would read them now.
void WordsForAll::judge()
{
    m_preview.clear();
    m_refused.clear();
    m_done.clear();
    m_notChanged.clear();
    m_notChangedLines.clear();
    if (!m_words.isEmpty()) {
        const QString file = languages[m_language].cardFileName();
        for (const QString &child : childrenOf(m_classFolder)) {
            const WordListImport list =
                readWordList(m_words, readCompleteCards(QDir(m_classFolder).filePath(child), file));
            m_preview << QStringLiteral("%1: %2 neu, %3 schon vorhanden")
                             .arg(child)
                             .arg(list.newCount)
                             .arg(list.presentCount);
            if (m_refused.isEmpty())
                m_refused = list.refusedTexts();
        }
    }
    emit changed();
}

void WordsForAll::giveToAll() { give(childrenOf(m_classFolder), m_intoTemplate); }

void WordsForAll::retry()
{
    const bool intoTemplate = m_notChanged.contains(classTemplateName());
    QStringList children = m_notChanged;
    children.removeAll(classTemplateName());
    give(children, intoTemplate);
}

void WordsForAll::give(const QStringList &children, bool intoTemplate)
{
    if (m_words.isEmpty())
        return;
    const QChar language(languages[m_language].code);
    const QDateTime now = m_platform.localTime();
    m_notChanged.clear();
    m_notChangedLines.clear();
    int given = 0;
    const auto note = [&](const QString &name, const ChildOutcome &outcome) {
        if (outcome.skipped.isEmpty()) {
            ++given;
            return;
        }
        m_notChanged << name;
        m_notChangedLines << QStringLiteral("Nicht geändert: %1 (%2)").arg(name, outcome.skipped);
    };
    for (const QString &child : children)
        note(child, giveWordList(QDir(m_classFolder).filePath(child), m_words, language, now, m_platform));
    if (intoTemplate)
        note(
            classTemplateName(),
            giveWordList(QDir(m_classFolder).filePath(classTemplateName()), m_words, language, now, m_platform, false));
    const QStringList notChanged = m_notChanged, lines = m_notChangedLines;
    judge(); // the preview as the files are now
    m_notChanged = notChanged;
    m_notChangedLines = lines;
    m_done = m_notChanged.isEmpty()
        ? QStringLiteral("Fertig: Alle haben die Wörter bekommen.")
        : QStringLiteral("Fertig bei %1 von %2.").arg(given).arg(given + m_notChanged.size());
    emit changed();
}

} // namespace zek
