#pragma once

#include <QObject>
#include <QString>

namespace zek {

// The small information window (InfoWindow) beside the main window.
class Info : public QObject {
    Q_OBJECT
public:
    // Bezeichnung6: the terms of use.
    static QString notice();
    // Bezeichnung7: the holder of the rights with the years, and the contact.
    static QString rights();
    // Bezeichnung8: the maker's web address.
    static QString webAddress();

    // "O k a y" or the picture: the window hides and the main window comes
    // forward as it was, its drill untouched.
    void closeInfoWindow() { emit closed(); }

signals:
    void closed();
};

} // namespace zek
