#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

namespace zek {
class Platform;
}

namespace zek::ui {

// What the module "Lernfortschritt" offers the program: one window, opened
// for a card folder; cardsMoved is called when it has moved cards in the
// card file ("In Fach 1 legen"), for whoever holds them in memory.
class ProgressChartOpener {
public:
    virtual ~ProgressChartOpener() = default;
    virtual void open(const QString &folder, Platform &platform, std::function<void()> cardsMoved) = 0;
};

// Opens "Lernfortschritt" for the card folder, in front of and modal to the
// program's other windows. The window and Qt Charts behind it live in a
// module of their own, loaded on the first call, so that the program's start
// never waits for them. Where the module is missing, a message says so.
void openProgressChart(const QString &folder, Platform &platform, std::function<void()> cardsMoved = {});

} // namespace zek::ui

#define ZekProgressChartOpener_iid "org.example.ZekRechtschreibkartei.ProgressChartOpener/2"
Q_DECLARE_INTERFACE(zek::ui::ProgressChartOpener, ZekProgressChartOpener_iid)
