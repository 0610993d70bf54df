// The ZEK-Rechtschreibkartei works on the card box of the folder it is
// started in.
#include "Program.h"
#include "QtPlatform.h"

#include "platform/Random.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // the program ends only through the exit question of the main window
    app.setQuitOnLastWindowClosed(false);
    zek::ui::installFontSubstitutes();
    zek::ui::installGermanTranslation(app);

    zek::ui::QtPlatform platform;
    zek::Random random;
    zek::ui::Program program(QDir::currentPath(), platform, random);
    QObject::connect(&program, &zek::ui::Program::quitRequested, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(&platform, &zek::ui::QtPlatform::speechReady, &program.mainWindow(), &zek::MainWindow::speechChanged);
    platform.startSpeech();
    if (!program.start())
        return 0;
    return app.exec();
}
