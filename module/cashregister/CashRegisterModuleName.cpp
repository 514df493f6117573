#include "cashregister/CashRegisterModuleName.h"

#include <boost/algorithm/string/erase.hpp>
#include <boost/algorithm/string/case_conv.hpp>

#include "config/Setup.h"
#include "core/Singleton.h"

namespace Kolvenia::Kasa {

std::string getCashRegisterModuleName() {
    auto program = Core::SingletonImplHolder<Core::CSetup>::instance().getRootKey().GetKey("Parametry programu");
    auto frontOffice = program.FindKey("FrontOffice");
    if (!frontOffice) return {};
    auto server = frontOffice->FindKey("Serwer Kasowy");
    auto moduleKey = server ? server->FindKey("Moduł transmisji do kasy") : std::nullopt;
    if (!moduleKey || moduleKey->rep()->Value().empty()) return {};
    std::string name = boost::algorithm::to_lower_copy(moduleKey->GetVal<std::string>());
    boost::algorithm::erase_all(name, ".bpl");
    boost::algorithm::erase_all(name, ".dll");
    return name;
}

}  // namespace Kolvenia::Kasa
