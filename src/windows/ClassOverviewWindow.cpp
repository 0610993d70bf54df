#include "windows/ClassOverviewWindow.h"

#include "windows/ProgressChartLoader.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "cards/BoxColours.h"
#include "record/ClassOverview.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <numeric>

namespace zek::ui {
namespace {

constexpr int clientWidth = 14400;
constexpr int clientHeight = 8400;
const QColor darkBlue(0, 0, 128);
const QString arial = QStringLiteral("Arial");

// The boxes as one bar: "Fehler" on the left, "Gelernt" on the right, each
// as wide as its share of the cards, in the colours the main window gives them.
void drawBoxes(QPainter &painter, const QRectF &bar, const std::array<qsizetype, 7> &boxes)
{
    const double cards = double(std::accumulate(boxes.cbegin(), boxes.cend(), qsizetype(0)));
    if (cards <= 0)
        return;
    painter.save();
    double left = bar.left();
    for (int box = 0; box < 7; ++box) {
        const double width = bar.width() * double(boxes[std::size_t(box)]) / cards;
        painter.fillRect(QRectF(left, bar.top(), width, bar.height()),
                         toColor(box == 6 ? learnedColour : boxColour(box)));
        left += width;
    }
    painter.setPen(QPen(QColor(96, 96, 96), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    painter.restore();
}

class BoxesDelegate : public QStyledItemDelegate {
public:
    BoxesDelegate(const ClassOverview &overview, QObject *parent) : QStyledItemDelegate(parent), m_overview(overview) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index); // the row's background and selection
        if (index.row() < m_overview.rows().size()) {
            const QRectF cell = QRectF(option.rect).adjusted(4, 4, -4, -4);
            drawBoxes(*painter, cell, m_overview.rows()[index.row()].boxes);
        }
    }

private:
    const ClassOverview &m_overview;
};

// The table on paper as text and lines, so that the PDF keeps real text:
// the heading and the week's line on every page, the columns' titles, then
// the rows that fit; a cell's text wraps within its column. The columns are
// as wide as the layout says, made smaller together where the page is
// narrower.
class PrintedTable {
public:
    PrintedTable(QPainter &painter, const QRectF &page, const OverviewPrintLayout &layout,
                 const ClassOverview &overview)
        : m_painter(painter), m_page(page), m_layout(layout), m_overview(overview)
    {
        const double perTwip = painter.device()->logicalDpiX() / 1440.0;
        m_total = layout.left.constLast() + layout.width.constLast();
        m_scale = std::min(perTwip, page.width() / m_total); // units per twip
        const double points = overviewPrintPoints * m_scale / perTwip;
        m_text = QFont(arial);
        m_text.setPointSizeF(points);
        m_title = QFont(arial, -1, QFont::Bold);
        m_title.setPointSizeF(points * 11 / 9);
        m_pad = 60 * m_scale;
        measure();
    }

