#include "Editor.h"

#include "wordlist/WordList.h"

#include "cards/CardStore.h"
#include "cards/AtomicFile.h"
#include "cards/ExtraFile.h"
#include "cards/Folder.h"
#include "cards/Language.h"
#include "cards/Settings.h"
#include "record/PracticeRecord.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

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

Editor::Editor(CardStore &store, Platform &platform, const Language &language)
    : m_store(store), m_platform(platform), m_language(language), m_spelling(store.folder())
{
    connect(&m_spelling, &Spelling::ready, this, &Editor::changed); // the underline can start
}

QString Editor::caption() const { return QStringLiteral("ZEK-Rechtschreibkartei:  ") + m_userName; }

qsizetype Editor::rowCount() const { return m_filter < 0 ? m_store.cards().size() : m_rows.size(); }

const CardEntry &Editor::cardAt(qsizetype row) const { return m_store.cards()[positionOf(row)]; }

QString Editor::positionText() const
{
    return m_current < 0 ? QString() : QLatin1Char(' ') + QString::number(m_current + 1) + QStringLiteral(" von");
}

void Editor::message(const QString &title, const QString &text)
{
    emit changed(); // the window shows what comes before the box
    m_platform.messageBox({title, text});
}

void Editor::activateEditor(const QString &userName)
{
    m_userName = userName;
    m_spelling.readOwnWordList(); // the teacher may have changed it meanwhile
    m_askSpelling = readSettings(m_store.folder()).askSpelling;
    m_panel = EditorPanel::None;
    m_activeField = 0;
    m_filter = -1;
    switchEditorLanguage(languageRecord(LanguageId::German).codeText());
    showAllCards();
}

void Editor::switchEditorLanguage(const QString &code)
{
    const LanguageRecord *language = findLanguage(code);
    if (!language)
        return;
    m_code = code;
    m_file = language->cardFileName();
    m_spelling.setLanguage(code);
    m_spellingListShown = false; // its cards are another file's
    m_findings.clear();
    emit findingsChanged();
    m_characters = m_language.characterSets().value(language->characterSetLine);
    readCards(true); // the filter shown applies to the new file's cards
    setCurrent(0);
}

// The card file shown, read anew, and the cards of the filter picked out.
void Editor::readCards(bool blockError)
{
    QString unreadable; // said once the window shows the list as it is now
    m_store.loadCardList(m_file, blockError, &unreadable);
    m_rows.clear();
    if (m_filter >= 0) {
        const CardList &cards = m_store.cards();
        for (qsizetype i = 0; i < cards.size(); ++i)
            if (boxValue(cards[i].box) == double(m_filter))
                m_rows.append(i);
    }
    m_current = std::min(m_current, rowCount() - 1); // never a row that is gone
    emit rowsChanged();
    if (!unreadable.isEmpty())
        message(QStringLiteral("Dateifehler"), unreadable);
}

// The one current card: the scroller's value, the position label and the
// three fields always agree. With no card in view there is none.
void Editor::setCurrent(qsizetype row)
{
    const qsizetype count = rowCount();
    m_current = count == 0 ? -1 : std::clamp<qsizetype>(row, 0, count - 1);
    m_cursors = {-1, -1, -1};
    m_selection = {};
    if (m_current >= 0) {
        const CardEntry &card = cardAt(m_current);
        m_fields = {card.baseWord, card.relatedWord, card.phrase};
    } else {
        m_fields = {};
    }
    emit changed();
}

void Editor::showAllCards()
{
    m_filter = -1;
    readCards(false);
    if (m_panel != EditorPanel::Edit) {
        setCurrent(0);
        return;
    }
    // The edit panel shows all cards already: what the teacher typed stays
    // in the fields, over the card it was typed on.
    m_current = rowCount() == 0 ? -1 : std::max<qsizetype>(m_current, 0);
    emit changed();
}

void Editor::showBox(int code)
{
    if (m_panel == EditorPanel::Edit || m_panel == EditorPanel::Rebox || code < 0 || code > 6)
        return;
    m_filter = code;
    readCards(false);
    setCurrent(0);
}

