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

// What the window sees of the dialog's behaviour. Every operation is pure virtual, so a
// window built apart from the module (the Qt host) reaches the module's object through
// the object's own table, without linking the module.
class ICashRegisterSelection : public virtual Core::IUnknown {
public:
    // One line of clbCashRegisters: "kasa <number>", the device reference attached.
    struct Line {
        std::string text;
        int deviceRef = 0;
        bool checked = false;
    };

    virtual const std::vector<Line>& lines() const = 0;
    virtual bool allChecked() const = 0;     // cbAll "Wszystkie"
    virtual bool acceptEnabled() const = 0;  // btnAkceptuj
    virtual std::optional<std::size_t> current() const = 0;

    // The operator ticks or unticks a line, moves the cursor, clicks "Wszystkie",
    // double-clicks the current line, presses one of the buttons.
    virtual void setChecked(std::size_t line, bool checked) = 0;
    virtual void setCurrent(std::size_t line) = 0;
    virtual void clickAll(bool checked) = 0;
    virtual void clbCashRegistersDblClick() = 0;
    virtual void accept() = 0;
    virtual void cancel() = 0;
    virtual bool accepted() const = 0;
};

// Host contract: the dialog's form class, its caption and its controls' names.
class TSelectCashRegister : public ICashRegisterSelection {
public:
    static constexpr const char* formClass = "TSelectCashRegister";
    static constexpr const char* caption = "Wybór kas";

    // Fills the list with the enabled cash registers that are not integrated, all
    // checked, the first one current; raises "Brak dostępnych kas" when there is none.
    void beforeModeDependencies();

    // The references of the checked lines, in list order.
    std::set<int> getCashRegisters() const;

    // The operator ticks or unticks a line (then checkIfAllSelected runs).
    void setChecked(std::size_t line, bool checked) override;
    // The operator moves the cursor to a line.
    void setCurrent(std::size_t line) override;
    // The operator clicks "Wszystkie": the box takes the value, then cbAllClick runs.
    void clickAll(bool checked) override;

    // Host contract: the dialog's event handlers.
    void checkIfAllSelected();
    void cbAllClick();
    void clbCashRegistersDblClick() override;

    // The two buttons; the result is read after the window closes.
    void accept() override;
    void cancel() override { accepted_ = false; }
    bool accepted() const override { return accepted_; }

    const std::vector<Line>& lines() const override { return lines_; }
    bool allChecked() const override { return cbAll_; }
    bool acceptEnabled() const override { return btnAkceptuj_; }
    std::optional<std::size_t> current() const override { return current_; }

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
