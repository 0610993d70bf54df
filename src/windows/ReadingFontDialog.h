#pragma once

#include "widgets/FitText.h"
#include "widgets/ReadingFont.h"

#include "cards/Settings.h"

#include <QDialog>

class QButtonGroup;

namespace zek::ui {

class WordField;

// "Leseschrift": the reading aids to choose, font, letter spacing and size,
// with a field that shows the word as the word field will show it, at its
// size, with its blanks and its breaks. "OK" accepts the choice,
// "Abbrechen" and Esc leave everything as it was.
class ReadingFontDialog : public QDialog {
    Q_OBJECT
public:
    ReadingFontDialog(const ReadingAids &current, const QString &shown, Wrap wrap, const WordField &field,
                      QWidget *parent = nullptr);

    ReadingAids chosen() const { return m_chosen; }

private:
    QButtonGroup *addChoices(const char *name, const QString &title, const QStringList &names, int checked);
    void showPreview();

    ReadingAids m_chosen;
    QString m_shown;
    Wrap m_wrap;
    WordField *m_preview = nullptr;
};

} // namespace zek::ui
