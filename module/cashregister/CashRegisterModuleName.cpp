#include "cashregister/CashRegisterModuleName.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/erase.hpp>

#include "frame/Configuration.h"

namespace Kolvenia::Kasa {

std::string getCashRegisterModuleName() {
    if (!Config::findKey({"Parametry programu", "FrontOffice"})) return {};
    auto moduleKey =
        Config::findKey({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Moduł transmisji do kasy"});
    if (!moduleKey || moduleKey->rep()->Value().empty()) return {};
    std::string name = boost::algorithm::to_lower_copy(moduleKey->GetVal<std::string>());
    boost::algorithm::erase_all(name, ".bpl");
    boost::algorithm::erase_all(name, ".dll");
    return name;
}

}  // namespace Kolvenia::Kasa
