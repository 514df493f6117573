#include "SelectCashRegisterDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "AcceptCancelButtons.h"

namespace Korvel::Gui {

SelectCashRegisterDialog::SelectCashRegisterDialog(Kolvenia::ICashRegisterSelection& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(QString::fromUtf8(Kolvenia::TSelectCashRegister::caption));
    setObjectName(Kolvenia::TSelectCashRegister::formClass);
    auto* group = new QGroupBox("Kasy", this);
    clbCashRegisters_ = new QListWidget(group);
    clbCashRegisters_->setObjectName("clbCashRegisters");
    for (const auto& line : model_.lines()) {
        auto* item = new QListWidgetItem(QString::fromStdString(line.text), clbCashRegisters_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    (new QVBoxLayout(group))->addWidget(clbCashRegisters_);
    cbAll_ = new QCheckBox("&Wszystkie", this);
    cbAll_->setObjectName("cbAll");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cbAll_);
    buttons->addStretch();
    btnAkceptuj_ = addAcceptCancel(*this, *buttons, model_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(clbCashRegisters_, &QListWidget::itemChanged, this, &SelectCashRegisterDialog::lineChanged);
    connect(clbCashRegisters_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) model_.setCurrent(static_cast<std::size_t>(row));
    });
    connect(clbCashRegisters_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.setCurrent(static_cast<std::size_t>(clbCashRegisters_->row(item)));
        model_.clbCashRegistersDblClick();
        showModel();
    });
    connect(cbAll_, &QCheckBox::clicked, this, [this](bool checked) {
        model_.clickAll(checked);
        showModel();
    });
    showModel();
}

void SelectCashRegisterDialog::showModel() {
    const QSignalBlocker blockList(clbCashRegisters_);
    const auto& lines = model_.lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        clbCashRegisters_->item(static_cast<int>(i))->setCheckState(lines[i].checked ? Qt::Checked : Qt::Unchecked);
    if (model_.current()) clbCashRegisters_->setCurrentRow(static_cast<int>(*model_.current()));
    cbAll_->setChecked(model_.allChecked());
    btnAkceptuj_->setEnabled(model_.acceptEnabled());
}

void SelectCashRegisterDialog::lineChanged(QListWidgetItem* item) {
    model_.setChecked(static_cast<std::size_t>(clbCashRegisters_->row(item)), item->checkState() == Qt::Checked);
    showModel();
}

}  // namespace Korvel::Gui
