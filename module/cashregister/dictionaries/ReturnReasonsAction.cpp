#include "cashregister/dictionaries/ReturnReasonsAction.h"

#include "cashregister/dictionaries/DictionarySending.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"

namespace Kolvenia::Dictionaries {

std::string SendAllReturnReasons::run(DictionaryInvocation& invocation) {
    // Host contract: the menu path.
    const auto choice =
        invocation.chooseCashRegisters(".miTransmisje.miPrzeslaniePowodowZwrotow", "SendAllReturnReasons");
    if (choice.cancelled) return {};
    sendReturnReasons(choice.deviceRefs, invocation.progress());
    return "Wysłano powody zwrotów.";
}

void registerReturnReasonsObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::SendAllReturnReasons, [] { return std::make_shared<SendAllReturnReasons>(); },
        CORE_SRC_INFO("registerReturnReasonsObjects")));
}

}  // namespace Kolvenia::Dictionaries
