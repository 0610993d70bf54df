// The trainer from outside: box labels and exit on the sample card box, and two
// copies of the program on one folder.
#include "teacher/WordsForAll.h"
#include "windows/WindowFixture.h"

#include <QProcess>
#include <QSysInfo>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <optional>

using namespace zek;
using namespace zek::test;

// Each box label chooses its box, and the exit button ends the program.
TEST_F(FormTest, EachBoxLabelChoosesItsBoxAndBild1Exits)
{
    copySampleBox(dir.path());
    start();
    const char *boxLabels[] = {"fehler1", "Bezeichnung15", "Bezeichnung16", "Bezeichnung17", "Bezeichnung18", "Bezeichnung19"};
    for (int box = 5; box >= 0; --box) {
        click(boxLabels[box]);
        EXPECT_EQ(program->drill().currentBox(), box);
    }
    QSignalSpy quit(program.get(), &ui::Program::quitRequested);
    platform.expectMessage(Answer::Yes);
    click("Bild1");
    EXPECT_EQ(quit.size(), 1);
}

// Two copies on one folder, and the first one ended from outside. The first
// copy is this test program started again: it answers a card (the first one
// of box 1, "1, Abend") and waits. The second one ends and touches nothing;
// however the first one ends, the answered card is in the file; it ends
// cleanly on a signal, and a crashed one's lock file is taken over. In a
// folder that takes no new file the lock is an OS lock on the language file.
TEST_F(FormTest, ASecondCopyEndsAndTheFirstKeepsItsAnswerHoweverItEnds)
{
    if (qEnvironmentVariableIsSet("ZEK_ANSWER_AND_WAIT")) {
        program = std::make_unique<ui::Program>(QDir::currentPath(), platform, random);
        ASSERT_TRUE(program->start());
        program->endOnSignals();
        QObject::connect(program.get(), &ui::Program::quitRequested, [] { QCoreApplication::exit(0); });
        type(program->drill().card().baseWord);
        QTimer::singleShot(0, [] { std::puts("answered"); std::fflush(stdout); }); // after the save queued
        QCoreApplication::exec();
        return;
    }
    const struct {
        int signal;
        bool takesNewFiles;
    } cases[] = {{SIGTERM, true}, {SIGHUP, false}, {SIGINT, true}, {SIGKILL, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.signal);
        QTemporaryDir box;
        QDir folder(box.path());
        copySampleBox(box.path());
        const QByteArray answered = '2' + readBytes(folder.filePath("ZEKCARD1.LST")).mid(1);
        std::optional<ReadOnly> readOnly;
        if (!c.takesNewFiles) {
            ASSERT_TRUE(readOnly.emplace(box.path()).made());
        }
        const auto snapshot = [&] {
            QByteArray all;
            for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
                all += name.toUtf8() + '\n' + readBytes(folder.filePath(name));
            return all;
        };
        QProcess first;
        first.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("ZEK_ANSWER_AND_WAIT=1"));
        first.setWorkingDirectory(box.path());
        first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=FormTest.ASecondCopy*")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return first.readAllStandardOutput().contains("answered"); }, 20000));
        const QByteArray before = snapshot();

        platform.expectMessage();
        EXPECT_FALSE(ui::Program(box.path(), platform, random).start());
        // the lock file names this computer; where the folder takes none, the OS lock says only that
        EXPECT_TRUE(platform.messages().back().text.startsWith(c.takesNewFiles ? QStringLiteral("Die Kartei ist an Computer \u201e%1\u201c geöffnet (seit ").arg(QSysInfo::machineHostName())
                                                                               : QStringLiteral("Die ZEK-Rechtschreibkartei ist in diesem Ordner schon geöffnet.")));
        EXPECT_EQ(snapshot(), before);

        ::kill(pid_t(first.processId()), c.signal);
        ASSERT_TRUE(first.waitForFinished(20000));
        EXPECT_EQ(first.exitStatus() == QProcess::NormalExit && first.exitCode() == 0, c.signal != SIGKILL);
        EXPECT_EQ(readBytes(folder.filePath("ZEKCARD1.LST")), answered);
        EXPECT_EQ(folder.exists(FolderLock::fileName()), c.signal == SIGKILL);
        EXPECT_TRUE(ui::Program(box.path(), platform, random).start());
    }
}

