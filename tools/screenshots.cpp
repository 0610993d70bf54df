// Renders the main window to PNG files: narrow and wide, German and French.
// Usage: zek_screenshots OUTPUT_FOLDER
#include "windows/DrillWindow.h"
#include "windows/WordShowWindow.h"
#include "windows/WordPrisonWindow.h"
#include "windows/HangmanWindow.h"
#include "windows/EditorWindow.h"
#include "app/ClassProgram.h"
#include "windows/ChildChoiceWindow.h"
#include "windows/ClassChoiceWindow.h"
#include "drill/ClassChoice.h"
#include "windows/TeacherMenuWindow.h"
#include "qtplatform/ImportDialog.h"
#include "windows/MemoryWindow.h"
#include "windows/InfoWindow.h"
#include "modules/progress/ProgressChartWindow.h"
#include "windows/ClassOverviewWindow.h"
#include "app/Program.h"
#include "qtplatform/QtPlatform.h"

#include "cards/CardFile.h"
#include "cards/ClassPassword.h"
#include "cards/Folder.h"
#include "teacher/TeacherMenu.h"
#include "record/PracticeRecord.h"
#include "printing/Sheets.h"
#include "syllables/Syllables.h"

#include "platform/Random.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <tuple>

namespace {

class QuietPlatform : public zek::Platform {
public:
    zek::Answer messageBox(const zek::Message &) override { return zek::Answer::Ok; }
    qsizetype choiceBox(const zek::Choice &choice) override { return choice.defaultButton; }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    QString passwordBox(const QString &, const QString &) override { return {}; }
    QString openFileName(const zek::FileDialog &) override { return {}; }
    QString saveFileName(const zek::FileDialog &) override { return {}; }
    bool confirmImport(const zek::ImportPreview &) override { return false; }
    int secondsSinceMidnight() const override { return 0; }
    QDateTime localTime() const override { return QDateTime::currentDateTime(); }
    zek::PrinterMetrics printerMetrics(const QString &, double) override { return {}; }
    zek::PrintOutcome print(const QList<zek::PrintedPage> &, const QString &, double, const QString &,
                            const QString &) override
    {
        return {};
    }
    zek::PrintOutcome printDrawing(const zek::PageDrawing &, const QString &, const QString &) override { return {}; }
    zek::PrintOutcome printPages(const zek::PagesDrawing &, bool, const QString &, const QString &) override
    {
        return {};
    }
    // voices only where a picture needs them
    bool hasVoice(const QString &code) override { return voices && !code.isEmpty(); }
    bool speechStarting() override { return false; }
    void speak(const QString &, const QString &) override {}
    void speakAtRate(const QString &, const QString &, zek::SpeechRate) override {}
    bool voices = false;
};

// The Qt platform as the program prints, its boxes answered, its clock
// where a picture needs a day of its own.
struct QuietPrinter : zek::ui::QtPlatform {
    zek::Answer messageBox(const zek::Message &) override { return zek::Answer::Ok; }
    QDateTime localTime() const override { return time.isValid() ? time : QDateTime::currentDateTime(); }
    QDateTime time;
};

// "Drucken" as the program does it; with no printer the PDF stays in the
// folder and is copied beside the pictures.
void printedPdf(QWidget &window, const QString &folder, const QDir &out, const char *name)
{
    QApplication::processEvents();
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Drucken")), Qt::LeftButton);
    for (const QString &pdf : QDir(folder).entryList({QStringLiteral("Druck_*.pdf")})) {
        QFile::remove(out.filePath(QLatin1String(name)));
        QFile::copy(QDir(folder).filePath(pdf), out.filePath(QLatin1String(name)));
        std::printf("%s\n", qPrintable(out.filePath(QLatin1String(name))));
    }
    window.hide();
}

// How a child might misspell a word: the first of a few habits that fits it
// (no lengthening h, one consonant for two, ie as i, the hard final sound, s
// for ß, e for ä, f for v), else two letters turned round; n picks among the
// habits that fit. What the answer box held when it turned red is returned.
QString misspelt(const QString &word, unsigned n)
{
    static const QList<std::pair<QRegularExpression, QString>> habits = {
        {QRegularExpression(QStringLiteral("([aeiouäöü])h(?=[lmnr]|$)")), QStringLiteral("\\1")},
        {QRegularExpression(QStringLiteral("([^aeiou])\\1")), QStringLiteral("\\1")},
        {QRegularExpression(QStringLiteral("ie")), QStringLiteral("i")},
        {QRegularExpression(QStringLiteral("d$")), QStringLiteral("t")},
        {QRegularExpression(QStringLiteral("g$")), QStringLiteral("k")},
        {QRegularExpression(QStringLiteral("ß")), QStringLiteral("s")},
        {QRegularExpression(QStringLiteral("ä")), QStringLiteral("e")},
        {QRegularExpression(QStringLiteral("^V")), QStringLiteral("F")},
        {QRegularExpression(QStringLiteral("ck")), QStringLiteral("k")},
    };
    QStringList ways;
    for (const auto &[pattern, replacement] : habits)
        if (word.contains(pattern))
            ways << QString(word).replace(pattern, replacement);
    if (ways.size() > 1 && n % 3 == 0)
        ways.last() = ways.last().toLower(); // now and then a small first letter
    QString written = ways.isEmpty() ? word.left(1) + word.mid(2, 1) + word.mid(1, 1) + word.mid(3)
                                     : ways[int(n % unsigned(ways.size()))];
    if (written == word)
        written = word.toLower();
    for (qsizetype k = 1; k <= written.size(); ++k)
        if (!word.contains(written.first(k)))
            return written.first(k);
    return written + u'x';
}

// A child's card box from the sample whose German cards were practised on
// the school days from first to last: all cards started in "Fach 1", a few
// in "Fehler"; each day a dozen to two dozen cards (none on a day the seed
// skips), the lower boxes chosen more often, the longer words typed wrong
// more often.
void practisedChild(const QString &folder, QDate first, QDate last, unsigned seed, unsigned skipOneIn = 0)
{
    QDir().mkpath(folder);
    for (const char *name : {"ZEKCARDS.INI", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        QFile::copy(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QLatin1String(name)),
                    QDir(folder).filePath(QLatin1String(name)));
    QFile german(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QStringLiteral("ZEKCARD1.LST")));
    german.open(QIODevice::ReadOnly);
    zek::CardList cards = zek::readCardFile(german.readAll()).cards;
    for (qsizetype i = 0; i < cards.size(); ++i)
        cards[i].box = i % 9 == 4 ? QStringLiteral("0") : QStringLiteral("1");
    const auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5 || (skipOneIn > 0 && next(skipOneIn) == 0))
            continue;
        const unsigned answers = 12 + next(14);
        for (unsigned k = 0; k < answers; ++k) {
            const zek::BoxCounts counts = zek::countBoxes(cards);
            int box = -1;
            for (int b = 0; b <= 5 && box < 0; ++b)
                if (counts.perBox[std::size_t(b)] > 0 && next(b == 0 ? 3 : 2) == 0)
                    box = b;
            for (int b = 1; b <= 5 && box < 0; ++b)
                if (counts.perBox[std::size_t(b)] > 0)
                    box = b;
            if (box < 0)
                break;
            qsizetype position = next(unsigned(cards.size()));
            while (cards[position].box != QString::number(box))
                position = (position + 1) % cards.size();
            const QString &word = cards[position].baseWord;
            const bool right = next(100) >= unsigned(8 + 3 * word.size());
            zek::appendToRecord(folder,
                                {day, 8 * 3600 + 15 * 60 + int(k) * 47, u'D', word, box, box + 1, right, false,
                                 right ? QString() : word, right ? QString() : misspelt(word, next(12))});
            cards[position].box = QString::number(box + 1);
        }
    }
    QByteArray bytes;
    zek::writeCardFile(cards, bytes);
    QFile file(QDir(folder).filePath(QStringLiteral("ZEKCARD1.LST")));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
}

