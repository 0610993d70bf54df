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
