#include "cashregister/dictionaries/DictionaryTargets.h"

#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "frame/strategies/UrzCollectionModStrategies.h"

namespace Kolvenia::Dictionaries {

std::size_t addTargets(CashRegisterServerCommunication::DataSender& sender, const TargetRule& rule,
                       const std::optional<std::set<int>>& chosen) {
    const bool installed = rule.devices == TargetDevices::InstalledCashRegisters;
    TUrzadzenieCollectionPtr devices = installed ? kolekcjaZainstalowanychKas() : kolekcjaWlaczonychUrzadzen();
    if (!devices) {
        if (rule.missingMessage)
            throw Core::PlacedRuntimeError(Core::I18n::translate(rule.missingMessage),
                                           CORE_SRC_INFO("Kolvenia::Dictionaries::addTargets"));
        return 0;
    }
    if (!installed) devices->retainIf([](const TUrzadzenie& device) { return device.nNrTypuUrz == tuKasa; });
    if (chosen) CFromSetUrzCollectionModStrategy(*chosen).modify(*devices);
    if (rule.notIntegrated) CNotIntegratedUrzCollectionModStrategy().modify(*devices);
    for (std::size_t i = 0; i < devices->size(); ++i) sender.addCashRegister((*devices)[i]->nNrKolvenia);
    return devices->size();
}

}  // namespace Kolvenia::Dictionaries
