// The ZEK-Rechtschreibkartei works on one card box: the folder given as its
// argument, the folder it is started in when that holds a card box, or the
// user's own ~/ZEK-Rechtschreibkartei, made from the installed sample once.
#include "Program.h"
#include "QtPlatform.h"

#include "cards/Folder.h"
#include "platform/Random.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// The sample card box: installed beside the program, or in the source tree.
QString templateFolder()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/zek-rechtschreibkartei/vorlage"));
    return QFileInfo::exists(installed) ? installed : QStringLiteral(ZEK_TEMPLATE_DIR);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // the program ends only through the exit question of the main window
    app.setQuitOnLastWindowClosed(false);
    QApplication::setDesktopFileName(QStringLiteral("org.example.ZekRechtschreibkartei"));
    zek::ui::installFontSubstitutes();
    zek::ui::installGermanTranslation(app);

    zek::ui::QtPlatform platform;
    const zek::CardFolderChoice choice =
        zek::chooseCardFolder(app.arguments().mid(1), QDir::currentPath(), QDir::homePath(), templateFolder());
    if (choice.folder.isEmpty()) {
        platform.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"), choice.error});
        return 1;
    }
    zek::Random random;
    zek::ui::Program program(choice.folder, platform, random);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zek-rechtschreibkartei.svg")));
    QObject::connect(&program, &zek::ui::Program::quitRequested, &app, [] { QCoreApplication::exit(0); });
    program.endOnSignals();
    QObject::connect(&platform, &zek::ui::QtPlatform::speechReady, &program.mainWindow(), &zek::MainWindow::speechChanged);
    platform.startSpeech();
    if (!program.start())
        return 0;
    return app.exec();
}
