// The trainer from start to exit on the sample card box: one card drilled in
// every box, then "Beenden" and "Ja"; the card file holds the new boxes.
#include "FormFixture.h"

#include "cards/Cp1252.h"

#include <QSignalSpy>

using namespace zek;
using namespace zek::test;

TEST_F(FormTest, DrillOneCardPerBoxAndExit)
{
    copySampleBox(dir.path());
    const QByteArray original = german();
    QList<QByteArray> lines = original.split('\n');
    ASSERT_TRUE(lines.last().isEmpty());
    lines.removeLast();
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
        QString spaced;
        for (QChar c : word)
            spaced += QLatin1Char(' ') + c + QLatin1Char(' ');
        EXPECT_EQ(label("Bezeichnung10")->text(), spaced);
        type(word);
        EXPECT_TRUE(answerBox()->text().isEmpty());
        lines[line][0] = char('0' + box + 1);
    }

    QSignalSpy quit(program.get(), &ui::Program::quitRequested);
    platform.expectMessage(Answer::Yes);
    click("Bild1");
    EXPECT_EQ(quit.size(), 1);
    EXPECT_EQ(german(), lines.join('\n') + '\n');
    EXPECT_NE(german(), original);
}

TEST_F(FormTest, IncompleteInstallationEndsTheStart)
{
    copySampleBox(dir.path());
    QFile::remove(path("ZEKCARD2.LST"));
    platform.expectMessage();
    ui::Program trainer(dir.path(), platform, random);
    EXPECT_FALSE(trainer.start());
    EXPECT_FALSE(trainer.form1().isVisible());
    EXPECT_EQ(platform.messages().back().title, QStringLiteral("ZEKKarte abbrechen"));
}
