#pragma once

#include <QByteArray>
#include <QString>

namespace zek {

// Replaces the file at path by bytes, atomically: a temporary file beside it,
// written unbuffered (so a full disk is seen at once), its size checked,
// synced and renamed over the file. Only where the folder takes no new file
// is an existing file written in place, and should that write fail half-way
// its previous bytes go back. False when the bytes are not on the disk: the
// file is then as it was.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace zek