// "Lernfortschritt" of a child who practised on the school days of four weeks.
void shootProgress(const QDir &out, zek::Platform &platform)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("Lena"));
    practisedChild(folder, QDate(2026, 11, 9), QDate(2026, 12, 4), 7);

    zek::ui::ProgressChartWindow window(folder, platform);
    window.open();
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("lernfortschritt.png")));
    std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("lernfortschritt.png"))));
    window.hide();

    QuietPrinter printer;
    zek::ui::ProgressChartWindow printed(folder, printer);
    printed.open();
    printedPdf(printed, folder, out, "lernfortschritt-druck.pdf");
}

// "Klassenübersicht" of a class on a Thursday: most children practised this
// week, some only last week, one never.
void shootOverview(const QDir &out)
{
    QTemporaryDir dir;
    const QString klasse = QDir(dir.path()).filePath(QStringLiteral("Klasse 3a"));
    const QDate thursday(2026, 12, 3);
    const struct {
        const char *name;
        QDate last;
        unsigned skip;
    } children[] = {{"Anna", thursday, 0},
                    {"Ben", thursday, 3},
                    {"Carla", thursday.addDays(-1), 2},
                    {"Deniz", thursday.addDays(-8), 2},
                    {"Emil", {}, 0},
                    {"Fatma", thursday, 4},
                    {"Jörg", thursday.addDays(-2), 3},
                    {"Lea", thursday, 5},
                    {"Mia", thursday.addDays(-10), 2},
                    {"Noah", thursday, 2},
                    {"Ömer", thursday, 3},
                    {"Sophie", thursday.addDays(-3), 6}};
    unsigned seed = 11;
    for (const auto &child : children) {
        const QString folder = QDir(klasse).filePath(QString::fromUtf8(child.name));
        if (child.last.isValid())
            practisedChild(folder, QDate(2026, 11, 9), child.last, seed += 13, child.skip);
        else
            practisedChild(folder, thursday, thursday.addDays(-1), seed);
    }
    QuietPrinter printer;
    printer.time = QDateTime(thursday, QTime(14, 0));
    zek::ui::ClassOverviewWindow window(klasse, printer, [](const QString &) {});
    window.open();
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("klassenuebersicht.png")));
    std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("klassenuebersicht.png"))));
    printedPdf(window, klasse, out, "klassenuebersicht-druck.pdf");
}

