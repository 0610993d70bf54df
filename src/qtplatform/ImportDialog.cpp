#include "qtplatform/ImportDialog.h"

#include "widgets/Widgets.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zek::ui {
namespace {

// The new cards as a table of three columns; the view draws only the rows it
// shows, also when a list brings 32,767 cards.
class NewCards : public QAbstractTableModel {
public:
    NewCards(const QList<QStringList> &cards, QObject *parent) : QAbstractTableModel(parent), m_cards(cards) {}
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_cards.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        return m_cards[index.row()].value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        static const char *const names[3] = {"Grundwort", "Verwandtes Wort", "Phrase"};
        return QString::fromUtf8(names[section]);
    }

private:
    QList<QStringList> m_cards;
};

} // namespace

ImportDialog::ImportDialog(const ImportPreview &preview, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(preview.title);
    setModal(true);
    resize(720, 520);
    auto *layout = new QVBoxLayout(this);

    QLabel *counts = addLabel(this, "counts", {}, preview.counts);
    QFont bold = counts->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    counts->setFont(bold);
    layout->addWidget(counts);

    if (!preview.refused.isEmpty()) {
        layout->addWidget(addLabel(this, "refusedHead", {}, QStringLiteral("Abgelehnte Zeilen:")));
        auto *refused = new QListWidget(this);
        refused->setObjectName(QStringLiteral("refused"));
        refused->addItems(preview.refused);
        refused->setMaximumHeight(140);
        refused->setSelectionMode(QAbstractItemView::NoSelection);
        refused->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(refused);
    }
    layout->addWidget(addLabel(this, "newHead", {}, QStringLiteral("Neue Karten, in Fach 1:")));
    auto *cards = new QTableView(this);
    cards->setObjectName(QStringLiteral("newCards"));
    cards->setModel(new NewCards(preview.newCards, cards));
    cards->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cards->setSelectionMode(QAbstractItemView::NoSelection);
    cards->setFocusPolicy(Qt::NoFocus); // the keyboard stays on the buttons
    cards->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    cards->horizontalHeader()->setStretchLastSection(true);
    cards->setColumnWidth(0, 160);
    cards->setColumnWidth(1, 160);
    cards->verticalHeader()->setDefaultSectionSize(cards->fontMetrics().height() + 6);
    layout->addWidget(cards, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *import = buttons->addButton(QStringLiteral("Importieren"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    import->setObjectName(QStringLiteral("Importieren"));
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    import->setEnabled(!preview.newCards.isEmpty());
    (preview.newCards.isEmpty() ? cancel : import)->setDefault(true);
    for (QPushButton *b : {import, cancel})
        ignoreDoubleClicks(b);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace zek::ui
