#pragma once

#include "platform/Platform.h"
#include "platform/Random.h"

#include <QList>
#include <QString>

#include <deque>
#include <vector>

namespace zek::test {

// Answers message and input boxes from a script and records every box.
// A box the script did not expect fails the test.
class FakePlatform : public Platform {
public:
    struct InputCall {
        QString prompt, title, defaultText;
    };

    ~FakePlatform() override;

    // The next message box is answered with answer.
    void expectMessage(Answer answer = Answer::Ok) { m_answers.push_back(answer); }
    // The next input box is answered with text (empty: Cancel).
    void expectInput(const QString &text) { m_inputs.push_back(text); }

    Answer messageBox(const Message &message) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    int secondsSinceMidnight() const override { return seconds; }

    // Boxes shown so far; takeMessages() empties the record.
    const std::vector<Message> &messages() const { return m_messages; }
    std::vector<Message> takeMessages();
    const std::vector<InputCall> &inputs() const { return m_inputCalls; }
    bool scriptDone() const { return m_answers.empty() && m_inputs.empty(); }

    int seconds = 0;

private:
    std::deque<Answer> m_answers;
    std::deque<QString> m_inputs;
    std::vector<Message> m_messages;
    std::vector<InputCall> m_inputCalls;
};

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
