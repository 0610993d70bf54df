#pragma once

#include <QString>

namespace zek {
class Platform;
}

namespace zek::ui {

// Opens "Lernfortschritt" for the card folder, in front of and modal to the
// program's other windows. The window and Qt Charts behind it live in a
// module of their own, loaded on the first call, so that the program's start
// never waits for them. Where the module is missing, a message says so.
void openProgressWindow(const QString &folder, Platform &platform);

} // namespace zek::ui
