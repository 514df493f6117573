#include "cashregister/dictionaries/VatRatesActions.h"

#include <cmath>

#include "cashregister/dictionaries/DictionarySending.h"
#include "core/Errors.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "zentools/SysdateGetter.h"

namespace Kolvenia::Dictionaries {

namespace {
const char* const VatRatesSent = "Wysłano stawki VAT.";
}

std::string SendVatRatesByDateAction::getGUID() const { return ActionGuids::SendVatRatesByDate; }

std::string SendVatRatesByDateAction::run(DictionaryInvocation& invocation) {
    if (!invocation.args() || !invocation.args()->is<Core::IDateGetter>())
        throw Core::PlacedRuntimeError("Wysłanie stawek VAT na dzień wymaga daty.",
                                       CORE_SRC_INFO("SendVatRatesByDateAction::execute"));
    const int day = static_cast<int>(std::floor(invocation.args()->as<Core::IDateGetter>().getDate()));
    sendVatRates(day, invocation.givenCashRegisters(), invocation.progress());
    return VatRatesSent;
}

std::string SendVatRatesAction::getGUID() const { return ActionGuids::SendVatRates; }

std::string SendVatRatesAction::run(DictionaryInvocation& invocation) {
    // Host contract: the menu path.
    const auto choice = invocation.chooseCashRegisters(".miTransmisje.miPrzeslanieStawekVat", "SendVatRatesAction");
    if (choice.cancelled) return {};
    // The database's today: the rates' validity is stored there.
    sendVatRates(Zentools::SysdateGetter::getDate(TSessionHolder(true)), choice.deviceRefs, invocation.progress());
    return VatRatesSent;
}

void registerVatRatesObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerVatRatesObjects");
    list.add(regAction(std::make_shared<SendVatRatesByDateAction>(), place));
    list.add(regAction(std::make_shared<SendVatRatesAction>(), place));
}

}  // namespace Kolvenia::Dictionaries
