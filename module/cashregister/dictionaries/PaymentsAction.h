// The payment forms' action: from the menu with the choice of cash registers, from the
// console and from the send-all-data action without it.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"

namespace Kolvenia::Dictionaries {

class CSendPlatnosci : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerPaymentsObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
