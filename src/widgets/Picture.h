#pragma once

#include <QIcon>
#include <QString>

namespace zek::ui {

// The program's picture :/icons/<name>.svg as an icon. The drawing is read
// and drawn only when a size of it is first shown, and each size is drawn
// once: a window full of picture buttons is built without reading a single
// picture, and without looking up Qt's picture plugins.
QIcon picture(const QString &name);

} // namespace zek::ui
