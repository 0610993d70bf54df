#include "RescueCopy.h"

#include "cards/AtomicFile.h"
#include "cards/CardFile.h"
#include "cards/Folder.h"
#include "cards/FolderWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>

#include <sys/stat.h>

namespace zek {
namespace {

// Makes a folder of a name nobody has taken; empty when none can be made.
QString newFolder(const QDir &parent, const QString &name, const QDateTime &now)
{
    const QString dated = name + now.toString(QStringLiteral(" yyyy-MM-dd HH.mm"));
    for (int n = 0; n < 100; ++n) {
        const QString candidate = n == 0 ? name : n == 1 ? dated : dated + QStringLiteral(" (%1)").arg(n);
        const QString path = parent.filePath(candidate);
        if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
            return path;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

} // namespace

QString defaultRescueFolder() { return QDir::home().filePath(QStringLiteral("ZEK-Rettung")); }

QString writeRescueCopy(const RescueCopy &copy)
{
    QByteArray cards;
    if (!writeCardFile(copy.cards, cards))
        return {};
    QByteArray record;
    if (!copy.record.isEmpty()) {
        record = recordHeader;
        for (const RecordLine &line : copy.record)
            record += recordLineBytes(line);
    }
    // The home folder may lie on a server too: written on a thread of its
    // own, waited for as long as a save.
    auto made = std::make_shared<QString>();
    FolderWriter writer;
    const auto kept = writer.run([copy, cards, record, made] {
        const QString name = copy.name.isEmpty() ? QStringLiteral("Kartei") : copy.name;
        if (!QDir().mkpath(copy.rescueFolder))
            return false;
        const QString folder = newFolder(QDir(copy.rescueFolder), name, copy.now);
        if (folder.isEmpty() || !writeFileAtomically(QDir(folder).filePath(copy.cardFile), cards)
            || (!record.isEmpty()
                && !writeFileAtomically(QDir(folder).filePath(QStringLiteral("Verlauf-Nachtrag.csv")), record)))
            return false;
        *made = folder;
        return true;
    });
    if (kept != FolderWriter::Outcome::Done)
        return {};
    const QString folder = *made;
    // The rest of the box as it still stands in the card folder; a folder
    // that does not answer is left behind.
    writer.run([copy, folder] {
        for (const QString &file : cardBoxFiles())
            if (file.compare(copy.cardFile, Qt::CaseInsensitive) != 0)
                QFile::copy(filePath(copy.cardFolder, file), QDir(folder).filePath(file));
        return true;
    });
    writer.setPatience(std::chrono::milliseconds(0));
    return folder;
}

} // namespace zek
