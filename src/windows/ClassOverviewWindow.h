#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QTableWidget;

namespace zek {
class ClassOverview;
class Platform;
} // namespace zek

namespace zek::ui {

// "Klassenübersicht": every child of a class folder, per language, in one
// table for the teacher. It shows its model's rows, hands the clicks on a
// column's title, the double click on a row and the three buttons on;
// progressView opens a child's "Lernfortschritt".
class ClassOverviewWindow : public QWidget {
    Q_OBJECT
public:
    ClassOverviewWindow(const QString &classFolder, Platform &platform,
                        std::function<void(const QString &childFolder)> progressView, QWidget *parent = nullptr);
    ~ClassOverviewWindow() override;

    // Reads the class again and shows the window in front, centred, modal to
    // the program's other windows.
    void open();

    ClassOverview &model() { return *m_overview; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    std::unique_ptr<ClassOverview> m_overview;
    QLabel *m_heading = nullptr;
    QLabel *m_week = nullptr;
    QTableWidget *m_table = nullptr;
};

// Opens "Klassenübersicht" for the class folder; a double click on a child
// opens the child's "Lernfortschritt" as "Wer übt heute?" does. One window,
// built anew for another class folder.
void openClassOverview(const QString &classFolder, Platform &platform);

} // namespace zek::ui
