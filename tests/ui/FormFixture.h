#pragma once

#include "ui/Form1.h"
#include "ui/Program.h"
#include "ui/Twips.h"

#include "FakePlatform.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace zek::test {

// The real program with its real main window, on a card box in a temporary
// folder, the fake platform answering its boxes.
class FormTest : public ::testing::Test {
protected:
    void startWith(const QByteArray &german)
    {
        writeBytes(path("ZEKCARDS.INI"), "AB\xc4\xe4\xdf\r\nEN\r\n\xe9\xe8\xe7\r\n");
        writeBytes(path("ZEKCARD1.LST"), german);
        writeBytes(path("ZEKCARD2.LST"), "1, dog, puppy, The dog barks.\r\n");
        writeBytes(path("ZEKCARD3.LST"), "1, chat, chaton, Le chat dort.\r\n");
        start();
    }

    void start()
    {
        program = std::make_unique<ui::Program>(dir.path(), platform, random);
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }

    QString path(const char *name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }
    ui::Form1 &form() { return program->form1(); }

    template <typename T = QWidget>
    T *widget(const char *name)
    {
        T *w = form().findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLabel *label(const char *name) { return widget<QLabel>(name); }
    QLineEdit *answerBox() { return widget<QLineEdit>("Text3"); }

    // Types text into the answer box one key at a time; umlauts too.
    void type(const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, answerBox(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void backspace() { QTest::keyClick(answerBox(), Qt::Key_Backspace); }
    void click(const char *name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void clickEntry(const char *list, int row)
    {
        auto *l = widget<QListWidget>(list);
        const QRect r = l->visualItemRect(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }

    static QColor background(QWidget *w) { return w->palette().color(w->backgroundRole()); }
    QByteArray german() const { return readBytes(path("ZEKCARD1.LST")); }

    QTemporaryDir dir;
    FakePlatform platform;
    FixedRandom random;
    std::unique_ptr<ui::Program> program;
};

} // namespace zek::test
