#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace zek::test {

FakePlatform::~FakePlatform()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " expected message box(es) never shown";
    EXPECT_TRUE(m_choices.empty()) << m_choices.size() << " expected choice box(es) never shown";
    EXPECT_TRUE(m_inputs.empty()) << m_inputs.size() << " expected input box(es) never shown";
    EXPECT_TRUE(m_passwords.empty()) << m_passwords.size() << " expected password box(es) never shown";
    EXPECT_TRUE(m_files.empty()) << m_files.size() << " expected file dialog(s) never shown";
    EXPECT_TRUE(m_imports.empty()) << m_imports.size() << " expected import preview(s) never shown";
}

Answer FakePlatform::messageBox(const Message &message)
{
    m_messages.push_back(message);
    behind << (whileAsked ? whileAsked() : QString());
    if (answersOk && message.buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << message.title.toStdString() << ": " << message.text.toStdString();
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    return m_answers.takeFirst();
}

qsizetype FakePlatform::choiceBox(const Choice &choice)
{
    choices << choice;
    m_messages.push_back({choice.title, choice.text, Buttons::Ok, choice.icon, Answer::Ok});
    behind << (whileAsked ? whileAsked() : QString());
    if (m_choices.empty()) {
        ADD_FAILURE() << "unexpected choice box: " << choice.title.toStdString() << ": " << choice.text.toStdString();
        return choice.defaultButton;
    }
    const qsizetype chosen = choice.buttons.indexOf(m_choices.takeFirst());
    if (chosen < 0) {
        ADD_FAILURE() << "no such button in: " << choice.buttons.join(u'|').toStdString();
        return choice.defaultButton;
    }
    return chosen;
}

QString FakePlatform::inputBox(const QString &, const QString &title, const QString &defaultText)
{
    inputDefaults << defaultText;
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: " << title.toStdString();
        return {};
    }
    return m_inputs.takeFirst();
}

QString FakePlatform::passwordBox(const QString &, const QString &title)
{
    passwordTitles << title;
    if (m_passwords.empty()) {
        ADD_FAILURE() << "unexpected password box: " << title.toStdString();
        return {};
    }
    return m_passwords.takeFirst();
}

QString FakePlatform::fileDialog(const FileDialog &dialog)
{
    fileDialogs << dialog;
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << dialog.title.toStdString();
        return {};
    }
    return m_files.takeFirst();
}

bool FakePlatform::confirmImport(const ImportPreview &preview)
{
    previews << preview;
    if (m_imports.empty()) {
        ADD_FAILURE() << "unexpected import preview: " << preview.counts.toStdString();
        return false;
    }
    return m_imports.takeFirst();
}

PrinterMetrics FakePlatform::printerMetrics(const QString &, double) { return metrics; }

PrintOutcome FakePlatform::print(const QList<PrintedPage> &pages, const QString &, double, const QString &, const QString &)
{
    jobs.append(pages);
    return outcome;
}

QStringList FakePlatform::titles() const
{
    QStringList out;
    for (const Message &m : m_messages)
        out << m.title;
    return out;
}

QStringList cardTexts(const PrintedPage &page)
{
    static const QStringList heads = {"W o r t", "Abschreiben", "Auswendig schreiben", "Lernwort", "Wortfamilie", "Wortbeispiel"};
    QStringList out;
    for (const PrintedText &t : page)
        if (!heads.contains(t.text) && !t.text.startsWith(u'_') && !t.text.startsWith(u'.'))
            out << t.text;
    return out;
}

} // namespace zek::test
