#include "cashregister/dictionaries/NotAvailableActions.h"

#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"

namespace Kolvenia::Dictionaries {

// Host contract: the two reports.
std::string CSendPowodyPrzecen::run(DictionaryInvocation&) {
    return "Wysłanie powodów przecen do kas DOS nie jest dostępne.";
}

std::string SendCustomersByFireAction::run(DictionaryInvocation&) {
    return "Wysłanie danych klientów do kas nie jest dostępne.";
}

void registerMarkdownReasonsObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::SendMarkdownReasons, [] { return std::make_shared<CSendPowodyPrzecen>(); },
        CORE_SRC_INFO("registerMarkdownReasonsObjects")));
}

void registerCustomersObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::SendCustomersFire, [] { return std::make_shared<SendCustomersByFireAction>(); },
        CORE_SRC_INFO("registerCustomersObjects")));
}

}  // namespace Kolvenia::Dictionaries
