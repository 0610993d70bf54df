// The Qt message and input boxes as a child sees them.
#include "qtplatform/QtPlatform.h"
#include "windows/DrillWindow.h"
#include "app/ClassProgram.h"
#include "app/Program.h"
#include "qtplatform/SpeechDaemon.h"

#include "TestFiles.h"
#include "cards/Languages.h"
#include "cards/Settings.h"
#include "drill/TrainerSession.h"
#include "platform/Random.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

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
#include <memory>

#include <signal.h>

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
    void start() override { emit voicesChanged(true); }
    void say(const QString &text, const QString &voice) override
    {
        const QMutexLocker lock(&mutex);
        heard += voice + u':' + text + u' ';
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
    EXPECT_TRUE(QTest::qWaitFor([&] { const QMutexLocker lock(&engine->mutex); return engine->heard == u"de:Apfel en:dog fr:chien "; }));
    EXPECT_EQ(changed.size(), 3);
}

// Each child's trainer in a class folder follows the speech engine: its
// "Vorlesen" comes when the engine answers.
TEST(QtPlatform, AChildsTrainerHearsWhenTheVoicesCome)
{
    QTemporaryDir dir;
    const QString ben = QDir(dir.path()).filePath(QStringLiteral("Ben"));
    QDir().mkpath(ben);
    test::copySampleBox(ben);
    ui::QtPlatform platform;
    Random random;
    ui::ClassProgram klasse(dir.path(), test::sampleFolder(), platform, random);
    klasse.followSpeech(platform);
    klasse.start();
    emit klasse.choice().childChosen(ben, QStringLiteral("Ben"));
    ASSERT_NE(klasse.child(), nullptr);
    auto *readAloud = klasse.child()->form1().findChild<QToolButton *>(QStringLiteral("Vorlesen"));
    EXPECT_EQ(readAloud->toolTip(), QStringLiteral("Vorlesen (keine Sprachausgabe gefunden)"));
    platform.startSpeech(new HeldSpeech);
    EXPECT_TRUE(QTest::qWaitFor([&] { return readAloud->toolTip() == u"Vorlesen"; }, 5000)) << readAloud->toolTip().toStdString();
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

// A private speech daemon (its own folders and configuration) that writes
// what it is given into a file instead of a sound device; started and
// ended by its pid. Where the machine has no speech-dispatcher, the test
// that needs it is skipped.
class PrivateSpeechDaemon {
public:
    explicit PrivateSpeechDaemon(const QString &folder) : m_folder(folder)
    {
        QDir(folder).mkpath(QStringLiteral("conf/speech-dispatcher/modules"));
        QDir(folder).mkpath(QStringLiteral("run"));
        test::writeBytes(file("conf/speech-dispatcher/speechd.conf"),
                         "DisableAutoSpawn\nLogLevel 2\nLogDir \"" + file("run").toUtf8()
                             + "\"\nAddModule \"said\" \"sd_generic\" \"said.conf\"\nDefaultModule said\nAudioOutputMethod \"libao\"\n");
        QByteArray module = "GenericExecuteSynth \"printf '%s:%s\\\\n' \\'$LANGUAGE\\' \\'$DATA\\' >> " + said().toUtf8()
            + "\"\n";
        for (const char *language : {"de", "en", "fr"})
            module += QByteArray("AddVoice \"") + language + "\" \"MALE1\" \"" + language + "\"\nGenericLanguage \""
                + language + "\" \"" + language + "\" \"utf-8\"\n";
        test::writeBytes(file("conf/speech-dispatcher/modules/said.conf"), module);
        // the program finds this daemon, and starts no other
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket().toUtf8());
        qputenv("XDG_CONFIG_HOME", file("conf").toUtf8());
        qputenv("XDG_RUNTIME_DIR", file("run").toUtf8());
    }
    ~PrivateSpeechDaemon()
    {
        kill();
        qunsetenv("SPEECHD_ADDRESS");
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_RUNTIME_DIR");
    }
    static bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty(); }
    // Starts it and waits until it answers.
    bool start()
    {
        m_daemon.setProgram(QStringLiteral("speech-dispatcher"));
        m_daemon.setArguments({"--run-single", "--config-dir", file("conf/speech-dispatcher"), "--socket-path",
                               socket(), "--timeout", "0", "--pid-file", file("run/pid")});
        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.setStandardOutputFile(QProcess::nullDevice());
        m_daemon.start();
        return QTest::qWaitFor([&] { return ui::SpeechDaemon(-1, 500).open(socket()); }, 10000);
    }
    void kill()
    {
        if (m_daemon.state() != QProcess::NotRunning) {
            ::kill(pid_t(m_daemon.processId()), SIGKILL);
            m_daemon.waitForFinished(5000);
        }
    }
    // What it was given to say: "de:Apfel" a line.
    QString said() const { return file("said.txt"); }
    QStringList heard() const
    {
        QFile f(said());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
    }

