#include "Trainer.h"

#include "cards/CardFile.h"
#include "cards/Cp1252.h"

#include <QCoreApplication>
#include <QHash>

#include <sys/stat.h>

#include <map>
#include <string>

// The tables below keep one entry a line, as they were written.
// clang-format off

namespace zek::test {

namespace {

using Step = void (*)(Trainer &t, const QString &arg);
using Key = QString (*)(const Trainer &t);
#define STEP(verb, ...) {QStringLiteral(verb), []([[maybe_unused]] Trainer &t, [[maybe_unused]] const QString &arg) { __VA_ARGS__; }}
#define KEY(key, ...) {QStringLiteral(key), [](const Trainer &t) -> QString { return __VA_ARGS__; }}

QString yes(bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); }

QString boxCodes(const CardList &cards) { QString out; for (const CardEntry &c : cards) out += c.box; return out; }

// The word prison's field: the word is the first card's, column 9 as given,
// every other cell the word's first letter.
void openPrison(Trainer &t, const QString &column)
{
    if (!column.isEmpty()) {
        const QString word = readCompleteCards(t.dir.path(), t.shared.currentCardFile).value(0).baseWord;
        QList<double> values{0.0};
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c)
                values << (word.indexOf(c == 9 && r <= column.size() ? column[r - 1] : word[0]) + 0.5) / double(word.size());
        t.random.setValues(values);
    }
    if (t.main.openWindow(Window::WordPrison))
        t.prison.newPrisonGame();
}

