// What the game windows themselves do: they open from the tool bar, read
// the keys once each, paint their state and give back to the main window.
// The game rules are tested on the models.
#include "windows/WindowFixture.h"

#include "windows/WordPrisonWindow.h"
#include "windows/HangmanWindow.h"
#include "windows/WordShowWindow.h"
#include "windows/MemoryWindow.h"
#include "windows/InfoWindow.h"

#include <QScrollBar>
#include <QTimer>

using namespace zek;
using namespace zek::test;

const QByteArray haus("2, Haus, H\xe4user, Das Haus ist gro\xdf.\r\n1, Zug, Z\xfcge, Der Zug f\xe4hrt.\r\n");
static QByteArray twentyWords()
{
    QByteArray b;
    for (int i = 100; i < 120; ++i)
        b += "1, Wort" + QByteArray::number(i) + ", Worte" + QByteArray::number(i) + ", Satz.\r\n";
    return b;
}

static void send(QWidget *w, QEvent::Type type, Qt::Key k, const QString &text, quint64 at)
{
    QKeyEvent event(type, k, Qt::NoModifier, text);
    event.setTimestamp(at);
    QApplication::sendEvent(w, &event);
}

// A key held down as X11 sends it: the press, then pairs of a release and a
// press with one time stamp, none flagged as auto-repeat, then the release.
static void hold(QWidget *w, Qt::Key k, const QString &text = {})
{
    static quint64 now = 1000;
    send(w, QEvent::KeyPress, k, text, now += 100);
    for (int i = 0; i < 3; ++i) {
        send(w, QEvent::KeyRelease, k, text, now += 500);
        send(w, QEvent::KeyPress, k, text, now);
    }
    send(w, QEvent::KeyRelease, k, text, now += 30);
}

// The label shows `text` whole: every character, nothing cut, every line
// inside its box at the label's font.
static void expectWhole(QLabel *label, const QString &text)
{
    EXPECT_EQ(label->text().remove(u'\n'), text) << label->objectName().toStdString();
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect used = QFontMetrics(label->font(), label).boundingRect(box, flags, label->text());
    EXPECT_TRUE(box.contains(used)) << label->objectName().toStdString();
}

TEST_F(FormTest, HangmanReadsEachKeyOnceAndDrawsTheGallows)
{
    startWith(haus);
    click("Bild12");
    ui::HangmanWindow *game = program->form5();
    ASSERT_TRUE(game && game->isVisible() && !form().isVisible());
    hold(game, Qt::Key_A, QStringLiteral("A")); // one pick
    EXPECT_EQ(program->hangman().wrongCount(), 0);
    EXPECT_EQ(text("Bezeichnung1", game), QStringLiteral(" _ a _ _"));
    hold(game, Qt::Key_B, QStringLiteral("B"));
    EXPECT_EQ(program->hangman().wrongCount(), 1);
    EXPECT_EQ(game->grab().toImage().pixelColor(ui::twips(367), ui::twips(4000)), QColor(192, 64, 0)); // the post
    click("Bild4", game);
    auto *table = widget<QListWidget>("Liste1", game);
    doubleClickAt(table->viewport(), table->visualItemRect(table->item(0)).center()); // the second press: no second pick
    EXPECT_EQ(program->hangman().wrongCount(), 1); // "A" again: right
    EXPECT_FALSE(program->hangman().marked(0));
    EXPECT_FALSE(game->close());
    expectBackFrom(game);
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" Z  u  g ")); // the drill as it was
}

TEST_F(FormTest, ArrowKeysMoveThePrisonerAndEscLeaves)
{
    startWith(haus);
    click("Bild4");
    ui::WordPrisonWindow *game = program->form3();
    ASSERT_TRUE(game && game->isVisible());
    EXPECT_TRUE(game->windowTitle().startsWith(QStringLiteral("Wortgefängnis:  ")));
    hold(game, Qt::Key_Up); // held arrows keep moving
    EXPECT_EQ(program->prison().playerRow(), 6); // two empty rows, an H eaten, then no "a" above
    platform.expectMessage(Answer::No);
    hold(game, Qt::Key_X, QStringLiteral("x")); // asked once
    hold(game, Qt::Key_Escape);
    expectBackFrom(game);
}

