// The cash-register selection dialog's behaviour, without the window: the operator
// picks the cash registers a dictionary or configuration send goes to. The window
// (with the host's windows) only draws the lines and forwards the operator's moves.
//
//   Kolvenia::TSelectCashRegister dialog;
//   dialog.beforeModeDependencies();          // raises "Brak dostępnych kas" with none
//   ... the operator ticks lines, "Wszystkie", double-clicks, accepts ...
//   std::set<int> refs = dialog.getCashRegisters();
//
// chooseCashRegisters() does all of it through the host's modal-form seam.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "forms/FormKernel.h"

namespace Kolvenia {

// Host contract: the dialog's form class, its caption and its controls' names.
class TSelectCashRegister : public virtual Core::IUnknown {
public:
    static constexpr const char* formClass = "TSelectCashRegister";
    static constexpr const char* caption = "Wybór kas";

    // One line of clbCashRegisters: "kasa <number>", the device reference attached.
    struct Line {
        std::string text;
        int deviceRef = 0;
        bool checked = false;
    };

    // Fills the list with the enabled cash registers that are not integrated, all
    // checked, the first one current; raises "Brak dostępnych kas" when there is none.
    void beforeModeDependencies();

    // The references of the checked lines, in list order.
    std::set<int> getCashRegisters() const;

    // The operator ticks or unticks a line (then checkIfAllSelected runs).
    void setChecked(std::size_t line, bool checked);
    // The operator moves the cursor to a line.
    void setCurrent(std::size_t line);
    // The operator clicks "Wszystkie": the box takes the value, then cbAllClick runs.
    void clickAll(bool checked);

    // Host contract: the dialog's event handlers.
    void checkIfAllSelected();
    void cbAllClick();
    void clbCashRegistersDblClick();

    // The two buttons; the result is read after the window closes.
    void accept();
    void cancel() { accepted_ = false; }
    bool accepted() const { return accepted_; }

    const std::vector<Line>& lines() const { return lines_; }
    bool allChecked() const { return cbAll_; }           // cbAll "Wszystkie"
    bool acceptEnabled() const { return btnAkceptuj_; }  // btnAkceptuj
    std::optional<std::size_t> current() const { return current_; }

private:
    void updateAcceptButton();

    std::vector<Line> lines_;
    std::optional<std::size_t> current_;
    bool cbAll_ = false;
    bool btnAkceptuj_ = false;
    bool accepted_ = false;
};

// Opens the selection dialog over the parent with the action's menu path: the chosen
// device references, or empty when the operator cancelled. Raises "Brak dostępnych kas"
// before any window opens, and FormKernel::NoWindowError in a host without windows.
std::optional<std::set<int>> chooseCashRegisters(const std::string& menuPath, FormKernel::IBaseForm* parent,
                                                 const std::string& actionName);

}  // namespace Kolvenia