const QHash<QString, Step> &steps()
{
    static const QStringList windows = {"editor", "memory", "hangman", "prison", "show", "info"};
    static const QHash<QString, Step> table{
        // the main window and the drill
        STEP("start", t.started = t.main.startUp()),
        STEP("rename", QFile::rename(t.path(arg.section(u' ', 0, 0).toLatin1()), t.path(arg.section(u' ', 1).toLatin1()))),
        STEP("box", t.drill.chooseBox(arg.toInt())), STEP("set", t.drill.checkAnswer(arg)), STEP("char", t.drill.insertCharacter(arg)),
        STEP("type", for (QChar c : arg) t.drill.checkAnswer(t.drill.answerText() + c)),
        STEP("paste", t.drill.checkAnswer(t.drill.answerText() + arg)),
        STEP("level", t.drill.nextLevel()), STEP("modes", t.drill.toggleModeList()), STEP("mode", t.drill.chooseMode(arg.toInt())),
        STEP("order", t.drill.toggleWordOrder()), STEP("explain", t.drill.explainLevels()), STEP("card", t.drill.showCard()),
        STEP("random", QList<double> v; for (const QString &x : arg.split(u' ')) v << x.toDouble(); t.random.setValues(v)),
        STEP("lang", t.main.switchLanguage()), STEP("open", t.main.openWindow(Window(windows.indexOf(arg)))),
        STEP("prompt", t.platform.expectInput(arg); t.main.editorPrompt()),
        STEP("name", t.platform.expectInput(arg); t.main.changeUserName()),
        STEP("answer", t.platform.expectMessage(arg == u"ja" ? Answer::Yes : Answer::No)),
        STEP("activate", t.main.activate()), STEP("exit", t.main.exit()), STEP("end", t.main.endSession()),
        STEP("idle", QCoreApplication::sendPostedEvents()), // the keystroke is done
        STEP("at", t.platform.time = QDateTime::fromString(arg, Qt::ISODate)), // the clock
        STEP("term", t.main.endFromOutside()),
        STEP("computer", t.main.setComputerName(arg)),
        STEP("lockfile", writeBytes(t.path("ZEK-Rechtschreibkartei.lock"), arg.toUtf8().replace('/', '\n'))),
        STEP("held", t.other.emplace(t.dir.path(), arg); t.other->lock(QDateTime(QDate(2026, 3, 2), QTime(7, 32)))),
        STEP("traces", t.shared.currentBox = 4, t.shared.level = 1, t.shared.mode = 2), // another window's values
        STEP("voices", t.platform.voices = arg; t.platform.starting = false; t.main.speechChanged()),
        STEP("starting", t.platform.starting = true), STEP("read", t.main.readAloud()),
        // dictation and the reading aids: "aids 1 2 1" (font, spacing, size), "settings <lines joined by |>"
        STEP("dictation", t.main.toggleDictation()),
        STEP("aids", const QStringList n = arg.split(u' '); t.main.applyReadingAids({ReadingFont(n[0].toInt()), LetterSpacing(n[1].toInt()), TextSize(n[2].toInt())})),
        // the syllables: "syllables 1 2 1" (look, rate, spoken in syllables; a fourth 1: printed in syllables)
        STEP("syllables", const QStringList n = arg.split(u' '); ReadingAids a = t.main.settings().aids; a.syllables = SyllableLook(n[0].toInt());
             a.rate = SpeechRate(n[1].toInt()); a.speakSyllables = n[2] == u"1";
             a.printSyllables = n.size() > 3 && n[3] == u"1"; t.main.applyReadingAids(a)),
        STEP("settings", writeBytes(t.path("ZEK-Einstellungen.ini"), arg.toUtf8().replace('|', '\n'))),
        // the folder and the disk
        STEP("gone", QDir(t.dir.path()).removeRecursively()), STEP("remove", QFile::remove(t.path(arg.toLatin1()))),
        STEP("full", t.fullDisk.emplace(8)), STEP("room", t.fullDisk.reset()),
        STEP("folder-ro", EXPECT_TRUE(t.readOnly.emplace(t.dir.path()).made())),
        STEP("file-ro", EXPECT_TRUE(t.readOnlyFile.emplace(t.path("ZEKCARD1.LST")).made())),
        STEP("rw", t.readOnlyFile.reset(); t.readOnly.reset()),
        STEP("ini", writeBytes(t.path("ZEKCARDS.INI"), arg.toLatin1().replace(' ', "\r\n") + "\r\n")),
        // the editor
        STEP("editor", t.editor.activateEditor(t.main.userName())), STEP("leave", t.editor.leaveEditor(); t.main.activate()),
        STEP("elang", t.editor.switchEditorLanguage(arg)), STEP("all", t.editor.browser().showAllCards()), STEP("filter", t.editor.browser().showBox(arg.toInt())),
        STEP("row", t.editor.browser().showCurrentCard(arg.toInt())), STEP("focus", t.editor.editPanel().rememberActiveField(arg.toInt())),
        STEP("field", t.editor.editPanel().setFieldText(arg.left(1).toInt(), arg.mid(2))), STEP("clear", t.editor.editPanel().clearField(arg.toInt())),
        STEP("echar", t.editor.editPanel().insertCharacter(arg)), STEP("edit", t.editor.editPanel().open()), STEP("close", t.editor.editPanel().close()),
        STEP("insert", t.editor.editPanel().insertNewCard()), STEP("change", t.editor.editPanel().changeCurrentCard()), STEP("delete", t.editor.editPanel().deleteCurrentCard()),
        STEP("rebox", t.editor.reboxPanel().open()), STEP("newbox", t.editor.reboxPanel().showNewBox(arg.toInt())), STEP("rebox-card", t.editor.reboxPanel().reboxCard()),
        STEP("rebox-box", t.editor.reboxPanel().reboxBox()), STEP("rebox-all", t.editor.reboxPanel().reboxAll()), STEP("close-rebox", t.editor.reboxPanel().close()),
        STEP("print", t.editor.printPanel().open()), STEP("close-print", t.editor.printPanel().close()),
        STEP("kind", t.editor.printPanel().chooseSheetKind(SheetKind(arg.toInt()))),
        STEP("print-all", t.editor.printPanel().printInView()), STEP("print-page", t.editor.printPanel().printPageFromCurrent()),
        STEP("noprinter", t.platform.outcome = {PrintOutcome::SavedAsPdf, "Es ist kein Standarddrucker eingerichtet", "Druck_x.pdf"}),
        STEP("nopdf", t.platform.outcome = {PrintOutcome::Failed, "Es ist kein Standarddrucker eingerichtet", {}}),
        STEP("wordlist", writeBytes(t.path("liste.csv"), arg.toUtf8().replace('/', "\r\n"))),
        STEP("file", t.platform.expectFile(arg.isEmpty() ? QString() : t.path(arg.toUtf8().constData()))),
        STEP("preview", t.platform.expectImport(arg == u"ja")),
        STEP("import", t.editor.transfer().importWordList()), STEP("export", t.editor.transfer().exportWordList()),
        // the spelling check
        STEP("nodict", t.editor.spelling().setDictionaryFolders({t.path("keine")})),
        STEP("ownwords", writeBytes(t.path("ZEKWORTE.TXT"), arg.toUtf8().replace('/', "\r\n"))),
        // the card folder's server: "share down" (writes fail), "share hangs" (they block; a save waits for none), "share up"; "settle" (a write left running has ended)
        STEP("share", t.setShare(arg)), STEP("settle", EXPECT_TRUE(t.store.writer().waitUntilIdle(std::chrono::seconds(10))); QCoreApplication::sendPostedEvents()),
        STEP("choose", t.platform.expectChoice(arg)), // the caption of the button chosen in the next choice box
        STEP("fifo", EXPECT_EQ(::mkfifo(QFile::encodeName(t.path(arg.toLatin1())).constData(), 0600), 0)),
        STEP("askspelling", t.editor.editPanel().toggleAskSpelling()), STEP("spell", t.editor.review().checkSpelling()), STEP("finding", t.editor.review().showFinding(arg.toInt())),
        STEP("accept", t.editor.review().acceptWord(arg.section(u' ', 0, 0).toInt(), arg.section(u' ', 1))),
        // hangman
        STEP("hangman", if (t.main.openWindow(Window::Hangman)) t.hangman.newHangmanGame(arg)),
        STEP("pick", t.hangman.clickEntry(arg.toInt())), STEP("key", t.hangman.keyPress(arg)),
        STEP("table", t.hangman.toggleCharacterTable()), STEP("tip", t.hangman.showTip()),
        STEP("howto", t.hangman.showInstructions()), STEP("hangman-leave", t.hangman.leaveHangman()),
        // the word prison
        STEP("prison", openPrison(t, arg)), STEP("up", t.prison.move(0, -1)), STEP("down", t.prison.move(0, 1)),
        STEP("left", t.prison.move(-1, 0)), STEP("right", t.prison.move(1, 0)),
        STEP("pkey", t.prison.keyPress(arg.isEmpty() ? QStringLiteral(" ") : arg)),
        STEP("wish", t.prison.askWish()), STEP("hint", t.prison.showHint()), STEP("ende", t.prison.leavePrison()),
        // memory
        STEP("memory", if (t.main.openWindow(Window::Memory)) t.memory.dealMemoryGame()),
        STEP("mfield", t.memory.clickField(arg.toInt() - 1)), STEP("mhelp", t.memory.showMemoryHelp()), STEP("mleave", t.memory.leaveMemory()),
        // the word show
        STEP("show", if (t.main.openWindow(Window::WordShow)) t.wordShow.open(t.drill.card().position)),
        STEP("scroll", t.wordShow.cardScrolled(arg.toInt())), STEP("pause", t.wordShow.pauseScrolled(arg.toInt())),
        STEP("on", t.wordShow.startShow()), STEP("off", t.wordShow.stopShow()), STEP("tick", t.wordShow.timerTick()),
        STEP("cancel", t.wordShow.cancelShow()), STEP("sread", t.wordShow.readAloud()),
    };
    return table;
}

