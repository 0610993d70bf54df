#include "TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zek::test {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QString sampleFolder() { return QStringLiteral(ZEK_SAMPLE_DIR); }

void copySampleBox(const QString &folder)
{
    for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        writeBytes(QDir(folder).filePath(QLatin1String(name)),
                   readBytes(QDir(sampleFolder()).filePath(QLatin1String(name))));
}

} // namespace zek::test
