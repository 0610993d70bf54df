#pragma once

#include "platform/Speech.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zek {

// The settings of a card box, kept in "ZEK-Einstellungen.ini" in the card
// folder beside the card files (never in them): dictation and the reading
// aids, the font, letter spacing and size of the word, the answer box and
// the word show.
enum class ReadingFont { ComicNeue, Andika, OpenDyslexic };
enum class LetterSpacing { Normal, Wide, VeryWide };
enum class TextSize { Normal, Large };
// How the word field and the word show show syllables: not at all, alternately blue and red, or with a thin arc
// under each.
enum class SyllableLook { Off, Coloured, Arcs };

struct ReadingAids {
    ReadingFont font = ReadingFont::ComicNeue;
    LetterSpacing spacing = LetterSpacing::Normal;
    TextSize size = TextSize::Normal;
    SyllableLook syllables = SyllableLook::Off;
    // how fast read-aloud and dictation speak, and whether dictation speaks
    // a word in syllables and a phrase in groups of words
    SpeechRate rate = SpeechRate::Normal;
    bool speakSyllables = false;
    // the card sheet and the word list printed in syllables as shown
    bool printSyllables = false;
    friend bool operator==(const ReadingAids &, const ReadingAids &) = default;
};

struct Settings {
    bool dictation = false;
    // the card editor asks about unknown words before it saves a card
    bool askSpelling = false;
    ReadingAids aids;
    friend bool operator==(const Settings &, const Settings &) = default;
};

inline const QString settingsFileName = QStringLiteral("ZEK-Einstellungen.ini");

// The names the "Leseschrift" window offers, in the order of the enums.
QStringList readingFontNames(); // "Comic Neue", "Andika", "OpenDyslexic"
QStringList letterSpacingNames(); // "normal", "weit", "sehr weit"
QStringList textSizeNames(); // "normal", "groß"
QStringList syllableLookNames(); // "aus", "farbig", "Bögen"
QStringList speechRateNames(); // "normal", "langsam", "sehr langsam"

// The extra room between two letters as a share of the font's size: 0, 0.2
// or 0.4.
double letterSpacingShare(LetterSpacing spacing);
// The font sizes of the windows are multiplied by this: 1 or 4/3.
double textSizeFactor(TextSize size);

// The settings in a file's bytes: lines "key=value" in UTF-8. A line or
// value that is not understood keeps that setting's default; any bytes give
// settings.
Settings parseSettings(const QByteArray &bytes);
QByteArray settingsBytes(const Settings &settings);

// The settings of the card box in folder; the defaults when the file is
// missing or cannot be read.
Settings readSettings(const QString &folder);
// Replaces the file atomically (a temporary file renamed over it); false
// when the folder takes no file, and then nothing is told: the settings
// last for the session.
bool writeSettings(const QString &folder, const Settings &settings);

} // namespace zek
