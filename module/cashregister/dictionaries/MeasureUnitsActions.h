// The measure units' actions: the menu action with the choice of cash registers and
// the send-all-data member. Both are single registered objects that keep no state.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"

namespace Kolvenia::Dictionaries {

class SendMeasureUnitsDialog : public DictionaryAction {
public:
    std::string getGUID() const override;

protected:
    std::string run(DictionaryInvocation& invocation) override;
};

class SendMeasureUnitsFromSendAllDataDialog : public DictionaryAction {
public:
    std::string getGUID() const override;

protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerMeasureUnitsObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
