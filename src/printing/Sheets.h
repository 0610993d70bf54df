#pragma once

#include "cards/CardList.h"
#include "cards/Settings.h"
#include "platform/Printer.h"

namespace zek {

class SyllablePatterns;

// The three kinds of work sheet, in the order of the editor's options.
enum class SheetKind { CardSheet, WordList, FamilySheet };

// Cards per page: 8, 30 and 10.
int pageCapacity(SheetKind kind);

// The printer font of every sheet.
inline const QString sheetFont = QStringLiteral("Comic Sans MS");
constexpr double sheetFontPoints = 16;

// A card on a card sheet whose text does not fit its place shrinks down to
// this size; only then is it cut, with "…".
constexpr double cardSheetMinimumPoints = 10;

// What a job of this kind is called in the name of its PDF: "Karteikarten",
// "Lernwoerter", "Wortfamilien".
QString sheetJobName(SheetKind kind);

// How the words of a sheet are printed: as they are, or in syllables
// (coloured or with arcs), divided by the card language's patterns (none:
// every word is one syllable). Only the cards' own texts of a card sheet
// and a word list are printed in syllables; the layout stays the same.
struct SheetSyllables {
    SyllableLook look = SyllableLook::Off;
    const SyllablePatterns *patterns = nullptr;
};

// The pages a job of this kind makes of the cards, in their order: word lists
// and word-family sheets with a head on every page, card sheets as cards on
// a grid of two columns and four rows. A page ends after its capacity or
// before the first card whose entry does not fit below; a card taller than a
// page goes on over the next pages. A card sheet keeps each card inside its
// cell of the grid. A head line, where given, stands over the column titles
// of every page of a word list or word-family sheet.
QList<PrintedPage> layOutSheets(SheetKind kind, const CardList &cards, const PrinterMetrics &printer,
                                const QString &headLine = {}, const SheetSyllables &syllables = {});

} // namespace zek
