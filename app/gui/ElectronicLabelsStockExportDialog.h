// The labels stock-export dialog on Qt: the first and the last day of the range in two
// date edits; accepting hands them to the behaviour object, which exports and reports.
// The dialog closes when the export ran to its end and stays open after a failure, so
// the operator can correct the range or the server and try again.
#pragma once

#include <QDialog>
#include <memory>

#include "labels/IElectronicLabelsStockExport.h"

class QDateEdit;

namespace Korvel::Gui {

class ElectronicLabelsStockExportDialog : public QDialog {
    Q_OBJECT
public:
    ElectronicLabelsStockExportDialog(std::shared_ptr<Core::IUnknown> model, QWidget* parent);

    void accept() override;

private:
    std::shared_ptr<Core::IUnknown> model_;  // kept alive while the window is open
    Labels::IElectronicLabelsStockExport& exporter_;
    QDateEdit* firstDay_;
    QDateEdit* lastDay_;
};

}  // namespace Korvel::Gui
