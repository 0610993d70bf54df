#include "modules/progress/ProgressChartWindow.h"

#include "widgets/FitText.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "cards/BoxColours.h"
#include "record/Progress.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCategoryAxis>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QValueAxis>

#include <algorithm>

namespace zek::ui {
namespace {

constexpr int clientWidth = 11040;
constexpr int errorBand = 3300; // "Fehlerschwerpunkte" below the boxes
constexpr int clientHeight = 7560 + errorBand;
const QColor darkBlue(0, 0, 128);

// The colour of box 0 to 6 as the main window and the editor show it.
QColor colourOfBox(int box) { return toColor(box == 6 ? learnedColour : boxColour(box)); }

QLabel *styled(QLabel *label, int points, bool bold)
{
    label->setFont(QFont(QStringLiteral("Arial"), points, bold ? QFont::Bold : QFont::Normal));
    setForeground(label, darkBlue);
    return label;
}

// Midnight of a day on the chart's time axis.
qint64 startOf(QDate day) { return QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch(); }

} // namespace

ProgressChartWindow::ProgressChartWindow(const QString &folder, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_progress(std::make_unique<Progress>(folder, platform))
{
    setObjectName(QStringLiteral("Lernfortschritt"));
    setWindowTitle(QStringLiteral("Lernfortschritt"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twips(clientWidth), twips(clientHeight));
    setBackground(this, Qt::white);
    setFont(QFont(QStringLiteral("Arial"), 9));

    // everything but the selector and the two buttons is printed
    m_view = new QWidget(this);
    m_view->setObjectName(QStringLiteral("Ansicht"));
    m_view->setGeometry(twipsRect(0, 0, clientWidth, 6960 + errorBand));
    setBackground(m_view, Qt::white);

    m_heading = styled(addLabel(m_view, "Kopfzeile", twipsRect(240, 120, 7560, 375)), 11, true);
    m_noRecord = styled(addLabel(m_view, "KeinVerlauf", twipsRect(240, 540, 6840, 300)), 9, true);

    m_chart = new QChart();
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setFont(QFont(QStringLiteral("Arial"), 8)); // the seven boxes on one line
    m_chartView = new QChartView(m_chart, m_view);
    m_chartView->setObjectName(QStringLiteral("Verlaufsbild"));
    m_chartView->setGeometry(twipsRect(120, 840, 7080, 6000));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setFrameShape(QFrame::NoFrame);

    styled(addLabel(m_view, "Fehlerliste", twipsRect(7320, 540, 3480, 300),
                    QStringLiteral("Am häufigsten falsch geschrieben")),
           9, true);
    styled(addLabel(m_view, "KopfWort", twipsRect(7320, 840, 1800, 255), QStringLiteral("Wort")), 8, true);
    styled(addLabel(m_view, "KopfAnzahl", twipsRect(9180, 840, 600, 255), QStringLiteral("Fehler")), 8, true);
    styled(addLabel(m_view, "KopfFach", twipsRect(9840, 840, 960, 255), QStringLiteral("Fach jetzt")), 8, true);
    for (int i = 0; i < 10; ++i) {
        const int top = 1140 + 300 * i;
        m_words[i] = styled(addLabel(m_view, QStringLiteral("Wort%1").arg(i + 1).toLatin1().constData(),
                                     twipsRect(7320, top, 1800, 285)),
                            9, false);
        m_counts[i] = styled(addLabel(m_view, QStringLiteral("Anzahl%1").arg(i + 1).toLatin1().constData(),
                                      twipsRect(9180, top, 600, 285)),
                             9, false);
        m_counts[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_boxes[i] = styled(addLabel(m_view, QStringLiteral("Fach%1").arg(i + 1).toLatin1().constData(),
                                     twipsRect(9840, top, 960, 285)),
                            9, false);
    }
    m_figures = styled(addLabel(m_view, "Zahlen", twipsRect(7320, 4440, 3480, 1500)), 9, false);
    m_figures->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    styled(
        addLabel(m_view, "Fehlerschwerpunkte", twipsRect(240, 6960, 4800, 300), QStringLiteral("Fehlerschwerpunkte")),
        9, true);
    m_noErrors = styled(addLabel(m_view, "KeineFehler", twipsRect(240, 7260, 5880, 300)), 9, false);
    m_errorChart = new QChart();
    m_errorChart->setBackgroundRoundness(0);
    m_errorChart->setMargins(QMargins(2, 2, 2, 2));
    m_errorChart->legend()->hide();
    m_errorView = new QChartView(m_errorChart, m_view);
    m_errorView->setObjectName(QStringLiteral("Fehlerbild"));
    m_errorView->setGeometry(twipsRect(120, 7260, 6000, 2940));
    m_errorView->setRenderHint(QPainter::Antialiasing);
    m_errorView->setFrameShape(QFrame::NoFrame);
    for (int k = 0; k < 3; ++k) {
        const int top = 7260 + 1000 * k;
        m_focusNames[k] = styled(addLabel(m_view, QStringLiteral("Schwerpunkt%1").arg(k + 1).toLatin1().constData(),
                                          twipsRect(6240, top, 3480, 285)),
                                 9, true);
        for (int e = 0; e < 3; ++e)
            m_examples[k][e] =
                styled(addLabel(m_view, QStringLiteral("Beispiel%1_%2").arg(k + 1).arg(e + 1).toLatin1().constData(),
                                twipsRect(6360, top + 300 + 225 * e, 4440, 225)),
                       8, false);
        auto *practise = new QPushButton(QStringLiteral("Üben"), this); // not printed: outside the view
        practise->setObjectName(QStringLiteral("Ueben%1").arg(k + 1));
        practise->setGeometry(twipsRect(9840, top - 30, 960, 330));
        ignoreDoubleClicks(practise);
        connect(practise, &QPushButton::clicked, m_progress.get(), [this, k] { m_progress->practise(k); });
        m_practise[k] = practise;
    }

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("Sprache"));
    m_language->setGeometry(twipsRect(8040, 120, 2760, 375));
    connect(m_language, &QComboBox::activated, m_progress.get(), &Progress::chooseLanguage);

    const auto addCommand = [this](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(twipsRect(left, 7020 + errorBand, 1620, 420));
        ignoreDoubleClicks(button);
        return button;
    };
    QPushButton *print = addCommand("Drucken", QStringLiteral("Drucken"), 7320);
    QPushButton *close = addCommand("Schliessen", QStringLiteral("Schließen"), 9180);
    connect(print, &QPushButton::clicked, this,
            [this] { m_progress->print([this](QPainter &painter, const QRectF &page) { printView(painter, page); }); });
    connect(close, &QPushButton::clicked, m_progress.get(), &Progress::close);
    connect(m_progress.get(), &Progress::closed, this, &QWidget::hide);
    connect(m_progress.get(), &Progress::changed, this, &ProgressChartWindow::refresh);
    connect(m_progress.get(), &Progress::cardsMoved, this, [this] {
        if (m_cardsMoved)
            m_cardsMoved();
    });
}

ProgressChartWindow::~ProgressChartWindow() = default;

void ProgressChartWindow::whenCardsMoved(std::function<void()> cardsMoved)
{
    m_progress->setBoxOpenHere(bool(cardsMoved));
    m_cardsMoved = std::move(cardsMoved);
}

void ProgressChartWindow::open()
{
    m_progress->open();
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void ProgressChartWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame closes it like "Schließen"
    m_progress->close();
}

void ProgressChartWindow::refresh()
{
    const Progress &model = *m_progress;
    m_heading->setText(model.heading());
    {
        const QSignalBlocker blocker(m_language);
        if (m_language->count() != model.languageNames().size()) {
            m_language->clear();
            m_language->addItems(model.languageNames());
        }
        m_language->setCurrentIndex(model.languageIndex());
    }
    m_language->setVisible(model.offersLanguages());
    m_noRecord->setText(model.noRecordText());
    m_noRecord->setVisible(!model.noRecordText().isEmpty());

    const QList<WrongWord> &wrong = model.progress().mostWrong;
    for (int i = 0; i < 10; ++i) {
        const bool shown = i < wrong.size();
        showFitted(m_words[i], shown ? wrong[i].word : QString(), m_words[i]->font());
        m_counts[i]->setText(shown ? QString::number(wrong[i].count) : QString());
        m_boxes[i]->setText(shown ? Progress::boxNowText(wrong[i].boxNow) : QString());
    }
    m_figures->setText(model.figures().join(u'\n'));

    const QList<ErrorFocus> &focus = model.progress().errorFocus;
    m_noErrors->setText(model.noErrorsText());
    m_noErrors->setVisible(focus.isEmpty());
    m_errorView->setVisible(!focus.isEmpty());
    for (int k = 0; k < 3; ++k) {
        const bool shown = k < focus.size();
        m_focusNames[k]->setText(shown ? errorTypeName(focus[k].type) : QString());
        m_practise[k]->setVisible(shown);
        for (int e = 0; e < 3; ++e) {
            const bool example = shown && e < focus[k].examples.size();
            showFitted(m_examples[k][e], example ? focus[k].examples[e] : QString(), m_examples[k][e]->font());
        }
    }
    drawChart();
    drawErrorChart();
}

// The kinds of mistake as bars, the most frequent on top, each with its count.
void ProgressChartWindow::drawErrorChart()
{
    m_errorChart->removeAllSeries();
    for (QAbstractAxis *axis : m_errorChart->axes())
        m_errorChart->removeAxis(axis), delete axis;
    const QList<ErrorFocus> &focus = m_progress->progress().errorFocus;
    if (focus.isEmpty())
        return;
    auto *counts = new QBarSet(QStringLiteral("Fehler"));
    counts->setColor(colourOfBox(3));
    counts->setBorderColor(colourOfBox(3).darker(140));
    counts->setLabelColor(darkBlue);
    QStringList names;
    qsizetype most = 0;
    for (auto f = focus.crbegin(); f != focus.crend(); ++f) { // a horizontal chart lists its bars from the bottom
        *counts << double(f->count);
        names << errorTypeName(f->type);
        most = std::max(most, f->count);
    }
    auto *bars = new QHorizontalBarSeries();
    bars->append(counts);
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setLabelsFormat(QStringLiteral("@value"));
    bars->setBarWidth(0.7);
    m_errorChart->addSeries(bars);
    auto *kinds = new QBarCategoryAxis();
    kinds->append(names);
    kinds->setLabelsFont(QFont(QStringLiteral("Arial"), 7));
    kinds->setGridLineVisible(false);
    kinds->setTruncateLabels(false); // the kinds' names whole: they are what the teacher reads
    auto *number = new QValueAxis();
    number->setRange(0, double(most) * 1.2 + 1); // room for the count beside the longest bar
    number->setLabelsVisible(false);
    number->setGridLineVisible(false);
    number->setTickCount(2);
    m_errorChart->addAxis(kinds, Qt::AlignLeft);
    m_errorChart->addAxis(number, Qt::AlignBottom);
    bars->attachAxis(kinds);
    bars->attachAxis(number);
}

// The view as on screen, as large as the page takes it, drawn as text and
// lines: the texts stay text that can be searched and the page stays small
// (a widget rendered onto a printer becomes one picture of the screen).
void ProgressChartWindow::printView(QPainter &painter, const QRectF &page)
{
    const double scale = std::min(page.width() / m_view->width(), page.height() / m_view->height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    // a font keeps its size on the screen in the view's units
    const double fontScale = double(m_view->logicalDpiY()) / painter.device()->logicalDpiY();
    for (const QLabel *label : m_view->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(m_view) || label->text().isEmpty())
            continue;
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * fontScale);
        painter.setFont(font);
        painter.setPen(label->palette().color(QPalette::WindowText));
        painter.drawText(QRectF(label->geometry()),
                         int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
    }
    for (QChartView *chart : {m_chartView, m_errorView})
        if (chart->isVisibleTo(m_view))
            chart->render(&painter, QRectF(chart->geometry()), chart->viewport()->rect(), Qt::IgnoreAspectRatio);
    painter.restore();
}

// The boxes day by day, stacked: "Gelernt" at the bottom, "Fehler" on top.
// Each day's boxes hold from its midnight until the next day practised.
void ProgressChartWindow::drawChart()
{
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes())
        m_chart->removeAxis(axis), delete axis;
    const QList<ProgressDay> &days = m_progress->progress().days;
    QList<qint64> starts;
    for (const ProgressDay &day : days)
        starts << startOf(day.date);
    starts << startOf(days.constLast().date.addDays(1));

    std::array<QAreaSeries *, 7> areas{};
    QList<qsizetype> base(days.size(), 0);
    for (int box = 6; box >= 0; --box) {
        auto *area = new QAreaSeries();
        // each area owns its two lines: the top of the box below and its own
        auto *lower = new QLineSeries(area), *upper = new QLineSeries(area);
        for (qsizetype i = 0; i < days.size(); ++i) {
            lower->append({{double(starts[i]), double(base[i])}, {double(starts[i + 1]), double(base[i])}});
            base[i] += days[i].boxes[std::size_t(box)];
            upper->append({{double(starts[i]), double(base[i])}, {double(starts[i + 1]), double(base[i])}});
        }
        area->setUpperSeries(upper);
        area->setLowerSeries(lower);
        area->setName(boxName(box));
        area->setColor(colourOfBox(box));
        area->setBorderColor(colourOfBox(box).darker(140));
        areas[std::size_t(box)] = area;
    }
    for (QAreaSeries *area : areas) // the legend in the order of the boxes
        m_chart->addSeries(area);

    // the dates under their days, at most seven of them
    auto *time = new QCategoryAxis();
    time->setRange(double(starts.constFirst()), double(starts.constLast()));
    time->setStartValue(double(starts.constFirst()));
    time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qsizetype every = (days.size() + 6) / 7;
    for (qsizetype i = 0; i < days.size(); i += every)
        time->append(days[i].date.toString(QStringLiteral("dd.MM.")), double(starts[i] + 12 * 3600 * 1000));
    // whole cards: a step of 1, 2 or 5 times a power of ten, five steps or fewer
    const qsizetype most = std::max<qsizetype>(1, *std::max_element(base.cbegin(), base.cend()));
    qsizetype step = 1;
    for (qsizetype power = 1; most > 5 * step; power *= 10)
        for (qsizetype factor : {1, 2, 5})
            if (most > 5 * step)
                step = factor * power;
    auto *cards = new QValueAxis();
    cards->setRange(0, double((most + step - 1) / step * step));
    cards->setTickType(QValueAxis::TicksDynamic);
    cards->setTickAnchor(0);
    cards->setTickInterval(double(step));
    cards->setLabelFormat(QStringLiteral("%d"));
    cards->setTitleText(QStringLiteral("Karten"));
    m_chart->addAxis(time, Qt::AlignBottom);
    m_chart->addAxis(cards, Qt::AlignLeft);
    for (QAreaSeries *area : areas) {
        area->attachAxis(time);
        area->attachAxis(cards);
    }
}

} // namespace zek::ui
