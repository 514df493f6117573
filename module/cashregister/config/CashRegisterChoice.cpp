#include "cashregister/config/CashRegisterChoice.h"

namespace Kolvenia::Kasa {

std::optional<std::set<int>> chooseCashRegisters(const std::string& menuPath, FormKernel::IBaseForm* parent,
                                                 const std::string& actionName) {
    TSelectCashRegisterArgs args;
    args.menuPath = menuPath;
    FormKernel::showForm(SelectCashRegisterForm, args, parent, actionName);
    return *args.chosen;
}

}  // namespace Kolvenia::Kasa
