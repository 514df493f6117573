#include "SendAllDataSelectionDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "AcceptCancelButtons.h"

namespace Korvel::Gui {

namespace {

QListWidget* checkList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

void addLine(QListWidget* list, const std::string& text) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
}

// A titled group holding a check list with its "Wszystkie" box under it.
QGroupBox* group(const char* title, QListWidget* list, QCheckBox* all, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    list->setParent(box);
    all->setParent(box);
    layout->addWidget(list);
    layout->addWidget(all);
    return box;
}

QCheckBox* allBox(const char* name, const char* text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

void showTicks(QListWidget* list, const std::function<bool(std::size_t)>& checked) {
    const QSignalBlocker block(list);
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(checked(static_cast<std::size_t>(i)) ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

SendAllDataSelectionDialog::SendAllDataSelectionDialog(Kolvenia::SendAll::ISendAllDataSelection& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    using Kolvenia::SendAll::TSelectCashRegisterData;
    setWindowTitle(QString::fromUtf8(TSelectCashRegisterData::caption));
    setObjectName(TSelectCashRegisterData::formClass);
    clbData_ = checkList("clbData", this);
    for (const auto& kind : model_.kinds().kinds()) addLine(clbData_, kind.name);
    clbCashRegisters_ = checkList("clbCashRegisters", this);
    for (const auto& device : model_.devices()) addLine(clbCashRegisters_, device.text);
    cbAllData_ = allBox("cbAllData", "&Wszystkie");
    cbAllCashRegisters_ = allBox("cbAllCashRegisters", "W&szystkie");

    auto* lists = new QHBoxLayout;
    lists->addWidget(group("Wybór danych", clbData_, cbAllData_, this));
    lists->addWidget(group("Wybór kas", clbCashRegisters_, cbAllCashRegisters_, this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnAkceptuj_ = addAcceptCancel(*this, *buttons, model_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(640, 400);

    connect(clbData_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        model_.setKindChecked(static_cast<std::size_t>(clbData_->row(item)), item->checkState() == Qt::Checked);
        showModel();
    });
    connect(clbCashRegisters_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        model_.setDeviceChecked(static_cast<std::size_t>(clbCashRegisters_->row(item)),
                                item->checkState() == Qt::Checked);
        showModel();
    });
    connect(cbAllData_, &QCheckBox::clicked, this, [this](bool checked) {
        model_.clickAllKinds(checked);
        showModel();
    });
    connect(cbAllCashRegisters_, &QCheckBox::clicked, this, [this](bool checked) {
        model_.clickAllDevices(checked);
        showModel();
    });
    showModel();
}

void SendAllDataSelectionDialog::showModel() {
    showTicks(clbData_, [this](std::size_t line) { return model_.kindChecked(line); });
    showTicks(clbCashRegisters_, [this](std::size_t line) { return model_.devices()[line].checked; });
    cbAllData_->setChecked(model_.allKindsChecked());
    cbAllCashRegisters_->setChecked(model_.allDevicesChecked());
    btnAkceptuj_->setEnabled(model_.acceptEnabled());
}

}  // namespace Korvel::Gui
