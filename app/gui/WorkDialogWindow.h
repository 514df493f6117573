// A service dialog that does one piece of work on "Wyślij" (the send-all-PLU dialog,
// the send-all to the price checker), on Qt: the progress text and bar, "Wyślij", and
// "Anuluj" / "Zamknij" that closes it. The work runs on the window's thread; the
// window redraws at each step and lets Qt paint, but takes no input meanwhile and
// refuses to close. Modeless: it owns its behaviour object and deletes itself on close.
#pragma once

#include <QDialog>
#include <memory>

#include "dialogs/WorkDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace Korvel::Gui {

class WorkDialogWindow : public QDialog {
    Q_OBJECT
public:
    WorkDialogWindow(const std::string& formClass, std::shared_ptr<Core::IUnknown> model, QWidget* parent);
    ~WorkDialogWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showModel();

    std::shared_ptr<Core::IUnknown> owner_;
    Kolvenia::IWorkDialog& model_;
    QLabel* lblText_;
    QProgressBar* pbProgress_;
    QPushButton* btnWyslij_;
    QPushButton* btnAnuluj_;
};

}  // namespace Korvel::Gui