// "Wörter für alle" while one child practises in a trainer that runs: the
// real program holds Ben's box. Anna, Carla and the Vorlage get the two new
// words, Ben's files stay as they were, and once his trainer has ended,
// "Nochmals versuchen" gives them to him alone; each record gets one
// "Lehrkraft" line per word.
TEST(ClassProcess, WordsForAllLeaveAChildPractisingInAnotherTrainer)
{
    QTemporaryDir dir;
    const QDir klasse(dir.path());
    const QStringList children{"Anna", "Ben", "Carla", "Vorlage"};
    for (const QString &child : children) {
        klasse.mkdir(child);
        copySampleBox(klasse.filePath(child));
    }
    writeBytes(klasse.filePath("woche.csv"), "Quelle;Quellen\r\nIgelchen\r\n");
    const auto cards = [&](const QString &child) { return readBytes(QDir(klasse.filePath(child)).filePath("ZEKCARD1.LST")); };
    const auto record = [&](const QString &child) {
        QFile file(QDir(klasse.filePath(child)).filePath("Verlauf.csv"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray sample = cards("Ben");

    QProcess trainer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", dir.path());
    environment.insert("SPEECHD_ADDRESS", "unix_socket:/nonexistent/speechd.sock");
    environment.insert("CUPS_SERVER", QDir(dir.path()).filePath("none.sock"));
    trainer.setProcessEnvironment(environment);
    trainer.start(QStringLiteral(ZEK_PROGRAM), {klasse.filePath("Ben")});
    const QString lock = QDir(klasse.filePath("Ben")).filePath(FolderLock::fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lock); }, 20000));

    FakePlatform platform;
    WordsForAll words(dir.path(), platform);
    words.start();
    platform.expectFile(klasse.filePath("woche.csv"));
    words.chooseFile();
    words.setIntoTemplate(true);
    words.giveToAll();
    EXPECT_EQ(words.notChanged().join(u'|'),
              QStringLiteral("Nicht geändert: Ben (an Computer \u201e%1\u201c geöffnet)").arg(QSysInfo::machineHostName()));
    const QByteArray given = cards("Anna");
    EXPECT_EQ(given.size(), sample.size() + QByteArray("1, Quelle, Quellen, \r\n1, Igelchen, , \r\n").size());
    EXPECT_TRUE(given.contains("\r\n1, Quelle, Quellen, \r\n") && given.contains("\r\n1, Igelchen, , \r\n"));
    EXPECT_EQ(cards("Carla"), given);
    EXPECT_EQ(cards("Vorlage"), given);
    const QByteArray lines = "Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis;Aufgabe;Eingabe\r\n"
                             "2026-03-02T08:15:00;Deutsch;Quelle;;1;Lehrkraft;;\r\n"
                             "2026-03-02T08:15:00;Deutsch;Igelchen;;1;Lehrkraft;;\r\n";
    EXPECT_EQ(record("Anna"), lines);
    EXPECT_EQ(record("Carla"), lines);
    EXPECT_EQ(record("Vorlage"), "");
    EXPECT_EQ(cards("Ben"), sample);
    EXPECT_EQ(record("Ben"), "");

    ::kill(pid_t(trainer.processId()), SIGTERM);
    ASSERT_TRUE(trainer.waitForFinished(20000));
    EXPECT_TRUE(trainer.exitStatus() == QProcess::NormalExit && trainer.exitCode() == 0);
    EXPECT_EQ(cards("Ben"), sample);
    words.retry();
    EXPECT_TRUE(words.notChanged().isEmpty());
    EXPECT_EQ(cards("Ben"), given);
    EXPECT_EQ(record("Ben"), lines);
    EXPECT_EQ(cards("Anna"), given);
    EXPECT_EQ(record("Anna"), lines);
}
