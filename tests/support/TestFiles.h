#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace zek::test {

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
QString sampleFolder();
void copySampleBox(const QString &folder); // the sample card box of data/
// A card box of the given German cards, one English and one French card.
void writeBox(const QString &folder, const QByteArray &german);

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

// A file or folder nobody may write into while this lives: read-only for an
// ordinary user, immutable for root (who may write into read-only files).
// Such a folder takes no new file, but its files stay writable. made() is
// false where the file system cannot do it.
class ReadOnly {
public:
    explicit ReadOnly(const QString &path);
    ~ReadOnly();
    ReadOnly(const ReadOnly &) = delete;
    ReadOnly &operator=(const ReadOnly &) = delete;
    bool made() const { return m_made; }

private:
    QString m_path;
    QFile::Permissions m_old;
    bool m_made = false, m_immutable = false;
};

} // namespace zek::test
