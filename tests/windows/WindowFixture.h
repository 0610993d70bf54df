#pragma once

#include "windows/DrillWindow.h"
#include "app/Program.h"
#include "widgets/Twips.h"

#include "FakePlatform.h"
#include "TestFiles.h"

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
        writeBox(dir.path(), german);
        start();
    }
    void start()
    {
        program = std::make_unique<ui::Program>(dir.path(), platform, random);
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->form1()));
    }
    QString path(const char *name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }
    ui::DrillWindow &form() { return program->form1(); }
    // A control by its name, in the main window or the window given.
    template <typename T = QWidget>
    T *widget(const char *name, QWidget *in = nullptr)
    {
        T *w = (in ? in : &form())->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *label, QWidget *in = nullptr) { return widget<QLabel>(label, in)->text(); }
    QLineEdit *answerBox() { return widget<QLineEdit>("Text3"); }
    // Types text one key at a time, umlauts too, into the answer box or the field given.
    void type(const QString &text, QWidget *into = nullptr)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, into ? into : answerBox(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(const char *name, QWidget *in = nullptr) { QTest::mouseClick(widget(name, in), Qt::LeftButton); }
    // The events of a real double click: press, release, double click, release.
    void doubleClick(const char *name, QWidget *in = nullptr) { doubleClickAt(widget(name, in)); }
    static void doubleClickAt(QWidget *w, QPoint at = {})
    {
        for (auto event : {QTest::MouseClick, QTest::MouseDClick, QTest::MouseRelease})
            QTest::mouseEvent(event, w, Qt::LeftButton, {}, at);
    }
    // A window gone and the main window back.
    void expectBackFrom(QWidget *window) { EXPECT_TRUE(!window->isVisible() && form().isVisible()); }
    void clickEntry(const char *list, int row, QWidget *in = nullptr)
    {
        auto *l = widget<QListWidget>(list, in);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    static QColor background(QWidget *w) { return w->palette().color(w->backgroundRole()); }
    QByteArray german() const { return readBytes(path("ZEKCARD1.LST")); }

    QTemporaryDir dir;
    FakePlatform platform;
    FixedRandom random;
    std::unique_ptr<ui::Program> program;
};

} // namespace zek::test
