#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>

namespace zek {

// What tells one state of a file from another: a save replaces the file
// (another inode) or at least changes its time or size.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long changedSeconds = 0;
    long changedNanoseconds = 0;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// The file at path as it is now; not existing when it cannot be asked.
FileIdentity identityOf(const QString &path);

// Replaces the file at path by bytes, atomically: a temporary file beside it,
// written unbuffered (so a full disk is seen at once), its size checked,
// synced and renamed over the file. Only where the folder takes no new file
// is an existing file written in place, and should that write fail half-way
// its previous bytes go back. False when the bytes are not on the disk: the
// file is then as it was. written, when given, gets the file as written.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, FileIdentity *written = nullptr);

// One byte of a file and where it goes.
struct ByteAt {
    qint64 offset;
    char byte;
};

// Writes single bytes into the file at path where they stand, each with one
// pwrite, then syncs the data: a byte is never written half. Only when the
// file is still expected (same file, size and time); Changed, with nothing
// written, when it is not. written gets the file as it is afterwards.
enum class InPlace { Written, Changed, Failed };
InPlace writeBytesInPlace(const QString &path, const FileIdentity &expected, const QList<ByteAt> &bytes,
                          FileIdentity &written);

} // namespace zek
