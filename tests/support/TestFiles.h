#pragma once

#include <QByteArray>
#include <QString>

namespace zek::test {

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// Copies the sample card box of data/ into folder.
void copySampleBox(const QString &folder);
QString sampleFolder();

} // namespace zek::test

namespace zek::test {

// A full disk, as far as this process is concerned: while it lives, every
// write beyond `bytes` bytes of a file fails, also for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long m_old = 0;
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace zek::test

namespace zek::test {

// A folder nobody may write into while this lives: read-only for an
// ordinary user, immutable for root (who may write into read-only folders).
// made() is false where the file system cannot do it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
    bool made() const { return m_made; }

private:
    QString m_path;
    bool m_made = false;
    bool m_immutable = false;
};

} // namespace zek::test
