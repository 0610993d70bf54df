// What the window "Klassenübersicht" itself does: a click on a column's
// title sorts, a double click on a row asks for that child's
// "Lernfortschritt". The figures are tested on the model.
#include "windows/WindowFixture.h"

#include "windows/ClassOverviewWindow.h"

#include "record/ClassOverview.h"

#include <QHeaderView>
#include <QTableWidget>

using namespace zek;
using namespace zek::test;

TEST_F(FormTest, ClassOverviewSortsByAClickAndOpensAChildsProgress)
{
    for (const char *name : {"Anna", "Ben"}) {
        const QString folder = path(name);
        QDir().mkpath(folder);
        writeBox(folder, "1, Haus, H\xe4user, Das Haus.\r\n");
    }
    // Anna answered two cards today, Ben none
    writeBytes(QDir(path("Anna")).filePath(QStringLiteral("Verlauf.csv")),
               QByteArray(recordHeader) + QByteArray("2026-03-02T08:15:00;Deutsch;Haus;1;2;richtig\r\n").repeated(2));
    QStringList asked;
    ui::ClassOverviewWindow window(dir.path(), platform, [&](const QString &folder) { asked << folder; });
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *table = widget<QTableWidget>("Tabelle", &window);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Anna"));

    // "Karten (Woche)": the fewest first, a second click the most first
    QHeaderView *header = table->horizontalHeader();
    const QPoint cards(header->sectionViewportPosition(4) + header->sectionSize(4) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, cards);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Ben"));
    EXPECT_EQ(header->sortIndicatorSection(), 4);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, cards);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    FormTest::doubleClickAt(table->viewport(), table->visualItemRect(table->item(1, 2)).center());
    EXPECT_EQ(asked, QStringList({path("Ben")}));
}
