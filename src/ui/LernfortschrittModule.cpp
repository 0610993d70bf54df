// The module the program loads when "Lernfortschritt" is first opened: the
// window and Qt Charts, which the program's start does without.
#include "Lernfortschritt.h"

#include "info/Progress.h"

#include <QPointer>

extern "C" Q_DECL_EXPORT void zekOpenProgressWindow(const QString &folder, zek::Platform &platform)
{
    // one window, built anew for another card folder (another child)
    static QPointer<zek::ui::Lernfortschritt> window;
    if (window && window->model().folder() != folder)
        delete window;
    if (!window)
        window = new zek::ui::Lernfortschritt(folder, platform);
    window->open();
}
