#include "Spelling.h"

#include "cards/AtomicFile.h"
#include "cards/ExtraFile.h"
#include "cards/Folder.h"
#include "cards/Languages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace zek {
namespace {

bool isApostrophe(QChar c) { return c == u'\'' || c == u'\u2019'; }
bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

// A word longer than this is no word of a card (and no dictionary has it).
constexpr qsizetype longestWord = 100;
// The own word list is read up to this size; a larger file is no word list.
constexpr qint64 largestWordList = 4 * 1024 * 1024;

} // namespace

QList<WordSpan> splitWords(const QString &text)
{
    QList<WordSpan> words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isWordCharacter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool digit = false;
        while (i < n) {
            if (isWordCharacter(text[i])) {
                digit = digit || text[i].isDigit();
                ++i;
            } else if ((text[i] == u'-' || isApostrophe(text[i])) && i + 1 < n && isWordCharacter(text[i + 1])) {
                ++i; // inside the word
            } else {
                break;
            }
        }
        qsizetype end = i;
        if (end < n && text[end] == u'-') // "Haupt- und Nebensatz"
            ++end;
        if (!digit)
            words.append({start, end - start});
        i = end;
    }
    return words;
}

QStringList readOwnWords(const QByteArray &bytes)
{
    // read as a word list is read: a Windows editor's file stays right, and
    // a line saved in another character set than the rest is passed over
    const DecodedText decoded = decodeText(bytes);
    if (decoded.damaged)
        return {};
    QStringList words;
    qsizetype number = 0;
    for (const QString &line : decoded.text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        ++number;
        const QString word = line.trimmed().normalized(QString::NormalizationForm_C);
        if (word.isEmpty() || word.size() > longestWord || decoded.foreignLines.contains(number))
            continue;
        const QList<WordSpan> spans = splitWords(word);
        if (spans.size() == 1 && spans[0].length == word.size())
            words.append(word);
    }
    return words;
}

QStringList systemDictionaryFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts"),
            QStringLiteral("/usr/share/myspell")};
}

// One Hunspell dictionary. Hunspell works in the dictionary's own encoding
// (the SET line of its .aff file): every word is converted on the way in and
// out.
class Dictionary {
public:
    Dictionary(const QString &base, const QStringList &ownWords)
        : m_hunspell(QFile::encodeName(base + QStringLiteral(".aff")).constData(),
                     QFile::encodeName(base + QStringLiteral(".dic")).constData())
    {
        const QByteArray name = QByteArray::fromStdString(m_hunspell.get_dict_encoding());
        m_encoding = QStringConverter::encodingForName(name.constData());
        m_encodingName = name;
        for (const QString &word : ownWords)
            add(word);
    }
    bool usable() const { return m_encoding || QStringEncoder(m_encodingName.constData()).isValid(); }
    bool spell(const QString &word)
    {
        const std::optional<std::string> bytes = encode(word);
        return bytes && m_hunspell.spell(*bytes);
    }
    QStringList suggest(const QString &word)
    {
        QStringList out;
        if (const std::optional<std::string> bytes = encode(word))
            for (const std::string &s : m_hunspell.suggest(*bytes))
                out.append(decode(s));
        return out;
    }
    void add(const QString &word)
    {
        if (const std::optional<std::string> bytes = encode(word))
            m_hunspell.add(*bytes);
    }

private:
    std::optional<std::string> encode(const QString &word) const
    {
        if (m_encoding == QStringConverter::Utf8)
            return word.toStdString();
        QStringEncoder encoder = m_encoding ? QStringEncoder(*m_encoding) : QStringEncoder(m_encodingName.constData());
        const QByteArray bytes = encoder.encode(word);
        if (encoder.hasError()) // a character the dictionary cannot hold: no word of it
            return std::nullopt;
        return bytes.toStdString();
    }
    QString decode(const std::string &bytes) const
    {
        const QByteArray b = QByteArray::fromStdString(bytes);
        QStringDecoder decoder = m_encoding ? QStringDecoder(*m_encoding) : QStringDecoder(m_encodingName.constData());
        return decoder.decode(b);
    }

