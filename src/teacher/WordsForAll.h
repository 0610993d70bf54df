#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

namespace zek {

class Platform;

// "Wörter für alle …": this week's words for every child of the class at
// once. The words come from a word list file, read exactly as "Wortliste
// importieren" reads one, or from the cards of the class's "Vorlage"; the
// preview says per child how many are new; "Allen geben" puts the new ones
// into box 1 of each child's card file of the language chosen, at their
// sorted places, child by child, and into the "Vorlage" too when that is
// ticked. A child whose box is open or cannot be written is left as it was
// and named; "Nochmals versuchen" tries those alone again.
class WordsForAll : public QObject {
    Q_OBJECT
public:
    WordsForAll(const QString &classFolder, Platform &platform);

    // The window comes: no words chosen yet, German, the template not ticked.
    void start();
    // "Wortliste …": a file chosen in the file dialog.
    void chooseFile();
    // "Karten der Vorlage": every card of the template in the language chosen.
    void chooseTemplate();
    // 0, 1, 2: German, English, French, as the language table lists them.
    void chooseLanguage(int index);
    // "Auch in die Vorlage für neue Kinder".
    void setIntoTemplate(bool into);
    // "Allen geben".
    void giveToAll();
    // "Nochmals versuchen": the children left out before, alone.
    void retry();
    // "Schließen" and the window's frame: back to the teacher's menu.
    void leave() { emit left(); }

    QString source() const { return m_source; } // what the words are, in a line
    int language() const { return m_language; }
    bool intoTemplate() const { return m_intoTemplate; }
    bool hasTemplate() const;
    // One line per child: "Anna: 8 neu, 0 schon vorhanden".
    const QStringList &preview() const { return m_preview; }
    // The lines of the list refused, with their reasons, once for all.
    const QStringList &refused() const { return m_refused; }
    // After "Allen geben": how many children got words; the children left
    // out, "Nicht geändert: Ben (an Computer „PC-07“ geöffnet)".
    const QString &done() const { return m_done; }
    const QStringList &notChanged() const { return m_notChangedLines; }
    bool canGive() const { return !m_words.isEmpty() && !m_preview.isEmpty(); }
    bool canRetry() const { return !m_notChanged.isEmpty(); }

signals:
    void changed();
    void left();

private:
    void judge();
    void give(const QStringList &children, bool intoTemplate);

    QString m_classFolder;
    Platform &m_platform;
    QByteArray m_words; // the word list's bytes
    QString m_source;
    int m_language = 0;
    bool m_intoTemplate = false;
    QStringList m_preview, m_refused;
    QString m_done;
    QStringList m_notChanged; // folder names; the template as its own name
    QStringList m_notChangedLines;
};

} // namespace zek
