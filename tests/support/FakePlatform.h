#pragma once

#include "cards/Settings.h"
#include "platform/Platform.h"
#include "platform/Random.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <ostream>
#include <vector>

// Test failures show texts as texts.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace zek::test {

// Answers message and input boxes from a script and records every box.
// A box the script did not expect fails the test; with answersOk set, a box
// with only "OK" needs no script (the test then checks the titles shown).
class FakePlatform : public Platform {
public:
    ~FakePlatform() override;

    void expectMessage(Answer answer = Answer::Ok) { m_answers.push_back(answer); }
    // The caption of the button chosen in the next choice box.
    void expectChoice(const QString &caption) { m_choices.push_back(caption); }
    void expectInput(const QString &text) { m_inputs.push_back(text); } // empty: Cancel
    // What is typed into the next password box (empty: Cancel); its titles in turn.
    void expectPassword(const QString &text) { m_passwords.push_back(text); }
    QStringList passwordTitles;
    // The file dialogs' answers in turn (empty: cancelled); the import
    // previews' (true: "Importieren").
    void expectFile(const QString &path) { m_files.push_back(path); }
    void expectImport(bool import) { m_imports.push_back(import); }

    Answer messageBox(const Message &message) override;
    // Recorded as a message too (title, text, icon), so the titles keep their order.
    qsizetype choiceBox(const Choice &choice) override;
    QList<Choice> choices;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString passwordBox(const QString &prompt, const QString &title) override;
    int secondsSinceMidnight() const override { return seconds; }
    // A printer with round measures: every character 100 twips wide but the
    // dot (50), lines 400 twips high, a printable area of 10,000 by 15,000.
    PrinterMetrics printerMetrics(const QString &font, double points) override;
    // Records the job and answers with outcome.
    PrintOutcome print(const QList<PrintedPage> &pages, const QString &font, double points, const QString &what,
                       const QString &folder) override;
    PrinterMetrics metrics{100, 400, 10000, 15000,
                           [](const QString &t, double scale) { return scale * (100.0 * double(t.size()) - 50.0 * double(t.count(u'.'))); }};
    QList<QList<PrintedPage>> jobs;
    // A drawn page: kept, counted and answered with outcome.
    PrintOutcome printDrawing(const PageDrawing &draw, const QString &, const QString &) override
    {
        drawing = draw;
        ++drawings;
        return outcome;
    }
    PageDrawing drawing;
    int drawings = 0;
    // Drawn pages: kept, counted with drawings, answered with outcome.
    PrintOutcome printPages(const PagesDrawing &draw, bool landscape, const QString &, const QString &) override
    {
        pagesDrawing = draw;
        drawnAcross = landscape;
        ++drawings;
        return outcome;
    }
    PagesDrawing pagesDrawing;
    bool drawnAcross = false;
    QDateTime localTime() const override { return time; }
    QDateTime time{QDate(2026, 3, 2), QTime(8, 15)};
    // Voices for these language codes; what was spoken, "code:text".
    bool hasVoice(const QString &languageCode) override { return !languageCode.isEmpty() && voices.contains(languageCode); }
    void speak(const QString &text, const QString &languageCode) override { spoken << languageCode + u':' + text; }
    // a slower text is recorded with its rate: "D:Apfel (langsam)"
    void speakAtRate(const QString &text, const QString &languageCode, SpeechRate rate) override
    {
        spoken << languageCode + u':' + text
                + (rate == SpeechRate::Normal ? QString() : QStringLiteral(" (%1)").arg(speechRateNames()[int(rate)]));
    }
    bool speechStarting() override { return starting; }
    QString voices;
    bool starting = false; // the engine has not answered yet
    QStringList spoken;
    PrintOutcome outcome{PrintOutcome::Printed, {}, {}};

    QString openFileName(const FileDialog &dialog) override { return fileDialog(dialog); }
    QString saveFileName(const FileDialog &dialog) override { return fileDialog(dialog); }
    bool confirmImport(const ImportPreview &preview) override;
    QList<FileDialog> fileDialogs;
    QList<ImportPreview> previews;

    const std::vector<Message> &messages() const { return m_messages; }
    // What the window shows behind each box, as whileAsked tells it.
    std::function<QString()> whileAsked;
    QStringList behind;
    QStringList titles() const;
    // The default text of every input box, in turn.
    QStringList inputDefaults;
    bool answersOk = false;
    int seconds = 0;

private:
    QString fileDialog(const FileDialog &dialog);
    QList<Answer> m_answers;
    QStringList m_choices;
    QStringList m_files;
    QList<bool> m_imports;
    QStringList m_inputs;
    QStringList m_passwords;
    std::vector<Message> m_messages;
};

// The card texts of a printed page, in order: no heads, no lines to write on.
QStringList cardTexts(const PrintedPage &page);

// Gives the values of a script in turn, then starts over.
class FixedRandom : public Random {
public:
    explicit FixedRandom(QList<double> values = {0.0}) : m_values(std::move(values)) {}
    void setValues(QList<double> values)
    {
        m_values = std::move(values);
        m_next = 0;
    }
    double next() override
    {
        ++draws;
        const double v = m_values[m_next];
        m_next = (m_next + 1) % m_values.size();
        return v;
    }
    int draws = 0;

private:
    QList<double> m_values;
    qsizetype m_next = 0;
};

} // namespace zek::test
