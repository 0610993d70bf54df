#pragma once

#include "cards/BoxColours.h"
#include "cards/CardList.h"
#include "cards/SharedState.h"
#include "platform/Speech.h"

#include <QObject>
#include <QString>

namespace zek {

class CardStore;
class Platform;
class Random;

enum class WordOrder { Alphabetical, Random };

inline constexpr Rgb answerRed{255, 0, 0};

// The card being drilled (Liste1): a copy of the card at position.
struct CurrentCard {
    QString box, baseWord, relatedWord, phrase;
    qsizetype position = -1;
};

// The card drill of the main window: choosing a box, drawing a card, checking
// the answer box on every change, the levels and the promotion of a card.
// The answer box text is state of the drill; the window shows it.
class Drill : public QObject {
    Q_OBJECT
public:
    Drill(SharedState &shared, CardStore &store, Platform &platform, Random &random);

    // The per-box count list and the counters, from the card list.
    void countBoxes();
    // No card is current: the card record and the target are emptied.
    void clearCurrentCard();

    void chooseBox(int box); // a box label or counter was clicked
    void drawCard();
    void checkAnswer(const QString &answerBoxText); // the child changed the answer box
    void promote();
    void nextLevel(); // the level digit was clicked
    void explainLevels(); // Bild11
    void toggleWordOrder(); // Bild7 / bild9
    void toggleModeList(); // Bild8
    void chooseMode(int entry); // an entry of the mode list was clicked
    void insertCharacter(const QString &character); // an entry of the character list
    void showCard(); // bild10

    // Dictation ("Hördiktat"): the word is heard, not read. While a voice
    // speaks the language, the display shows dictationHint() where it would
    // show the word, and what the child must type now is spoken when it comes
    // up and after a wrong letter, which shows the word as always.
    void setDictation(bool on);
    // The language the drill speaks in; its voice may come and go.
    void setVoiceLanguage(const QString &languageCode);
    // The voices have changed: dictation follows them.
    void voicesChanged();
    bool dictating() const { return m_dictating; }
    // Speaks what the child must type now, where a voice speaks the language.
    // In syllables a word is spoken whole and then syllable by syllable, a
    // phrase in short groups of words; again (F2, a wrong letter) only the
    // group being typed.
    void speakTarget();
    // How fast the drill speaks, and whether dictation speaks in syllables.
    void setSpeech(SpeechRate rate, bool inSyllables);
    // The display shows the word letter for letter (in small or capital
    // letters), so its syllables may be shown.
    bool displayHasSyllables() const;
    const QString &voiceLanguage() const { return m_voiceLanguage; }
    // For each typed letter the place of its syllable in what must be typed,
    // as far as the answer is right; -1 after.
    QList<int> answerSyllables() const;

    // What the main window shows.
    const BoxCounts &counts() const { return m_counts; }
    // The word total under "Wörter", with one leading blank.
    QString wordTotalText() const { return QLatin1Char(' ') + QString::number(m_counts.total); }
    const CurrentCard &card() const { return m_card; }
    const QString &wordDisplay() const { return m_display; }
    // The display shows the learning word in its presentation mode (spaced
    // out): one word, whose letters belong on one line.
    bool displayIsWord() const { return m_step == 0 && !m_display.isEmpty() && m_display == m_hiddenCopy; }
    const QString &answerText() const { return m_answer; }
    bool answerIsRed() const { return m_red; }
    QString levelDigit() const { return m_levelDigit; }
    WordOrder wordOrder() const { return m_order; }
    bool modeListVisible() const { return m_modeListVisible; }
    int currentBox() const { return m_shared.currentBox; }
    int level() const { return m_shared.level; }
    int mode() const { return m_shared.mode; }
    // The box whose colour the card area shows; -1 before a box is chosen.
    int paintedBox() const { return m_paintedBox; }

    // The most characters the answer box takes for the current target.
    qsizetype answerLimit() const;

    static QString dictationHint() { return QStringLiteral("Hör gut zu und schreibe!"); }
    // The line under the word field: how to read and write, or in dictation
    // what to write now and how to hear it again.
    QString instruction() const;
    // What the preview of the reading aids shows, as the word field would
    // show it: the word as it is drawn, a sample word where the word is
    // shown nowhere yet (dictation), "Haus" without a card.
    QString sampleDisplay() const;
    bool sampleIsWord() const { return m_dictating || m_step == 0 || m_shared.targetText.isEmpty(); }

signals:
    void changed();
    void focusAnswer();
    // A card moved up; the main window saves it once the keystroke is done.
    void cardAnswered();
    // The same card for the practice record: its word, its box before and
    // after, whether it was typed without a wrong character, and at its first
    // wrong character the text asked and the answer box (else both empty).
    void cardRecorded(const QString &baseWord, int boxBefore, int boxAfter, bool right, const QString &asked,
                      const QString &typed);

private:
    void stepDone();
    QString stepText(int step) const;
    qsizetype findCard() const;
    bool drawable(qsizetype position, int box) const;
    // What the display shows while nothing is typed: the word, or in
    // dictation the hint.
    QString restingDisplay() const { return m_dictating ? dictationHint() : m_hiddenCopy; }

    SharedState &m_shared;
    CardStore &m_store;
    Platform &m_platform;
    Random &m_random;

    BoxCounts m_counts;
    std::array<qsizetype, 7> m_drawable{}; // per box: the cards with a base word
    CurrentCard m_card;
    int m_step = 0; // 0 base word, 1 related word, 2 phrase
    QString m_display; // Bezeichnung10
    QString m_hiddenCopy; // Bezeichnung9: what the display shows again
    QString m_answer; // Text3
    bool m_red = false;
    bool m_mistake = false; // the answer box was red since the card was drawn
    QString m_wrongAsked, m_wrongTyped; // the target and the answer box when it first turned red
    QString m_levelDigit = QStringLiteral(" 1");
    WordOrder m_order = WordOrder::Alphabetical;
    bool m_modeListVisible = false;
    int m_paintedBox = -1;
    bool m_dictation = false; // the setting
    bool m_dictating = false; // the setting, and a voice for the language
    QString m_voiceLanguage;
    SpeechRate m_rate = SpeechRate::Normal;
    bool m_speakSyllables = false;
};

} // namespace zek
