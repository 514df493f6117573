#include "dialogs/deviceconfig/ScaleComputer.h"

#include <boost/format.hpp>

#include "config/Setup.h"
#include "core/I18n.h"
#include "core/Singleton.h"
#include "forms/FormKernel.h"
#include "frame/Configuration.h"

namespace Kolvenia::DeviceConfig {

namespace {
// Host contract: the key of the scales' computer and the question before taking over.
constexpr const char* ScalesElsewhere =
    "Wagi są włączone na komputerze %1%.\nCzy chcesz uruchomić wagi na tym komputerze?";
}  // namespace

bool takeScalesOver(const std::string& computerName) {
    const std::initializer_list<const char*> path{"Parametry sklepu", "Urządzenia", "Nazwa komputera wagowego"};
    const auto recordedKey = Config::findKey(path);
    const std::string recorded = recordedKey ? recordedKey->GetVal<std::string>() : std::string();
    if (!recorded.empty() && recorded != computerName &&
        !FormKernel::messageBoxes()->question((boost::format(Core::I18n::translate(ScalesElsewhere)) % recorded).str()))
        return false;
    Config::key(path).set_val<AnsiString>(AnsiString(computerName));
    auto& setup = Core::SingletonImplHolder<Core::CSetup>::instance();
    if (!setup.path().empty()) setup.save();
    return true;
}

}  // namespace Kolvenia::DeviceConfig
