// The VAT rates' actions: for a caller with a date, and from the menu for today, with
// the choice of cash registers. Both are single registered objects without state.
#pragma once

#include "cashregister/dictionaries/DictionaryInvocation.h"
#include "core/Registration.h"
#include "frame/SendAllDataActionInvoker.h"

// Host contract: the send-all-data action's invoker of the VAT-rates member: the
// chosen registers and progress, and the day the rates must hold for.
class SendVatRatesInvoker : public SendAllDataActionInvoker, public Core::IDateGetter {
public:
    SendVatRatesInvoker(std::optional<std::set<int>> deviceRefs,
                        std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> progress, double date)
        : SendAllDataActionInvoker(std::move(deviceRefs), std::move(progress)), date_(date) {}
    double getDate() const override { return date_; }

private:
    double date_;
};

namespace Kolvenia::Dictionaries {

// Needs Core::IDateGetter among its arguments.
class SendVatRatesByDateAction : public DictionaryAction {
public:
    std::string getGUID() const override;

protected:
    std::string run(DictionaryInvocation& invocation) override;
};

class SendVatRatesAction : public DictionaryAction {
public:
    std::string getGUID() const override;

protected:
    std::string run(DictionaryInvocation& invocation) override;
};

void registerVatRatesObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Dictionaries
