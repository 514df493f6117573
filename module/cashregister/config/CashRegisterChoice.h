// The operator's choice of cash registers for a send, in the host's selection window
// "TSelectCashRegister" opened through the form kernel. The window receives
// TSelectCashRegisterArgs (the opener casts the form arguments by the class name) and,
// when the operator accepts, stores the chosen device references in `chosen`; a
// cancelled window leaves it empty. The console host has no windows: the choice raises
// FormKernel::NoWindowError naming the action, and nothing is sent.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "forms/FormKernel.h"

namespace Kolvenia::Kasa {

// Host contract: the class name of the cash-register selection window.
inline constexpr const char* SelectCashRegisterForm = "TSelectCashRegister";

struct TSelectCashRegisterArgs : FormKernel::TBaseFormArgs {
    std::shared_ptr<std::optional<std::set<int>>> chosen = std::make_shared<std::optional<std::set<int>>>();
};

// The chosen references (lUrzadzenieRef); empty when the operator cancelled.
std::optional<std::set<int>> chooseCashRegisters(const std::string& menuPath, FormKernel::IBaseForm* parent,
                                                 const std::string& actionName);

}  // namespace Kolvenia::Kasa
