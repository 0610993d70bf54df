// Renders the main window to PNG files: narrow and wide, German and French.
// Usage: zek_screenshots OUTPUT_FOLDER
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form5.h"
#include "ui/Form7.h"
#include "ui/Memo.h"
#include "ui/ZEKLABEL.h"
#include "ui/Program.h"
#include "ui/QtPlatform.h"

#include "cards/CardFile.h"
#include "printing/Sheets.h"

#include "platform/Random.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

class QuietPlatform : public zek::Platform {
public:
    zek::Answer messageBox(const zek::Message &) override { return zek::Answer::Ok; }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    int secondsSinceMidnight() const override { return 0; }
    zek::PrinterMetrics printerMetrics(const QString &, double) override { return {}; }
    zek::PrintOutcome print(const QList<zek::PrintedPage> &, const QString &, double, const QString &,
                            const QString &) override
    {
        return {};
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zek_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    zek::ui::installFontSubstitutes();
    zek::ui::installGermanTranslation(app);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    QTemporaryDir dir;
    for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        QFile::copy(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QLatin1String(name)),
                    QDir(dir.path()).filePath(QLatin1String(name)));

    QuietPlatform platform;
    zek::Random random;
    zek::ui::Program program(dir.path(), platform, random);
    if (!program.start())
        return 1;
    auto &form = program.form1();
    auto shoot = [&](const char *name) {
        QApplication::processEvents();
        form.grab().save(out.filePath(QLatin1String(name)));
        std::printf("%s\n", qPrintable(out.filePath(QLatin1String(name))));
    };
    auto click = [&](const char *name) {
        QTest::mouseClick(form.findChild<QWidget *>(QLatin1String(name)), Qt::LeftButton);
    };

    shoot("form1-german-narrow.png");
    QTest::keyClicks(form.findChild<QWidget *>(QStringLiteral("Text3")), QStringLiteral("Ax"));
    click("Bild17");
    shoot("form1-german-wide.png");
    click("Bild13");
    click("Bild13");
    click("Bezeichnung17");
    shoot("form1-french-wide.png");
    click("Bild17");
    click("Bild8");
    shoot("form1-french-narrow.png");

