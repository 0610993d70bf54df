// What the window "Lernfortschritt" itself does: it mirrors its model (the
// chart in the boxes' colours, the list, the figures, the language choice),
// prints the view it shows and closes; the editor opens it. The statistics
// are tested on the model.
#include "windows/WindowFixture.h"

#include "drill/Drill.h"
#include "windows/EditorWindow.h"
#include "modules/progress/ProgressChartWindow.h"
#include "widgets/Widgets.h"
#include "widgets/WordField.h"

#include <QAreaSeries>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

using namespace zek;
using namespace zek::test;

namespace {

const QByteArray cards("2, Haus, H\xe4user, Das Haus.\r\n3, Hund, Hunde, Der Hund.\r\n");
const QByteArray record = "Zeit;Sprache;Grundwort;Fach vorher;Fach nachher;Ergebnis\r\n"
                          "2026-03-02T08:15:00;Deutsch;Hund;2;3;richtig\r\n"
                          "2026-03-04T08:15:00;Deutsch;Haus;1;2;falsch\r\n";

class ProgressTest : public FormTest {
protected:
    void open()
    {
        window = std::make_unique<ui::ProgressChartWindow>(dir.path(), platform);
        window->open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    std::unique_ptr<ui::ProgressChartWindow> window;
};

} // namespace

TEST_F(ProgressTest, ShowsTheRecordAndPrintsTheView)
{
    writeBox(dir.path(), cards);
    writeBytes(path("Verlauf.csv"), record);
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lernfortschritt"));
    QChart *chart = widget<QChartView>("Verlaufsbild", window.get())->chart();
    ASSERT_EQ(chart->series().size(), 7);
    for (int box = 0; box <= 6; ++box) {
        const auto *area = qobject_cast<QAreaSeries *>(chart->series()[box]);
        EXPECT_EQ(area->name(), box == 0 ? QStringLiteral("Fehler") : box == 6 ? QStringLiteral("Gelernt")
                                                                               : QStringLiteral("Fach %1").arg(box));
        EXPECT_EQ(area->color(), ui::toColor(box == 6 ? learnedColour : boxColour(box)));
    }
    EXPECT_EQ(text("Wort1", window.get()) + text("Anzahl1", window.get()) + text("Fach1", window.get()), QStringLiteral("Haus1Fach 2"));
    EXPECT_TRUE(text("Zahlen", window.get()).startsWith(QStringLiteral("Geübte Tage: 2\nBeantwortete Karten: 2\n")));
    EXPECT_FALSE(widget("KeinVerlauf", window.get())->isVisible());

    // three languages have cards: the selector shows English at once
    auto *language = widget<QComboBox>("Sprache", window.get());
    EXPECT_TRUE(language->isVisible());
    language->activated(1);
    EXPECT_TRUE(text("Kopfzeile", window.get()).contains(QStringLiteral("Englisch")));
    EXPECT_TRUE(widget("KeinVerlauf", window.get())->isVisible());

    QCoreApplication::processEvents(); // the chart lays out its legend anew
    platform.answersOk = true;
    click("Drucken", window.get());
    ASSERT_EQ(platform.drawings, 1);
    QImage page(400, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    platform.drawing(painter, QRectF(0, 0, 400, 600));
    painter.end();
    QImage blank(400, 300, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_NE(page.copy(0, 0, 400, 300), blank); // something is drawn on the white page

    // on the printer: text and lines, no picture of the screen
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path("Druck.pdf"));
    QPainter onPaper(&printer);
    platform.drawing(onPaper, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    onPaper.end();
    EXPECT_LT(QFileInfo(path("Druck.pdf")).size(), 200 * 1024);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        QProcess text;
        text.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path("Druck.pdf"), QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *shown : {"Englisch", "Am häufigsten falsch geschrieben", "Gelernt", "Karten"})
            EXPECT_TRUE(words.contains(QString::fromUtf8(shown))) << shown << "\n"
                                                                  << words.toStdString();
    }
    click("Schliessen", window.get());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ProgressTest, WithoutARecordOneLineAndTodaysBoxes)
{
    writeBox(dir.path(), cards);
    writeBytes(path("ZEKCARD2.LST"), "");
    writeBytes(path("ZEKCARD3.LST"), "");
    open();
    EXPECT_TRUE(widget("KeinVerlauf", window.get())->isVisible());
    EXPECT_FALSE(widget("Sprache", window.get())->isVisible());
    QChart *chart = widget<QChartView>("Verlaufsbild", window.get())->chart();
    const auto *fach3 = qobject_cast<QAreaSeries *>(chart->series()[3]);
    EXPECT_EQ(fach3->upperSeries()->at(0).y() - fach3->lowerSeries()->at(0).y(), 1.0); // Hund
}

TEST_F(ProgressTest, TheEditorOpensItForItsFolder)
{
    startWith("1, Apfel, \xc4pfel, Der Apfel.\r\n" + cards);
    platform.expectInput(program->drill().card().baseWord);
    click("Bild19");
    auto *button = widget<QToolButton>("Bild14", program->form7());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Lernfortschritt"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Lernfortschritt"));
    click("Bild14", program->form7());
    QWidget *shown = QApplication::activeModalWidget(); // the module's window
    ASSERT_TRUE(shown && shown->objectName() == u"Lernfortschritt");
    EXPECT_TRUE(widget<QLabel>("Kopfzeile", shown)->text().startsWith(QFileInfo(dir.path()).fileName()));
    QTest::mouseClick(widget("Schliessen", shown), Qt::LeftButton);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(program->form7()->isVisible());
}