void Editor::showCurrentCard(qsizetype row)
{
    if (rowCount() > 0)
        setCurrent(row);
}

void Editor::rememberActiveField(int field)
{
    if (field >= 1 && field <= 3)
        m_activeField = field;
}

void Editor::insertCharacter(const QString &character)
{
    if (m_activeField == 0)
        return;
    setFieldText(m_activeField, field(m_activeField) + character);
    emit focusField(m_activeField);
}

void Editor::leaveEditor()
{
    m_store.loadCardList(m_file); // the whole file, whatever filter was shown
    m_panel = EditorPanel::None;
    m_spellingListShown = false;
    emit changed();
    emit left();
}

void Editor::setFieldText(int field, const QString &text, qsizetype cursor)
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
        message(inputError, QStringLiteral("Der Text darf kein Komma enthalten!\r\r"));
        clean.remove(u',');
    }
    // Return in the phrase field, or a text of several lines pasted
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(u'\u2028') || text.contains(u'\u2029'))
        message(inputError,
                QStringLiteral("Eine Karte hat keine Zeilenumbrüche!\r"
                               "Der Zeilenumbruch wird zu einem Leerzeichen.\r\r"));
    if (!refused.isEmpty()) {
        QString sentence = refusedCharacters(refused);
        sentence[0] = sentence[0].toUpper();
        message(inputError,
                sentence
                    + (refused.toUcs4().size() > 1 ? QStringLiteral("!\rSie werden aus dem Text entfernt.\r\r")
                                                   : QStringLiteral("!\rEs wird aus dem Text entfernt.\r\r")));
    }
    shown = clean;
    m_selection = {};
    m_cursors[field - 1] = -1;
    if (cursor >= 0 && cursor < text.size())
        m_cursors[field - 1] = std::min(fieldText(text.left(cursor)).remove(u',').size(), clean.size());
    emit changed();
}

void Editor::clearField(int field) { setFieldText(field, QString()); }

bool Editor::ensureAllCards(const QString &text, const QString &title)
{
    if (m_filter < 0)
        return true;
    message(title, text + QStringLiteral("\rDie Anzeige wird jetzt automatisch umgestellt ...\r\r"));
    showAllCards();
    return false;
}

// A card whose box the teacher changed, as a line of the practice record
// (-1: not in the file before or after); none where the box stays.
void Editor::recordMove(QList<RecordLine> &moves, const QString &baseWord, int before, int after) const
{
    if (before == after)
        return;
    if (!moves.isEmpty()) { // one change, one time
        RecordLine line = moves.constFirst();
        line.baseWord = baseWord;
        line.boxBefore = before;
        line.boxAfter = after;
        moves.append(line);
        return;
    }
    const QDateTime now = m_platform.localTime();
    moves.append({now.date(), now.time().msecsSinceStartOfDay() / 1000, m_code.isEmpty() ? QChar() : m_code[0],
                  baseWord, before, after, false, true});
}

// Saves the list and reads it back; the first card is then the current one.
// A save that fails goes back to the list the file holds before it says so,
// so the columns never show a change that is not saved; the scroller and the
// fields stay, so nothing typed is lost.
bool Editor::commitChanges(const QList<RecordLine> &moves)
{
    if (!m_store.saveCardList(m_file, CardStore::OnFailure::RevertThenTell)) {
        emit rowsChanged();
        emit changed();
        return false;
    }
    // the practice record keeps the change, so the days before it stay true;
    // the cards are saved whether or not it can be written
    appendToRecord(m_store.folder(), moves);
    readCards(true);
    setCurrent(0);
    if (m_spellingListShown) // the positions of the list follow the cards
        findUnknownWords();
    return true;
}

void Editor::openEditPanel()
{
    m_panel = EditorPanel::None;
    ensureAllCards(QStringLiteral("Zum Editieren müssen alle Einträge sichtbar sein!"));
    setCurrent(m_current);
    m_panel = EditorPanel::Edit;
    emit changed();
}

