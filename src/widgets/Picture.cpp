#include "widgets/Picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace zek::ui {
namespace {

// Draws an SVG picture at the size asked for, its proportions kept, as
// Qt's own SVG icons do; a greyed or selected picture is the style's
// version of the normal one.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(QString path) : m_path(std::move(path)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QString key =
            QStringLiteral("zek-picture:%1:%2x%3:%4").arg(m_path).arg(size.width()).arg(size.height()).arg(int(mode));
        QPixmap pm;
        if (QPixmapCache::find(key, &pm))
            return pm;
        QSvgRenderer renderer(m_path);
        if (!renderer.isValid())
            return pm;
        const QSize drawn = fitted(renderer.defaultSize(), size);
        if (drawn.isEmpty())
            return pm;
        QImage image(drawn, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        pm = QPixmap::fromImage(image);
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            if (!styled.isNull())
                pm = styled;
        }
        QPixmapCache::insert(key, pm);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

    QIconEngine *clone() const override { return new PictureEngine(m_path); }
    QString key() const override { return QStringLiteral("zek-picture"); }

private:
    static QSize fitted(QSize natural, const QSize &room)
    {
        if (natural.isNull())
            return room;
        natural.scale(room, Qt::KeepAspectRatio);
        return natural;
    }

    QString m_path;
};

} // namespace

QIcon picture(const QString &name) { return QIcon(new PictureEngine(QStringLiteral(":/icons/%1.svg").arg(name))); }

} // namespace zek::ui
