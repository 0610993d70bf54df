#include "Settings.h"

#include "AtomicFile.h"
#include "ExtraFile.h"
#include "Folder.h"

#include <QFile>

namespace zek {

namespace {

// A settings file is a handful of lines; more than this is not one.
constexpr qint64 largestFile = 64 * 1024;

const auto dictationKey = QStringLiteral("Hördiktat");
const auto askSpellingKey = QStringLiteral("Rechtschreibung vor dem Speichern");
const auto fontKey = QStringLiteral("Schrift");
const auto spacingKey = QStringLiteral("Buchstabenabstand");
const auto sizeKey = QStringLiteral("Schriftgröße");
const auto syllablesKey = QStringLiteral("Silben");
const auto rateKey = QStringLiteral("Sprechtempo");
const auto speakSyllablesKey = QStringLiteral("Silben sprechen");
const auto printSyllablesKey = QStringLiteral("Silben drucken");
const auto on = QStringLiteral("an");
const auto off = QStringLiteral("aus");

// The entry of names that value names, without regard to case; keep when none.
template <typename Enum> void choose(Enum &setting, const QStringList &names, const QString &value)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(value, Qt::CaseInsensitive) == 0)
            setting = Enum(i);
}

} // namespace

QStringList readingFontNames()
{
    return {QStringLiteral("Comic Neue"), QStringLiteral("Andika"), QStringLiteral("OpenDyslexic")};
}

QStringList letterSpacingNames()
{
    return {QStringLiteral("normal"), QStringLiteral("weit"), QStringLiteral("sehr weit")};
}

QStringList textSizeNames() { return {QStringLiteral("normal"), QStringLiteral("groß")}; }

QStringList syllableLookNames() { return {QStringLiteral("aus"), QStringLiteral("farbig"), QStringLiteral("Bögen")}; }

QStringList speechRateNames()
{
    return {QStringLiteral("normal"), QStringLiteral("langsam"), QStringLiteral("sehr langsam")};
}

double letterSpacingShare(LetterSpacing spacing)
{
    switch (spacing) {
    case LetterSpacing::Wide: return 0.2;
    case LetterSpacing::VeryWide: return 0.4;
    case LetterSpacing::Normal: break;
    }
    return 0;
}

double textSizeFactor(TextSize size) { return size == TextSize::Large ? 4.0 / 3.0 : 1.0; }

Settings parseSettings(const QByteArray &bytes)
{
    Settings settings;
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (line.trimmed().startsWith(u'#') || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == dictationKey)
            settings.dictation = value == on ? true : value == off ? false : settings.dictation;
        else if (key == askSpellingKey)
            settings.askSpelling = value == on ? true : value == off ? false : settings.askSpelling;
        else if (key == fontKey)
            choose(settings.aids.font, readingFontNames(), value);
        else if (key == spacingKey)
            choose(settings.aids.spacing, letterSpacingNames(), value);
        else if (key == sizeKey)
            choose(settings.aids.size, textSizeNames(), value);
        else if (key == syllablesKey)
            choose(settings.aids.syllables, syllableLookNames(), value);
        else if (key == rateKey)
            choose(settings.aids.rate, speechRateNames(), value);
        else if (key == speakSyllablesKey)
            settings.aids.speakSyllables = value == on ? true : value == off ? false : settings.aids.speakSyllables;
        else if (key == printSyllablesKey)
            settings.aids.printSyllables = value == on ? true : value == off ? false : settings.aids.printSyllables;
    }
    return settings;
}

QByteArray settingsBytes(const Settings &settings)
{
    QString text = QStringLiteral("# ZEK-Rechtschreibkartei: Einstellungen dieser Kartei\n") + dictationKey + u'='
        + (settings.dictation ? on : off) + u'\n' + fontKey + u'=' + readingFontNames()[int(settings.aids.font)] + u'\n'
        + spacingKey + u'=' + letterSpacingNames()[int(settings.aids.spacing)] + u'\n' + sizeKey + u'='
        + textSizeNames()[int(settings.aids.size)] + u'\n' + askSpellingKey + u'=' + (settings.askSpelling ? on : off)
        + u'\n';
    // the syllables only once asked for, so that a file without them stays as it was
    const ReadingAids &aids = settings.aids;
    if (aids.syllables != SyllableLook::Off || aids.rate != SpeechRate::Normal || aids.speakSyllables)
        text += syllablesKey + u'=' + syllableLookNames()[int(aids.syllables)] + u'\n' + rateKey + u'='
            + speechRateNames()[int(aids.rate)] + u'\n' + speakSyllablesKey + u'=' + (aids.speakSyllables ? on : off)
            + u'\n';
    if (aids.printSyllables)
        text += printSyllablesKey + u'=' + on + u'\n';
    return text.toUtf8();
}

Settings readSettings(const QString &folder)
{
    // one byte more than a settings file may have is enough to refuse a bigger one
    const std::optional<QByteArray> bytes = readRegularFile(filePath(folder, settingsFileName), largestFile + 1);
    if (!bytes || bytes->size() > largestFile)
        return {};
    return parseSettings(*bytes);
}

bool writeSettings(const QString &folder, const Settings &settings)
{
    const QByteArray bytes = settingsBytes(settings);
    return writeFileAtomically(filePath(folder, settingsFileName), bytes);
}

} // namespace zek