QString deal(const Trainer &t) // each pair on two fields: one card's base and related word
{
    const MemoryGame &m = t.memory;
    const CardList cards = readCompleteCards(t.dir.path(), t.shared.currentCardFile);
    for (int j = 0; j < MemoryGame::fieldCount; ++j) {
        QList<int> partners;
        for (int k = 0; k < MemoryGame::fieldCount; ++k)
            if (k != j && m.pairNumber(k) == m.pairNumber(j))
                partners << k;
        if (partners.size() != 1)
            return QStringLiteral("pair %1 not on two fields").arg(m.pairNumber(j));
        const QString a = m.word(j), b = m.word(partners[0]);
        if (std::none_of(cards.begin(), cards.end(), [&](const CardEntry &c) { return (c.baseWord == a && c.relatedWord == b) || (c.baseWord == b && c.relatedWord == a); }))
            return QStringLiteral("%1/%2 are no card").arg(a, b);
    }
    return QStringLiteral("ok");
}

const QHash<QString, Key> &keys()
{
    static const QHash<QString, Key> table{
        // the main window and the drill
        KEY("started", yes(t.started)), KEY("lock", yes(QFile::exists(t.path("ZEK-Rechtschreibkartei.lock")))),
        KEY("lockedby", QFile::exists(t.path("ZEK-Rechtschreibkartei.lock")) ? QString::fromUtf8(readBytes(t.path("ZEK-Rechtschreibkartei.lock")).split('\n').value(2)) : "none"),
        KEY("caption", t.main.language().caption()), KEY("charset", t.main.language().currentCharacterSet()), KEY("target", t.shared.targetText), KEY("display", t.drill.wordDisplay()),
        KEY("instruction", t.drill.instruction()), KEY("sample", t.drill.sampleDisplay() + (t.drill.sampleIsWord() ? " (word)" : "")),
        KEY("boxes", boxCodes(t.store.cards())),
        KEY("file", QFile::exists(t.path("ZEKCARD1.LST")) ? boxCodes(readCardFile(readBytes(t.path("ZEKCARD1.LST"))).cards) : "none"),
        KEY("red", yes(t.drill.answerIsRed())), KEY("answer", t.drill.answerText()), KEY("level", t.drill.levelDigit()),
        KEY("box", QString::number(t.drill.currentBox())), KEY("mode", QString::number(t.drill.mode())),
        KEY("order", t.drill.wordOrder() == WordOrder::Random ? "random" : "abc"),
        KEY("lang", t.main.language().code()), KEY("name", t.main.userName()),
        KEY("opened", QString::number(t.opened.size())), KEY("quit", QString::number(t.quit.size())),
        KEY("total", QString::number(t.drill.counts().total)), KEY("files", QString::number(QDir(t.dir.path()).entryList(QDir::Files).size())),
        KEY("spoken", t.platform.spoken.join(u'|')), KEY("voice", yes(t.main.voiceAvailable())),
        KEY("tips", t.main.readAloudTip() + u'|' + t.main.dictationTip() + u'|' + t.wordShow.readAloudTip()),
        KEY("dictation", yes(t.main.settings().dictation) + (t.drill.dictating() ? ", dictating" : "")),
        KEY("aids", [&] { const ReadingAids &a = t.main.settings().aids; return readingFontNames()[int(a.font)] + u',' + letterSpacingNames()[int(a.spacing)] + u',' + textSizeNames()[int(a.size)]; }()),
        KEY("syllables", [&] { const ReadingAids &a = t.main.settings().aids; return syllableLookNames()[int(a.syllables)]  + u',' + speechRateNames()[int(a.rate)] + u',' + QString::fromUtf16(a.speakSyllables ? u"an" : u"aus")
                                     + QString::fromUtf16(a.printSyllables ? u",gedruckt" : u""); }()),
        KEY("settings", QString::fromUtf8(readBytes(t.path("ZEK-Einstellungen.ini"))).replace(u'\n', u'|')),
        KEY("record", QString::fromUtf8(QFile::exists(t.path("Verlauf.csv")) ? readBytes(t.path("Verlauf.csv")) : QByteArray()).replace(QStringLiteral("\r\n"), QStringLiteral("/"))),
        KEY("note", t.main.recordNote()),
        // the copies kept on this computer: "folder:files|…", the card folder's name as Kind; the first one's boxes and record lines
        KEY("rescue", [&] { QStringList out; const QDir root(t.home.filePath("ZEK-Rettung"));
            for (const QString &f : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
                out << QString(f).replace(QFileInfo(t.dir.path()).fileName(), QStringLiteral("Kind")) + u':' + QDir(root.filePath(f)).entryList(QDir::Files, QDir::Name).join(u',');
            return out.join(u'|'); }()),
        KEY("rescued", [&] { const QDir root(t.home.filePath("ZEK-Rettung")); const QDir first(root.filePath(root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).value(0)));
            return boxCodes(readCardFile(readBytes(first.filePath("ZEKCARD1.LST"))).cards) + u'|' + QString::fromUtf8(readBytes(first.filePath("Verlauf-Nachtrag.csv"))).replace(QStringLiteral("\r\n"), QStringLiteral("/")); }()),
        // the boxes shown and the German file
        KEY("last", t.platform.messages().back().text), KEY("first", t.platform.messages().front().text),
        KEY("kinds", [&] { QStringList kinds; for (const Message &m : t.platform.messages()) // icon, buttons, default button
            kinds << QStringList{"none", "question", "critical"}[int(m.icon)] + (m.buttons == Buttons::Ok ? ", OK, " : ", Ja Nein, ")
                + QStringList{"OK", "Ja", "Nein"}[int(m.defaultButton)];
            return kinds.join(u'|'); }()),
        KEY("behind", t.platform.behind.back()), // the rows in view behind the last box
        KEY("ebehind", t.mirroredAtBox.join(u'/')), // the editor's count and position shown behind each box
        KEY("buttons", [&] { const Choice c = t.platform.choices.value(t.platform.choices.size() - 1); QStringList b = c.buttons; // the default in brackets
            if (!b.isEmpty()) b[c.defaultButton] = u'[' + b[c.defaultButton] + u']'; return b.join(u'|'); }()),
        KEY("cards", cp1252::decode(readBytes(t.path("ZEKCARD1.LST"))).replace(QStringLiteral("\r\n"), QStringLiteral("/"))),
        KEY("words", [&] { QStringList w; for (const CardEntry &c : readCardFile(readBytes(t.path("ZEKCARD1.LST"))).cards) w << c.baseWord; return w.join(u','); }()),
        // the editor
        KEY("rows", [&] { QStringList w; for (qsizetype r = 0; r < t.editor.browser().rowCount(); ++r) w << t.editor.browser().cardAt(r).baseWord; return w.join(u','); }()),
        KEY("eposition", t.editor.browser().positionText()), KEY("ecount", t.editor.browser().countText()),
        KEY("efile", t.editor.browser().fileName()), KEY("elang", t.editor.browser().languageCode()),
        KEY("fields", t.editor.editPanel().field(1) + u'|' + t.editor.editPanel().field(2) + u'|' + t.editor.editPanel().field(3)),
        KEY("panel", QStringList{"none", "edit", "rebox", "print"}[int(t.editor.browser().panel())]),
        KEY("newbox", QString::number(t.editor.reboxPanel().newBox())), KEY("filter", QString::number(t.editor.browser().filter())),
        KEY("jobs", QString::number(t.platform.jobs.size())),
        // the spelling check: the words underlined in each field, the word selected, the list, the word list
        KEY("underlined", [&] { t.editor.spelling().waitUntilReady(); QStringList f;
            for (int n = 1; n <= 3; ++n) { QStringList w; for (const WordSpan &s : t.editor.editPanel().unknownWords(n)) w << t.editor.editPanel().field(n).mid(s.start, s.length); f << w.join(u','); }
            return f.join(u'|'); }()),
        KEY("selection", QString::number(t.editor.editPanel().selection().field) + u':' + t.editor.editPanel().field(std::max(t.editor.editPanel().selection().field, 1)).mid(t.editor.editPanel().selection().start, t.editor.editPanel().selection().length)),
        KEY("findings", [&] { QStringList r; for (const SpellingFinding &f : t.editor.review().findings()) r << QString::number(f.position) + u' ' + f.words.join(u','); return r.join(u'|'); }()),
        KEY("suggestion", t.editor.review().firstSuggestion(0)), KEY("spelltip", t.editor.spellingToolTip()), KEY("list", yes(t.editor.review().shown())), KEY("asking", yes(t.editor.editPanel().askSpelling())),
        KEY("ownwords", QFile::exists(t.path("ZEKWORTE.TXT")) ? QString::fromUtf8(readBytes(t.path("ZEKWORTE.TXT"))).replace(QStringLiteral("\r\n"), QStringLiteral("/")) : "none"),
        KEY("job", [&] { QStringList pages; for (const PrintedPage &p : t.platform.jobs.value(t.platform.jobs.size() - 1)) pages << cardTexts(p).join(u','); return pages.join(u'/'); }()),
        KEY("jobpages", QString::number(t.platform.jobs.value(t.platform.jobs.size() - 1).size())),
        KEY("jobwords", [&] { QStringList w; for (const PrintedPage &p : t.platform.jobs.value(t.platform.jobs.size() - 1)) // the base words Wort1… of the last job
            for (const QString &text : cardTexts(p)) if (text.startsWith(QStringLiteral("Wort1"))) w << text; return w.join(u','); }()),
        KEY("preview", t.platform.previews.value(t.platform.previews.size() - 1).counts),
        KEY("refused", t.platform.previews.value(t.platform.previews.size() - 1).refused.join(u'|')),
        KEY("dialog", [&] { const FileDialog d = t.platform.fileDialogs.value(t.platform.fileDialogs.size() - 1);
            return d.title + u'|' + QDir(t.dir.path()).relativeFilePath(d.path) + u'|' + d.filter; }()),
        KEY("export", [&] { const QByteArray b = readBytes(t.path("export.csv"));
            return (b.startsWith("\xef\xbb\xbf") ? QStringLiteral("<BOM>") : QString()) + QString::fromUtf8(b).replace(QStringLiteral("\r\n"), QStringLiteral("/")); }()),
        // the games
        KEY("masked", t.hangman.maskedText()), KEY("wrong", QString::number(t.hangman.wrongCount())),
        KEY("solution", t.hangman.solutionText()), KEY("freed", yes(t.hangman.freed())), KEY("table", yes(t.hangman.tableShown())),
        KEY("marks", [&] { QString m; for (int i = 0; i < t.hangman.entries().size(); ++i) m += t.hangman.marked(i) ? t.hangman.entries()[i] : QString(); return m; }()),
        KEY("gameleft", QString::number(t.gameLeft.size() + t.prisonLeft.size() + t.memoryLeft.size() + t.showLeft.size())),
        KEY("open", [&] { QStringList f; for (int j = 0; j < MemoryGame::fieldCount; ++j) if (!t.memory.shownText(j).isEmpty()) f << QString::number(j + 1); return f.join(u','); }()),
        KEY("solved", [&] { int n = 0; for (int j = 0; j < MemoryGame::fieldCount; ++j) n += t.memory.solved(j); return QString::number(n); }()),
        KEY("deal", deal(t)),
        KEY("number", t.wordShow.numberText()), KEY("count", t.wordShow.countText()), KEY("pausetext", t.wordShow.pauseText()),
        KEY("running", yes(t.wordShow.running())),
        KEY("lines", t.wordShow.card().baseWord + u'|' + t.wordShow.card().relatedWord + u'|' + t.wordShow.card().phrase),
        KEY("grid", [&] { QString c; for (int r = 1; r <= 9; ++r) c += t.prison.cell(r, 9); return c; }()),
        KEY("player", QStringLiteral("%1,%2").arg(t.prison.playerRow()).arg(t.prison.playerColumn())),
        KEY("next", QString::number(t.prison.nextLetterIndex())), KEY("moves", QString::number(t.prison.moveCount())),
        KEY("wishes", t.prison.wishCaption()),
    };
    return table;
}

