#pragma once

#include "Languages.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace zek {

class Dialogs;

// The first three lines of a language file, each without its line end
// (CR LF, LF or CR). Fewer when the file ends before the third line.
QStringList readLanguageLines(QByteArrayView bytes);

// The set of every language when the language file is missing or short.
QString builtInCharacterSet();

// The current language and its character sets. The code starts as "F", so
// that the switch at start-up selects German.
class Language {
public:
    // Reads the three character sets; when the file is missing or has fewer
    // than three lines, says so and takes the built-in set for all three.
    void readLanguageFile(const QString &folder, Dialogs &dialogs);

    // The next language of the cycle D -> E -> F -> D, with its character
    // set. Any other code changes nothing and gives false.
    bool advance();

    const QString &code() const { return m_code; }
    const QStringList &characterSets() const { return m_sets; }
    const QString &currentCharacterSet() const { return m_current; }
    // "Z e i c h e n s a t z", a line break (CR) and the language name.
    QString caption() const;

private:
    QString m_code = QStringLiteral("F");
    QStringList m_sets;
    QString m_current;
};

} // namespace zek
