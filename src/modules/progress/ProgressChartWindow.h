#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QRectF;

class QChart;
class QChartView;

namespace zek {
class Platform;
class Progress;
} // namespace zek

namespace zek::ui {

// "Lernfortschritt": the teacher's view of the practice record of one card
// folder. It shows the state of its model (the boxes day by day as a chart in
// the boxes' colours, the words typed wrong most often, the figures, the kinds
// of mistake as bars with the examples of the first three) and hands the
// language choice, "Üben" and the two buttons on.
class ProgressChartWindow : public QWidget {
    Q_OBJECT
public:
    ProgressChartWindow(const QString &folder, Platform &platform, QWidget *parent = nullptr);
    // Called when "In Fach 1 legen" has moved cards in the card file.
    // Whoever is told holds the cards open in this program (the editor).
    void whenCardsMoved(std::function<void()> cardsMoved);
    ~ProgressChartWindow() override;

    // Reads the folder's record and cards again and shows the window in
    // front, centred, modal to the program's other windows.
    void open();

    Progress &model() { return *m_progress; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();
    void drawChart();
    void printView(QPainter &painter, const QRectF &page);

    std::unique_ptr<Progress> m_progress;
    std::function<void()> m_cardsMoved;
    QWidget *m_view = nullptr; // what "Drucken" prints
    QLabel *m_heading = nullptr;
    QComboBox *m_language = nullptr;
    QLabel *m_noRecord = nullptr;
    QChartView *m_chartView = nullptr;
    QChart *m_chart = nullptr;
    std::array<QLabel *, 10> m_words{}, m_counts{}, m_boxes{};
    QLabel *m_figures = nullptr;
    // "Fehlerschwerpunkte": the kinds of mistake as bars, the first three
    // with their examples and "Üben"
    void drawErrorChart();
    QChartView *m_errorView = nullptr;
    QChart *m_errorChart = nullptr;
    QLabel *m_noErrors = nullptr;
    std::array<QLabel *, 3> m_focusNames{};
    std::array<std::array<QLabel *, 3>, 3> m_examples{};
    std::array<QPushButton *, 3> m_practise{};
};

} // namespace zek::ui
