#include "TrainerFixture.h"

#include "cards/CardFile.h"

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
        else if (verb == u"traces") shared = {shared.currentCardFile, 4, 1, 2}; // another window's values
        else if (verb == u"explain") drill.explainLevels();
        else if (verb == u"card") drill.showCard();
        else if (verb == u"gone") QDir(dir.path()).removeRecursively();
        else if (verb == u"remove") QFile::remove(path(arg.toLatin1()));
        else if (verb == u"full") fullDisk.emplace(8);
        else if (verb == u"room") fullDisk.reset();
        else if (verb == u"folder-ro") EXPECT_TRUE(readOnly.emplace(dir.path()).made());
        else if (verb == u"file-ro") EXPECT_TRUE(readOnlyFile.emplace(path("ZEKCARD1.LST")).made());
        else if (verb == u"rw") { readOnlyFile.reset(); readOnly.reset(); }
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
    if (key == u"handover") {
        const WordShowHandover &h = main.wordShowHandover();
        return QStringList{h.baseWord, h.relatedWord, h.phrase, h.position, QString::number(h.lastCard)}.join(u'|');
    }
    ADD_FAILURE() << "no such state: " << key.toStdString();
    return {};
}

void Trainer::play(const QByteArray &german, const QString &script)
{
    platform.answersOk = true;
    writeBox(dir.path(), german);
    run(script.split(QStringLiteral("; ")).contains(QStringLiteral("start")) ? script : QStringLiteral("start; ") + script);
}

void Trainer::scenario(const QByteArray &german, const QString &script, const QString &titles, const QString &expected)
{
    play(german, script);
    EXPECT_EQ(platform.titles().join(u'|'), titles);
    expect(expected);
    EXPECT_EQ(drill.counts(), countBoxes(store.cards()));
}

void Trainer::expect(const QString &expectations) const
{
    for (const QString &e : expectations.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString key = e.section(u'=', 0, 0);
        EXPECT_EQ(state(key), e.section(u'=', 1)) << key.toStdString();
    }
}

} // namespace zek::test