void Editor::closeEditPanel()
{
    m_panel = EditorPanel::None;
    setCurrent(0);
}

void Editor::insertNewCard()
{
    // no field holds a comma: setFieldText takes each one out as it comes
    const std::array<QString, 3> text = trimmed(m_fields);
    // a related word or phrase of blanks is a text; a base word of blanks is none
    if (text[0].isEmpty() || m_fields[1].isEmpty() || m_fields[2].isEmpty()) {
        message(inputError, QStringLiteral("Es müssen alle Felder ausgefüllt sein!\r\r"));
        return;
    }
    const CardList &cards = m_store.cards();
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (cards[i].baseWord == text[0]) {
            if (m_filter < 0 && i != m_current) // the scroller moves: that card is shown
                setCurrent(i);
            message(inputError, QStringLiteral("Der Eintrag ist schon vorhanden!\r\r"));
            return;
        }
    }
    if (cards.size() >= maxCards) {
        message(inputError,
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
    recordMove(moves, text[0], -1, 1);
    commitChanges(moves);
}

void Editor::changeCurrentCard()
{
    if (m_current < 0)
        return;
    const std::array<QString, 3> text = trimmed(m_fields);
    // a card keeps the shape it has: a related word or phrase it never had
    // (a word list's line with the word alone) may stay empty
    const qsizetype position = positionOf(m_current);
    const CardEntry &card = m_store.cards()[position];
    if (text[0].isEmpty() || (m_fields[1].isEmpty() && !card.relatedWord.trimmed().isEmpty())
        || (m_fields[2].isEmpty() && !card.phrase.trimmed().isEmpty())) {
        message(inputError, QStringLiteral("Es sind Leerzeilen vorhanden!\rBitte die Einträge ergänzen ...\r"));
        return;
    }
    if (!spellingAgreed())
        return;
    m_store.setCard(position, {m_store.cards()[position].box, text[0], text[1], text[2]});
    commitChanges();
}

void Editor::deleteCurrentCard()
{
    ensureAllCards(QStringLiteral("Zum Löschen müssen alle Einträge sichtbar sein!"));
    if (m_current < 0)
        return;
    const CardEntry card = cardAt(m_current);
    emit changed();
    const Answer answer = m_platform.messageBox({QStringLiteral("Eintrag löschen?"),
                                                 QStringLiteral("Diesen Eintrag jetzt aus der Kartei löschen:\r\r\r")
                                                     + card.baseWord + u'\r' + card.relatedWord + u'\r' + card.phrase
                                                     + u'\r' + card.box + QStringLiteral("\r\r\r"),
                                                 Buttons::YesNo, Icon::Question, Answer::No});
    if (answer != Answer::Yes)
        return;
    QList<RecordLine> moves;
    recordMove(moves, card.baseWord, boxNumber(card.box), -1);
    m_store.removeCard(positionOf(m_current));
    commitChanges(moves);
}

void Editor::openReboxPanel()
{
    m_panel = EditorPanel::None;
    ensureAllCards(QStringLiteral("Zum Editieren müssen alle Einträge sichtbar sein!"));
    // a box text that is no number from 0 to 6 is shown as stored; the new box starts at 0
    const double value = m_current < 0 ? 0.0 : boxValue(cardAt(m_current).box);
    m_newBox = (value >= 0 && value <= 6 && value == std::floor(value)) ? int(value) : 0;
    m_panel = EditorPanel::Rebox;
    emit changed();
}

void Editor::showNewBox(int box)
{
    m_newBox = std::clamp(box, 0, 6);
    emit changed();
}

void Editor::reboxCard()
{
    if (m_current < 0)
        return;
    QList<RecordLine> moves;
    recordMove(moves, cardAt(m_current).baseWord, boxNumber(cardAt(m_current).box), m_newBox);
    m_store.setBox(positionOf(m_current), QString::number(m_newBox));
    if (commitChanges(moves))
        closeReboxPanel();
}

void Editor::reboxBox()
{
    if (m_current < 0)
        return;
    const QString box = cardAt(m_current).box;
    const CardList &cards = m_store.cards();
    QList<RecordLine> moves;
    for (qsizetype i = 0; i < cards.size(); ++i)
        if (cards[i].box == box) {
            recordMove(moves, cards[i].baseWord, boxNumber(box), m_newBox);
            m_store.setBox(i, QString::number(m_newBox));
        }
    if (commitChanges(moves))
        closeReboxPanel();
}

void Editor::reboxAll()
{
    if (m_current < 0)
        return;
    QList<RecordLine> moves;
    moves.reserve(m_store.cards().size());
    for (qsizetype i = 0; i < m_store.cards().size(); ++i) {
        recordMove(moves, m_store.cards()[i].baseWord, boxNumber(m_store.cards()[i].box), m_newBox);
        m_store.setBox(i, QString::number(m_newBox));
    }
    if (commitChanges(moves))
        closeReboxPanel();
}

void Editor::closeReboxPanel()
{
    m_panel = EditorPanel::None;
    setCurrent(0);
}

void Editor::openPrintPanel()
{
    m_panel = EditorPanel::Print;
    emit changed();
}

void Editor::closePrintPanel()
{
    m_panel = EditorPanel::None;
    setCurrent(0);
}

void Editor::chooseSheetKind(SheetKind kind)
{
    m_sheetKind = kind;
    emit changed();
}

namespace {

// The words each sheet kind is named with in the questions and messages.
struct SheetWords {
    const char *all, *printing, *page;
};

SheetWords wordsOf(SheetKind kind)
{
    switch (kind) {
    case SheetKind::WordList:
        return {" Lernwörter ausdrucken?", "Lernwörter werden gedruckt.", "Seite mit Lernwörtern ab Zeile "};
    case SheetKind::FamilySheet:
        return {" Wortfamilien ausdrucken?", "Wortfamilien werden gedruckt.", "Seite mit Wortfamilien ab Zeile "};
    case SheetKind::CardSheet: break;
    }
    return {" Karteikarten ausdrucken?", "Karteikarten werden gedruckt.", "Seite mit Karteikarten ab Zeile "};
}

} // namespace

// The cards in view, as the editor shows them: the whole list or the rows of
// the box filter, in their order.
void Editor::printInView()
{
    CardList cards;
    cards.reserve(rowCount());
    for (qsizetype row = 0; row < rowCount(); ++row)
        cards.append(cardAt(row));
    printCards(cards, false);
}

void Editor::printPageFromCurrent()
{
    CardList cards;
    const qsizetype end = m_current < 0 ? 0 : std::min(rowCount(), m_current + pageCapacity(m_sheetKind));
    for (qsizetype row = std::max<qsizetype>(m_current, 0); row < end; ++row)
        cards.append(cardAt(row));
    printCards(cards, true);
}

void Editor::printCards(const CardList &cards, bool onePage)
{
    const QString title = QStringLiteral("Drucken ...");
    if (cards.isEmpty()) {
        message(title, QStringLiteral("Es ist keine Karte zu drucken: Die Anzeige ist leer.\r"));
        return;
    }
    const SheetWords words = wordsOf(m_sheetKind);
    QList<PrintedPage> pages = layOutSheets(m_sheetKind, cards, m_platform.printerMetrics(sheetFont, sheetFontPoints));
    emit changed();
    Answer answer;
    if (onePage) {
        // the cards of one page, on as many sheets as they need: a long text
        // goes on over the next, and the question says how many
        const bool more = pages.size() > 1;
        answer = m_platform.messageBox(
            {more ? QStringLiteral("%1 Druckseiten").arg(pages.size()) : QStringLiteral("1 Druckseite"),
             QString::fromUtf8(words.page) + QLatin1Char(' ') + QString::number(m_current + 1)
                 + QStringLiteral(" ausdrucken?\r")
                 + (more ? QStringLiteral("Ihre Karten sind so lang, dass sie %1 Druckseiten brauchen.\r")
                               .arg(pages.size())
                         : QString())
                 + u'\r',
             Buttons::YesNo, Icon::Question, Answer::No});
    } else {
        answer =
            m_platform.messageBox({QLatin1Char(' ') + QString::number(pages.size()) + QStringLiteral(" Druckseiten"),
                                   QStringLiteral("Alle") + QString::fromUtf8(words.all) + QStringLiteral("\r\r"),
                                   Buttons::YesNo, Icon::Question, Answer::No});
    }
    if (answer != Answer::Yes)
        return;
    const PrintOutcome outcome =
        m_platform.print(pages, sheetFont, sheetFontPoints, sheetJobName(m_sheetKind), m_store.folder());
    switch (outcome.kind) {
    case PrintOutcome::Printed: message(title, QString::fromUtf8(words.printing) + u'\r'); break;
    case PrintOutcome::SavedAsPdf:
        message(
            title,
            QStringLiteral("Es wurde nichts gedruckt: %1.\rDie Seiten stehen in der Datei\r%2\rim Ordner der Kartei.\r")
                .arg(outcome.reason, outcome.pdfName));
        break;
    case PrintOutcome::Failed:
        message(title, QStringLiteral("Es wurde nichts gedruckt und nichts gespeichert: %1.\r").arg(outcome.reason));
        break;
    }
}

namespace {

const QString wordListFilter = QStringLiteral("Wortlisten (*.csv *.txt)");

} // namespace

// The list is read and judged before anything is written; the teacher sees
// what will happen and says yes or no. A list that is no list is named and
// left alone.
void Editor::importWordList()
{
    const QString title = QStringLiteral("Wortliste importieren");
    ensureAllCards(QStringLiteral("Zum Importieren müssen alle Einträge sichtbar sein!"),
                   QStringLiteral("Wortliste importieren: alle Einträge anzeigen"));
    emit changed();
    const QString path = m_platform.openFileName({title, m_store.folder(), wordListFilter});
    if (path.isEmpty())
        return;
    const QString unchanged = QStringLiteral("Die Kartei bleibt, wie sie war.\r");
    // one byte more than a list may have is enough to refuse a bigger file
    const std::optional<QByteArray> read = readRegularFile(path, maxWordListBytes + 1);
    const QByteArray bytes = read.value_or(QByteArray());
    if (!read) {
        message(title,
                QStringLiteral("Die Datei '%1' kann nicht gelesen werden.\r").arg(QFileInfo(path).fileName())
                    + unchanged);
        return;
    }
    const WordListImport list = readWordList(bytes, m_store.cards());
    if (!list.error.isEmpty()) {
        message(title, list.error + unchanged);
        return;
    }
    const CardList added = list.newCards();
    ImportPreview preview{title, list.countsText(), list.refusedTexts(), {}};
    preview.newCards.reserve(added.size());
    for (const CardEntry &card : added)
        preview.newCards << QStringList{card.baseWord, card.relatedWord, card.phrase};
    emit changed();
    if (!m_platform.confirmImport(preview) || added.isEmpty())
        return;
    QList<RecordLine> moves;
    moves.reserve(added.size());
    for (const CardEntry &card : added)
        recordMove(moves, card.baseWord, -1, boxNumber(card.box));
    m_store.setCards(insertSorted(m_store.cards(), added));
    commitChanges(moves);
}

void Editor::exportWordList()
{
    const QString title = QStringLiteral("Wortliste exportieren");
    if (rowCount() == 0) {
        message(title, QStringLiteral("Es ist keine Karte zu exportieren: Die Anzeige ist leer.\r"));
        return;
    }
    CardList cards;
    cards.reserve(rowCount());
    for (qsizetype row = 0; row < rowCount(); ++row)
        cards.append(cardAt(row));
    emit changed();
    const QString path = m_platform.saveFileName(
        {title, QDir(m_store.folder()).filePath(QFileInfo(m_file).completeBaseName() + QStringLiteral(".csv")),
         wordListFilter});
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const QString name = chosen.fileName();
    const bool inCardFolder = chosen.absoluteDir() == QDir(m_store.folder());
    for (const QString &boxFile : cardBoxFiles()) {
        // the card box's files are found in any case of their names
        if ((inCardFolder && name.compare(boxFile, Qt::CaseInsensitive) == 0)
            || chosen == QFileInfo(filePath(m_store.folder(), boxFile))) {
            message(title,
                    QStringLiteral("Die Datei '%1' gehört zur Kartei und wird nicht überschrieben.\r"
                                   "Bitte einen anderen Namen wählen.\r")
                        .arg(name));
            return;
        }
    }
    const QByteArray bytes = writeWordList(cards);
    if (!writeFileAtomically(path, bytes)) {
        message(QStringLiteral("Speicherfehler"),
                QStringLiteral("Die Wortliste wurde nicht gespeichert!\r"
                               "Die Datei '%1' konnte nicht geschrieben werden\r"
                               "(Ordner schreibgeschützt, Datenträger voll oder Datei gesperrt).\r")
                    .arg(name));
    }
}

} // namespace zek