TEST_F(FormTest, TheInformationWindowLeavesTheDrillAsItWas)
{
    startWith(haus);
    type(QStringLiteral("Z"));
    click("Bild6");
    click("Bild6"); // a second press: still in front
    QWidget *info = program->zeklabel();
    ASSERT_TRUE(info && info->isVisible() && form().isVisible());
    click("Bezeichnung1", info); // "O k a y"
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(answerBox()->text(), QStringLiteral("Z")); // nothing reloaded
    EXPECT_TRUE(answerBox()->hasFocus());
}

TEST_F(FormTest, MemoryAndWordShowWindows)
{
    startWith(twentyWords());
    click("Bild18");
    QWidget *memo = program->memo();
    ASSERT_TRUE(memo && memo->isVisible());
    doubleClick("Bezeichnung1", memo); // one pick
    EXPECT_FALSE(text("Bezeichnung1", memo).isEmpty());
    EXPECT_FALSE(memo->close());
    ASSERT_TRUE(form().isVisible());

    click("Bild5");
    QWidget *show = program->form2();
    ASSERT_TRUE(show && show->isVisible());
    EXPECT_EQ(text("Bezeichnung4", show) + text("Bezeichnung7", show), QStringLiteral("1 20 Karten"));
    click("Befehl3", show); // "Show ein"
    auto *timer = show->findChild<QTimer *>(QStringLiteral("Zeit1"));
    ASSERT_TRUE(timer && timer->isActive());
    EXPECT_EQ(timer->interval(), 2000);
    widget<QScrollBar>("HBildlauf2", show)->setValue(10);
    EXPECT_EQ(timer->interval(), 10000);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection); // a tick, without waiting
    EXPECT_EQ(text("Bezeichnung1", show), QStringLiteral("Wort101"));
    click("Befehl1", show);
    EXPECT_FALSE(timer->isActive() || show->isVisible());
}

TEST_F(FormTest, LongWordsShowWholeAndTheFrenchTableFitsWithoutScrolling)
{
    const QString longWord = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitaensmuetzenabzeichenherstellungsbetriebsleit");
    copySampleBox(dir.path());
    writeBytes(path("ZEKCARD1.LST"), "1, " + longWord.toLatin1() + ", x, y\r\n1, Stra\xdf"
                                                                   "enbahnhaltestellex, Halt, y\r\n"
                   + twentyWords());
    start();
    platform.answersOk = true;

    program->session().switchLanguage();
    program->session().switchLanguage(); // French: 70 characters
    click("Bild12");
    ui::HangmanWindow *game = program->form5();
    click("Bild4", game);
    auto *table = widget<QListWidget>("Liste1", game);
    ASSERT_EQ(table->count(), 70);
    EXPECT_TRUE(table->viewport()->rect().contains(table->visualItemRect(table->item(69)))); // all in view, no scrolling
    click("Bild1", game);

    program->session().switchLanguage(); // German: the long word
    click("Bild12");
    ASSERT_EQ(program->hangman().secretWord(), longWord);
    expectWhole(widget<QLabel>("Bezeichnung1", game), program->hangman().maskedText());
    for (int i = 0; i < 10; ++i)
        program->hangman().keyPress(QStringLiteral("\u00df"));
    expectWhole(widget<QLabel>("Bezeichnung2", game), longWord);

    click("Bild18");
    QWidget *memo = program->memo();
    MemoryGame &memory = program->memory();
    const auto field = [&](const QString &word) {
        for (int j = 0; j < MemoryGame::fieldCount; ++j)
            if (memory.word(j) == word)
                return j;
        return -1;
    };
    memory.clickField(field(QStringLiteral("Stra\u00dfenbahnhaltestellex")));
    memory.clickField(field(longWord));
    const auto label = [&](const QString &word) { return widget<QLabel>(qPrintable(QStringLiteral("Bezeichnung%1").arg(field(word) + 1)), memo); };
    expectWhole(label(QStringLiteral("Stra\u00dfenbahnhaltestellex")), QStringLiteral("Stra\u00dfenbahnhaltestellex"));
    EXPECT_TRUE(label(longWord)->text().endsWith(QStringLiteral("\u2026"))); // too long for a field at any size
    EXPECT_EQ(label(longWord)->toolTip(), longWord);
}
