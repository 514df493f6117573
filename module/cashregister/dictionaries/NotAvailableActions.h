// Dictionary members the cash registers cannot take: they send nothing and report so.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"

namespace Kolvenia::Dictionaries {

// Markdown reasons (menu and console).
class CSendPowodyPrzecen : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

// Customers (console).
class SendCustomersByFireAction : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerMarkdownReasonsObjects(Core::ModuleRegistrationList& list);
void registerCustomersObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
