#pragma once

#include "cards/Settings.h"

#include <QDialog>

class QButtonGroup;
class QLabel;

namespace zek::ui {

// "Leseschrift": the reading aids to choose, font, letter spacing and size,
// with a line that shows the word as it will look. "OK" accepts the choice,
// "Abbrechen" and Esc leave everything as it was.
class Leseschrift : public QDialog {
    Q_OBJECT
public:
    Leseschrift(const ReadingAids &current, const QString &word, QWidget *parent = nullptr);

    ReadingAids chosen() const { return m_chosen; }

private:
    QButtonGroup *addChoices(const char *name, const QString &title, const QStringList &names, int checked);
    void showPreview();

    ReadingAids m_chosen;
    QString m_word;
    QLabel *m_preview = nullptr;
};

} // namespace zek::ui