    // Draws page number; true while another follows.
    bool draw(int number)
    {
        const QList<OverviewColumn> &columns = overviewColumns();
        const QList<OverviewRow> &rows = m_overview.rows();
        const int pages = int(m_firstRow.size() - 1);
        m_painter.setPen(darkBlue);
        m_painter.setFont(m_title);
        m_painter.drawText(
            QRectF(m_page.left(), m_page.top(), m_page.width(), m_headingHeight), Qt::AlignLeft | Qt::AlignTop,
            m_overview.heading()
                + (pages > 1 ? QStringLiteral("  \u2013  Seite %1 von %2").arg(number + 1).arg(pages) : QString()));
        m_painter.setFont(m_text);
        m_painter.drawText(m_weekRect, Qt::TextWordWrap, m_overview.weekLine());
        // the titles in the weight the layout measured them in
        for (int c = 0; c < columns.size(); ++c)
            m_painter.drawText(cell(c, m_top - m_titlesHeight + m_pad, m_titlesHeight), Qt::TextWordWrap,
                               columns[c].title);
        const QPen line(QColor(128, 128, 128), 0);
        m_painter.setPen(QPen(darkBlue, 0));
        m_painter.drawLine(QPointF(m_page.left(), m_top), QPointF(m_page.left() + m_total * m_scale, m_top));
        m_painter.setFont(m_text);
        double y = m_top;
        for (qsizetype r = m_firstRow[number]; r < m_firstRow[number + 1]; ++r) {
            const double height = m_heights[r];
            m_painter.setPen(Qt::black);
            for (int c = 0; c < columns.size(); ++c) {
                if (columns[c].boxesBar)
                    drawBoxes(m_painter, cell(c, y + m_pad, height - 2 * m_pad), rows[r].boxes);
                else
                    m_painter.drawText(cell(c, y + m_pad, height),
                                       Qt::TextWordWrap | (columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft),
                                       columns[c].text(rows[r]));
            }
            y += height;
            m_painter.setPen(line);
            m_painter.drawLine(QPointF(m_page.left(), y), QPointF(m_page.left() + m_total * m_scale, y));
        }
        return number + 1 < pages;
    }

private:
    QRectF cell(int column, double top, double height) const
    {
        return QRectF(m_page.left() + m_layout.left[column] * m_scale + m_pad, top,
                      m_layout.width[column] * m_scale - 2 * m_pad, height);
    }

    // The height of a row: its highest cell, the text wrapped in its column.
    double rowHeight(const QFont &font, const std::function<QString(int)> &textOf)
    {
        m_painter.setFont(font);
        double height = m_painter.fontMetrics().height();
        const QList<OverviewColumn> &columns = overviewColumns();
        for (int c = 0; c < columns.size(); ++c)
            if (!columns[c].boxesBar)
                height =
                    std::max(height, m_painter.boundingRect(cell(c, 0, 1e6), Qt::TextWordWrap, textOf(c)).height());
        return height + 2 * m_pad;
    }

    // Where the rows begin below the heading, the week's line and the
    // titles, and the first row of each page.
    void measure()
    {
        const QList<OverviewColumn> &columns = overviewColumns();
        const QList<OverviewRow> &rows = m_overview.rows();
        m_painter.setFont(m_title);
        m_headingHeight = m_painter.fontMetrics().height() * 1.5;
        m_painter.setFont(m_text);
        m_weekRect = QRectF(m_page.left(), m_page.top() + m_headingHeight, m_page.width(), 1e6);
        const double weekHeight =
            m_painter.boundingRect(m_weekRect, Qt::TextWordWrap, m_overview.weekLine()).height() + 4 * m_pad;
        m_titlesHeight = rowHeight(m_text, [&](int c) { return columns[c].title; });
        m_top = m_page.top() + m_headingHeight + weekHeight + m_titlesHeight;
        double y = m_top;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            m_heights << rowHeight(m_text, [&](int c) { return columns[c].text(rows[r]); });
            if (y + m_heights.constLast() > m_page.bottom() && y > m_top) {
                m_firstRow << r;
                y = m_top;
            }
            y += m_heights.constLast();
        }
        m_firstRow << rows.size();
    }

    QPainter &m_painter;
    QRectF m_page;
    const OverviewPrintLayout &m_layout;
    const ClassOverview &m_overview;
    double m_total = 0, m_scale = 1, m_pad = 0;
    QFont m_text, m_title;
    double m_headingHeight = 0, m_titlesHeight = 0, m_top = 0;
    QRectF m_weekRect;
    QList<qsizetype> m_firstRow{0};
    QList<double> m_heights;
};

QLabel *styled(QLabel *label, int points, bool bold)
{
    label->setFont(QFont(arial, points, bold ? QFont::Bold : QFont::Normal));
    setForeground(label, darkBlue);
    return label;
}

} // namespace

