// The automatic discount types' actions: from the send-all-data action, the console,
// the evening processing and the discount-types browser.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"
#include "evening/OdczytWieczornyAction.h"

namespace Kolvenia::Dictionaries {

class SendDiscountsFromSendAllDataDialog : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

// Console: no argument.
class SendDiscountsFireAction : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

// Runs when "Parametry programu" / "Odczyt wieczorny" / "Akcje" /
// "Wysłanie typów przecen automatycznych" / "Włączone" is true.
class EveningProcessingSendDiscounts : public EveningProcessing::OdczytWieczornyAction {
public:
    bool areExecuteConditionsSatisfied() override;
    void executeEveningWork(EveningProcessing::IEveningArgs& args) override;
};

class SendDiscountsFromDiscountsTypeBrowser : public DictionaryAction {
protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerAutomaticDiscountTypesObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
