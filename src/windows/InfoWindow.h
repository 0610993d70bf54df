#pragma once

#include <QWidget>

namespace zek {
class Info;
}

namespace zek::ui {

// The small information window, in front of the main window.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(Info &info, QWidget *parent = nullptr);
    // Horizontally centred, at a quarter of the free height, in front.
    void showInFront();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Info &m_info;
};

} // namespace zek::ui
