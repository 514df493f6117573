#include "cashregister/dictionaries/PaymentsAction.h"

#include "cashregister/dictionaries/DictionarySending.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"

namespace Kolvenia::Dictionaries {

std::string CSendPlatnosci::run(DictionaryInvocation& invocation) {
    // Host contract: the menu path and the two closing messages. From the console the
    // forms go to every register, without a choice.
    const auto choice =
        invocation.args() && invocation.args()->is<Core::IExternalExecutionArgsGetter>()
            ? CashRegisterChoice{}
            : invocation.chooseCashRegisters(".miTransmisje.miPrzeslaniePlatnosciNaKase", "CSendPlatnosci");
    if (choice.cancelled) return "Wysłanie anulowano";
    sendPaymentForms(choice.deviceRefs, invocation.progress());
    return "Wysyłanie zakończone pomyślnie";
}

void registerPaymentsObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::SendPayments, [] { return std::make_shared<CSendPlatnosci>(); },
        CORE_SRC_INFO("registerPaymentsObjects")));
}

}  // namespace Kolvenia::Dictionaries
