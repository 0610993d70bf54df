// What the main window itself does: it mirrors the drill, hands clicks and
// keys on once each, keeps the focus in the answer box and shows nothing of
// its wide part when narrow. The rules behind it are tested on the models.
#include "windows/WindowFixture.h"

#include <QDialog>
#include <QFile>
#include <QFontInfo>

#include "windows/WordShowWindow.h"
#include "widgets/ReadingFont.h"
#include "widgets/WordField.h"
#include "widgets/WavyLineEdit.h"
#include "syllables/Syllables.h"

using namespace zek;
using namespace zek::test;

static const QByteArray cards("2, Baum, B\xe4ume, Der Baum ist hoch.\r\n"
                              "1, B\xe4r, B\xe4rin, Der B\xe4r mag Honig.\r\n"
                              "0, Kuh, K\xfche, Die Kuh gibt Milch.\r\n"
                              "1, Zug, Z\xfcge, Der Zug f\xe4hrt ab.\r\n");

TEST_F(FormTest, MirrorsTheDrillWhileTheChildTypes)
{
    startWith(cards);
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  ä  r "));
    type(QStringLiteral("Bx"));
    EXPECT_EQ(background(answerBox()), QColor(255, 0, 0));
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  ä  r "));
    QTest::keyClick(answerBox(), Qt::Key_Backspace);
    EXPECT_EQ(background(answerBox()), QColor(Qt::white));
    EXPECT_TRUE(text("Bezeichnung10").isEmpty());
    type(QStringLiteral("är"));
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(text("Bezeichnung15") + text("Bezeichnung1") + text("Bezeichnung2") + text("Bezeichnung6"), QStringLiteral("Fach 112 4"));
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" Z  u  g "));
}

TEST_F(FormTest, ClicksReachTheirCommand)
{
    startWith(cards);
    click("Bezeichnung2"); // the counter of "Fach 2"
    EXPECT_EQ(background(widget("Figur1")), QColor(255, 192, 128));
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  a  u  m "));
    click("fehler1");
    click("Bild8");
    EXPECT_EQ(widget<QListWidget>("Liste2")->currentRow(), 0);
    clickEntry("Liste2", 2); // "Umkehrwort"
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" h  u  K "));
    click("Bild17");
    type(QStringLiteral("K"));
    clickEntry("Liste3", 0);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("KA"));
    EXPECT_TRUE(widget<QListWidget>("Liste3")->selectedItems().isEmpty());
    platform.expectInput(QStringLiteral("Mia"));
    platform.expectMessage();
    click("Picture1");
    EXPECT_EQ(text("Bezeichnung11"), QStringLiteral("Mia"));
    // a name is shown as it was typed, markup too
    platform.expectInput(QStringLiteral("<b>Tom</b>"));
    platform.expectMessage();
    click("Picture1");
    auto *name = widget<QLabel>("Bezeichnung11");
    EXPECT_GE(name->sizeHint().width(), name->fontMetrics().horizontalAdvance(QStringLiteral("<b>Tom</b>")));
}

TEST_F(FormTest, ADoubleClickIsOneCommand)
{
    startWith(cards);
    doubleClick("Bild13");
    EXPECT_EQ(text("Bezeichnung22"), QStringLiteral("Z e i c h e n s a t z\nEnglisch"));
    doubleClick("Bild17");
    EXPECT_TRUE(widget("Liste3")->isVisible());
    doubleClick("Bild8");
    EXPECT_TRUE(widget("Liste2")->isVisible());
    doubleClick("Bezeichnung20");
    EXPECT_EQ(text("Bezeichnung20"), QStringLiteral("2"));
}

TEST_F(FormTest, TypingAlwaysLandsInTheAnswerBox)
{
    startWith(cards);
    EXPECT_FALSE(widget("Liste3")->isVisible() || widget("Bezeichnung22")->isVisible());
    click("Bild8");
    click("Bild8");
    EXPECT_TRUE(answerBox()->hasFocus());
    QTest::keyClick(answerBox(), Qt::Key_Tab);
    EXPECT_TRUE(answerBox()->hasFocus());
    click("Bild17");
    QTest::keyClick(answerBox(), Qt::Key_Tab);
    type(QStringLiteral("B"));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("B"));
}

TEST_F(FormTest, ClosingByTheFrameAsksTheExitQuestion)
{
    startWith(cards);
    type(QStringLiteral("Bär"));
    platform.expectMessage(Answer::No);
    EXPECT_FALSE(form().close());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(german(), cards);
    platform.expectMessage(Answer::Yes);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(german(), QByteArray(cards).replace("1, B\xe4r", "2, B\xe4r"));
}

