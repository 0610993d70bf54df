#pragma once

#include "drill/Drill.h"
#include "drill/MainWindow.h"

#include "cards/CardStore.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zek::test {

// The main window's logic on a card box in a temporary folder.
struct Trainer {
    QString path(const char *name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }

    // Four files: the given German cards, one English and one French card.
    void writeBox(const QByteArray &german)
    {
        writeBytes(path("ZEKCARDS.INI"), "ABC\xc4\r\nXYZ\r\n\xe9\xe8\r\n");
        writeBytes(path("ZEKCARD1.LST"), german);
        writeBytes(path("ZEKCARD2.LST"), "1, dog, puppy, The dog barks.\r\n");
        writeBytes(path("ZEKCARD3.LST"), "1, chat, chaton, Le chat dort.\r\n");
    }

    void start(const QByteArray &german)
    {
        writeBox(german);
        ASSERT_TRUE(main.startUp());
    }

    // The child types text one character after another.
    void type(const QString &text)
    {
        for (QChar c : text)
            drill.checkAnswer(drill.answerText() + c);
    }

    QByteArray german() const { return readBytes(path("ZEKCARD1.LST")); }

    // The last message box shown.
    const Message &lastMessage() const { return platform.messages().back(); }

    QTemporaryDir dir;
    FakePlatform platform;
    FixedRandom random;
    SharedState shared;
    CardStore store{dir.path(), shared, platform};
    Drill drill{shared, store, platform, random};
    MainWindow main{dir.path(), shared, store, drill, platform};
};

class TrainerTest : public ::testing::Test, public Trainer {};

} // namespace zek::test
