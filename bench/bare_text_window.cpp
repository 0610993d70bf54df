// The second yardstick of the start benchmark: the bare window with the
// least a spelling trainer shows, one word in the reading font above an empty
// answer box. What it costs over the empty window is the first use of the
// font system (the list of the system's fonts, a font engine), which every
// window with text pays and the empty one never does.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include <cmath>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen->logicalDotsPerInchX();
    const auto twips = [dpi](int value) { return int(std::lround(value * dpi / 1440.0)); };
    QWidget window;
    window.setWindowTitle(QStringLiteral("ZEK-Rechtschreibkartei"));
    window.setFixedSize(twips(9200), twips(6765));
    auto *word = new QLabel(QStringLiteral("Abend"), &window);
    word->setFont(QFont(QStringLiteral("Comic Sans MS"), 24));
    word->setAlignment(Qt::AlignCenter);
    word->setGeometry(twips(1440), twips(1800), twips(6855), twips(2055));
    auto *answer = new QLineEdit(&window);
    answer->setGeometry(twips(1440), twips(4320), twips(6855), twips(1455));
    window.move(screen->geometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