// "Fehlerschwerpunkte": the kinds as bars, the first ones with their examples
// and "Üben"; cards put back into box 1 are read again by the editor.
TEST_F(ProgressTest, FehlerschwerpunkteAndUeben)
{
    startWith("1, Apfel, \xc4pfel, Der Apfel.\r\n" + cards);
    writeBytes(path("Verlauf.csv"), QByteArray(recordHeader) + "2026-03-02T08:15:00;Deutsch;Hund;2;3;falsch;Hund;Hunt\r\n"
                                                               "2026-03-03T08:15:00;Deutsch;Hund;2;3;falsch;Hund;Hunt\r\n"
                                                               "2026-03-04T08:15:00;Deutsch;Haus;1;2;falsch;Haus;Hau\xc3\x9f\r\n");
    platform.expectInput(program->drill().card().baseWord);
    click("Bild19");
    click("Bild14", program->form7());
    QWidget *shown = QApplication::activeModalWidget();
    ASSERT_TRUE(shown && shown->objectName() == u"Lernfortschritt");
    QChart *chart = widget<QChartView>("Fehlerbild", shown)->chart();
    ASSERT_EQ(chart->series().size(), 1);
    const QBarSet *counts = qobject_cast<QHorizontalBarSeries *>(chart->series()[0])->barSets()[0];
    EXPECT_EQ(QList<double>({counts->at(0), counts->at(1)}), QList<double>({1, 2})); // the most frequent on top
    EXPECT_EQ(qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical)[0])->categories(),
              QStringList({"s-Laute", "Auslaut (Ableitung)"}));
    EXPECT_EQ(widget<QLabel>("Schwerpunkt1", shown)->text(), QStringLiteral("Auslaut (Ableitung)"));
    EXPECT_EQ(widget<QLabel>("Beispiel1_1", shown)->text(), QStringLiteral("Hund \u2013 getippt: Hunt\u2026"));
    EXPECT_TRUE(widget("Ueben2", shown)->isVisible());
    EXPECT_FALSE(widget("Ueben3", shown)->isVisible());
    EXPECT_FALSE(widget("KeineFehler", shown)->isVisible());

    platform.expectChoice(QStringLiteral("In Fach 1 legen"));
    platform.expectMessage(Answer::Yes);
    QTest::mouseClick(widget("Ueben1", shown), Qt::LeftButton);
    EXPECT_EQ(platform.messages().back().text, QStringLiteral("1 Karte zu \u201eAuslaut (Ableitung)\u201c zurück in Fach 1 legen?\r"));
    EXPECT_EQ(program->store().boxNumberAt(2), 1); // Hund, as the editor holds it now
    QTest::mouseClick(widget("Schliessen", shown), Qt::LeftButton);
}

TEST_F(FormTest, ARecordThatCannotBeWrittenIsAQuietNote)
{
    startWith("1, Zug, Z\xfcge, Der Zug f\xe4hrt ab.\r\n1, Bus, Busse, Der Bus.\r\n");
    EXPECT_FALSE(widget("Verlaufshinweis")->isVisible());
    const ReadOnly readOnly(dir.path());
    ASSERT_TRUE(readOnly.made());
    type(QStringLiteral("Zug"));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(widget("Verlaufshinweis")->isVisible());
    // whole, beside the "Schrift" button and not under it
    auto *note = widget<ui::WordField>("Verlaufshinweis");
    EXPECT_EQ(note->text(), QStringLiteral("Der Verlauf wird nicht gespeichert."));
    EXPECT_FALSE(note->fitted().cut);
    EXPECT_FALSE(note->geometry().intersects(widget("Schrift")->geometry()));
    for (const QRectF &glyph : note->glyphBounds())
        EXPECT_TRUE(QRectF(note->rect()).contains(glyph));
    EXPECT_TRUE(platform.messages().empty());
}
