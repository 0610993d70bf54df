#include "EditPanel.h"

#include "CardBrowser.h"

#include "wordlist/FieldText.h"

#include "cards/CardStore.h"
#include "cards/Settings.h"
#include "record/PracticeRecord.h"
#include "platform/Platform.h"

namespace zek {
namespace {

const QString inputError = QStringLiteral("Eingabefehler");

// The texts a card is made of: blanks at both ends never reach the file (the
// reader would drop those in front, and the child would have to type those
// behind).
std::array<QString, 3> trimmed(const std::array<QString, 3> &fields)
{
    return {fields[0].trimmed(), fields[1].trimmed(), fields[2].trimmed()};
}

} // namespace

EditPanel::EditPanel(CardBrowser &browser, CardStore &store, Platform &platform, Spelling &spelling)
    : m_browser(browser), m_store(store), m_platform(platform), m_spelling(spelling)
{
    connect(&m_browser, &CardBrowser::currentChanged, this, &EditPanel::showCurrentCard);
}

void EditPanel::activate()
{
    m_askSpelling = readSettings(m_store.folder()).askSpelling;
    m_activeField = 0;
}

// The fields show the current card, as it is in the file.
void EditPanel::showCurrentCard()
{
    m_cursors = {-1, -1, -1};
    m_selection = {};
    if (m_browser.currentRow() >= 0) {
        const CardEntry &card = m_browser.cardAt(m_browser.currentRow());
        m_fields = {card.baseWord, card.relatedWord, card.phrase};
    } else {
        m_fields = {};
    }
}

void EditPanel::rememberActiveField(int field)
{
    if (field >= 1 && field <= 3)
        m_activeField = field;
}

void EditPanel::insertCharacter(const QString &character)
{
    if (m_activeField == 0)
        return;
    setFieldText(m_activeField, this->field(m_activeField) + character);
    emit focusField(m_activeField);
}

void EditPanel::open()
{
    m_browser.setPanel(EditorPanel::None);
    m_browser.ensureAllCards(QStringLiteral("Zum Editieren müssen alle Einträge sichtbar sein!"));
    m_browser.setCurrent(m_browser.currentRow());
    m_browser.setPanel(EditorPanel::Edit);
    emit changed();
}

void EditPanel::close()
{
    m_browser.setPanel(EditorPanel::None);
    m_browser.setCurrent(0);
}

void EditPanel::setFieldText(int field, const QString &text, qsizetype cursor)
{
    if (field < 1 || field > 3)
        return;
    QString &shown = m_fields[field - 1];
    if (text == shown)
        return;
    QString refused;
    QString clean = fieldText(text, &refused);
    shown = text;
    if (clean.contains(u',')) {
        m_browser.message(inputError, QStringLiteral("Der Text darf kein Komma enthalten!\r\r"));
        clean.remove(u',');
    }
    // Return in the phrase field, or a text of several lines pasted
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(u'\u2028') || text.contains(u'\u2029'))
        m_browser.message(inputError,
                          QStringLiteral("Eine Karte hat keine Zeilenumbrüche!\r"
                                         "Der Zeilenumbruch wird zu einem Leerzeichen.\r\r"));
    if (!refused.isEmpty()) {
        QString sentence = refusedCharacters(refused);
        sentence[0] = sentence[0].toUpper();
        m_browser.message(inputError,
                          sentence
                              + (refused.toUcs4().size() > 1
                                     ? QStringLiteral("!\rSie werden aus dem Text entfernt.\r\r")
                                     : QStringLiteral("!\rEs wird aus dem Text entfernt.\r\r")));
    }
    shown = clean;
    m_selection = {};
    m_cursors[field - 1] = -1;
    if (cursor >= 0 && cursor < text.size())
        m_cursors[field - 1] = std::min(fieldText(text.left(cursor)).remove(u',').size(), clean.size());
    emit changed();
}

void EditPanel::clearField(int field) { setFieldText(field, QString()); }

void EditPanel::insertNewCard()
{
    // no field holds a comma: setFieldText takes each one out as it comes
    const std::array<QString, 3> text = trimmed(m_fields);
    // a related word or phrase of blanks is a text; a base word of blanks is none
    if (text[0].isEmpty() || m_fields[1].isEmpty() || m_fields[2].isEmpty()) {
        m_browser.message(inputError, QStringLiteral("Es müssen alle Felder ausgefüllt sein!\r\r"));
        return;
    }
    const CardList &cards = m_store.cards();
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (cards[i].baseWord == text[0]) {
            if (m_browser.filter() < 0 && i != m_browser.currentRow()) // the scroller moves: that card is shown
                m_browser.setCurrent(i);
            m_browser.message(inputError, QStringLiteral("Der Eintrag ist schon vorhanden!\r\r"));
            return;
        }
    }
    if (cards.size() >= maxCards) {
        m_browser.message(inputError,
                          QStringLiteral("Die Kartei ist voll: Sie fasst höchstens %1 Karten.\r"
                                         "Die neue Karte wird nicht eingefügt.\r\r")
                              .arg(germanNumber(maxCards)));
        return;
    }
    if (!spellingAgreed())
        return;
    qsizetype at = 0;
    while (at < cards.size() && compareBaseWords(cards[at].baseWord, text[0]) <= 0)
        ++at;
    m_store.insertCard(at, {QStringLiteral("1"), text[0], text[1], text[2]});
    QList<RecordLine> moves;
    m_browser.recordMove(moves, text[0], -1, 1);
    m_browser.commitChanges(moves);
}