TEST_F(FormTest, VorlesenSitsInTheWordFieldAndGreysWhileTheEngineDoesNotAnswer)
{
    platform.voices = QStringLiteral("D");
    startWith(cards);
    auto *button = widget<QToolButton>("Vorlesen");
    // on the white word field, not over the frame bar, and not hidden under it
    const QWidget *field = widget<QLabel>("Bezeichnung10");
    EXPECT_TRUE(field->geometry().contains(button->geometry()));
    EXPECT_EQ(button->parentWidget()->childAt(button->geometry().center()), button);
    EXPECT_TRUE(button->isEnabled());
    platform.voices.clear(); // the engine keeps a text too long
    program->session().speechChanged();
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Vorlesen (keine Sprachausgabe gefunden)"));
}

// F2 held down, as X11 sends it: one press, then pairs of a release and a
// press with one time stamp, none flagged as repeated. It reads once.
TEST_F(FormTest, AHeldF2ReadsOnce)
{
    platform.voices = QStringLiteral("D");
    startWith(cards);
    QWidget *answer = widget("Text3");
    quint64 at = 1000;
    const auto send = [&](QEvent::Type type) {
        QKeyEvent event(type, Qt::Key_F2, Qt::NoModifier);
        event.setTimestamp(at);
        QApplication::sendEvent(answer, &event);
    };
    send(QEvent::KeyPress);
    for (int i = 0; i < 25; ++i) {
        at += 33;
        send(QEvent::KeyRelease);
        send(QEvent::KeyPress);
    }
    at += 20;
    send(QEvent::KeyRelease);
    EXPECT_EQ(platform.spoken.size(), 1);
    at += 400;
    send(QEvent::KeyPress); // pressed again: read again
    EXPECT_EQ(platform.spoken.size(), 2);
}

TEST_F(FormTest, HoerdiktatSitsBesideVorlesenAndShowsWhetherItIsOn)
{
    startWith(cards);
    auto *button = widget<QToolButton>("Hoerdiktat");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Hördiktat (keine Sprachausgabe gefunden)"));
    platform.voices = QStringLiteral("D"); // the engine has answered
    program->session().speechChanged();
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Hördiktat"));
    EXPECT_TRUE(widget("Bezeichnung10")->geometry().contains(button->geometry()));
    EXPECT_EQ(button->parentWidget()->childAt(button->geometry().center()), button);
    // a long user name stays clear of the "Schrift" button beside it
    platform.expectInput(QStringLiteral("Maximiliane Hohenberg"));
    platform.expectMessage();
    click("Picture1");
    auto *name = widget<QLabel>("Bezeichnung11");
    EXPECT_EQ(name->text(), QStringLiteral("Maximiliane Hohenberg"));
    EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), name->contentsRect().width());
    EXPECT_GE(name->contentsRect().left(), widget("Schrift")->geometry().right() - name->x());
    click("Hoerdiktat");
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral("Hör gut zu und schreibe!"));
    EXPECT_EQ(text("Bezeichnung7"), program->drill().instruction());
    click("Schrift"); // the preview keeps the word to itself
    auto *aids = form().findChild<QDialog *>(QStringLiteral("Leseschrift"));
    EXPECT_EQ(text("Vorschau", aids), program->drill().sampleDisplay());
    click("Abbrechen", aids);
    QTest::keyClick(answerBox(), Qt::Key_F2);
    EXPECT_EQ(platform.spoken, QStringList({"D:Bär", "D:Bär"}));
    EXPECT_TRUE(answerBox()->hasFocus());
    doubleClick("Hoerdiktat"); // one click: off
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(text("Bezeichnung10"), QStringLiteral(" B  ä  r "));
}