namespace zek {

QString Editor::spellingToolTip() const
{
    const QString reason = m_spelling.offReason();
    return QStringLiteral("Rechtschreibung prüfen")
        + (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason));
}

// Before a card is saved, each word of its three fields that the dictionary
// does not know is asked about, once, in order. Each button says what it
// does: "„Fahrrad“ nehmen" puts the first suggestion in place of the word
// and saves nothing yet, "So speichern" takes the word as it is, "Zurück"
// (the default) goes back to the field with the word selected and saves
// nothing.
bool Editor::spellingAgreed()
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
void Editor::toggleAskSpelling()
{
    Settings stored = readSettings(m_store.folder());
    stored.askSpelling = m_askSpelling = !m_askSpelling;
    writeSettings(m_store.folder(), stored);
    emit changed();
}

void Editor::findUnknownWords()
{
    m_findings = checkCards(m_spelling, m_store.cards());
    emit findingsChanged();
}

void Editor::checkSpelling()
{
    if (!m_spelling.isOn())
        return;
    findUnknownWords();
    m_spellingListShown = true;
    emit changed();
}

QString Editor::firstSuggestion(qsizetype row) const
{
    if (row < 0 || row >= m_findings.size())
        return {};
    const QString &word = m_findings[row].words.front();
    auto found = m_firstSuggestions.constFind(word);
    if (found == m_firstSuggestions.cend())
        found = m_firstSuggestions.insert(word, m_spelling.suggestions(word, 1).value(0));
    return *found;
}

