// The cash-register selection dialog on Qt: draws the lines of the behaviour object
// and forwards every tick, click and double click to it.
#pragma once

#include <QDialog>

#include "dialogs/SelectCashRegister.h"

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace Korvel::Gui {

class SelectCashRegisterDialog : public QDialog {
    Q_OBJECT
public:
    SelectCashRegisterDialog(Kolvenia::ICashRegisterSelection& model, QWidget* parent);

private:
    void showModel();
    void lineChanged(QListWidgetItem* item);

    Kolvenia::ICashRegisterSelection& model_;
    QListWidget* clbCashRegisters_;
    QCheckBox* cbAll_;
    QPushButton* btnAkceptuj_;
};

}  // namespace Korvel::Gui
