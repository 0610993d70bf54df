// The trainer from outside: start to exit on the sample card box, and two
// copies of the real program on one folder.
#include "FormFixture.h"

#include "cards/Cp1252.h"

#include <QProcess>
#include <QSignalSpy>

using namespace zek;
using namespace zek::test;

TEST_F(FormTest, DrillOneCardPerBoxAndExit)
{
    copySampleBox(dir.path());
    QList<QByteArray> lines = german().split('\n');
    lines.removeLast(); // after the last line end
    start();

    const char *boxLabels[] = {"fehler1", "Bezeichnung15", "Bezeichnung16",
                               "Bezeichnung17", "Bezeichnung18", "Bezeichnung19"};
    for (int box = 5; box >= 0; --box) {
        SCOPED_TRACE(box);
        // the card of lowest position in the box comes first
        qsizetype line = 0;
        while (line < lines.size() && lines[line].front() != char('0' + box))
            ++line;
        ASSERT_LT(line, lines.size());
        const QString word = cp1252::decode(lines[line].split(',')[1].trimmed());
        click(boxLabels[box]);
        EXPECT_EQ(text("Bezeichnung10").remove(u' '), word);
        type(word);
        EXPECT_TRUE(answerBox()->text().isEmpty());
        lines[line][0] = char('0' + box + 1);
    }
    QSignalSpy quit(program.get(), &ui::Program::quitRequested);
    platform.expectMessage(Answer::Yes);
    click("Bild1");
    EXPECT_EQ(quit.size(), 1);
    EXPECT_EQ(german(), lines.join('\n') + '\n');
}

TEST_F(FormTest, ASecondCopyOnTheSameFolderEndsAndTouchesNothing)
{
    copySampleBox(dir.path());
    QDir folder(dir.path());
    const auto snapshot = [&] {
        QByteArray all;
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
            all += name.toUtf8() + '\n' + readBytes(folder.filePath(name));
        return all;
    };
    QProcess first;
    first.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // this copy is killed: it must not take the machine's speech daemon down with it
    env.insert(QStringLiteral("SPEECHD_ADDRESS"), QStringLiteral("unix_socket:/nonexistent/speechd.sock"));
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(ZEK_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path("ZEK-Rechtschreibkartei.lock")); }, 20000));
    const QByteArray before = snapshot();

    platform.expectMessage();
    ui::Program second(dir.path(), platform, random);
    EXPECT_FALSE(second.start());
    EXPECT_FALSE(second.form1().isVisible());
    EXPECT_EQ(platform.messages().back().title, QStringLiteral("ZEK-Rechtschreibkartei"));
    EXPECT_EQ(platform.messages().back().text, QStringLiteral("Die ZEK-Rechtschreibkartei ist in diesem Ordner schon geöffnet."));
    EXPECT_EQ(snapshot(), before);

    // a copy that crashed leaves its lock behind; the next start takes it over
    first.kill();
    first.waitForFinished();
    ASSERT_TRUE(QFile::exists(path("ZEK-Rechtschreibkartei.lock")));
    start();
    EXPECT_TRUE(form().isVisible());
}