    Hunspell m_hunspell;
    std::optional<QStringConverter::Encoding> m_encoding;
    QByteArray m_encodingName;
};

// One dictionary being read on a thread of its own. The thread fills it and
// tells the spelling check through the event loop, as long as the check
// still wants it (receiver is cleared, under the lock, when it goes).
struct DictionaryLoad {
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    std::shared_ptr<Dictionary> dictionary; // null: none usable
    QStringList wordsAdded; // own words added while it was read
    QObject *receiver = nullptr;
};

Spelling::Spelling(const QString &cardFolder, QStringList dictionaryFolders)
    : m_folder(cardFolder), m_dictionaryFolders(std::move(dictionaryFolders))
{}

void Spelling::readOwnWordList()
{
    QStringList words;
    if (const std::optional<QByteArray> bytes =
            readRegularFile(filePath(m_folder, QString::fromUtf16(ownWordsFileName)), largestWordList))
        words = readOwnWords(*bytes);
    if (words == m_ownWords)
        return;
    // the dictionaries read hold the old list: they are read anew
    m_ownWords = words;
    m_ownSet = QSet<QString>(m_ownWords.begin(), m_ownWords.end());
    dropLoads();
    m_known.clear();
    setLanguage(m_code);
}

Spelling::~Spelling() { dropLoads(); }

void Spelling::dropLoads()
{
    // a load still running finishes unseen: nothing waits for it
    for (auto &[code, load] : m_loading) {
        const std::lock_guard guard(load->lock);
        load->receiver = nullptr;
    }
    m_loading.clear();
}

void Spelling::setDictionaryFolders(const QStringList &folders)
{
    dropLoads();
    m_known.clear();
    m_dictionaryFolders = folders;
    setLanguage(m_code);
}

QString Spelling::dictionaryBase(const QString &code) const
{
    const LanguageRecord *language = findLanguage(code);
    if (!language)
        return {};
    for (const QString &name : QString::fromLatin1(language->dictionaries).split(u' '))
        for (const QString &folder : m_dictionaryFolders) {
            const QString base = QDir(folder).filePath(name);
            if (QFileInfo::exists(base + QStringLiteral(".aff")) && QFileInfo::exists(base + QStringLiteral(".dic")))
                return base;
        }
    return {};
}

void Spelling::setLanguage(const QString &code)
{
    if (code != m_code)
        m_known.clear();
    m_code = code;
    m_base = dictionaryBase(code);
    const QString base = m_base;
    if (base.isEmpty() || m_loading.count(code))
        return;
    auto load = std::make_shared<DictionaryLoad>();
    load->receiver = this;
    m_loading[code] = load;
    std::thread([load, base, code, own = m_ownWords] {
        auto dictionary = std::make_shared<Dictionary>(base, own);
        const std::lock_guard guard(load->lock);
        for (const QString &word : std::as_const(load->wordsAdded))
            dictionary->add(word);
        load->dictionary = dictionary->usable() ? std::move(dictionary) : nullptr;
        load->finished = true;
        load->done.notify_all();
        if (load->receiver)
            QMetaObject::invokeMethod(
                load->receiver,
                [receiver = static_cast<Spelling *>(load->receiver), load, code] {
                    // only the load of the language asked for now counts
                    const auto found = receiver->m_loading.find(code);
                    if (found != receiver->m_loading.end() && found->second == load && code == receiver->m_code)
                        emit receiver->ready();
                },
                Qt::QueuedConnection);
    }).detach();
}

bool Spelling::isOn() const { return !m_base.isEmpty(); }

QString Spelling::offReason() const
{
    if (isOn())
        return {};
    return QStringLiteral("kein Wörterbuch für %1 gefunden").arg(languageName(m_code));
}

bool Spelling::isReady() const
{
    const auto found = m_loading.find(m_code);
    if (found == m_loading.end())
        return true;
    const std::lock_guard guard(found->second->lock);
    return found->second->finished;
}

