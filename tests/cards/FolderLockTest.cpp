// The lock of a card folder: who holds it, which lock is taken over without a
// word, which only when a teacher says so, and the copy that lost its lock.
#include "cards/Folder.h"

#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace zek;
using namespace zek::test;

namespace {

const QDateTime at1032(QDate(2026, 3, 2), QTime(10, 32));

QString lockPath(const QTemporaryDir &dir) { return QDir(dir.path()).filePath(FolderLock::fileName()); }

// The lock file's fields by name (the first lines: the older program's).
QString field(const QTemporaryDir &dir, const char *name)
{
    const QList<QByteArray> lines = readBytes(lockPath(dir)).split('\n');
    if (qstrcmp(name, "computer") == 0)
        return QString::fromUtf8(lines.value(2));
    for (const QByteArray &line : lines)
        if (line.startsWith(QByteArray(name) + '='))
            return QString::fromUtf8(line.mid(qstrlen(name) + 1));
    return {};
}

} // namespace

// Each row: what the folder's lock file holds before PC-01 opens it (none, one
// this very process wrote as PC-01 and then changed, or the bytes given, "{pid}"
// and "{program}" this process's), and what opening it finds.
TEST(FolderLock, WhoHoldsTheFolderAndWhoMayTakeIt)
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const struct {
        const char *name;
        const char *bytes; // nullptr: none; "ours": written by this process as PC-01
        const char *change, *into; // a change of the bytes written
        QDateTime written; // the lock file's time; none: left as written
        FolderLock::State state;
        QString holder; // computer|child|since|older than a school day at 11:00 (none for a lock that is ours)
    } rows[] = {
        {"a free folder", nullptr, "", "", {}, FolderLock::State::Locked, "|||"},
        {"this computer, its copy running", "ours", "", "", {}, FolderLock::State::Running, "PC-01|Ben|10:32|no"},
        {"this computer, its copy gone and its number given to another", "ours", "started=\\d+", "started=1", {}, FolderLock::State::Locked, "|||"},
        {"this computer before it was started again", "ours", "boot=[-0-9a-f]+", "boot=0", {}, FolderLock::State::Locked, "|||"},
        {"another computer", "4242\nzek-rechtschreibkartei\nPC-07\n\nsince=2026-03-02T10:32:00\nchild=Ben\ntoken=ab12\nboot=1\nstarted=9\n", "", "", {}, FolderLock::State::Elsewhere, "PC-07|Ben|10:32|no"},
        {"another computer, more than a school day ago", "4242\nzek-rechtschreibkartei\nPC-07\n\nsince=2026-03-01T10:32:00\nchild=\ntoken=ab12\n", "", "", {}, FolderLock::State::Elsewhere, "PC-07||10:32|yes"},
        {"the same name on another machine", "ours", "\nPC-01\n[^\n]*\n", "\nPC-01\nanother-machine\n", {}, FolderLock::State::Elsewhere, "PC-01|Ben|10:32|no"},
        {"the older program's lock of another computer", "4242\nzek-rechtschreibkartei\nPC-07\n", "", "", at1032, FolderLock::State::Elsewhere, "PC-07||10:32|no"},
        {"the older program's lock of this computer, gone", "{pid}\nzek-rechtschreibkartei-alt\nPC-01\n", "", "", {}, FolderLock::State::Locked, "|||"},
        {"the older program's lock of this computer, running", "{pid}\n{program}\nPC-01\n", "", "", at1032, FolderLock::State::Running, "PC-01||10:32|no"},
        {"a lock file being written", "", "", "", {}, FolderLock::State::Busy, "|||"},
        {"a lock file left empty long ago", "", "", "", QDateTime::currentDateTime().addSecs(-7200), FolderLock::State::Locked, "|||"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        std::optional<FolderLock> writer;
        if (row.bytes && QByteArray(row.bytes) == "ours") {
            writer.emplace(dir.path(), QStringLiteral("PC-01"));
            writer->setChild(QStringLiteral("Ben"));
            ASSERT_EQ(writer->lock(at1032), FolderLock::State::Locked);
            const QString changed = QString::fromUtf8(readBytes(lockPath(dir))).replace(QRegularExpression(QLatin1String(row.change)), QLatin1String(row.into));
            writeBytes(lockPath(dir), changed.toUtf8());
        } else if (row.bytes) {
            writeBytes(lockPath(dir), QByteArray(row.bytes).replace("{pid}", QByteArray::number(::getpid())).replace("{program}", program.toUtf8()));
        }
        if (row.written.isValid()) {
            QFile file(lockPath(dir));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(row.written, QFileDevice::FileModificationTime));
        }
        FolderLock lock(dir.path(), QStringLiteral("PC-01"));
        EXPECT_EQ(lock.lock(QDateTime(QDate(2026, 3, 2), QTime(11, 0))), row.state);
        const LockHolder &h = lock.holder();
        if (row.state != FolderLock::State::Busy) { // says nothing of who
            EXPECT_EQ(h.computer + u'|' + h.child + u'|' + h.since.toString(QStringLiteral("HH:mm")) + u'|'
                          + (h.computer.isEmpty() ? QString() : h.olderThanASchoolDay(QDateTime(QDate(2026, 3, 2), QTime(11, 0))) ? QStringLiteral("yes")
                                                                                                                                  : QStringLiteral("no")),
                      row.holder);
        }
        if (row.state == FolderLock::State::Locked) { // the lock file is ours now
            EXPECT_EQ(field(dir, "computer") + u'|' + field(dir, "since").left(19), "PC-01|2026-03-02T11:00:00");
        }
    }
}

// "Trotzdem öffnen" on another computer: the lock becomes that computer's,
// the first copy finds at its next save that it is no longer its own and,
// at its end, leaves the lock file as it is. A lock file deleted by hand is
// made again by the copy that holds the folder.
TEST(FolderLock, ALockTakenOverIsNoLongerTheFirstCopysOwn)
{
    QTemporaryDir dir;
    FolderLock first(dir.path(), QStringLiteral("PC-07"));
    ASSERT_EQ(first.lock(at1032), FolderLock::State::Locked);
    EXPECT_TRUE(first.stillHeld());
    QFile::remove(lockPath(dir));
    EXPECT_TRUE(first.stillHeld());
    EXPECT_EQ(field(dir, "computer"), "PC-07");

    FolderLock second(dir.path(), QStringLiteral("PC-01"));
    ASSERT_EQ(second.lock(at1032.addSecs(600)), FolderLock::State::Elsewhere);
    EXPECT_EQ(second.takeOver(), FolderLock::State::Locked);
    EXPECT_EQ(field(dir, "computer") + u'|' + field(dir, "since").left(19), "PC-01|2026-03-02T10:42:00");
    EXPECT_TRUE(second.stillHeld());
    EXPECT_FALSE(first.stillHeld());
    EXPECT_EQ(first.holder().computer + u'|' + first.holder().since.toString(QStringLiteral("HH:mm")), "PC-01|10:42");
    first.unlock();
    EXPECT_EQ(field(dir, "computer"), "PC-01");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{FolderLock::fileName()});
    second.unlock();
    EXPECT_FALSE(QFile::exists(lockPath(dir)));
}
