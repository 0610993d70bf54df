#include "ChildChoice.h"

#include "cards/ClassFolder.h"
#include "cards/Folder.h"
#include "platform/Platform.h"

#include <QDir>

#include <algorithm>

namespace zek {

ChildChoice::ChildChoice(const QString &classFolder, const QString &sampleFolder, Platform &platform)
    : m_classFolder(classFolder), m_sampleFolder(sampleFolder), m_dialogs(platform), m_password(classFolder, platform)
{}

void ChildChoice::activate()
{
    m_children = childrenOf(m_classFolder);
    m_newest = -1;
    m_choosingProgress = false;
    emit changed();
}

QString ChildChoice::childFolder(int index) const
{
    return index >= 0 && index < m_children.size() ? QDir(m_classFolder).filePath(m_children[index]) : QString();
}

QString ChildChoice::hint() const
{
    if (m_children.isEmpty())
        return QStringLiteral("Noch kein Kind in der Klasse: \u201eNeues Kind \u2026\u201c legt eines an.");
    if (m_choosingProgress)
        return QStringLiteral("Wessen Lernfortschritt? Bitte den Namen anklicken.");
    return QStringLiteral("Bitte deinen Namen anklicken.");
}

void ChildChoice::chooseChild(int index)
{
    const QString folder = childFolder(index);
    if (folder.isEmpty())
        return;
    if (cardBoxFilesIn(folder) == 0) {
        emit changed();
        m_dialogs.messageBox({QStringLiteral("Wer übt heute?"),
                              QStringLiteral("Den Ordner von \u201e%1\u201c gibt es nicht mehr:\r"
                                             "Er wurde gelöscht oder umbenannt.\r"
                                             "Die Liste der Kinder wird neu eingelesen.")
                                  .arg(m_children[index])});
        activate();
        return;
    }
    if (m_choosingProgress) {
        m_choosingProgress = false;
        emit changed();
        emit progressRequested(folder);
        return;
    }
    emit childChosen(folder, m_children[index]);
}

int ChildChoice::childAfterKey(int index, int key, const QString &typed) const
{
    const int count = int(m_children.size());
    if (index < 0 || index > count || count == 0)
        return index;
    if (index == count) {
        // from the buttons below the names: up to the last name, Home and
        // End to the first and last, a letter from the first name on
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_End: return count - 1;
        case Qt::Key_Home: return 0;
        default: break;
        }
        if (typed.size() != 1 || !typed[0].isLetterOrNumber())
            return index;
        index = count - 1; // the search below starts at the first name
    }
    const int lastRow = (count - 1) / columns;
    switch (key) {
    case Qt::Key_Left: return std::max(index - 1, 0);
    case Qt::Key_Right: return std::min(index + 1, count - 1);
    case Qt::Key_Up: return index >= columns ? index - columns : index;
    case Qt::Key_Down: return index / columns < lastRow ? std::min(index + columns, count - 1) : index;
    case Qt::Key_Home: return 0;
    case Qt::Key_End: return count - 1;
    default: break;
    }
    if (typed.size() != 1 || !typed[0].isLetterOrNumber())
        return index;
    for (int step = 1; step <= count; ++step) {
        const int next = (index + step) % count;
        const QString name = m_children[next].normalized(QString::NormalizationForm_C);
        if (QStringView(name).left(1).compare(typed, Qt::CaseInsensitive) == 0)
            return next;
    }
    return index;
}

void ChildChoice::newChild()
{
    m_choosingProgress = false;
    emit changed();
    if (!teacherMayGoOn(m_password, m_dialogs, QStringLiteral("Neues Kind"), false))
        return;
    QString name;
    for (;;) {
        name = m_dialogs.inputBox(QStringLiteral("Name des Kindes:"), QStringLiteral("Neues Kind"), name);
        if (name.isEmpty())
            return;
        const QString refused = childNameError(m_classFolder, name);
        if (refused.isEmpty())
            break;
        m_dialogs.messageBox({QStringLiteral("Neues Kind"), refused});
    }
    const NewChild made = makeChild(m_classFolder, name, m_sampleFolder);
    if (!made.error.isEmpty()) {
        m_dialogs.messageBox({QStringLiteral("Neues Kind"), made.error});
        return;
    }
    m_children = childrenOf(m_classFolder);
    m_newest = int(m_children.indexOf(QDir(made.folder).dirName()));
    emit changed();
}

void ChildChoice::chooseProgress()
{
    const bool choosing = m_progressAvailable && !m_choosingProgress && !m_children.isEmpty();
    m_choosingProgress = false;
    emit changed();
    m_choosingProgress = choosing && teacherMayGoOn(m_password, m_dialogs, QStringLiteral("Lernfortschritt"), false);
    emit changed();
}

void ChildChoice::teacher()
{
    m_choosingProgress = false;
    emit changed();
    if (teacherMayGoOn(m_password, m_dialogs, QStringLiteral("Lehrkraft"), true))
        emit teacherMenuWanted();
}

void ChildChoice::setProgressAvailable(bool available)
{
    m_progressAvailable = available;
    m_choosingProgress = m_choosingProgress && available;
    emit changed();
}

} // namespace zek
