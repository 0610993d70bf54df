#pragma once

#include <QString>

namespace zek {

// The name under which a file stands in folder: the exact spelling when it
// is there, else an entry that matches name without regard to case, else
// name itself. Card boxes copied from elsewhere may carry lower-case names.
QString findFile(const QString &folder, const QString &name);

// The full path of that file.
QString filePath(const QString &folder, const QString &name);

} // namespace zek
