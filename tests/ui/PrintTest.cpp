// The real print path: pages laid out with the printer's own metrics, drawn
// by Qt into a PDF. With no default printer the PDF lands in the card folder.
#include "ui/QtPlatform.h"

#include "printing/Sheets.h"

#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zek;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

CardList cards(int n)
{
    CardList list;
    for (int i = 0; i < n; ++i)
        list.append({QStringLiteral("1"), QStringLiteral("Wort%1").arg(100 + i), QStringLiteral("Worte%1").arg(i),
                     QStringLiteral("Ein Satz mit Wort %1.").arg(i)});
    return list;
}

} // namespace

TEST(Printing, WithoutAPrinterTheSheetsBecomeAPdfInTheCardFolder)
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); // no scheduler, so no default printer
    ui::QtPlatform platform;
    QTemporaryDir folder;
    const struct {
        SheetKind kind;
        int cards, pages;
        const char *first; // the first line on page 1
    } cases[] = {{SheetKind::WordList, 31, 2, "Wort"}, {SheetKind::CardSheet, 20, 3, "Wort100"}, {SheetKind::FamilySheet, 25, 3, "Lernwort"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cards);
        const PrinterMetrics metrics = platform.printerMetrics(sheetFont, sheetFontPoints);
        const QList<PrintedPage> pages = layOutSheets(c.kind, cards(c.cards), metrics);
        ASSERT_EQ(pages.size(), c.pages);
        const PrintOutcome outcome = platform.print(pages, QStringLiteral("Lernwoerter"), folder.path());
        ASSERT_EQ(outcome.kind, PrintOutcome::SavedAsPdf);
        EXPECT_EQ(outcome.reason, QStringLiteral("Es ist kein Standarddrucker eingerichtet"));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Druck_Lernwoerter_[0-9-]+_[0-9-]+(-[0-9]+)?\\.pdf$")).match(outcome.pdfName).hasMatch())
            << outcome.pdfName.toStdString();
        const QString pdf = QDir(folder.path()).filePath(outcome.pdfName);

        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const QStringList pageTexts = text.split(u'\f', Qt::SkipEmptyParts);
        EXPECT_EQ(pageTexts.size(), c.pages);
        EXPECT_TRUE(pageTexts.value(0).trimmed().startsWith(QString::fromLatin1(c.first))) << pageTexts.value(0).left(80).toStdString();
        EXPECT_LT(text.indexOf(QStringLiteral("Wort100")), text.indexOf(QStringLiteral("Wort101")));
        EXPECT_TRUE(text.contains(QStringLiteral("Wort%1").arg(100 + c.cards - 1)));
        EXPECT_TRUE(run(QStringLiteral("pdffonts"), {pdf}).contains(QRegularExpression(QStringLiteral("ComicNeue\\S*\\s.*yes"))));
        // the first line stands wholly inside the page
        const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                               QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
        const auto first = QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"")).match(boxes);
        ASSERT_TRUE(first.hasMatch());
        EXPECT_GT(first.captured(2).toDouble(), 0.0);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3); // none written over
}
