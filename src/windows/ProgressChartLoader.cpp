#include "windows/ProgressChartLoader.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace zek::ui {

// The module lies in the program's library folder (ZEK_MODULE_DIR, relative
// to the program's own folder): installed, /usr/lib/<arch>/zek-rechtschreibkartei;
// in the build tree, the same path below build/src. It takes the program's
// own code of the windows from the program itself, so that what exists once
// (the guards of every button, the reading fonts) exists once.
void openProgressChart(const QString &folder, Platform &platform, std::function<void()> cardsMoved)
{
    static QPluginLoader module(QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                + QStringLiteral("/" ZEK_MODULE_DIR "/libzek-lernfortschritt.so")));
    auto *opener = qobject_cast<ProgressChartOpener *>(module.instance());
    if (!opener) {
        platform.messageBox({QStringLiteral("Lernfortschritt"),
                             QStringLiteral("Die Ansicht \u201eLernfortschritt\u201c fehlt in dieser Installation "
                                            "oder passt nicht zu ihr.\rGesucht wurde sie hier:\r")
                                 + QDir::toNativeSeparators(module.fileName()) + u'\r'});
        return;
    }
    opener->open(folder, platform, std::move(cardsMoved));
}

} // namespace zek::ui