ClassOverviewWindow::ClassOverviewWindow(const QString &classFolder, Platform &platform,
                                         std::function<void(const QString &)> progressView, QWidget *parent)
    : QWidget(parent, Qt::Window), m_overview(std::make_unique<ClassOverview>(classFolder, platform))
{
    setObjectName(QStringLiteral("Klassenuebersicht"));
    setWindowTitle(QStringLiteral("Klassenübersicht"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twips(clientWidth), twips(clientHeight));
    setBackground(this, Qt::white);
    setFont(QFont(arial, 9));

    m_heading = styled(addLabel(this, "Kopfzeile", twipsRect(240, 120, 13920, 375)), 11, true);
    m_week = styled(addLabel(this, "Woche", twipsRect(240, 540, 13920, 300)), 9, true);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("Tabelle"));
    m_table->setGeometry(twipsRect(240, 900, 13920, 6840));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->setColumnCount(int(overviewColumns().size()));
    QStringList titles;
    for (const OverviewColumn &column : overviewColumns())
        titles << column.title;
    m_table->setHorizontalHeaderLabels(titles);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setFont(QFont(arial, 9, QFont::Bold));
    m_table->setItemDelegateForColumn(boxesColumn(), new BoxesDelegate(*m_overview, m_table));
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, m_overview.get(), &ClassOverview::sortBy);
    connect(m_table, &QTableWidget::cellDoubleClicked, m_overview.get(),
            [this](int row, int) { m_overview->showProgress(row); });
    connect(m_overview.get(), &ClassOverview::progressRequested, this, std::move(progressView));

    const auto addCommand = [this](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(twipsRect(left, 7860, 1620, 420));
        ignoreDoubleClicks(button);
        return button;
    };
    QPushButton *print = addCommand("Drucken", QStringLiteral("Drucken"), 9000);
    QPushButton *csv = addCommand("Exportieren", QStringLiteral("Exportieren"), 10770);
    QPushButton *close = addCommand("Schliessen", QStringLiteral("Schließen"), 12540);
    connect(print, &QPushButton::clicked, this, [this] {
        m_overview->print([this](QPainter &painter, const QRectF &page, int number, const OverviewPrintLayout &layout) {
            return PrintedTable(painter, page, layout, *m_overview).draw(number);
        });
    });
    connect(csv, &QPushButton::clicked, m_overview.get(), &ClassOverview::exportCsv);
    connect(close, &QPushButton::clicked, m_overview.get(), &ClassOverview::close);
    connect(m_overview.get(), &ClassOverview::closed, this, &QWidget::hide);
    connect(m_overview.get(), &ClassOverview::changed, this, &ClassOverviewWindow::refresh);
}

ClassOverviewWindow::~ClassOverviewWindow() = default;

void ClassOverviewWindow::open()
{
    m_overview->open();
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void ClassOverviewWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame closes it like "Schließen"
    m_overview->close();
}

void ClassOverviewWindow::refresh()
{
    const ClassOverview &model = *m_overview;
    m_heading->setText(model.heading());
    m_week->setText(model.weekLine());
    const QList<OverviewColumn> &columns = overviewColumns();
    const int rows = int(model.rows().size());
    m_table->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns.size(); ++c) {
            QTableWidgetItem *item = m_table->item(r, c);
            if (!item)
                m_table->setItem(r, c, item = new QTableWidgetItem);
            const QString text = model.cellText(r, c);
            item->setText(columns[c].boxesBar ? QString() : text);
            item->setToolTip(text);
            item->setTextAlignment(Qt::AlignVCenter | (columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft));
        }
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(boxesColumn(), twips(1440));
    m_table->horizontalHeader()->setSortIndicator(model.sortColumn(),
                                                  model.sortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void openClassOverview(const QString &classFolder, Platform &platform)
{
    static QPointer<ClassOverviewWindow> window;
    if (window && window->model().folder() != classFolder)
        delete window;
    if (!window)
        window = new ClassOverviewWindow(classFolder, platform, [&platform](const QString &childFolder) {
            openProgressChart(childFolder, platform);
        });
    window->open();
}

} // namespace zek::ui
