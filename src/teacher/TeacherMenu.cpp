#include "teacher/TeacherMenu.h"

#include "teacher/ChildCards.h"

#include "cards/ClassFolder.h"
#include "cards/ClassPassword.h"
#include "platform/Platform.h"

#include <QDir>

namespace zek {

TeacherMenu::TeacherMenu(const QString &classFolder, Platform &platform, ClassPassword &password)
    : m_classFolder(classFolder), m_platform(platform), m_password(password), m_words(classFolder, platform)
{}

void TeacherMenu::activate() { readChildren(selectedName()); }

void TeacherMenu::readChildren(const QString &select)
{
    m_children = childrenOf(m_classFolder);
    m_selected = int(m_children.indexOf(select));
    if (m_selected < 0 && !m_children.isEmpty())
        m_selected = 0;
    emit changed();
}

void TeacherMenu::selectChild(int index)
{
    m_selected = index >= 0 && index < m_children.size() ? index : -1;
    emit changed();
}

QString TeacherMenu::selectedName() const
{
    return m_selected >= 0 && m_selected < m_children.size() ? m_children[m_selected] : QString();
}

QString TeacherMenu::passwordLine() const
{
    return m_password.state() == ClassPassword::State::Set
        ? QString()
        : QStringLiteral("Ohne Kennwort: Jedes Kind kann die Ergebnisse aller Kinder sehen.");
}

void TeacherMenu::wordsForAll()
{
    m_words.start();
    emit wordsForAllWanted();
}

bool TeacherMenu::childIsFree(const QString &title, const QString &name)
{
    const QString folder = QDir(m_classFolder).filePath(name);
    FolderLock lock(folder);
    const QString open = lockChild(lock);
    if (open.isEmpty())
        return true;
    emit changed();
    m_platform.messageBox({title,
                           QStringLiteral("Die Kartei von \u201e%1\u201c ist gerade %2.\r"
                                          "Bitte später noch einmal versuchen.")
                               .arg(name, open)});
    return false;
}

QString TeacherMenu::confirmedChild(const QString &title, const QString &question)
{
    const QString name = selectedName();
    if (name.isEmpty() || !childIsFree(title, name))
        return {};
    emit changed();
    const Answer answer =
        m_platform.messageBox({title, question.arg(name), Buttons::YesNo, Icon::Question, Answer::No});
    return answer == Answer::Yes ? name : QString();
}

void TeacherMenu::renameChild()
{
    const QString title = QStringLiteral("Kind umbenennen");
    const QString name = selectedName();
    if (name.isEmpty() || !childIsFree(title, name))
        return;
    emit changed();
    QString typed = name;
    for (;;) {
        typed = m_platform.inputBox(QStringLiteral("Neuer Name für \u201e%1\u201c:").arg(name), title, typed);
        if (typed.isEmpty() || typed == name)
            return;
        const QString refused = zek::renameChild(m_classFolder, name, typed);
        if (refused.isEmpty())
            break;
        m_platform.messageBox({title, refused});
    }
    readChildren(typed.normalized(QString::NormalizationForm_C));
}

void TeacherMenu::archiveChild()
{
    const QString title = QStringLiteral("Kind ins Archiv");
    const QString name = confirmedChild(title,
                                        QStringLiteral("\u201e%1\u201c ins Archiv legen?\r"
                                                       "Das Kind steht dann nicht mehr in der Liste; seine "
                                                       "Kartei und sein Lernfortschritt bleiben im Ordner "
                                                       "\u201eArchiv\u201c."));
    if (name.isEmpty())
        return;
    const QString refused = zek::archiveChild(m_classFolder, name);
    if (!refused.isEmpty())
        m_platform.messageBox({title, refused});
    readChildren({});
}

void TeacherMenu::restoreChild()
{
    const QString title = QStringLiteral("Aus dem Archiv holen");
    const QStringList archived = archivedChildrenOf(m_classFolder);
    emit changed();
    if (archived.isEmpty()) {
        m_platform.messageBox({title, QStringLiteral("Im Archiv der Klasse ist kein Kind.")});
        return;
    }
    const qsizetype chosen =
        m_platform.choiceBox({title, QStringLiteral("Welches Kind kommt zurück in die Klasse?"),
                              archived + QStringList{QStringLiteral("Abbrechen")}, archived.size()});
    if (chosen < 0 || chosen >= archived.size())
        return;
    const QString refused = zek::restoreChild(m_classFolder, archived[chosen]);
    if (!refused.isEmpty())
        m_platform.messageBox({title, refused});
    readChildren(archived[chosen]);
}

void TeacherMenu::resetChild()
{
    const QString title = QStringLiteral("Kartei zurücksetzen");
    const QString name =
        confirmedChild(title,
                       QStringLiteral("Alle Karten von \u201e%1\u201c kommen zurück in \u201eFach 1\u201c.\r"
                                      "Was %1 schon gelernt hat, übt %1 dann von vorn.\r"
                                      "Kartei von \u201e%1\u201c wirklich zurücksetzen?"));
    if (name.isEmpty())
        return;
    const ChildOutcome outcome = resetCards(QDir(m_classFolder).filePath(name), m_platform.localTime(), m_platform);
    if (!outcome.skipped.isEmpty())
        m_platform.messageBox({title,
                               QStringLiteral("Die Kartei von \u201e%1\u201c wurde nicht zurückgesetzt (%2).")
                                   .arg(name, outcome.skipped)});
    emit changed();
}

void TeacherMenu::changePassword()
{
    const QString title = QStringLiteral("Kennwort ändern");
    emit changed();
    if (m_password.state() == ClassPassword::State::Set
        && !askPassword(m_password, m_platform, title, QStringLiteral("Bisheriges Kennwort der Lehrkraft:")))
        return;
    if (askNewPassword(m_password, m_platform, title))
        m_platform.messageBox({title, QStringLiteral("Das neue Kennwort gilt ab jetzt.")});
    emit changed();
}

} // namespace zek
