// The yardstick of the start benchmark: a bare Qt Widgets program that shows
// one empty window of the main window's size and title (or the title given),
// centred.
#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen->logicalDotsPerInchX();
    const auto twips = [dpi](int value) { return int(std::lround(value * dpi / 1440.0)); };
    QWidget window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ZEK-Rechtschreibkartei"));
    window.setFixedSize(twips(9200), twips(6765));
    window.move(screen->geometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