Dictionary *Spelling::dictionary() const
{
    const auto found = m_loading.find(m_code);
    if (found == m_loading.end())
        return nullptr;
    DictionaryLoad &load = *found->second;
    std::unique_lock guard(load.lock);
    load.done.wait(guard, [&] { return load.finished; });
    return load.dictionary.get();
}

bool Spelling::isKnown(const QString &word, bool followedByDot) const
{
    if (m_ownSet.contains(word))
        return true;
    const QString key = followedByDot ? word + u'.' : word;
    if (const auto found = m_known.constFind(key); found != m_known.cend())
        return *found;
    Dictionary *d = dictionary();
    bool known = !d || d->spell(word) || (followedByDot && d->spell(key));
    if (!known && std::any_of(word.begin(), word.end(), isApostrophe)) {
        // "geht's": each part a word
        known = true;
        for (const QString &part : word.split(QRegularExpression(QStringLiteral("['\u2019]")), Qt::SkipEmptyParts))
            known = known && d->spell(part);
    }
    m_known.insert(key, known);
    return known;
}

QList<WordSpan> Spelling::unknownWords(const QString &text) const
{
    QList<WordSpan> unknown;
    for (const WordSpan &span : splitWords(text)) {
        const qsizetype end = span.start + span.length;
        if (!isKnown(text.mid(span.start, span.length), end < text.size() && text[end] == u'.'))
            unknown.append(span);
    }
    return unknown;
}

QList<WordSpan> Spelling::unknownWordsIfReady(const QString &text) const
{
    return isReady() ? unknownWords(text) : QList<WordSpan>();
}

QStringList Spelling::suggestions(const QString &word, int max) const
{
    Dictionary *d = dictionary();
    return d ? d->suggest(word).mid(0, max) : QStringList();
}

bool Spelling::addOwnWord(const QString &word, QString *error)
{
    const QString name = findFile(m_folder, QString::fromUtf16(ownWordsFileName));
    const QString path = QDir(m_folder).filePath(name);
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("Das Wort „%1“ wurde nicht in die Wortliste aufgenommen!\r").arg(word) + reason
                + QStringLiteral("Die Datei bleibt, wie sie war.\r");
        return false;
    };
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        QFile file;
        if (!openRegularFile(file, path))
            return fail(QStringLiteral("Die Datei '%1' konnte nicht gelesen werden.\r").arg(name));
        bytes = file.readAll();
        // a list a Windows editor saved goes on in UTF-8 as a whole, so that
        // its words and the new one are read in one character set
        if (const DecodedText decoded = decodeText(bytes); !bytes.isValidUtf8() && !decoded.damaged)
            bytes = decoded.text.toUtf8();
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    bytes += word.toUtf8() + "\r\n";
    if (!writeFileAtomically(path, bytes))
        return fail(QStringLiteral("Die Datei '%1' konnte nicht geschrieben werden\r"
                                   "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r")
                        .arg(name));
    m_ownWords.append(word);
    m_ownSet.insert(word);
    for (auto &[code, load] : m_loading) {
        // its suggestions know it too, also when it is still being read
        const std::lock_guard guard(load->lock);
        if (!load->finished)
            load->wordsAdded.append(word);
        else if (load->dictionary)
            load->dictionary->add(word);
    }
    m_known.clear();
    return true;
}

QList<SpellingFinding> checkCards(const Spelling &spelling, const CardList &cards)
{
    QList<SpellingFinding> findings;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const CardEntry &card = cards[i];
        SpellingFinding finding{i, card.baseWord, {}};
        for (const QString *field : {&card.baseWord, &card.relatedWord, &card.phrase})
            for (const WordSpan &span : spelling.unknownWords(*field)) {
                const QString word = field->mid(span.start, span.length);
                if (!finding.words.contains(word))
                    finding.words.append(word);
            }
        if (!finding.words.isEmpty())
            findings.append(std::move(finding));
    }
    return findings;
}

} // namespace zek