    // the card editor: all cards, a box, and each panel
    program.session().openWindow(zek::Window::Editor);
    auto &editor = *program.form7();
    auto shootEditor = [&](const char *name) {
        QApplication::processEvents();
        editor.grab().save(out.filePath(QLatin1String(name)));
        std::printf("%s\n", qPrintable(out.filePath(QLatin1String(name))));
    };
    auto clickEditor = [&](const char *name) {
        QTest::mouseClick(editor.findChild<QWidget *>(QLatin1String(name)), Qt::LeftButton);
    };
    program.editor().showCurrentCard(4);
    shootEditor("form7-all.png");
    clickEditor("Bezeichnung15");
    shootEditor("form7-box2.png");
    clickEditor("Bezeichnung12");
    clickEditor("Bild8");
    shootEditor("form7-edit.png");
    clickEditor("Bild6");
    program.editor().showNewBox(3);
    shootEditor("form7-rebox.png");
    clickEditor("Bezeichnung16");
    clickEditor("Bild5");
    clickEditor("Bezeichnung16");
    shootEditor("form7-print.png");
    // the spelling check: a word the dictionary does not know, underlined as
    // it is typed, and the list of the cards with such words (two cards
    // changed in memory only)
    clickEditor("Bezeichnung12");
    clickEditor("Bild8");
    program.editor().setFieldText(3, QStringLiteral("Am Abend lesen wir ein Buhc."));
    program.editor().spelling().waitUntilReady();
    shootEditor("form7-spelling.png");
    zek::CardEntry affe = program.store().cards()[1], arzt = program.store().cards()[4];
    affe.phrase = QStringLiteral("Der Affe kletert auf den Baum.");
    arzt.relatedWord = QStringLiteral("Ärtzin");
    program.store().setCard(1, affe);
    program.store().setCard(4, arzt);
    clickEditor("Bild13");
    QApplication::processEvents();
    if (QWidget *list = editor.findChild<QWidget *>(QStringLiteral("Rechtschreibung"))) {
        list->grab().save(out.filePath(QStringLiteral("form7-spelling-list.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("form7-spelling-list.png"))));
    }
    program.editor().closeSpellingList();
    clickEditor("Bild7");

    // the games: hangman mid-game, lost and won; the word prison mid-game
    {
        auto shootWindow = [&](QWidget *w, const char *name) {
            QApplication::processEvents();
            w->grab().save(out.filePath(QLatin1String(name)));
            std::printf("%s\n", qPrintable(out.filePath(QLatin1String(name))));
        };
        zek::Hangman &hangman = program.hangman();
        program.session().openWindow(zek::Window::Hangman);
        const QString word = hangman.secretWord();
        hangman.keyPress(word.left(1).toUpper());
        for (QChar c : QStringLiteral("qxjy"))
            hangman.keyPress(QString(c).toUpper());
        hangman.toggleCharacterTable();
        shootWindow(program.form5(), "form5-playing.png");
        for (int i = 0; i < 4; ++i)
            hangman.keyPress(QStringLiteral("Q"));
        for (QChar c : QStringLiteral("QQQQQQ"))
            hangman.keyPress(QString(c));
        program.session().openWindow(zek::Window::Hangman);
        for (int i = 0; i < 9; ++i)
            hangman.keyPress(QStringLiteral("Q"));
        shootWindow(program.form5(), "form5-nine-wrong.png");
        hangman.keyPress(QStringLiteral("Q")); // the tenth: lost, the word shown
        shootWindow(program.form5(), "form5-lost.png");
        program.session().openWindow(zek::Window::Hangman);
        for (QChar c : hangman.secretWord().toUpper())
            if (hangman.maskedText().contains(u'_'))
                hangman.keyPress(QString(c));
        shootWindow(program.form5(), "form5-won.png");
        program.session().openWindow(zek::Window::WordPrison);
        zek::Prison &prison = program.prison();
        for (int i = 0; i < 3; ++i)
            prison.move(0, -1);
        shootWindow(program.form3(), "form3-playing.png");
        prison.leavePrison();

        program.session().openWindow(zek::Window::Memory);
        zek::MemoryGame &memory = program.memory();
        for (int j = 1; j < 18 && !memory.solved(0); ++j) // find the pair of field 1
            if (memory.pairNumber(j) == memory.pairNumber(0)) {
                memory.clickField(0);
                memory.clickField(j);
            }
        memory.clickField(memory.solved(1) ? 2 : 1);
        shootWindow(program.memo(), "memo-playing.png");
        memory.leaveMemory();

        program.session().openWindow(zek::Window::WordShow);
        program.wordShow().cardScrolled(5);
        shootWindow(program.form2(), "form2.png");
        program.wordShow().cancelShow();

        program.session().openWindow(zek::Window::Info);
        shootWindow(program.zeklabel(), "zeklabel.png");
        program.info().closeInfoWindow();
    }

    // one job of each sheet kind on the sample cards, as PDF files (with no
    // printer set up, the print path writes them into the folder given)
    {
        zek::ui::QtPlatform printer;
        QFile german(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QStringLiteral("ZEKCARD1.LST")));
        german.open(QIODevice::ReadOnly);
        const zek::CardList cards = zek::readCardFile(german.readAll()).cards;
        const struct {
            zek::SheetKind kind;
            const char *name;
        } sheets[] = {{zek::SheetKind::CardSheet, "Karteikarten"},
                      {zek::SheetKind::WordList, "Lernwoerter"},
                      {zek::SheetKind::FamilySheet, "Wortfamilien"}};
        for (const auto &sheet : sheets) {
            const auto pages =
                zek::layOutSheets(sheet.kind, cards, printer.printerMetrics(zek::sheetFont, zek::sheetFontPoints));
            const zek::PrintOutcome outcome =
                printer.print(pages, zek::sheetFont, zek::sheetFontPoints, QString::fromLatin1(sheet.name), out.path());
            std::printf("%s\n", qPrintable(out.filePath(outcome.pdfName)));
        }
    }

    // the exit question as the Qt platform shows it
    zek::ui::QtPlatform qt;
    QTimer::singleShot(100, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        box->grab().save(out.filePath(QStringLiteral("exit-question.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("exit-question.png"))));
        box->close();
    });
    qt.messageBox({QStringLiteral("ZEK-Rechtschreibkartei"), QStringLiteral("Die ZEK-Rechtschreibkartei beenden?\r"),
                   zek::Buttons::YesNo, zek::Icon::Critical, zek::Answer::No});
    return 0;
}
