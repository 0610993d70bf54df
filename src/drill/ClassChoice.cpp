#include "ClassChoice.h"

#include "cards/ClassFolder.h"
#include "platform/Dialogs.h"

#include <QDir>

namespace zek {

ClassChoice::ClassChoice(const QStringList &folders, Dialogs &dialogs) : m_folders(folders), m_dialogs(dialogs) {}

void ClassChoice::activate()
{
    m_problems.clear();
    for (const QString &folder : m_folders)
        m_problems << classFolderProblem(folder);
    emit changed();
}

QString ClassChoice::name(int index) const { return QDir(m_folders.value(index)).dirName(); }

QString ClassChoice::problems() const
{
    QStringList lines;
    for (const QString &problem : m_problems)
        if (!problem.isEmpty())
            lines << problem;
    return lines.join(u'\r');
}

void ClassChoice::chooseClass(int index)
{
    if (index < 0 || index >= m_folders.size() || !reachable(index))
        return;
    const QString problem = classFolderProblem(m_folders[index]);
    if (!problem.isEmpty()) {
        activate();
        m_dialogs.messageBox({QStringLiteral("Welche Klasse?"), problem});
        return;
    }
    emit classChosen(m_folders[index]);
}

} // namespace zek
