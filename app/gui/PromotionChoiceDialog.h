// The promotion choice window on Qt: a table of the offered promotions (reference,
// number, name, sale dates, send state) in which the operator selects several, one, or
// only looks the list over, then sends or cancels. The selection goes to the behaviour
// object, which decides whether sending is possible.
#pragma once

#include <QDialog>

#include "promotions/IPromotionChoice.h"

class QPushButton;
class QTableWidget;

namespace Korvel::Gui {

class PromotionChoiceDialog : public QDialog {
    Q_OBJECT
public:
    PromotionChoiceDialog(Promotion::IPromotionChoice& model, QWidget* parent);

private:
    void fillTable();
    void selectionChanged();

    Promotion::IPromotionChoice& model_;
    QTableWidget* table_;
    QPushButton* btnWyslij_;
};

}  // namespace Korvel::Gui
