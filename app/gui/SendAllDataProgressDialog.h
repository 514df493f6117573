// The send-all-data progress window on Qt. The run reports from its background thread
// to the behaviour object; the object's listener only emits modelChanged(), which
// reaches showModel() through a queued connection, so the widgets are touched on the
// window's thread alone. Closing the window while the run goes on asks it to stop
// after the current kind, as "Anuluj" does; the window closes once the run is over.
// Modeless: it shares the behaviour object with the run and deletes itself on close.
#pragma once

#include <QDialog>
#include <memory>

#include "sendall/SendAllDataProgress.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace Korvel::Gui {

class SendAllDataProgressDialog : public QDialog {
    Q_OBJECT
public:
    SendAllDataProgressDialog(std::shared_ptr<Core::IUnknown> model, QWidget* parent);
    ~SendAllDataProgressDialog() override;

    void reject() override;

signals:
    // Emitted on whichever thread changed the model.
    void modelChanged();

private:
    void showModel();

    std::shared_ptr<Core::IUnknown> owner_;
    Kolvenia::SendAll::ISendAllDataProgressWindow& model_;
    QLabel* lblMain_;
    QProgressBar* pbOverall_;
    QLabel* lblKind_;
    QProgressBar* pbKind_;
    QPushButton* btnAnuluj_;
    QPushButton* btnSzczegoly_;
    QListWidget* lbComments_;
};

}  // namespace Korvel::Gui
