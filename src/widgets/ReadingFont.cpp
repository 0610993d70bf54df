#include "widgets/ReadingFont.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zek::ui {

// The letter spacing is given in pixels of the device: a share of the
// font's size in those pixels (not QFont::PercentageSpacing, which scales
// each letter's own width and so gives a narrow "i" almost nothing).
void spaceLetters(QFont &font, qreal share, const QPaintDevice *device)
{
    if (share <= 0)
        return;
    const qreal dpi = device ? device->logicalDpiY() : 96;
    font.setLetterSpacing(QFont::AbsoluteSpacing, share * font.pointSizeF() * dpi / 72.0);
}

QString readingFamily(ReadingFont font)
{
    switch (font) {
    case ReadingFont::Andika: return QStringLiteral("Andika");
    case ReadingFont::OpenDyslexic: return QStringLiteral("OpenDyslexic");
    case ReadingFont::ComicNeue: break;
    }
    return QStringLiteral("Comic Sans MS"); // the name the windows have always used
}

QFont readingFont(const ReadingAids &aids, qreal points, bool bold)
{
    QFont font(readingFamily(aids.font));
    font.setPointSizeF(points * textSizeFactor(aids.size));
    if (bold)
        font.setBold(true);
    return font;
}

QFont fittedFont(const QString &text, const QFont &font, qreal spacingShare, const QSize &box,
                 const QPaintDevice *device, Wrap wrap, qreal minimumPoints)
{
    const QRectF room(QPointF(0, 0), QSizeF(box));
    QFont sized = font;
    const auto fitsAt = [&](qreal points, bool wrapped) {
        sized.setPointSizeF(points);
        spaceLetters(sized, spacingShare, device);
        if (text.isEmpty())
            return true;
        const int flags = Qt::AlignCenter | (wrapped ? Qt::TextWordWrap : 0);
        const QRectF needed = QFontMetricsF(sized, device).boundingRect(room, flags, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    // The largest of the sizes largest, largest - 0.5, … down to smallest at
    // which the text fits; found by halving the steps, as a text needs at
    // least as much room at a larger size. Every size tried makes a font of
    // its own, which costs milliseconds: a long word tried step by step held
    // up the window for a tenth of a second. False when it fits at none.
    const qreal largest = font.pointSizeF();
    const auto fitsAtSomeSize = [&](qreal smallest, bool wrapped) {
        if (fitsAt(largest, wrapped))
            return true;
        const int steps = int(std::floor((largest - smallest) * 2 + 1e-9));
        int found = -1;
        for (int low = 1, high = steps; low <= high;) {
            const int middle = (low + high) / 2;
            if (fitsAt(largest - 0.5 * middle, wrapped)) {
                found = middle;
                high = middle - 1;
            } else {
                low = middle + 1;
            }
        }
        return found > 0 && fitsAt(largest - 0.5 * found, wrapped);
    };
    if (wrap == Wrap::AfterShrinking && fitsAtSomeSize(std::max(minimumPoints, largest / 2), false))
        return sized;
    if (fitsAtSomeSize(minimumPoints, wrap != Wrap::Never))
        return sized;
    fitsAt(minimumPoints, wrap != Wrap::Never);
    return sized;
}

void fitFont(QWidget *w, const QString &text, const QFont &font, qreal spacingShare, Wrap wrap, int margin)
{
    const QSize room = w->contentsRect().size() - QSize(2 * margin, 2 * margin);
    const QFont fitted = fittedFont(text, font, spacingShare, room, w, wrap);
    if (fitted != w->font())
        w->setFont(fitted);
}

} // namespace zek::ui
