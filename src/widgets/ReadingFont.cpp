#include "widgets/ReadingFont.h"

#include <QPaintDevice>

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

} // namespace zek::ui
