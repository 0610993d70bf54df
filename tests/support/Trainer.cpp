#include "Trainer.h"

#include "cards/CardFile.h"
#include "cards/Cp1252.h"

#include <QCoreApplication>

namespace zek::test {

void Trainer::run(const QString &script)
{
    static const QStringList windows = {"editor", "memory", "hangman", "prison", "show", "info"};
    for (const QString &step : script.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString verb = step.section(u' ', 0, 0);
        const QString arg = step.section(u' ', 1);
        if (verb == u"start") started = main.startUp();
        else if (verb == u"rename") QFile::rename(path(arg.section(u' ', 0, 0).toLatin1()), path(arg.section(u' ', 1).toLatin1()));
        else if (verb == u"box") drill.chooseBox(arg.toInt());
        else if (verb == u"type") for (QChar c : arg) drill.checkAnswer(drill.answerText() + c);
        else if (verb == u"set") drill.checkAnswer(arg);
        else if (verb == u"paste") drill.checkAnswer(drill.answerText() + arg);
        else if (verb == u"char") drill.insertCharacter(arg);
        else if (verb == u"level") drill.nextLevel();
        else if (verb == u"modes") drill.toggleModeList();
        else if (verb == u"mode") drill.chooseMode(arg.toInt());
        else if (verb == u"order") drill.toggleWordOrder();
        else if (verb == u"random") random.setValues([&] { QList<double> v; for (const QString &x : arg.split(u' ')) v << x.toDouble(); return v; }());
        else if (verb == u"lang") main.switchLanguage();
        else if (verb == u"open") main.openWindow(Window(windows.indexOf(arg)));
        else if (verb == u"prompt") { platform.expectInput(arg); main.editorPrompt(); }
        else if (verb == u"name") { platform.expectInput(arg); main.changeUserName(); }
        else if (verb == u"answer") platform.expectMessage(arg == u"ja" ? Answer::Yes : Answer::No);
        else if (verb == u"activate") main.activate();
        else if (verb == u"exit") main.exit();
        else if (verb == u"end") main.endSession();
        else if (verb == u"idle") QCoreApplication::sendPostedEvents(); // the keystroke is done
        else if (verb == u"term") main.endFromOutside();
        else if (verb == u"traces") shared.currentBox = 4, shared.level = 1, shared.mode = 2; // another window's values
        else if (verb == u"explain") drill.explainLevels();
        else if (verb == u"card") drill.showCard();
        else if (verb == u"gone") QDir(dir.path()).removeRecursively();
        else if (verb == u"remove") QFile::remove(path(arg.toLatin1()));
        else if (verb == u"full") fullDisk.emplace(8);
        else if (verb == u"room") fullDisk.reset();
        else if (verb == u"folder-ro") EXPECT_TRUE(readOnly.emplace(dir.path()).made());
        else if (verb == u"file-ro") EXPECT_TRUE(readOnlyFile.emplace(path("ZEKCARD1.LST")).made());
        else if (verb == u"rw") { readOnlyFile.reset(); readOnly.reset(); }
        else if (verb == u"editor") editor.activateEditor(main.userName());
        else if (verb == u"leave") { editor.leaveEditor(); main.activate(); }
        else if (verb == u"elang") editor.switchEditorLanguage(arg);
        else if (verb == u"all") editor.showAllCards();
        else if (verb == u"filter") editor.showBox(arg.toInt());
        else if (verb == u"row") editor.showCurrentCard(arg.toInt());
        else if (verb == u"focus") editor.rememberActiveField(arg.toInt());
        else if (verb == u"field") editor.setFieldText(arg.left(1).toInt(), arg.mid(2));
        else if (verb == u"clear") editor.clearField(arg.toInt());
        else if (verb == u"echar") editor.insertCharacter(arg);
        else if (verb == u"edit") editor.openEditPanel();
        else if (verb == u"close") editor.closeEditPanel();
        else if (verb == u"insert") editor.insertNewCard();
        else if (verb == u"change") editor.changeCurrentCard();
        else if (verb == u"delete") editor.deleteCurrentCard();
        else if (verb == u"rebox") editor.openReboxPanel();
        else if (verb == u"newbox") editor.showNewBox(arg.toInt());
        else if (verb == u"rebox-card") editor.reboxCard();
        else if (verb == u"rebox-box") editor.reboxBox();
        else if (verb == u"rebox-all") editor.reboxAll();
        else if (verb == u"close-rebox") editor.closeReboxPanel();
        else if (verb == u"print") editor.openPrintPanel();
        else if (verb == u"close-print") editor.closePrintPanel();
        else if (verb == u"kind") editor.chooseSheetKind(SheetKind(arg.toInt()));
        else if (verb == u"print-all") editor.printInView();
        else if (verb == u"print-page") editor.printPageFromCurrent();
        else if (verb == u"noprinter") platform.outcome = {PrintOutcome::SavedAsPdf, "Es ist kein Standarddrucker eingerichtet", "Druck_x.pdf"};
        else if (verb == u"nopdf") platform.outcome = {PrintOutcome::Failed, "Es ist kein Standarddrucker eingerichtet", {}};
        else if (verb == u"hangman") {
            if (main.openWindow(Window::Hangman))
                hangman.newHangmanGame(arg);
        } else if (verb == u"pick") hangman.clickEntry(arg.toInt());
        else if (verb == u"key") hangman.keyPress(arg);
        else if (verb == u"table") hangman.toggleCharacterTable();
        else if (verb == u"tip") hangman.showTip();
        else if (verb == u"howto") hangman.showInstructions();
        else if (verb == u"hangman-leave") hangman.leaveHangman();
        else if (verb == u"prison") {
            if (!arg.isEmpty()) { // the word is the first card's; column 9 as given
                const QString word = readCompleteCards(dir.path(), shared.currentCardFile).value(0).baseWord;
                QList<double> values{0.0};
                for (int r = 1; r <= 17; ++r)
                    for (int c = 1; c <= 17; ++c)
                        values << (word.indexOf(c == 9 && r <= arg.size() ? arg[r - 1] : word[0]) + 0.5) / double(word.size());
                random.setValues(values);
            }
            if (main.openWindow(Window::WordPrison))
                prison.newPrisonGame();
        } else if (verb == u"up") prison.move(0, -1);
        else if (verb == u"down") prison.move(0, 1);
        else if (verb == u"left") prison.move(-1, 0);
        else if (verb == u"right") prison.move(1, 0);
        else if (verb == u"pkey") prison.keyPress(arg.isEmpty() ? QStringLiteral(" ") : arg);
        else if (verb == u"wish") prison.askWish();
        else if (verb == u"hint") prison.showHint();
        else if (verb == u"ende") prison.leavePrison();
        else if (verb == u"memory") {
            if (main.openWindow(Window::Memory))
                memory.dealMemoryGame();
        } else if (verb == u"mfield") memory.clickField(arg.toInt() - 1);
        else if (verb == u"mhelp") memory.showMemoryHelp();
        else if (verb == u"mleave") memory.leaveMemory();
        else if (verb == u"show") {
            if (main.openWindow(Window::WordShow))
                wordShow.open(drill.card().position);
        } else if (verb == u"scroll") wordShow.cardScrolled(arg.toInt());
        else if (verb == u"pause") wordShow.pauseScrolled(arg.toInt());
        else if (verb == u"on") wordShow.startShow();
        else if (verb == u"off") wordShow.stopShow();
        else if (verb == u"tick") wordShow.timerTick();
        else if (verb == u"cancel") wordShow.cancelShow();
        else if (verb == u"voices") platform.voices = arg;
        else if (verb == u"read") main.readAloud();
        else if (verb == u"sread") wordShow.readAloud();
        else ADD_FAILURE() << "no such step: " << step.toStdString();
    }
}

QString Trainer::state(const QString &key) const
{
    const auto boxCodes = [](const CardList &cards) {
        QString out;
        for (const CardEntry &c : cards)
            out += c.box;
        return out;
    };
    if (key == u"started") return started ? "yes" : "no";
    if (key == u"lock") return QFile::exists(path("ZEK-Rechtschreibkartei.lock")) ? "yes" : "no";
    if (key == u"caption") return main.language().caption();
    if (key == u"target") return shared.targetText;
    if (key == u"display") return drill.wordDisplay();
    if (key == u"boxes") return boxCodes(store.cards());
    if (key == u"file") return QFile::exists(path("ZEKCARD1.LST")) ? boxCodes(readCardFile(readBytes(path("ZEKCARD1.LST"))).cards) : "none";
    if (key == u"red") return drill.answerIsRed() ? "yes" : "no";
    if (key == u"answer") return drill.answerText();
    if (key == u"level") return drill.levelDigit();
    if (key == u"box") return QString::number(drill.currentBox());
    if (key == u"mode") return QString::number(drill.mode());
    if (key == u"order") return drill.wordOrder() == WordOrder::Random ? "random" : "abc";
    if (key == u"lang") return main.language().code();
    if (key == u"name") return main.userName();
    if (key == u"opened") return QString::number(opened.size());
    if (key == u"quit") return QString::number(quit.size());
    if (key == u"total") return QString::number(drill.counts().total);
    if (key == u"files") return QString::number(QDir(dir.path()).entryList(QDir::Files).size());
    if (key == u"last") return platform.messages().back().text;
    if (key == u"first") return platform.messages().front().text;
    if (key == u"behind") return platform.behind.back(); // the rows in view behind the last box
    if (key == u"cards") return cp1252::decode(readBytes(path("ZEKCARD1.LST"))).replace(QStringLiteral("\r\n"), QStringLiteral("/"));
    if (key == u"words" || key == u"rows") {
        QStringList words;
        if (key == u"words")
            for (const CardEntry &c : readCardFile(readBytes(path("ZEKCARD1.LST"))).cards)
                words << c.baseWord;
        else
            for (qsizetype row = 0; row < editor.rowCount(); ++row)
                words << editor.cardAt(row).baseWord;
        return words.join(u',');
    }
    if (key == u"jobs") return QString::number(platform.jobs.size());
    if (key == u"job") { // the card texts of the last job, "/" between pages
        static const QStringList heads = {"W o r t", "Abschreiben", "Auswendig schreiben", "Lernwort", "Wortfamilie", "Wortbeispiel"};
        QStringList pages;
        for (const PrintedPage &page : platform.jobs.value(platform.jobs.size() - 1)) {
            QStringList texts;
            for (const PrintedText &t : page)
                if (!heads.contains(t.text) && !t.text.startsWith(u'_') && !t.text.startsWith(u'.'))
                    texts << t.text;
            pages << texts.join(u',');
        }
        return pages.join(u'/');
    }
    if (key == u"masked") return hangman.maskedText();
    if (key == u"wrong") return QString::number(hangman.wrongCount());
    if (key == u"solution") return hangman.solutionText();
    if (key == u"freed") return hangman.freed() ? "yes" : "no";
    if (key == u"table") return hangman.tableShown() ? "yes" : "no";
    if (key == u"marks") {
        QStringList marked;
        for (int i = 0; i < hangman.entries().size(); ++i)
            if (hangman.marked(i))
                marked << hangman.entries()[i];
        return marked.join(QString());
    }
    if (key == u"gameleft") return QString::number(gameLeft.size() + prisonLeft.size() + memoryLeft.size() + showLeft.size());
    if (key == u"open" || key == u"solved") {
        QStringList fields;
        int solved = 0;
        for (int j = 0; j < MemoryGame::fieldCount; ++j) {
            solved += memory.solved(j);
            if (!memory.shownText(j).isEmpty())
                fields << QString::number(j + 1);
        }
        return key == u"open" ? fields.join(u',') : QString::number(solved);
    }
    if (key == u"deal") { // each pair on two fields: one card's base and related word
        const CardList cards = readCompleteCards(dir.path(), shared.currentCardFile);
        for (int j = 0; j < MemoryGame::fieldCount; ++j) {
            int partner = -1;
            for (int k = 0; k < MemoryGame::fieldCount; ++k)
                if (k != j && memory.pairNumber(k) == memory.pairNumber(j))
                    partner = partner < 0 ? k : 99;
            if (partner < 0 || partner == 99)
                return QStringLiteral("pair %1 not on two fields").arg(memory.pairNumber(j));
            const bool oneCard = std::any_of(cards.begin(), cards.end(), [&](const CardEntry &c) {
                return (c.baseWord == memory.word(j) && c.relatedWord == memory.word(partner))
                    || (c.relatedWord == memory.word(j) && c.baseWord == memory.word(partner));
            });
            if (!oneCard)
                return QStringLiteral("%1/%2 are no card").arg(memory.word(j), memory.word(partner));
        }
        return QStringLiteral("ok");
    }
    if (key == u"spoken") return platform.spoken.join(u'|');
    if (key == u"voice") return main.voiceAvailable() ? "yes" : "no";
    if (key == u"number") return wordShow.numberText();
    if (key == u"count") return wordShow.countText();
    if (key == u"pausetext") return wordShow.pauseText();
    if (key == u"running") return wordShow.running() ? "yes" : "no";
    if (key == u"lines") return wordShow.card().baseWord + u'|' + wordShow.card().relatedWord + u'|' + wordShow.card().phrase;
    if (key == u"grid") {
        QString column;
        for (int r = 1; r <= 9; ++r)
            column += prison.cell(r, 9);
        return column;
    }
    if (key == u"player") return QStringLiteral("%1,%2").arg(prison.playerRow()).arg(prison.playerColumn());
    if (key == u"next") return QString::number(prison.nextLetterIndex());
    if (key == u"moves") return QString::number(prison.moveCount());
    if (key == u"wishes") return prison.wishCaption();
    if (key == u"eposition") return editor.positionText();
    if (key == u"ecount") return editor.countText();
    if (key == u"efile") return editor.fileName();
    if (key == u"elang") return editor.languageCode();
    if (key == u"fields") return editor.field(1) + u'|' + editor.field(2) + u'|' + editor.field(3);
    if (key == u"panel") return QStringList{"none", "edit", "rebox", "print"}[int(editor.panel())];
    if (key == u"newbox") return QString::number(editor.newBox());
    if (key == u"filter") return QString::number(editor.filter());
    ADD_FAILURE() << "no such state: " << key.toStdString();
    return {};
}

void Trainer::play(const QByteArray &german, const QString &script)
{
    // a window shows the current card whenever the rows change: it must be one of them
    QObject::connect(&editor, &Editor::rowsChanged, [this] { EXPECT_LT(editor.currentRow(), editor.rowCount()); });
    platform.answersOk = true;
    platform.whileAsked = [this] { return state(QStringLiteral("rows")); };
    writeBox(dir.path(), german);
    run(script.split(QStringLiteral("; ")).contains(QStringLiteral("start")) ? script : QStringLiteral("start; ") + script);
}

void Trainer::scenario(const QByteArray &german, const QString &script, const QString &titles, const QString &expected)
{
    play(german, script);
    EXPECT_EQ(platform.titles().join(u'|'), titles);
    expect(expected);
    if (!script.contains(QStringLiteral("editor"))) { // the drill counts the list it drills
        EXPECT_EQ(drill.counts(), countBoxes(store.cards()));
    }
}

QByteArray cards(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += "1, Wort" + QByteArray::number(100 + i) + ", Worte, Ein Wort.\r\n";
    return bytes;
}

void runScenarios(std::initializer_list<Scenario> scenarios)
{
    for (const Scenario &s : scenarios) {
        SCOPED_TRACE(s.name);
        Trainer().scenario(s.file, s.script, QString::fromUtf8(s.titles), QString::fromUtf8(s.expected));
    }
}

void Trainer::expect(const QString &expectations) const
{
    for (const QString &e : expectations.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString key = e.section(u'=', 0, 0);
        EXPECT_EQ(state(key), e.section(u'=', 1)) << key.toStdString();
    }
}

} // namespace zek::test
