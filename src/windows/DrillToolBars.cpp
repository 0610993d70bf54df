// The main window's two tool bars: the top one (leave, level, word order,
// language, the games) and the left one (the word's display, the card, the
// word show, the character list, editing, information, the user name).
#include "windows/DrillWindow.h"

#include "cards/Languages.h"
#include "drill/Drill.h"
#include "drill/TrainerSession.h"

#include <QToolButton>

namespace zek::ui {

// the top tool bar, then the left one
void DrillWindow::buildToolBars()
{
    addButton("Bild1", QStringLiteral("Beenden"), QStringLiteral("exit"), 120, 120, [this] { m_main.exit(); });
    addButton("Bild11", QStringLiteral("Schwierigkeitsgrad"), QStringLiteral("levels"), 950, 120,
              [this] { m_drill.explainLevels(); });
    m_alphabetical = addButton("Bild7", QStringLiteral("Wortauswahl"), QStringLiteral("order_abc"), 2160, 120,
                               [this] { m_drill.toggleWordOrder(); });
    m_random = addButton("bild9", QStringLiteral("Wortauswahl"), QStringLiteral("order_random"), 2160, 120,
                         [this] { m_drill.toggleWordOrder(); });
    m_language =
        addButton("Bild13", QStringLiteral("Sprachdatei"), QString::fromLatin1(languageRecord(LanguageId::German).flag),
                  3000, 120, [this] { m_main.switchLanguage(); });
    m_windowButtons[Window::WordPrison] = addButton("Bild4", QStringLiteral("Wortfange"), QStringLiteral("prison"),
                                                    3840, 120, [this] { m_main.openWindow(Window::WordPrison); });
    m_windowButtons[Window::Memory] = addButton("Bild18", QStringLiteral("Memospiel"), QStringLiteral("memory"), 4680,
                                                120, [this] { m_main.openWindow(Window::Memory); });
    m_windowButtons[Window::Hangman] = addButton("Bild12", QStringLiteral("Galgenspiel"), QStringLiteral("hangman"),
                                                 5520, 120, [this] { m_main.openWindow(Window::Hangman); });
    addButton("Bild8", QStringLiteral("Wortanzeige"), QStringLiteral("show_modes"), 120, 960,
              [this] { m_drill.toggleModeList(); });
    addButton("bild10", QStringLiteral("Karteikarte"), QStringLiteral("card"), 120, 1800,
              [this] { m_drill.showCard(); });
    m_windowButtons[Window::WordShow] = addButton("Bild5", QStringLiteral("Karteiliste"), QStringLiteral("card_show"),
                                                  120, 2640, [this] { m_main.openWindow(Window::WordShow); });
    addButton("Bild17", QStringLiteral("Zeichensatz"), QStringLiteral("charset"), 120, 3480,
              [this] { m_main.toggleWidth(); });
    m_windowButtons[Window::Editor] = addButton("Bild19", QStringLiteral("Bearbeiten"), QStringLiteral("edit"), 120,
                                                4320, [this] { m_main.editorPrompt(); });
    m_windowButtons[Window::Info] = addButton("Bild6", QStringLiteral("Info"), QStringLiteral("info"), 120, 5160,
                                              [this] { m_main.openWindow(Window::Info); });
    addButton("Picture1", QStringLiteral("Benutzer"), QStringLiteral("user"), 120, 6000,
              [this] { m_main.changeUserName(); });
}

} // namespace zek::ui
