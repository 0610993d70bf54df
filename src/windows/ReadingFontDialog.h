#pragma once

#include "widgets/FitText.h"
#include "widgets/ReadingFont.h"

#include "cards/Settings.h"

#include <QDialog>

class QButtonGroup;

namespace zek {
class SyllablePatterns;
}

namespace zek::ui {

class WordField;

// "Leseschrift": the reading aids to choose, font, letter spacing and size,
// the syllables (how they are shown) and the voice
// (its pace, whether dictation speaks in syllables), with a field that shows
// the word as the word field will show it, at its size, with its blanks, its
// breaks and its syllables. "OK" accepts the choice, "Abbrechen" and Esc
// leave everything as it was.
class ReadingFontDialog : public QDialog {
    Q_OBJECT
public:
    // patterns: the syllables of the card language (none: words stay whole)
    ReadingFontDialog(const ReadingAids &current, const QString &shown, Wrap wrap, const WordField &field,
                      const SyllablePatterns *patterns, QWidget *parent = nullptr);

    ReadingAids chosen() const { return m_chosen; }

private:
    QButtonGroup *addChoices(const char *name, const QString &title, const QStringList &names, int checked);
    void addTick(QButtonGroup *choices, const char *name, const QString &text, bool ReadingAids::*setting);
    void showPreview();

    ReadingAids m_chosen;
    QString m_shown;
    Wrap m_wrap;
    const SyllablePatterns *m_patterns;
    WordField *m_preview = nullptr;
};

} // namespace zek::ui
