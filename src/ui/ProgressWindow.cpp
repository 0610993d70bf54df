#include "ProgressWindow.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zek::ui {

// The module lies in ../lib/zek-rechtschreibkartei beside the program:
// installed in /usr/lib/zek-rechtschreibkartei, in the build tree beside
// src/ui.
void openProgressWindow(const QString &folder, Platform &platform)
{
    using Open = void (*)(const QString &, Platform &);
    static QLibrary module(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../lib/zek-rechtschreibkartei/libzek-lernfortschritt"));
    const auto open = reinterpret_cast<Open>(module.resolve("zekOpenProgressWindow"));
    if (!open) {
        platform.messageBox({QStringLiteral("Lernfortschritt"),
                             QStringLiteral("Die Ansicht \u201eLernfortschritt\u201c fehlt in dieser Installation.\r")
                                 + module.errorString() + u'\r'});
        return;
    }
    open(folder, platform);
}

} // namespace zek::ui