// Every verb of the script and every key of the expectations is known.
testing::AssertionResult known(const QString &script, const QString &expectations)
{
    QStringList unknown;
    for (const QString &step : script.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        if (!steps().contains(step.section(u' ', 0, 0)))
            unknown << QStringLiteral("no such step: ") + step;
    for (const QString &e : expectations.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        if (!keys().contains(e.section(u'=', 0, 0)))
            unknown << QStringLiteral("no such state: ") + e.section(u'=', 0, 0);
    return unknown.isEmpty() ? testing::AssertionSuccess() : testing::AssertionFailure() << unknown.join(u'\n').toStdString();
}

// A row's name as a test name: letters and digits, "_" between words.
std::string testName(const char *row)
{
    std::string name;
    for (QChar c : QString::fromUtf8(row).replace(u'ß', QStringLiteral("ss")).normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber())
            name += char(c.unicode());
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name;
}

// The table whose rows are being registered.
struct Table {
    const char *suite, *name, *file;
    int line;
} table;

} // namespace

void Trainer::run(const QString &script)
{
    ASSERT_TRUE(known(script, {}));
    for (const QString &step : script.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        steps()[step.section(u' ', 0, 0)](*this, step.section(u' ', 1));
}

QString Trainer::state(const QString &key) const
{
    const Key read = keys().value(key); // known() has checked the key
    return read ? read(*this) : QString();
}

void Trainer::play(const QByteArray &german, const QString &script)
{
    // a window shows the current card whenever the rows change: it must be one of them
    QObject::connect(&editor, &Editor::rowsChanged, [this] { EXPECT_LT(editor.browser().currentRow(), editor.browser().rowCount()); });
    platform.answersOk = true;
    // what the editor's window shows: its count and position as of its last signal
    const auto mirror = [this] { mirrored = editor.browser().countText() + u'|' + editor.browser().positionText(); };
    QObject::connect(&editor, &Editor::changed, mirror);
    QObject::connect(&editor, &Editor::rowsChanged, mirror);
    platform.whileAsked = [this] { mirroredAtBox << mirrored; return state(QStringLiteral("rows")); };
    store.writer().setGate([s = share] { std::unique_lock lock(s->mutex); s->changed.wait(lock, [&] { return s->state != Share::Hangs; }); return s->state == Share::Up; });
    main.setRescueFolder(home.filePath("ZEK-Rettung"));
    writeBox(dir.path(), german);
    run(script.split(QStringLiteral("; ")).contains(QStringLiteral("start")) ? script : QStringLiteral("start; ") + script);
}

void Trainer::setShare(const QString &state)
{
    {
        const std::lock_guard lock(share->mutex);
        share->state = state == u"down" ? Share::Down : state == u"hangs" ? Share::Hangs : Share::Up;
        share->changed.notify_all();
    }
    // a save gives a share that hangs up at once, rather than after two seconds
    store.writer().setPatience(std::chrono::milliseconds(state == u"hangs" ? 0 : 2000));
}

Trainer::~Trainer() { setShare(QStringLiteral("up")); }

void Trainer::scenario(const QByteArray &german, const QString &script, const QString &titles, const QString &expected)
{
    ASSERT_TRUE(known(script, expected)); // a misspelt row runs nothing
    play(german, script);
    EXPECT_EQ(platform.titles().join(u'|'), titles);
    expect(expected);
    if (!script.contains(QStringLiteral("editor"))) { // the drill counts the list it drills
        EXPECT_EQ(drill.counts(), countBoxes(store.cards()));
    }
}

void Trainer::expect(const QString &expectations) const
{
    ASSERT_TRUE(known({}, expectations));
    for (const QString &e : expectations.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString key = e.section(u'=', 0, 0);
        EXPECT_EQ(state(key), e.section(u'=', 1)) << key.toStdString();
    }
}

QByteArray cards(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += "1, Wort" + QByteArray::number(100 + i) + ", Worte, Ein Wort.\r\n";
    return bytes;
}

bool registerScenarios(const char *suite, const char *name, const char *file, int line, void (*rows)())
{
    table = {suite, name, file, line};
    rows();
    table = {};
    return true;
}

void runScenarios(std::initializer_list<Scenario> scenarios)
{
    if (!table.suite)
        qFatal("runScenarios() registers the rows of a SCENARIOS table");
    std::map<std::string, int> seen;
    for (const Scenario &s : scenarios) {
        std::string name = std::string(table.name) + '/' + testName(s.name);
        if (const int n = ++seen[name]; n > 1) // a second row of the same name
            name += '_' + std::to_string(n);
        testing::RegisterTest(table.suite, name.c_str(), nullptr, nullptr, table.file, table.line, [s]() -> testing::Test * {
            struct Row : testing::Test {
                explicit Row(Scenario row) : s(std::move(row)) {}
                void TestBody() override { Trainer().scenario(s.file, s.script, QString::fromUtf8(s.titles), QString::fromUtf8(s.expected)); }
                Scenario s;
            };
            return new Row(s);
        });
    }
}

} // namespace zek::test
// clang-format on
