#include "ClassFolder.h"

#include "Folder.h"

#include <QCollator>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace zek {
namespace {

// Sorts names as a German class list reads, whatever the program's locale.
void sortGerman(QStringList &names)
{
    QCollator german(QLocale(QLocale::German, QLocale::Germany));
    german.setNumericMode(true);
    german.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        const int order = german.compare(a, b);
        return order != 0 ? order < 0 : a < b; // "anna" and "Anna" in a fixed order
    });
}

} // namespace

QStringList childrenOf(const QString &folder)
{
    QStringList children;
    const QStringList entries = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(classTemplateName(), Qt::CaseInsensitive) != 0
            && entry.compare(classArchiveName(), Qt::CaseInsensitive) != 0
            && holdsCardBoxFile(QDir(folder).filePath(entry)))
            children << entry;
    sortGerman(children);
    return children;
}

bool isClassFolder(const QString &folder) { return !holdsCardBoxFile(folder) && !childrenOf(folder).isEmpty(); }

namespace {

// The device names Windows keeps for itself, also with an extension.
bool isReservedOnWindows(const QString &name)
{
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    if (base == u"CON" || base == u"PRN" || base == u"AUX" || base == u"NUL")
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT"))
        && (base[3].isDigit() || base[3] == u'\u00b9' || base[3] == u'\u00b2' || base[3] == u'\u00b3');
}

// The entry of folder named name in any case; empty when there is none.
QString entryNamed(const QString &folder, const QString &name)
{
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.normalized(QString::NormalizationForm_C).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

const QString forbidden = QStringLiteral("/\\:*?\"<>|");

} // namespace

QString childNameError(const QString &classFolder, const QString &given)
{
    const QString name = given.normalized(QString::NormalizationForm_C);
    if (name.trimmed().isEmpty())
        return QStringLiteral("Bitte den Namen des Kindes eingeben.");
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); }))
        return QStringLiteral("Ein Name darf keines dieser Zeichen enthalten:\r/  \\  :  *  ?  \"  <  >  |");
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("Ein Name darf keine Steuerzeichen enthalten.");
    const auto atEnds = [](QChar c) { return c.isSpace() || c == u'.'; };
    if (atEnds(name.front()) || atEnds(name.back()))
        return QStringLiteral("Ein Name darf nicht mit einem Leerzeichen\roder einem Punkt anfangen oder enden.");
    if (name.size() > longestChildName)
        return QStringLiteral("Der Name ist zu lang: höchstens %1 Zeichen.").arg(longestChildName);
    if (isReservedOnWindows(name))
        return QStringLiteral(
                   "\u201e%1\u201c kann unter Windows kein Ordnername sein.\rBitte einen anderen Namen wählen.")
            .arg(name);
    if (name.compare(classTemplateName(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\u201eVorlage\u201c ist der Ordner, aus dem neue Kinder ihre Kartei bekommen.\r"
                              "Bitte einen anderen Namen wählen.");
    if (name.compare(classArchiveName(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\u201eArchiv\u201c ist der Ordner für Kinder, die die Klasse verlassen haben.\r"
                              "Bitte einen anderen Namen wählen.");
    const QString existing = entryNamed(classFolder, name);
    if (!existing.isEmpty())
        return QStringLiteral("\u201e%1\u201c gibt es in der Klasse schon.").arg(existing);
    return {};
}

namespace {

// Renames from to to unless to exists; where the file system knows no such
// rename (a share), a plain rename after a look.
bool renameIfFree(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return !QFileInfo::exists(to) && ::rename(source.constData(), target.constData()) == 0;
}

} // namespace

NewChild makeChild(const QString &classFolder, const QString &given, const QString &sampleFolder)
{
    const QString name = given.normalized(QString::NormalizationForm_C);
    const QString error = childNameError(classFolder, name);
    if (!error.isEmpty())
        return {{}, error};
    const QString own = entryNamed(classFolder, classTemplateName());
    const QString source = !own.isEmpty() && QFileInfo(QDir(classFolder).filePath(own)).isDir()
        ? QDir(classFolder).filePath(own)
        : sampleFolder;
    for (const QString &file : cardBoxFiles())
        if (!QFileInfo(filePath(source, file)).isFile())
            return {{},
                    QStringLiteral("In der Vorlage \u201e%1\u201c fehlt die Datei \u201e%2\u201c.\r"
                                   "Das Kind wurde nicht angelegt.")
                        .arg(QDir::toNativeSeparators(source), file)};

    const QString cannot = QStringLiteral("Der Ordner für \u201e%1\u201c lässt sich nicht anlegen.\r"
                                          "Die Klasse bleibt, wie sie war.")
                               .arg(name);
    QTemporaryDir making(QDir(classFolder).filePath(QStringLiteral(".Neues-Kind-XXXXXX")));
    if (!making.isValid())
        return {{}, cannot};
    QFile::setPermissions(making.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                              | QFile::ReadOther | QFile::ExeOther);
    for (const QString &file : cardBoxFiles()) {
        const QString target = QDir(making.path()).filePath(file);
        if (!QFile::copy(filePath(source, file), target)
            || !QFile::setPermissions(target,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
            return {{}, cannot};
    }
    const QString folder = QDir(classFolder).filePath(name);
    if (!renameIfFree(making.path(), folder))
        return {{}, QFileInfo::exists(folder) ? childNameError(classFolder, name) : cannot};
    making.setAutoRemove(false);
    return {folder, {}};
}

QStringList readClassList(const QString &file, const QString &home)
{
    QFile list(file);
    if (!QFileInfo(file).isFile() || !list.open(QIODevice::ReadOnly))
        return {};
    const QDir besides = QFileInfo(file).absoluteDir();
    QStringList folders;
    for (const QByteArray &bytes : list.read(1 << 20).split('\n')) {
        QString line = QString::fromUtf8(bytes);
        // a "#" at the start or after a blank begins a comment; "3#c" is a name
        static const QRegularExpression comment(QStringLiteral("(^|\\s)#.*$"));
        line.remove(comment);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QString path = line == u"~" || line.startsWith(QStringLiteral("~/")) ? home + line.mid(1) : line;
        folders << QDir::cleanPath(besides.absoluteFilePath(path));
    }
    return folders;
}

QString classFolderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return QStringLiteral("Den Klassen-Ordner \u201e%1\u201c gibt es nicht "
                              "(ist der Schul-Server verbunden?).")
            .arg(QDir::toNativeSeparators(folder));
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("Der Klassen-Ordner \u201e%1\u201c lässt sich nicht lesen.")
            .arg(QDir::toNativeSeparators(folder));
    return {};
}

QStringList archivedChildrenOf(const QString &classFolder)
{
    const QString archive = entryNamed(classFolder, classArchiveName());
    return archive.isEmpty() ? QStringList() : childrenOf(QDir(classFolder).filePath(archive));
}

QString renameChild(const QString &classFolder, const QString &name, const QString &given)
{
    const QString newName = given.normalized(QString::NormalizationForm_C);
    const QString error = childNameError(classFolder, newName);
    if (!error.isEmpty())
        return error;
    if (!renameIfFree(QDir(classFolder).filePath(name), QDir(classFolder).filePath(newName)))
        return QStringLiteral("Der Ordner von \u201e%1\u201c lässt sich nicht umbenennen.\r"
                              "Die Klasse bleibt, wie sie war.")
            .arg(name);
    return {};
}

QString archiveChild(const QString &classFolder, const QString &name)
{
    QString archive = entryNamed(classFolder, classArchiveName());
    if (archive.isEmpty() && QDir(classFolder).mkdir(classArchiveName()))
        archive = classArchiveName();
    const QString target = QDir(QDir(classFolder).filePath(archive)).filePath(name);
    if (!archive.isEmpty() && !entryNamed(QDir(classFolder).filePath(archive), name).isEmpty())
        return QStringLiteral("Im Archiv gibt es schon \u201e%1\u201c.\rBitte das Kind vorher umbenennen.").arg(name);
    if (archive.isEmpty() || !renameIfFree(QDir(classFolder).filePath(name), target))
        return QStringLiteral("Der Ordner von \u201e%1\u201c lässt sich nicht ins Archiv legen.\r"
                              "Die Klasse bleibt, wie sie war.")
            .arg(name);
    return {};
}

QString restoreChild(const QString &classFolder, const QString &name)
{
    const QString archive = QDir(classFolder).filePath(entryNamed(classFolder, classArchiveName()));
    const QString existing = entryNamed(classFolder, name);
    if (!existing.isEmpty())
        return QStringLiteral("\u201e%1\u201c gibt es in der Klasse schon.\rBitte das Kind in der Klasse vorher "
                              "umbenennen.")
            .arg(existing);
    if (!renameIfFree(QDir(archive).filePath(name), QDir(classFolder).filePath(name)))
        return QStringLiteral("Der Ordner von \u201e%1\u201c lässt sich nicht aus dem Archiv holen.\r"
                              "Die Klasse bleibt, wie sie war.")
            .arg(name);
    return {};
}

} // namespace zek
