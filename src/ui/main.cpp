// The ZEK-Rechtschreibkartei works on one card box: the folder given as its
// argument, the folder it is started in when that holds a card box, or the
// user's own ~/ZEK-Rechtschreibkartei, made from the installed sample once.
// A class folder (a card box per child) and "--klasse [FOLDER]" open the
// class: the children choose their own box.
#include "ClassProgram.h"
#include "Form1.h"
#include "FormKlasse.h"
#include "Program.h"
#include "QtPlatform.h"

#include "cards/Folder.h"
#include "platform/Random.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// The sample card box beside the program: the installed copy, or in the
// build tree a link to the sources' sample.
QString templateFolder()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/zek-rechtschreibkartei/vorlage"));
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
    if (choice.classMode) {
        QApplication::setDesktopFileName(QStringLiteral("org.example.ZekRechtschreibkartei.Klasse"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zek-rechtschreibkartei.svg")));
        zek::ui::ClassProgram klasse(choice.folder, templateFolder(), platform, random);
        QObject::connect(&klasse, &zek::ui::ClassProgram::quitRequested, &app, [] { QCoreApplication::exit(0); });
        klasse.endOnSignals();
        QObject::connect(&klasse, &zek::ui::ClassProgram::childStarted, &platform,
                         [&platform](zek::ui::Program *child) {
                             QObject::connect(&platform, &zek::ui::QtPlatform::speechChanged, &child->session(),
                                              &zek::TrainerSession::speechChanged);
                             QObject::connect(&platform, &zek::ui::QtPlatform::speechChanged, &child->wordShow(),
                                              &zek::WordShow::changed);
                         });
        platform.startSpeechAfterFirstPaint(&klasse.form());
        klasse.start();
        return app.exec();
    }
    zek::ui::Program program(choice.folder, platform, random);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zek-rechtschreibkartei.svg")));
    QObject::connect(&program, &zek::ui::Program::quitRequested, &app, [] { QCoreApplication::exit(0); });
    program.endOnSignals();
    // reading aloud comes when the speech engine answers, started once the first frame is drawn
    QObject::connect(&platform, &zek::ui::QtPlatform::speechChanged, &program.session(),
                     &zek::TrainerSession::speechChanged);
    QObject::connect(&platform, &zek::ui::QtPlatform::speechChanged, &program.wordShow(), &zek::WordShow::changed);
    platform.startSpeechAfterFirstPaint(&program.form1());
    if (!program.start())
        return 0;
    return app.exec();
}
