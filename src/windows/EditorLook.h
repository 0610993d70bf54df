#pragma once

#include "widgets/Widgets.h"

#include "cards/BoxColours.h"

#include <QColor>
#include <QString>

// The colours and captions the editor window and its panels share.
namespace zek::ui::editorlook {

// The colours of the filter labels "Alle", "Fehler" … "Gelernt": the boxes
// 0 to 5 in the colours the main window gives them, all cards and the
// learned ones (box 6) in their own. The view indicator takes the colour of
// the filter in force.
inline const QColor allCardsGrey(192, 192, 192);
inline const QColor learnedYellow = toColor(learnedColour);
// The four columns; the fields of the panels take the colour of their column.
inline const QColor columnColours[4] = {{192, 255, 255}, {128, 255, 255}, {0, 255, 255}, {0, 192, 192}};
inline const QColor panelGrey(236, 236, 236);

inline QColor filterColour(int filter)
{
    if (filter < 0)
        return allCardsGrey;
    return filter == 6 ? learnedYellow : toColor(boxColour(filter));
}

inline QString buttonCaption(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

} // namespace zek::ui::editorlook
