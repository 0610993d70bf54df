// The Qt message and input boxes as a child sees them.
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QMutex>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace zek;

// Presses the button named press on the modal box as soon as it is open,
// after handing the box to look.
static void whenOpen(const QString &press, std::function<void(QWidget *)> look = {})
{
    QTimer::singleShot(0, [=] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        if (look)
            look(box);
        for (QPushButton *b : box->findChildren<QPushButton *>())
            if (b->text() == press)
                return b->click();
        ADD_FAILURE() << "no button " << press.toStdString();
    });
}

TEST(QtPlatform, BoxesReadJaNeinOkAndAbbrechen)
{
    ui::QtPlatform platform;
    QString seen;
    const auto look = [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        seen = box->windowTitle() + u'|' + box->text() + u'|' + QString::number(box->icon()) + u'|'
            + box->defaultButton()->text() + u'|' + QString::number(box->findChildren<QPushButton *>().size());
    };
    whenOpen(QStringLiteral("Ja"), look);
    EXPECT_EQ(platform.messageBox({"Titel", "Zeile 1\rZeile 2\r\nZeile 3\r", Buttons::YesNo, Icon::Critical, Answer::No}), Answer::Yes);
    EXPECT_EQ(seen, QStringLiteral("Titel|Zeile 1\nZeile 2\nZeile 3\n|%1|Nein|2").arg(int(QMessageBox::Critical)));
    whenOpen(QStringLiteral("Nein"));
    EXPECT_EQ(platform.messageBox({"T", "?", Buttons::YesNo}), Answer::No);
    whenOpen(QStringLiteral("OK"), look);
    EXPECT_EQ(platform.messageBox({"Fach 4", "leer"}), Answer::Ok);
    EXPECT_EQ(seen, QStringLiteral("Fach 4|leer|0|OK|1"));
    whenOpen(QStringLiteral("OK"), [](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        EXPECT_EQ(dialog->labelText() + dialog->textValue(), QStringLiteral("Neuer Name:Freund"));
        dialog->setTextValue(QStringLiteral("Lena"));
    });
    EXPECT_EQ(platform.inputBox("Neuer Name:", "Benutzername", "Freund"), QStringLiteral("Lena"));
    whenOpen(QStringLiteral("Abbrechen"));
    EXPECT_TRUE(platform.inputBox("P", "T", "x").isEmpty());
}

namespace {

// German, English and French voices; a text is taken only when the test
// answers for the engine.
struct HeldSpeech : ui::SpeechEngine {
    void start() override { emit ready({QLocale("de_AT"), QLocale("de_DE"), QLocale("en_US"), QLocale("fr_CA")}); }
    void say(const QString &text, const QLocale &voice) override
    {
        const QMutexLocker lock(&mutex);
        heard += voice.name() + u':' + text + u' ';
    }
    QMutex mutex;
    QString heard;
};

} // namespace

// Speech starts once the window is painted, with each language's voice; a
// text the engine keeps two seconds greys every voice until it answers, and
// no press queues behind it.
TEST(QtPlatform, ASpeechEngineThatKeepsATextIsSilentUntilItAnswers)
{
    ui::QtPlatform platform;
    auto *engine = new HeldSpeech;
    QSignalSpy changed(&platform, &ui::QtPlatform::speechChanged);
    QWidget window;
    platform.startSpeechAfterFirstPaint(&window, engine);
    EXPECT_EQ(engine->thread(), window.thread()); // not started yet
    window.show();
    ASSERT_TRUE(changed.wait());
    platform.speak("Apfel", "D");
    platform.speak("Apfel", "D"); // not taken yet: nothing queues
    QMetaObject::invokeMethod(platform.findChild<QTimer *>("speechAnswer"), "timeout"); // two seconds on
    EXPECT_FALSE(platform.hasVoice("D") || platform.hasVoice("E"));
    platform.speak("Baum", "D");
    emit engine->said();
    platform.speak("dog", "E");
    emit engine->said();
    platform.speak("chien", "F");
    EXPECT_TRUE(QTest::qWaitFor([&] { const QMutexLocker lock(&engine->mutex); return engine->heard == u"de_DE:Apfel en_US:dog fr_CA:chien "; }));
    EXPECT_EQ(changed.size(), 3);
}

// The import preview: the counts, the refused lines, the new cards as plain
// text; no new card, no "Importieren".
TEST(QtPlatform, TheImportPreview)
{
    ui::QtPlatform platform;
    const ImportPreview preview{"Wortliste importieren", "1 neue Karte, 2 schon vorhanden, 1 abgelehnt", {"Zeile 4: kein Grundwort"}, {{"Aal", "Aale", "<b>Der</b> Aal."}}};
    QString seen;
    whenOpen(QStringLiteral("Importieren"), [&](QWidget *w) {
        auto *cards = w->findChild<QTableView *>(QStringLiteral("newCards"));
        seen = w->windowTitle() + u'|' + w->findChild<QLabel *>(QStringLiteral("counts"))->text() + u'|'
            + w->findChild<QListWidget *>(QStringLiteral("refused"))->item(0)->text() + u'|'
            + cards->model()->index(0, 2).data().toString() + u'|' + QString::number(cards->model()->rowCount());
    });
    EXPECT_TRUE(platform.confirmImport(preview));
    EXPECT_EQ(seen, QStringLiteral("Wortliste importieren|1 neue Karte, 2 schon vorhanden, 1 abgelehnt|Zeile 4: kein Grundwort|<b>Der</b> Aal.|1"));
    whenOpen(QStringLiteral("Abbrechen"), [&](QWidget *w) {
        seen = w->findChild<QPushButton *>(QStringLiteral("Importieren"))->isEnabled() ? "enabled" : "disabled";
    });
    EXPECT_FALSE(platform.confirmImport({"Wortliste importieren", "0 neue Karten, 3 schon vorhanden, 0 abgelehnt", {}, {}}));
    EXPECT_EQ(seen, QStringLiteral("disabled"));
}
