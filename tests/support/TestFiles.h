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
