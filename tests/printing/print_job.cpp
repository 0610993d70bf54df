// Prints the cards of ZEKCARD1.LST in FOLDER as one job of the program's own
// print path and says what became of it: "printed", "pdf NAME" or "failed".
// Usage: zek_print_job FOLDER [wordlist|familysheet|cardsheet]
#include "qtplatform/QtPlatform.h"

#include "cards/CardFile.h"
#include "printing/Sheets.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QByteArray kindName = argc > 2 ? QByteArray(argv[2]) : QByteArray("wordlist");
    const zek::SheetKind kind = kindName == "familysheet" ? zek::SheetKind::FamilySheet
        : kindName == "cardsheet"                         ? zek::SheetKind::CardSheet
                                                          : zek::SheetKind::WordList;
    QFile file(QDir(folder).filePath(QStringLiteral("ZEKCARD1.LST")));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    zek::ui::installFontSubstitutes();
    zek::ui::QtPlatform platform;
    const auto pages = zek::layOutSheets(kind, zek::readCardFile(file.readAll()).cards,
                                         platform.printerMetrics(zek::sheetFont, zek::sheetFontPoints));
    const zek::PrintOutcome outcome = platform.print(pages, zek::sheetFont, zek::sheetFontPoints, zek::sheetJobName(kind), folder);
    switch (outcome.kind) {
    case zek::PrintOutcome::Printed: std::printf("printed\n"); break;
    case zek::PrintOutcome::SavedAsPdf: std::printf("pdf %s %s\n", qPrintable(outcome.pdfName), qPrintable(outcome.reason)); break;
    case zek::PrintOutcome::Failed: std::printf("failed %s\n", qPrintable(outcome.reason)); break;
    }
    return 0;
}
