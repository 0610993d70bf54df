#include "widgets/FitText.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>

#include <cmath>

namespace zek::ui {
namespace {

struct Lines {
    QStringList lines;
    bool fits = false;
};

// The text broken into lines of the width at this font, as `wrap` allows;
// it fits when no line is wider than the box and the lines are not higher.
Lines layOut(const QString &text, const QFont &font, const QLabel *label, QTextOption::WrapMode wrap)
{
    const QRectF box = label->contentsRect();
    const qreal width = box.width() - 1; // a pixel for rounding
    QTextLayout layout(text, font, const_cast<QLabel *>(label));
    QTextOption option;
    option.setWrapMode(wrap);
    layout.setTextOption(option);
    Lines result;
    bool tooWide = false;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        tooWide = tooWide || line.naturalTextWidth() > width;
        result.lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    const qreal height = qreal(std::max<qsizetype>(1, result.lines.size())) * QFontMetricsF(font, label).lineSpacing();
    result.fits = !tooWide && height <= box.height();
    return result;
}

} // namespace

void showFitted(QLabel *label, const QString &text, const QFont &font, qreal minimumPoints)
{
    label->setWordWrap(false); // the lines are broken here
    QFont sized = font;
    const qreal largest = font.pointSizeF();
    for (QTextOption::WrapMode wrap : {QTextOption::WordWrap, QTextOption::WrapAtWordBoundaryOrAnywhere}) {
        for (qreal points = largest; points >= minimumPoints; points -= 0.5) {
            sized.setPointSizeF(points);
            const Lines fitted = layOut(text, sized, label, wrap);
            if (fitted.fits) {
                label->setFont(sized);
                label->setText(fitted.lines.join(u'\n'));
                label->setToolTip(QString());
                return;
            }
        }
    }
    // Too long for the box at any size: as many lines as fit, the last cut.
    sized.setPointSizeF(minimumPoints);
    const QFontMetricsF metrics(sized, label);
    const auto room =
        std::max<qsizetype>(1, qsizetype(std::floor(label->contentsRect().height() / metrics.lineSpacing())));
    QStringList lines = layOut(text, sized, label, QTextOption::WrapAtWordBoundaryOrAnywhere).lines.mid(0, room);
    qsizetype shown = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        shown += lines[i].size();
    lines.last() = metrics.elidedText(text.mid(shown), Qt::ElideRight, label->contentsRect().width() - 1);
    label->setFont(sized);
    label->setText(lines.join(u'\n'));
    label->setToolTip(text);
}

} // namespace zek::ui
