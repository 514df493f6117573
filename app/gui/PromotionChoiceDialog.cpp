#include "PromotionChoiceDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

namespace Korvel::Gui {

namespace {

using Mode = Promotion::IPromotionChoice::Mode;

QAbstractItemView::SelectionMode selectionFor(Mode mode) {
    switch (mode) {
    case Mode::Several: return QAbstractItemView::ExtendedSelection;
    case Mode::One: return QAbstractItemView::SingleSelection;
    case Mode::Whole: return QAbstractItemView::NoSelection;
    }
    return QAbstractItemView::NoSelection;
}

}  // namespace

PromotionChoiceDialog::PromotionChoiceDialog(Promotion::IPromotionChoice& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(QString::fromStdString(model_.caption()));
    setObjectName(Promotion::IPromotionChoice::formClass);
    resize(720, 420);
    table_ = new QTableWidget(this);
    table_->setObjectName("grdPromocje");
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(selectionFor(model_.mode()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    fillTable();

    auto* buttons = new QDialogButtonBox(this);
    btnWyslij_ = buttons->addButton(QString::fromUtf8("&Wyślij"), QDialogButtonBox::AcceptRole);
    btnWyslij_->setObjectName("btnWyslij");
    btnWyslij_->setDefault(true);
    buttons->addButton("A&nuluj", QDialogButtonBox::RejectRole)->setObjectName("btnAnuluj");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        model_.accept();
        if (model_.accepted()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PromotionChoiceDialog::selectionChanged);
    // A double click on a line chooses it and sends at once.
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (btnWyslij_->isEnabled()) btnWyslij_->click();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    selectionChanged();
    table_->setFocus();
}

void PromotionChoiceDialog::fillTable() {
    const QStringList headers{"Ref.", "Numer", "Nazwa", "Data od", "Data do", "Stan"};
    const auto& lines = model_.lines();
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(static_cast<int>(lines.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto& line = lines[static_cast<std::size_t>(row)];
        const QStringList cells{QString::number(line.reference),         QString::fromStdString(line.number),
                                QString::fromStdString(line.name),       QString::fromStdString(line.saleDateFrom),
                                QString::fromStdString(line.saleDateTo), QString::fromStdString(line.sendState)};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

void PromotionChoiceDialog::selectionChanged() {
    std::set<std::size_t> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.insert(static_cast<std::size_t>(index.row()));
    model_.select(rows);
    btnWyslij_->setEnabled(model_.acceptEnabled());
}

}  // namespace Korvel::Gui
