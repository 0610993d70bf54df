#include "Drill.h"

#include "cards/CardStore.h"
#include "cards/Presentation.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "syllables/Syllables.h"

namespace zek {

namespace {

// A blank, the character and a blank, for every character.
QString spacedOut(const QString &text)
{
    QString out;
    out.reserve(text.size() * 3);
    for (QChar c : text) {
        out += QLatin1Char(' ');
        out += c;
        out += QLatin1Char(' ');
    }
    return out;
}

} // namespace

Drill::Drill(SharedState &shared, CardStore &store, Platform &platform, Random &random)
    : m_shared(shared), m_store(store), m_platform(platform), m_random(random)
{}

// A card with an empty base word (hand-edited, or an incomplete last card)
// cannot be typed; the draw passes over it and it stays in the file.
bool Drill::drawable(qsizetype position, int box) const
{
    return m_store.boxNumberAt(position) == box && m_store.hasBaseWordAt(position);
}

void Drill::countBoxes()
{
    // from the store's index: counting decodes no card
    m_counts = BoxCounts();
    m_drawable.fill(0);
    for (qsizetype i = 0, n = m_store.cardCount(); i < n; ++i) {
        const int box = m_store.boxNumberAt(i);
        if (box < 0)
            continue;
        ++m_counts.perBox[box];
        if (m_store.hasBaseWordAt(i))
            ++m_drawable[box];
    }
    for (qsizetype n : m_counts.perBox)
        m_counts.total += n;
    emit changed();
}

void Drill::clearCurrentCard()
{
    m_card = CurrentCard();
    m_step = 0;
    m_shared.targetText.clear();
}

void Drill::chooseBox(int box)
{
    if (box < 0 || box > 5)
        return;
    m_shared.currentBox = box;
    m_display.clear();
    m_paintedBox = box;
    drawCard();
}

qsizetype Drill::findCard() const
{
    const int box = m_shared.currentBox;
    const qsizetype cards = m_store.cardCount();
    if (m_order == WordOrder::Alphabetical) {
        for (qsizetype i = 0; i < cards; ++i)
            if (drawable(i, box))
                return i;
        return -1;
    }
    // The drawable cards of the box are counted from this same list and are
    // not 0, so the draw ends.
    for (;;) {
        const auto position = qsizetype(m_random.next() * double(cards));
        if (drawable(position, box))
            return position;
    }
}

void Drill::drawCard()
{
    m_shared.targetText.clear();
    m_answer.clear();
    m_red = false;
    m_mistake = false;
    m_wrongAsked.clear();
    m_wrongTyped.clear();
    m_step = 0;

    const int box = m_shared.currentBox;
    const qsizetype inBox = (box >= 0 && box <= 6) ? m_drawable[box] : 0;
    const qsizetype position = inBox > 0 ? findCard() : -1;
    if (position < 0) {
        m_card = CurrentCard();
        emit changed();
        m_platform.messageBox({QStringLiteral("Fach ") + QString::number(box),
                               QStringLiteral("Dieses Fach ist leer, bitte\rein anderes Fach wählen!\r")});
        return;
    }

    const CardEntry entry = m_store.cardAt(position);
    m_card = {entry.box, entry.baseWord, entry.relatedWord, entry.phrase, position};
    m_shared.targetText = entry.baseWord;
    m_hiddenCopy = spacedOut(presentWord(m_shared.mode, entry.baseWord, m_random));
    m_display = restingDisplay();
    emit changed();
    if (m_dictating)
        speakTarget();
}

qsizetype Drill::answerLimit() const
{
    // a long phrase must still be typeable
    return std::max<qsizetype>(100, m_shared.targetText.size());
}

void Drill::checkAnswer(const QString &answerBoxText)
{
    m_answer = answerBoxText;
    if (m_shared.targetText.isEmpty()) {
        drawCard();
        return;
    }
    if (m_answer.isEmpty()) {
        m_display = restingDisplay();
        m_red = false;
        emit changed();
        return;
    }

    m_display.clear();
    const bool wasRed = m_red;
    m_red = false;
    if (m_answer.size() > answerLimit()) {
        emit changed();
        m_platform.messageBox({QStringLiteral("Texteingabe"), QStringLiteral("Der Text ist zu lang!\r")});
        m_answer.clear();
        m_display = restingDisplay();
        emit changed();
        emit focusAnswer();
        return;
    }

    if (!m_shared.targetText.contains(m_answer)) {
        m_red = true;
        if (!m_mistake) {
            m_wrongAsked = m_shared.targetText;
            m_wrongTyped = m_answer;
        }
        m_mistake = true;
        m_display = m_hiddenCopy;
        emit changed();
        if (m_dictating && !wasRed) // heard again once per mistake, not at every key
            speakTarget();
        return;
    }
    if (m_answer == m_shared.targetText) {
        stepDone();
        return;
    }
    emit changed();
}

QString Drill::stepText(int step) const
{
    switch (step) {
    case 0: return m_card.baseWord;
    case 1: return m_card.relatedWord;
    default: return m_card.phrase;
    }
}

// The target was typed. Level 2 asks the related word next, level 3 the
// related word and then the phrase; an empty one counts as typed. The steps
// follow a counter, so a related word equal to its base word is asked too.
void Drill::stepDone()
{
    m_answer.clear();
    const int lastStep = m_shared.level == 3 ? 2 : m_shared.level == 2 ? 1 : 0;
    int next = m_step + 1;
    while (next <= lastStep && stepText(next).isEmpty())
        ++next;

    if (next <= lastStep) {
        m_step = next;
        m_shared.targetText = stepText(next);
        m_hiddenCopy = m_shared.targetText;
        m_display = restingDisplay();
        emit changed();
        emit focusAnswer();
        if (m_dictating)
            speakTarget();
        return;
    }
    const int box = m_shared.currentBox;
    promote();
    countBoxes();
    emit cardAnswered();
    if (m_card.position >= 0)
        emit cardRecorded(m_card.baseWord, box, box + 1, !m_mistake, m_wrongAsked, m_wrongTyped);
    drawCard();
}

void Drill::promote()
{
    if (m_card.position >= 0)
        m_store.setBox(m_card.position, QString::number(m_shared.currentBox + 1));
}

void Drill::nextLevel()
{
    m_shared.level = m_shared.level >= 3 ? 1 : m_shared.level + 1;
    m_levelDigit = QString::number(m_shared.level);
    drawCard();
    emit focusAnswer();
}

void Drill::explainLevels()
{
    m_platform.messageBox({QStringLiteral("Schwierigkeitsstufe"),
                           QStringLiteral("1 --> Nur das Lernwort schreiben\r"
                                          "2 --> Verwandtes Wort zusätzlich\r"
                                          "3 --> Auch Satzbeispiel eingeben\r"
                                          "\r"
                                          "(Zum Ändern die Ziffer anklicken)\r")});
}

void Drill::toggleWordOrder()
{
    const bool toRandom = m_order == WordOrder::Alphabetical;
    m_order = toRandom ? WordOrder::Random : WordOrder::Alphabetical;
    emit changed();
    m_platform.messageBox({QStringLiteral("Wortauswahl"),
                           toRandom ? QStringLiteral("Wortauswahl in zufälliger Reihenfolge!")
                                    : QStringLiteral("Wortauswahl nach der ABC-Reihenfolge!")});
    emit focusAnswer();
    drawCard();
}

void Drill::toggleModeList()
{
    m_modeListVisible = !m_modeListVisible;
    emit changed();
}

void Drill::chooseMode(int entry)
{
    if (!m_modeListVisible || entry < 0 || entry >= presentationModeCount)
        return;
    m_shared.mode = entry + 1;
    m_modeListVisible = false;
    drawCard();
    emit focusAnswer();
}

void Drill::insertCharacter(const QString &character)
{
    checkAnswer(m_answer + character);
    emit focusAnswer();
}

void Drill::showCard()
{
    QString word;
    for (QChar c : m_card.baseWord)
        word += c + QStringLiteral("  ");
    if (!word.isEmpty())
        word.chop(1); // one blank after the last character
    m_platform.messageBox({QStringLiteral("ZEK-Karteikarte:  Fach ") + m_card.box,
                           word + QStringLiteral("\r\r") + m_card.relatedWord + QStringLiteral("\r\r") + m_card.phrase
                               + QStringLiteral("\r\r\r")});
}

// Dictation. The setting stays as chosen; it dictates only while a voice
// speaks the language, so a child never waits for a word nobody says.
void Drill::setDictation(bool on)
{
    m_dictation = on;
    voicesChanged();
}

void Drill::setVoiceLanguage(const QString &languageCode)
{
    m_voiceLanguage = languageCode;
    m_dictating = m_dictation && m_platform.hasVoice(languageCode); // the next draw shows and speaks
}

void Drill::voicesChanged()
{
    const bool dictating = m_dictation && m_platform.hasVoice(m_voiceLanguage);
    if (dictating == m_dictating)
        return;
    m_dictating = dictating;
    if (!m_shared.targetText.isEmpty() && m_answer.isEmpty())
        m_display = restingDisplay();
    emit changed();
    if (m_dictating && m_answer.isEmpty())
        speakTarget();
}

QString Drill::instruction() const
{
    if (!m_dictating)
        return QStringLiteral("Text lesen und schreiben, nach dem ersten Buchstaben wird der Text gelöscht.");
    static const char *const asked[3] = {"das Wort", "das verwandte Wort", "den Satz"};
    return QStringLiteral("Hör gut zu und schreibe %1! Noch einmal hören: F2").arg(QString::fromUtf8(asked[m_step]));
}

QString Drill::sampleDisplay() const
{
    if (m_dictating) // the card's word would give the answer away
        return spacedOut(QStringLiteral("Beispiel"));
    return m_shared.targetText.isEmpty() ? spacedOut(QStringLiteral("Haus")) : m_hiddenCopy;
}

void Drill::speakTarget()
{
    if (m_shared.targetText.isEmpty() || !m_platform.hasVoice(m_voiceLanguage))
        return;
    QString spoken = m_shared.targetText;
    if (m_speakSyllables && m_dictating) {
        const QStringList groups = spokenGroups(spoken);
        if (groups.size() > 1) // a phrase: all its groups, or the one being typed
            spoken = m_answer.isEmpty() ? groups.join(spokenPause) : groups[groupBeingTyped(spoken, m_answer)];
        else
            spoken = spokenInSyllables(spoken, SyllablePatterns::forLanguage(m_voiceLanguage));
    }
    if (m_rate == SpeechRate::Normal)
        m_platform.speak(spoken, m_voiceLanguage);
    else
        m_platform.speakAtRate(spoken, m_voiceLanguage, m_rate);
}

void Drill::setSpeech(SpeechRate rate, bool inSyllables)
{
    m_rate = rate;
    m_speakSyllables = inSyllables;
}

QList<int> Drill::answerSyllables() const
{
    const QString &target = m_shared.targetText;
    qsizetype right = 0;
    while (right < m_answer.size() && right < target.size() && m_answer[right] == target[right])
        ++right;
    QList<int> places(m_answer.size(), -1);
    const QList<int> inTarget =
        syllablePlaces(target, syllablesOf(target, SyllablePatterns::forLanguage(m_voiceLanguage)));
    for (qsizetype i = 0; i < right; ++i)
        places[i] = inTarget[i];
    return places;
}

bool Drill::displayHasSyllables() const
{
    QString letters = m_display;
    letters.remove(u' ');
    const QString word = QString(m_shared.targetText).remove(u' ');
    if (letters.isEmpty() || letters.size() != word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (letters[i].toLower() != word[i].toLower())
            return false;
    return true;
}

} // namespace zek