void EditPanel::changeCurrentCard()
{
    if (m_browser.currentRow() < 0)
        return;
    const std::array<QString, 3> text = trimmed(m_fields);
    // a card keeps the shape it has: a related word or phrase it never had
    // (a word list's line with the word alone) may stay empty
    const qsizetype position = m_browser.positionOf(m_browser.currentRow());
    const CardEntry &card = m_store.cards()[position];
    if (text[0].isEmpty() || (m_fields[1].isEmpty() && !card.relatedWord.trimmed().isEmpty())
        || (m_fields[2].isEmpty() && !card.phrase.trimmed().isEmpty())) {
        m_browser.message(inputError,
                          QStringLiteral("Es sind Leerzeilen vorhanden!\rBitte die Einträge ergänzen ...\r"));
        return;
    }
    if (!spellingAgreed())
        return;
    m_store.setCard(position, {m_store.cards()[position].box, text[0], text[1], text[2]});
    m_browser.commitChanges();
}

void EditPanel::deleteCurrentCard()
{
    m_browser.ensureAllCards(QStringLiteral("Zum Löschen müssen alle Einträge sichtbar sein!"));
    if (m_browser.currentRow() < 0)
        return;
    const CardEntry card = m_browser.cardAt(m_browser.currentRow());
    emit changed();
    const Answer answer = m_platform.messageBox({QStringLiteral("Eintrag löschen?"),
                                                 QStringLiteral("Diesen Eintrag jetzt aus der Kartei löschen:\r\r\r")
                                                     + card.baseWord + u'\r' + card.relatedWord + u'\r' + card.phrase
                                                     + u'\r' + card.box + QStringLiteral("\r\r\r"),
                                                 Buttons::YesNo, Icon::Question, Answer::No});
    if (answer != Answer::Yes)
        return;
    QList<RecordLine> moves;
    m_browser.recordMove(moves, card.baseWord, boxNumber(card.box), -1);
    m_store.removeCard(m_browser.positionOf(m_browser.currentRow()));
    m_browser.commitChanges(moves);
}

// Before a card is saved, each word of its three fields that the dictionary
// does not know is asked about, once, in order. Each button says what it
// does: "„Fahrrad“ nehmen" puts the first suggestion in place of the word
// and saves nothing yet, "So speichern" takes the word as it is, "Zurück"
// (the default) goes back to the field with the word selected and saves
// nothing.
bool EditPanel::spellingAgreed()
{
    m_selection = {};
    if (!m_askSpelling)
        return true;
    QStringList asked;
    for (int field = 1; field <= 3; ++field) {
        const QString text = m_fields[field - 1];
        for (const WordSpan &span : m_spelling.unknownWords(text)) {
            const QString word = text.mid(span.start, span.length);
            if (asked.contains(word))
                continue;
            asked.append(word);
            Choice question;
            question.title = QStringLiteral("Rechtschreibung");
            question.text = QStringLiteral("„%1“ steht nicht im Wörterbuch.").arg(word);
            const QStringList suggestions = m_spelling.suggestions(word, 3);
            const QString taken = fieldText(suggestions.value(0)).remove(u',');
            if (!suggestions.isEmpty())
                question.text += QStringLiteral(" Meinten Sie: %1?").arg(suggestions.join(QStringLiteral(", ")));
            if (!taken.isEmpty())
                question.buttons << QStringLiteral("„%1“ nehmen").arg(taken);
            question.buttons << QStringLiteral("So speichern") << QStringLiteral("Zurück");
            question.defaultButton = question.buttons.size() - 1;
            emit changed();
            const qsizetype chosen = m_platform.choiceBox(question);
            if (question.buttons[chosen] == QStringLiteral("So speichern"))
                continue;
            if (chosen == 0 && !taken.isEmpty()) {
                m_fields[field - 1] = text.left(span.start) + taken + text.mid(span.start + span.length);
                m_cursors[field - 1] = -1;
                m_selection = {field, span.start, taken.size()};
            } else {
                m_selection = {field, span.start, span.length};
            }
            emit changed();
            emit focusField(field);
            return false;
        }
    }
    return true;
}

// Stored with the card box's other settings; a folder that takes no file
// keeps the choice for this session.
void EditPanel::toggleAskSpelling()
{
    Settings stored = readSettings(m_store.folder());
    stored.askSpelling = m_askSpelling = !m_askSpelling;
    writeSettings(m_store.folder(), stored);
    emit changed();
}

} // namespace zek
