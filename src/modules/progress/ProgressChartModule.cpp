// The module the program loads when "Lernfortschritt" is first opened: the
// window and Qt Charts, which the program's start does without.
#include "modules/progress/ProgressChartWindow.h"
#include "windows/ProgressChartLoader.h"

#include "record/Progress.h"

#include <QObject>
#include <QPointer>

namespace zek::ui {

class ProgressChartModule : public QObject, public ProgressChartOpener {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZekProgressChartOpener_iid)
    Q_INTERFACES(zek::ui::ProgressChartOpener)
public:
    void open(const QString &folder, Platform &platform, std::function<void()> cardsMoved) override
    {
        // one window, built anew for another card folder (another child)
        if (m_window && m_window->model().folder() != folder)
            delete m_window;
        if (!m_window)
            m_window = new ProgressChartWindow(folder, platform);
        m_window->whenCardsMoved(std::move(cardsMoved));
        m_window->open();
    }

private:
    QPointer<ProgressChartWindow> m_window;
};

} // namespace zek::ui

#include "ProgressChartModule.moc"
