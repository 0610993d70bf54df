#include "windows/InfoWindow.h"

#include "widgets/Picture.h"
#include "qtplatform/QtPlatform.h"
#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "info/Info.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace zek::ui {
namespace {

const QColor yellow(255, 255, 224);
const QColor grey(224, 224, 224);

} // namespace

InfoWindow::InfoWindow(Info &info, QWidget *parent) : QWidget(parent), m_info(info)
{
    setObjectName(QStringLiteral("ZEKLABEL"));
    setWindowTitle(QStringLiteral("Programm-Info"));
    setBackground(this, yellow);
    setFixedSize(twips(3510), twips(3375));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Figur1"));
    panel->setGeometry(twipsRect(120, 120, 3255, 2895));
    setBackground(panel, grey);
    const auto styled = [](QLabel *l, double points, bool bold, QColor colour) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(points);
        font.setBold(bold);
        l->setFont(font);
        setForeground(l, colour);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        return l;
    };
    const auto label = [this, styled](const char *name, const QRect &r, const QString &text, double points, bool bold,
                                      QColor colour) {
        return styled(addLabel(this, name, r, screenText(text)), points, bold, colour);
    };
    label("Bezeichnung2", twipsRect(240, 240, 375, 615), QStringLiteral("Z"), 18, true, QColor(255, 0, 255));
    label("Bezeichnung3", twipsRect(600, 240, 375, 615), QStringLiteral("E"), 18, true, QColor(0, 0, 255));
    label("Bezeichnung4", twipsRect(960, 240, 375, 615), QStringLiteral("K"), 18, true, QColor(0, 192, 0));
    QLabel *name =
        label("Bezeichnung5", twipsRect(1320, 240, 1935, 615), QStringLiteral(" - Karteien"), 18, true, Qt::black);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setWordWrap(false);
    QFont narrow = name->font();
    narrow.setStretch(88); // the look-alike font runs wider than the one the layout was made for
    name->setFont(narrow);
    label("Bezeichnung6", twipsRect(240, 840, 3015, 975), Info::notice(), 8.25, false, Qt::black)
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(label("Bezeichnung7", twipsRect(240, 1800, 3015, 495), Info::rights(), 9.75, false, Qt::black),
                  yellow);
    ClickableLabel *okay =
        addClickableLabel(this, "Bezeichnung1", twipsRect(240, 2400, 2175, 495), QStringLiteral("O k a y"));
    styled(okay, 18, true, QColor(255, 0, 0));
    ClickableLabel *picture = addClickableLabel(this, "Bild1", twipsRect(2400, 2400, 855, 495));
    styled(picture, 8, false, Qt::black);
    picture->setPixmap(zek::ui::picture(QStringLiteral("info")).pixmap(twips(420)));
    setBackground(picture, grey);
    setBackground(label("Bezeichnung8", twipsRect(120, 3120, 3255, 255), Info::webAddress(), 8, false, Qt::black),
                  yellow);
    for (ClickableLabel *clickable : {okay, picture})
        connect(clickable, &ClickableLabel::clicked, &m_info, &Info::closeInfoWindow);
}

void InfoWindow::showInFront()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 4);
    }
    show();
    raise();
    activateWindow();
}

void InfoWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the frame closes it like "O k a y"
    m_info.closeInfoWindow();
}

} // namespace zek::ui