TEST_F(FormTest, LeseschriftChangesTheFontOnlyOnOkAndEveryTextStillFits)
{
    startWith("1, Donaudampfschifffahrt, Donaudampfschiffe, Die Donaudampfschifffahrtsgesellschaft f\xe4hrt auf der Donau.\r\n");
    auto *display = widget<QLabel>("Bezeichnung10");
    const QFont today = display->font();
    EXPECT_EQ(today.family(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(QFontInfo(today).family(), QStringLiteral("Comic Neue")); // the free look-alike is drawn
    EXPECT_EQ(today.letterSpacing(), 0);
    const auto choose = [&](const char *closeWith) {
        click("Schrift");
        auto *window = form().findChild<QDialog *>(QStringLiteral("Leseschrift"));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Leseschrift"));
        EXPECT_EQ(text("Vorschau", window), text("Bezeichnung10")); // the word as the field shows it
        for (const char *option : {"Schriftart2", "Buchstabenabstand2", "Schriftgroesse1"})
            click(option, window);
        EXPECT_EQ(QFontInfo(widget("Vorschau", window)->font()).family(), QStringLiteral("OpenDyslexic"));
        click(closeWith, window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form().findChild<QDialog *>(QStringLiteral("Leseschrift")), nullptr);
    };
    choose("Abbrechen");
    EXPECT_EQ(display->font(), today);
    EXPECT_FALSE(QFile::exists(path("ZEK-Einstellungen.ini")));
    choose("OK");
    EXPECT_TRUE(QFile::exists(path("ZEK-Einstellungen.ini")));
    type(QStringLiteral("Donaudampfschifffah"));
    for (QWidget *w : {static_cast<QWidget *>(display), static_cast<QWidget *>(answerBox())}) {
        EXPECT_EQ(QFontInfo(w->font()).family(), QStringLiteral("OpenDyslexic"));
        EXPECT_GT(w->font().letterSpacing(), 0.3 * QFontInfo(w->font()).pixelSize()); // shrunk with the font
    }
    // the long word, the text typed and the phrase of the word show fit their boxes
    EXPECT_LE(answerBox()->fontMetrics().horizontalAdvance(answerBox()->text()), answerBox()->contentsRect().width());
    type(QStringLiteral("x"));
    EXPECT_LE(display->fontMetrics().boundingRect(display->contentsRect(), Qt::TextWordWrap, display->text()).width(),
              display->contentsRect().width());
    click("Bild5");
    QLabel *phrase = widget<QLabel>("Bezeichnung3", program->form2());
    EXPECT_EQ(QFontInfo(phrase->font()).family(), QStringLiteral("OpenDyslexic"));
    EXPECT_LE(phrase->fontMetrics().boundingRect(phrase->contentsRect(), Qt::TextWordWrap, phrase->text()).height(),
              phrase->contentsRect().height());
}

// The longest card a box holds: a word of 60 letters, a related word that
// a large spaced-out font must break, and a phrase of five sentences.
static const QString longWord = QStringLiteral("Rinderkennzeichnungsfleischetikettierungsüberwachungsaufgabe");
static const QString longPhrase = QStringLiteral(
    "Am Samstag gehen wir mit der ganzen Klasse auf den großen Abenteuerspielplatz hinter der alten Schule. "
    "Dort gibt es eine lange Rutsche und zwei Schaukeln und ein Klettergerüst aus Holz und einen tiefen Sandkasten. "
    "Die Lehrerin hat Äpfel und Brote und Wasser und Kekse für alle Kinder in einem großen Korb mitgebracht. "
    "Nach dem Spielen setzen wir uns auf die Wiese und essen zusammen und erzählen uns lustige Geschichten. "
    "Am Abend sind alle müde aber glücklich und wir freuen uns schon auf den nächsten Ausflug im Mai.");

// Every glyph of the field lies in its free room, clear of the controls over
// the field, in the reading font itself; every letter is drawn, a word is
// broken only at the smallest size and never into single letters.
static void expectFits(const ui::WordField *field, const QString &family, const QList<QWidget *> &over = {})
{
    const ui::FittedLines &fitted = field->fitted();
    const QString context = field->objectName() + u' ' + fitted.font.toString() + u' ' + fitted.lines.join(u'|');
    EXPECT_FALSE(fitted.cut) << context.toStdString();
    EXPECT_EQ(QFontInfo(fitted.font).family(), family);
    QString drawn;
    for (const QString &line : fitted.lines) {
        const bool broken = line.endsWith(u'-');
        drawn += broken ? line.chopped(1) : line + u' ';
        if (broken) {
            EXPECT_EQ(fitted.font.pointSizeF(), 8) << context.toStdString();
            EXPECT_GE(QString(line).remove(u' ').size(), 3) << context.toStdString();
        }
    }
    EXPECT_EQ(drawn.remove(u' '), QString(field->text()).remove(u' '));
    int outside = 0;
    for (const QRectF &glyph : field->glyphBounds()) {
        bool clear = fitted.room.contains(glyph) && QRectF(field->contentsRect()).contains(glyph);
        for (const QWidget *control : over)
            clear = clear && !QRectF(control->geometry()).intersects(glyph.translated(field->pos()));
        outside += clear ? 0 : 1;
    }
    EXPECT_EQ(outside, 0) << context.toStdString();
}

TEST_F(FormTest, LongWordsAndPhrasesFitTheirFieldsInEveryFontSpacingAndSize)
{
    platform.voices = QStringLiteral("D");
    startWith((QStringLiteral("1, ") + longWord + QStringLiteral(", Abenteuerspielplatz, ") + longPhrase + QStringLiteral("\r\n"))
                  .toLatin1());
    auto *display = widget<ui::WordField>("Bezeichnung10");
    const QList<QWidget *> buttons{widget("Vorlesen"), widget("Hoerdiktat")};
    click("Bezeichnung20");
    click("Bezeichnung20"); // level 3: the word, the related word, the phrase
    Drill &drill = program->drill();
    const auto everyChoice = [&](const std::function<void(const ReadingAids &)> &check) {
        for (int font = 0; font < 3; ++font)
            for (int spacing = 0; spacing < 3; ++spacing)
                for (int size = 0; size < 2; ++size)
                    check({ReadingFont(font), LetterSpacing(spacing), TextSize(size)});
    };
    const auto family = [](const ReadingAids &aids) {
        return aids.font == ReadingFont::ComicNeue ? QStringLiteral("Comic Neue") : ui::readingFamily(aids.font);
    };
    everyChoice([&](const ReadingAids &aids) {
        program->session().applyReadingAids(aids);
        drill.drawCard();
        for (const QString &typed : {longWord, QStringLiteral("Abenteuerspielplatz"), QString()}) {
            expectFits(display, family(aids), buttons);
            if (!typed.isEmpty())
                drill.checkAnswer(typed);
        }
    });
    // the preview of "Leseschrift" breaks the word as the field does
    drill.drawCard();
    click("Schrift");
    auto *preview = widget<ui::WordField>("Vorschau", form().findChild<QDialog *>(QStringLiteral("Leseschrift")));
    EXPECT_EQ(preview->text(), display->text());
    EXPECT_EQ(preview->fitted().lines, display->fitted().lines);
    EXPECT_EQ(preview->fitted().font, display->fitted().font);
    click("Abbrechen", preview->window());
    // the word show: the word, the related word and the phrase
    click("Bild5");
    everyChoice([&](const ReadingAids &aids) {
        program->form2()->setReadingAids(aids);
        for (const char *line : {"Bezeichnung1", "Bezeichnung2", "Bezeichnung3"})
            expectFits(widget<ui::WordField>(line, program->form2()), family(aids));
    });
}

// "Silben": chosen in "Leseschrift", the word field draws the syllables in
// blue and red or arcs under them, the answer box colours the letters that
// are right, the word show takes them too; "Silben auch beim Drucken" is
// kept for the sheets.
TEST_F(FormTest, SilbenColourTheWordTheRightLettersAndTheWordShow)
{
    if (!SyllablePatterns::forLanguage(QStringLiteral("D")))
        GTEST_SKIP() << "the German hyphenation patterns are not installed (hyphen-de)";
    startWith("1, Apfelbaum, Apfelb\xe4ume, Der Apfelbaum bl\xfcht.\r\n");
    auto *display = widget<ui::WordField>("Bezeichnung10");
    EXPECT_TRUE(display->syllablePlaces().isEmpty()); // off until chosen
    const auto painted = [](QWidget *w, const QColor &colour) {
        const QImage image = w->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    };
    click("Schrift");
    auto *window = form().findChild<QDialog *>(QStringLiteral("Leseschrift"));
    ASSERT_NE(window, nullptr);
    click("Silben1", window);
    EXPECT_GT(painted(widget("Vorschau", window), ui::syllableRed), 0); // the preview shows them at once
    click("SilbenDrucken", window); // and on paper
    click("OK", window);
    EXPECT_TRUE(program->session().settings().aids.printSyllables);
    EXPECT_GT(painted(display, ui::syllableBlue), 0);
    EXPECT_GT(painted(display, ui::syllableRed), 0);
    EXPECT_TRUE(display->arcs().isEmpty());

    type(QStringLiteral("Apf"));
    auto *answer = widget<ui::WavyLineEdit>("Text3");
    EXPECT_EQ(answer->syllablePlaces(), QList<int>({0, 0, 1}));
    EXPECT_GT(painted(answer, ui::syllableRed), 0);
    type(QStringLiteral("x"));
    EXPECT_EQ(answer->syllablePlaces(), QList<int>({0, 0, 1, -1}));
    answer->clear();

    ReadingAids arcs = program->session().settings().aids;
    arcs.syllables = SyllableLook::Arcs;
    program->session().applyReadingAids(arcs);
    program->drill().drawCard();
    const QList<QRectF> under = display->arcs();
    ASSERT_EQ(under.size(), 3); // Ap|fel|baum
    for (qsizetype i = 1; i < under.size(); ++i)
        EXPECT_LT(under[i - 1].right(), under[i].left());
    EXPECT_EQ(painted(display, ui::syllableRed), 0);

    click("Bild5");
    for (const char *line : {"Bezeichnung1", "Bezeichnung2", "Bezeichnung3"})
        EXPECT_FALSE(widget<ui::WordField>(line, program->form2())->arcs().isEmpty()) << line;
}