void Editor::showFinding(qsizetype row)
{
    if (row < 0 || row >= m_findings.size() || m_findings[row].position >= m_store.cards().size())
        return;
    const qsizetype position = m_findings[row].position;
    if (m_filter >= 0 && !m_rows.contains(position))
        showAllCards(); // the card is not in the box shown
    setCurrent(m_filter < 0 ? position : m_rows.indexOf(position));
}

void Editor::acceptWord(qsizetype row, const QString &word)
{
    if (row < 0 || row >= m_findings.size() || !m_findings[row].words.contains(word))
        return;
    QString error;
    if (!m_spelling.addOwnWord(word, &error)) {
        message(QStringLiteral("Speicherfehler"), error);
        return;
    }
    // the check knows it now (in every spelling Hunspell allows for it): it
    // goes from every row, and a row without words goes
    m_firstSuggestions.clear();
    for (qsizetype i = m_findings.size() - 1; i >= 0; --i) {
        m_findings[i].words.removeIf([this](const QString &w) { return m_spelling.isKnown(w); });
        if (m_findings[i].words.isEmpty())
            m_findings.remove(i);
    }
    emit findingsChanged();
    emit changed();
}

void Editor::closeSpellingList()
{
    m_spellingListShown = false;
    emit changed();
}

} // namespace zek
