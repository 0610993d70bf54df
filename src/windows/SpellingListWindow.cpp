#include "windows/SpellingListWindow.h"

#include "widgets/Twips.h"
#include "widgets/Widgets.h"

#include "editor/Editor.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

namespace zek::ui {

// The findings as four columns. The first suggestion is asked of the
// dictionary only for the rows the table shows: it is the slow part.
class FindingRows : public QAbstractTableModel {
public:
    explicit FindingRows(Editor &editor) : m_editor(editor) {}
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_editor.review().findings().size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        // a long text cut with "…" shows whole in the tool tip
        if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && index.column() < 3))
            return {};
        const SpellingFinding &finding = m_editor.review().findings()[index.row()];
        switch (index.column()) {
        case 0: return QString::number(finding.position + 1);
        case 1: return finding.baseWord;
        case 2: return finding.words.join(QStringLiteral(", "));
        default: return m_editor.review().firstSuggestion(index.row());
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const captions[4] = {"Karte", "Grundwort", "Unbekannte Wörter", "Vorschlag"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
            return QString::fromUtf8(captions[section]);
        return {};
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    Editor &m_editor;
};

SpellingListWindow::SpellingListWindow(Editor &editor, QWidget *parent) : QWidget(parent, Qt::Window), m_editor(editor)
{
    setObjectName(QStringLiteral("Rechtschreibung"));
    setWindowTitle(QStringLiteral("Rechtschreibung prüfen"));
    setFixedSize(twips(9000), twips(6300));
    setFont(QFont(QStringLiteral("Arial"), 9));

    addLabel(this, "Label12", twipsRect(240, 120, 8520, 300),
             QStringLiteral("Karten mit Wörtern, die das Wörterbuch nicht kennt (Doppelklick: Karte zeigen):"));
    m_rows = new FindingRows(m_editor);
    m_rows->setParent(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Liste6"));
    m_table->setGeometry(twipsRect(240, 480, 8520, 4500));
    m_table->setModel(m_rows);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // fixed sizes: the table asks only for the rows it shows
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int widths[3] = {700, 2200, 3200};
    for (int c = 0; c < 3; ++c)
        m_table->setColumnWidth(c, twips(widths[c]));
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { m_editor.review().showFinding(index.row()); });

    addLabel(this, "Label13", twipsRect(240, 5160, 900, 300), QStringLiteral("Wort:"));
    m_words = new QComboBox(this);
    m_words->setObjectName(QStringLiteral("Combo1"));
    m_words->setGeometry(twipsRect(1140, 5100, 2400, 400));
    auto *accept = new QPushButton(QStringLiteral("In die Wortliste aufnehmen"), this);
    accept->setObjectName(QStringLiteral("Befehl8"));
    accept->setToolTip(
        QStringLiteral("Das Wort gilt dann als richtig geschrieben (Datei ZEKWORTE.TXT im Ordner der Kartei)."));
    accept->setGeometry(twipsRect(3660, 5040, 3000, 495));
    ignoreDoubleClicks(accept);
    connect(accept, &QPushButton::clicked, this, [this] {
        if (chosenRow() >= 0 && !m_words->currentText().isEmpty())
            m_editor.review().acceptWord(chosenRow(), m_words->currentText());
    });
    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("Befehl9"));
    close->setGeometry(twipsRect(6900, 5040, 1860, 495));
    ignoreDoubleClicks(close);
    connect(close, &QPushButton::clicked, &m_editor.review(), &SpellingReview::close);

    m_ask = new QCheckBox(QStringLiteral("Vor dem Speichern einer Karte nach unbekannten Wörtern fragen"), this);
    m_ask->setObjectName(QStringLiteral("Check1"));
    m_ask->setGeometry(twipsRect(240, 5700, 8520, 360));
    connect(m_ask, &QCheckBox::toggled, &m_editor, [this] { m_editor.editPanel().toggleAskSpelling(); });

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SpellingListWindow::showWordsOfRow);
}

SpellingListWindow::~SpellingListWindow() = default;

qsizetype SpellingListWindow::chosenRow() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// The words of the row chosen, to pick the one to accept.
void SpellingListWindow::showWordsOfRow()
{
    m_words->clear();
    if (chosenRow() >= 0)
        m_words->addItems(m_editor.review().findings()[chosenRow()].words);
}

void SpellingListWindow::rowsChanged()
{
    const int row = int(chosenRow());
    m_rows->reset();
    if (m_rows->rowCount() > 0) // the row chosen stays chosen, or the one that took its place
        m_table->selectionModel()->setCurrentIndex(m_rows->index(std::clamp(row, 0, m_rows->rowCount() - 1), 0),
                                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    showWordsOfRow();
}

void SpellingListWindow::refresh()
{
    const QSignalBlocker quiet(m_ask);
    m_ask->setChecked(m_editor.editPanel().askSpelling());
    if (m_editor.review().shown() == isVisible())
        return;
    if (m_editor.review().shown()) {
        if (QWidget *editorWindow = parentWidget()) // over the editor, in its middle
            move(editorWindow->geometry().center() - rect().center());
        show();
        raise();
        activateWindow();
    } else {
        hide();
    }
}

void SpellingListWindow::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the editor hides it
    m_editor.review().close();
}

} // namespace zek::ui
