// The ZEK-Rechtschreibkartei works on one card box: the folder given as its
// argument, the folder it is started in when that holds a card box, or the
// user's own ~/ZEK-Rechtschreibkartei, made from the installed sample once.
// A class folder (a card box per child) and "--klasse [FOLDER]" open the
// class: the children choose their own box. "--klasse" alone opens the
// classes the computer room lists in /etc/zek-rechtschreibkartei/klassen.conf.
#include "app/ClassProgram.h"
#include "windows/DrillWindow.h"
#include "windows/ChildChoiceWindow.h"
#include "windows/ClassChoiceWindow.h"
#include "app/Program.h"
#include "windows/ProgressChartLoader.h"
#include "qtplatform/QtPlatform.h"

#include "cards/Folder.h"
#include "drill/ClassChoice.h"
#include "widgets/Widgets.h"
#include "cards/Languages.h"
#include "cards/Prefetch.h"
#include "platform/Random.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QSocketNotifier>

#include <memory>

namespace {

// The sample card box beside the program: the installed copy, or in the
// build tree a link to the sources' sample.
QString templateFolder()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/zek-rechtschreibkartei/vorlage"));
}

// The start opens the box on its first language: that card file is read on
// a thread of its own while the window system is set up, from the folder the
// start will choose (a folder not there, or a class folder, reads nothing).
void readFirstCardsEarly(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString folder = zek::cardBoxFolderFor(arguments, QDir::currentPath(), QDir::homePath());
    zek::prefetchCardFile(QDir(folder).filePath(zek::languages.front().cardFileName()));
}

// The program's picture as ready-made pictures of the sizes a desktop asks
// for: drawing it from the SVG at each size slowed the first window. Reading
// them looks up Qt's picture plugins, so it waits for the first frame.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/program-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char **argv)
{
    readFirstCardsEarly(argc, argv);
    QApplication app(argc, argv);
    // the program ends only through the exit question of the main window
    app.setQuitOnLastWindowClosed(false);
    QApplication::setDesktopFileName(QStringLiteral("org.example.ZekRechtschreibkartei"));
    zek::ui::installFontSubstitutes();
    zek::ui::installGermanTranslation(app);

    zek::ui::QtPlatform platform;
    const zek::CardFolderChoice choice =
        zek::chooseCardFolder(app.arguments().mid(1), QDir::currentPath(), QDir::homePath(), templateFolder());
    if (choice.folder.isEmpty() && choice.classes.isEmpty()) {
        platform.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"), choice.error});
        return 1;
    }
    zek::Random random;
    if (choice.classMode) {
        QApplication::setDesktopFileName(QStringLiteral("org.example.ZekRechtschreibkartei.Klasse"));
        // with several classes listed for the computer room, "Welche Klasse?" first
        zek::ClassChoice classes(choice.classes, platform);
        std::unique_ptr<zek::ui::ClassChoiceWindow> classForm;
        std::unique_ptr<QSocketNotifier> endBeforeClass;
        std::unique_ptr<zek::ui::ClassProgram> klasse;
        const auto openClass = [&](const QString &folder) {
            endBeforeClass.reset(); // the class ends on signals by itself
            klasse = std::make_unique<zek::ui::ClassProgram>(folder, templateFolder(), platform, random);
            QObject::connect(klasse.get(), &zek::ui::ClassProgram::quitRequested, &app,
                             [] { QCoreApplication::exit(0); });
            klasse->endOnSignals();
            klasse->setProgressView(
                [&platform](const QString &childFolder) { zek::ui::openProgressChart(childFolder, platform); });
            klasse->followSpeech(platform);
            klasse->start();
        };
        QWidget *first = nullptr;
        if (choice.classes.isEmpty()) {
            openClass(choice.folder);
            first = &klasse->form();
        } else {
            classForm = std::make_unique<zek::ui::ClassChoiceWindow>(classes);
            first = classForm.get();
            QObject::connect(&classes, &zek::ClassChoice::quitRequested, &app, [] { QCoreApplication::exit(0); });
            QObject::connect(&classes, &zek::ClassChoice::classChosen, &app, [&](const QString &folder) {
                openClass(folder);
                classForm->hide();
            });
            endBeforeClass = zek::ui::notifyEndSignals([] { QCoreApplication::exit(0); });
            classes.activate();
            zek::ui::centreOnScreen(classForm.get());
            classForm->show();
            classForm->activateWindow();
        }
        platform.startSpeechAfterFirstPaint(first);
        platform.afterFirstPaint(first, [] { QApplication::setWindowIcon(programIcon()); });
        return app.exec();
    }
    zek::ui::Program program(choice.folder, platform, random);
    QObject::connect(&program, &zek::ui::Program::quitRequested, &app, [] { QCoreApplication::exit(0); });
    program.endOnSignals();
    // reading aloud comes when the speech engine answers, started once the first frame is drawn
    program.followSpeech(platform);
    platform.startSpeechAfterFirstPaint(&program.form1());
    // the task bar's picture: nothing in the first frame
    platform.afterFirstPaint(&program.form1(), [] { QApplication::setWindowIcon(programIcon()); });
    if (!program.start())
        return 0;
    return app.exec();
}
