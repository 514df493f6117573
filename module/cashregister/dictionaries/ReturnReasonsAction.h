// The return reasons' menu action, with the choice of cash registers.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"

namespace Kolvenia::Dictionaries {

class SendAllReturnReasons : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerReturnReasonsObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
