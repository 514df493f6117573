// The countries dictionary's actions: changed-only and whole sends for callers such as
// the send-all-data action, the console action, and the menu action with the choice
// of cash registers.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"

namespace Kolvenia::Dictionaries {

// Sends only when the dictionary changed since the last sending.
class SendCountriesAction : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

class SendAllCountriesAction : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

// Console: no argument (changed only) or "-ALL" in any letter case (the whole dictionary).
class SendCountriesFireAction : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

class SendAllCountriesToSelectedCashRegisters : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerCountriesObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
