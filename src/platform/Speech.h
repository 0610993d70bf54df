#pragma once

#include <QString>

namespace zek {

// How fast a text is spoken: as the voice speaks, or slower for a child
// who writes along.
enum class SpeechRate { Normal, Slow, VerySlow };

// Reading aloud, where the system has it. Languages are named by their codes
// ("D", "E", "F"). Speaking starts at once and never waits for the engine,
// and a new text ends the one still spoken. A text the engine has not taken
// yet is not followed by another, and an engine that does not answer has no
// voice until it answers again.
class Speech {
public:
    virtual ~Speech() = default;

    // Whether a voice speaks the language now.
    virtual bool hasVoice(const QString &languageCode) = 0;
    // The engine is on its way and has not answered yet: no voice yet, but
    // none is missing either.
    virtual bool speechStarting() = 0;
    virtual void speak(const QString &text, const QString &languageCode) = 0;
    // The same at a rate of its own; the next text speaks at its own rate again.
    virtual void speakAtRate(const QString &text, const QString &languageCode, SpeechRate rate) = 0;
};

// The tool tip of a button that speaks ("Vorlesen", "Hördiktat"): its name
// while a voice speaks the language, else the name and why it is grey.
inline QString speechButtonTip(Speech &speech, const QString &button, const QString &languageCode)
{
    if (speech.hasVoice(languageCode))
        return button;
    return button
        + (speech.speechStarting() ? QStringLiteral(" (Sprachausgabe startet \u2026)")
                                   : QStringLiteral(" (keine Sprachausgabe gefunden)"));
}

} // namespace zek