// The syllables on a card box made for the pictures, whose words all divide
// ("Apfelbaum" is "Ap|fel|baum"; the sample's first word, "Abend", does
// not): the word field in each look, the right letters typed in their
// colours, "Leseschrift" with the syllables, the word show coloured and
// with arcs, and a card sheet and a word list printed in syllables.
void shootSyllables(const QDir &out)
{
    QTemporaryDir dir;
    for (const char *name : {"ZEKCARDS.INI", "ZEKCARD2.LST", "ZEKCARD3.LST"})
        QFile::copy(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QLatin1String(name)),
                    QDir(dir.path()).filePath(QLatin1String(name)));
    const auto card = [](const char *base, const char *related, const char *phrase) {
        return zek::CardEntry{QStringLiteral("1"), QString::fromUtf8(base), QString::fromUtf8(related),
                              QString::fromUtf8(phrase)};
    };
    const zek::CardList cards = {card("Apfelbaum", "Apfelbäume", "Im Garten steht ein Apfelbaum."),
                                 card("Schmetterling", "Schmetterlinge", "Der Schmetterling fliegt."),
                                 card("Sonnenblume", "Sonnenblumen", "Die Sonnenblume ist gelb."),
                                 card("Regenbogen", "Regenbögen", "Nach dem Regen kommt ein Regenbogen."),
                                 card("Erdbeere", "Erdbeeren", "Die Erdbeere ist süß."),
                                 card("Fahrrad", "Fahrräder", "Mein Fahrrad hat eine Klingel.")};
    QByteArray bytes;
    zek::writeCardFile(cards, bytes);
    QFile file(QDir(dir.path()).filePath(QStringLiteral("ZEKCARD1.LST")));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();

    QuietPlatform platform;
    zek::Random random;
    zek::ui::Program program(dir.path(), platform, random);
    if (!program.start())
        return;
    auto &form = program.form1();
    const auto shoot = [&](QWidget &window, const char *name) {
        QApplication::processEvents();
        window.grab().save(out.filePath(QLatin1String(name)));
        std::printf("%s\n", qPrintable(out.filePath(QLatin1String(name))));
    };
    const struct {
        zek::SyllableLook look;
        const char *name;
    } syllableLooks[] = {{zek::SyllableLook::Off, "form1-syllables-off.png"},
                         {zek::SyllableLook::Coloured, "form1-syllables-coloured.png"},
                         {zek::SyllableLook::Arcs, "form1-syllables-arcs.png"}};
    for (const auto &look : syllableLooks) {
        zek::ReadingAids aids;
        aids.syllables = look.look;
        program.session().applyReadingAids(aids);
        shoot(form, look.name);
    }
    zek::ReadingAids coloured;
    coloured.syllables = zek::SyllableLook::Coloured;
    coloured.printSyllables = true;
    program.session().applyReadingAids(coloured);
    const QString target = program.drill().card().baseWord;
    QTest::keyClicks(form.findChild<QWidget *>(QStringLiteral("Text3")),
                     target.left(std::max<qsizetype>(1, target.size() - 2)));
    shoot(form, "form1-syllables-typed.png");
    QTest::mouseClick(form.findChild<QWidget *>(QStringLiteral("Schrift")), Qt::LeftButton);
    if (auto *window = form.findChild<QWidget *>(QStringLiteral("Leseschrift"))) {
        shoot(*window, "leseschrift-syllables.png");
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("Abbrechen")), Qt::LeftButton);
    }
    program.drill().checkAnswer(QString());
    program.session().applyReadingAids({});

    program.session().openWindow(zek::Window::WordShow);
    program.wordShow().cardScrolled(1);
    for (const auto &look : {std::pair{zek::SyllableLook::Coloured, "form2-syllables-coloured.png"},
                             std::pair{zek::SyllableLook::Arcs, "form2-syllables-arcs.png"}}) {
        zek::ReadingAids aids;
        aids.syllables = look.first;
        program.form2()->setReadingAids(aids);
        shoot(*program.form2(), look.second);
    }
    program.form2()->setReadingAids({});
    program.wordShow().cancelShow();

    // a card sheet coloured and a word list with arcs, as PDF files
    zek::ui::QtPlatform printer;
    for (const auto &[kind, look, name] :
         {std::tuple{zek::SheetKind::CardSheet, zek::SyllableLook::Coloured, "Karteikarten-Silben"},
          std::tuple{zek::SheetKind::WordList, zek::SyllableLook::Arcs, "Lernwoerter-Silben"}}) {
        const auto pages = zek::layOutSheets(kind, cards, printer.printerMetrics(zek::sheetFont, zek::sheetFontPoints),
                                             {}, {look, zek::SyllablePatterns::forLanguage(QStringLiteral("D"))});
        const zek::PrintOutcome outcome =
            printer.print(pages, zek::sheetFont, zek::sheetFontPoints, QString::fromLatin1(name), out.path());
        std::printf("%s\n", qPrintable(out.filePath(outcome.pdfName)));
    }
}

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
    shootSyllables(out);

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

    // dictation, the reading aids window and the word in each reading font
    platform.voices = true;
    program.session().speechChanged();
    click("Hoerdiktat");
    shoot("form1-dictation.png");
    click("Hoerdiktat");
    platform.voices = false;
    program.session().speechChanged();
    click("Schrift");
    if (auto *window = form.findChild<QWidget *>(QStringLiteral("Leseschrift"))) {
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("Schriftart1")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("Buchstabenabstand1")), Qt::LeftButton);
        QApplication::processEvents();
        window->grab().save(out.filePath(QStringLiteral("leseschrift.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("leseschrift.png"))));
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("Abbrechen")), Qt::LeftButton);
    }
    const struct {
        zek::ReadingAids aids;
        const char *name;
    } looks[] = {
        {{zek::ReadingFont::ComicNeue, zek::LetterSpacing::Normal, zek::TextSize::Normal}, "form1-comic-neue.png"},
        {{zek::ReadingFont::Andika, zek::LetterSpacing::Wide, zek::TextSize::Normal}, "form1-andika.png"},
        {{zek::ReadingFont::OpenDyslexic, zek::LetterSpacing::Wide, zek::TextSize::Large}, "form1-opendyslexic.png"}};
    for (const auto &look : looks) {
        program.session().applyReadingAids(look.aids);
        shoot(look.name);
    }
    program.session().applyReadingAids({});
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
    program.editor().browser().showCurrentCard(4);
    shootEditor("form7-all.png");
    clickEditor("Bezeichnung15");
    shootEditor("form7-box2.png");
    clickEditor("Bezeichnung12");
    clickEditor("Bild8");
    shootEditor("form7-edit.png");
    clickEditor("Bild6");
    program.editor().reboxPanel().showNewBox(3);
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
    program.editor().editPanel().setFieldText(3, QStringLiteral("Am Abend lesen wir ein Buhc."));
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
    program.editor().review().close();
    clickEditor("Bild7");

    // the preview of a word list import
    {
        zek::ui::ImportDialog preview(
            {QStringLiteral("Wortliste importieren"),
             QStringLiteral("4 neue Karten, 2 schon vorhanden, 2 abgelehnt"),
             {QStringLiteral("Zeile 5: kein UTF-8 (Zeichensatz gemischt)"),
              QStringLiteral(
                  "Zeile 8: ein unsichtbares Steuerzeichen (U+200B) lässt sich nicht in der Kartei speichern")},
             {{QStringLiteral("Apfel"), QStringLiteral("Äpfel"), QStringLiteral("Der Apfel ist rot.")},
              {QStringLiteral("Fahrrad"), QStringLiteral("Fahrräder"), QStringLiteral("Das Fahrrad hat eine Klingel.")},
              {QStringLiteral("Straße"), QStringLiteral("Straßen"), QStringLiteral("Die Straße ist nass.")},
              {QStringLiteral("Zebra"), QStringLiteral("Zebras"), QStringLiteral("Das Zebra ist gestreift.")}}});
        preview.show();
        QApplication::processEvents();
        preview.grab().save(out.filePath(QStringLiteral("import-dialog.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("import-dialog.png"))));
    }

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

    // "Wer übt heute?" on a class of children
    {
        QTemporaryDir klasse;
        for (const char *child : {"Anna", "Ben", "Carla", "Deniz", "Emil", "Fatma", "Jörg", "Lea", "Mia", "Noah",
                                  "Ömer", "Paul", "Sophie", "Tim", "Yusuf", "Zoe"}) {
            const QDir box(QDir(klasse.path()).filePath(QString::fromUtf8(child)));
            QDir().mkpath(box.path());
            for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
                QFile::copy(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QLatin1String(name)),
                            box.filePath(QLatin1String(name)));
        }
        zek::ui::ClassProgram classProgram(klasse.path(), QStringLiteral(ZEK_SAMPLE_DIR), platform, random);
        classProgram.start();
        QApplication::processEvents();
        classProgram.form().grab().save(out.filePath(QStringLiteral("klasse.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("klasse.png"))));
        classProgram.form().hide();

        // the teacher's menu of a class without a password, and "Wörter für
        // alle" with this week's list, Ben's box open
        zek::ClassPassword password(klasse.path(), platform);
        password.setWithout();
        struct ListPlatform : QuietPlatform {
            QString openFileName(const zek::FileDialog &dialog) override
            {
                return QDir(dialog.path).filePath(QStringLiteral("Woche 12.csv"));
            }
        } lists;
        QFile list(QDir(klasse.path()).filePath(QStringLiteral("Woche 12.csv")));
        list.open(QIODevice::WriteOnly);
        list.write(
            "Grundwort;Verwandtes Wort;Phrase\r\nDrachen;Drachenschnur;Der Drachen steigt.\r\nHerbst;herbstlich;\r\n"
            "Igel;;Der Igel schl\xc3\xa4\x66t.\r\nKastanie;Kastanien;\r\nLaterne;Laternen;\r\nNebel;neblig;\r\n"
            "Pilz;Pilze;\r\nSchnecke;Schnecken;\r\n;Bl\xc3\xa4tter;\r\n");
        list.close();
        zek::TeacherMenu menu(klasse.path(), lists, password);
        menu.activate();
        zek::ui::TeacherMenuWindow menuWindow(menu);
        menuWindow.show();
        QApplication::processEvents();
        menuWindow.grab().save(out.filePath(QStringLiteral("lehrkraft.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("lehrkraft.png"))));
        menuWindow.hide();
        zek::FolderLock benPractises(QDir(klasse.path()).filePath(QStringLiteral("Ben")));
        benPractises.lock();
        zek::ui::WordsForAllWindow wordsWindow(menu.words());
        menu.wordsForAll();
        menu.words().chooseFile();
        wordsWindow.show();
        QApplication::processEvents();
        wordsWindow.grab().save(out.filePath(QStringLiteral("woerter-fuer-alle.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("woerter-fuer-alle.png"))));
        menu.words().giveToAll();
        QApplication::processEvents();
        wordsWindow.grab().save(out.filePath(QStringLiteral("woerter-fuer-alle-gegeben.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("woerter-fuer-alle-gegeben.png"))));
        wordsWindow.hide();
    }
    // "Welche Klasse?" of a computer room, one class not reachable
    {
        QTemporaryDir room;
        for (const char *name : {"Klasse 3a", "Klasse 3b", "Klasse 4a"})
            QDir(room.path()).mkpath(QLatin1String(name));
        zek::ClassChoice classes({QDir(room.path()).filePath(QStringLiteral("Klasse 3a")),
                                  QDir(room.path()).filePath(QStringLiteral("Klasse 3b")),
                                  QDir(room.path()).filePath(QStringLiteral("Klasse 4a")),
                                  QStringLiteral("/mnt/klassen/Klasse 4b")},
                                 platform);
        zek::ui::ClassChoiceWindow roomForm(classes);
        classes.activate();
        roomForm.show();
        QApplication::processEvents();
        roomForm.grab().save(out.filePath(QStringLiteral("welche-klasse.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("welche-klasse.png"))));
        roomForm.hide();
    }
    // a class of 36 with long names, the keyboard on the fifth name
    {
        QTemporaryDir klasse;
        QStringList children = {QStringLiteral("Maximilian Alexander von Hohenzollern-Sigmaringen Schneider"),
                                QStringLiteral("Anna-Lena Sophie Marie Müller-Lüdenscheidt und Schmidtbauer"),
                                QStringLiteral("Özlem"), QStringLiteral("Bartholomäus-Friedrich Wilhelmsen"),
                                QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänswitwe Luise")};
        for (int i = 0; children.size() < 36; ++i)
            children << QStringLiteral("Kind %1").arg(i + 1);
        for (const QString &child : children) {
            const QDir box(QDir(klasse.path()).filePath(child));
            QDir().mkpath(box.path());
            for (const char *name : {"ZEKCARDS.INI", "ZEKCARD1.LST", "ZEKCARD2.LST", "ZEKCARD3.LST"})
                QFile::copy(QDir(QStringLiteral(ZEK_SAMPLE_DIR)).filePath(QLatin1String(name)),
                            box.filePath(QLatin1String(name)));
        }
        zek::ui::ClassProgram classProgram(klasse.path(), QStringLiteral(ZEK_SAMPLE_DIR), platform, random);
        classProgram.start();
        QApplication::processEvents();
        QWidget *focused = QApplication::focusWidget();
        if (focused)
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QApplication::processEvents();
        classProgram.form().grab().save(out.filePath(QStringLiteral("klasse-36.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("klasse-36.png"))));
        if (focused) // "m": the name with M, scrolled into view
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_M);
        QApplication::processEvents();
        classProgram.form().grab().save(out.filePath(QStringLiteral("klasse-36-m.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("klasse-36-m.png"))));
        classProgram.form().hide();
    }
    shootProgress(out, platform);
    shootOverview(out);

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

    // the spelling question before a card is saved
    QTimer::singleShot(100, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        box->grab().save(out.filePath(QStringLiteral("spelling-question.png")));
        std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("spelling-question.png"))));
        box->close();
    });
    zek::Choice spelling;
    spelling.title = QStringLiteral("Rechtschreibung");
    spelling.text = QStringLiteral("„Fahrad“ steht nicht im Wörterbuch. Meinten Sie: Fahrrad, Fahrada, Fachrad?");
    spelling.buttons = {QStringLiteral("„Fahrrad“ nehmen"), QStringLiteral("So speichern"), QStringLiteral("Zurück")};
    spelling.defaultButton = 2;
    qt.choiceBox(spelling);
    return 0;
}
