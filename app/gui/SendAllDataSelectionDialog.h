// The send-all-data selection window on Qt: the kinds of data and the devices as two
// check lists, each with its "Wszystkie" box; every tick goes to the behaviour object,
// which decides what else is ticked, and the window redraws from it.
#pragma once

#include <QDialog>

#include "sendall/SendAllDataSelection.h"

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace Korvel::Gui {

class SendAllDataSelectionDialog : public QDialog {
    Q_OBJECT
public:
    SendAllDataSelectionDialog(Kolvenia::SendAll::ISendAllDataSelection& model, QWidget* parent);

private:
    void showModel();

    Kolvenia::SendAll::ISendAllDataSelection& model_;
    QListWidget* clbData_;
    QCheckBox* cbAllData_;
    QListWidget* clbCashRegisters_;
    QCheckBox* cbAllCashRegisters_;
    QPushButton* btnAkceptuj_;
};

}  // namespace Korvel::Gui