private:
    QString file(const char *name) const { return QDir(m_folder).filePath(QLatin1String(name)); }
    QString socket() const { return file("run/speechd.sock"); }
    QString m_folder;
    QProcess m_daemon;
};

// The trainer in dictation while the speech daemon is killed and started
// again: it lives, greys "Vorlesen" with its reason and shows the word while
// no voice is there, keeps the answer typed meanwhile, and speaks again once
// a daemon answers.
TEST(QtPlatform, ASpeechDaemonThatGoesAndComesBack)
{
    if (!PrivateSpeechDaemon::installed())
        GTEST_SKIP() << "speech-dispatcher is not installed";
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("Kartei"));
    QDir().mkpath(folder);
    PrivateSpeechDaemon daemon(dir.path());
    if (!daemon.start())
        GTEST_SKIP() << "speech-dispatcher does not start here";
    test::writeBox(folder, "1, Apfel, \xc4pfel, Der Apfel ist rot.\r\n1, Birne, Birnen, Die Birne ist reif.\r\n");
    test::writeBytes(QDir(folder).filePath(settingsFileName), "H\xc3\xb6rdiktat=an\r\n");

    ui::QtPlatform platform;
    Random random;
    auto program = std::make_unique<ui::Program>(folder, platform, random);
    program->followSpeech(platform);
    platform.startSpeechAfterFirstPaint(&program->form1()); // as the program starts it
    ASSERT_TRUE(program->start());
    auto *readAloud = program->form1().findChild<QToolButton *>(QStringLiteral("Vorlesen"));
    auto *display = program->form1().findChild<QLabel *>(QStringLiteral("Bezeichnung10"));
    EXPECT_EQ(readAloud->toolTip(), QStringLiteral("Vorlesen (Sprachausgabe startet \u2026)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.heard().size() == 1; }, 10000)) << "nothing was said";
    const QString first = daemon.heard().at(0);
    EXPECT_TRUE(readAloud->isEnabled());

    daemon.kill();
    QTest::keyClick(program->form1().findChild<QLineEdit *>(QStringLiteral("Text3")), Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !readAloud->isEnabled(); }, 5000));
    EXPECT_EQ(readAloud->toolTip(), QStringLiteral("Vorlesen (keine Sprachausgabe gefunden)"));
    const QString word = first.mid(3);
    EXPECT_EQ(display->text().remove(u' '), word); // the word is shown while nobody says it
    QTest::keyClicks(program->form1().findChild<QLineEdit *>(QStringLiteral("Text3")), word);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QString::fromLatin1(test::readBytes(QDir(folder).filePath(languages.front().cardFileName()))).contains("2, " + word); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QString::fromUtf8(test::readBytes(QDir(folder).filePath(QStringLiteral("Verlauf.csv")))).contains(word); }, 5000));

    ASSERT_TRUE(daemon.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return readAloud->isEnabled(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.heard().size() == 2; }, 5000)); // the next word, dictated
    EXPECT_EQ(daemon.heard().at(1), first.left(3) + (word == u"Apfel" ? QStringLiteral("Birne") : QStringLiteral("Apfel")));
    program.reset();
}
