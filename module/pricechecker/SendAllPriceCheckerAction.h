// The service menu's "send everything to the price checker": with a window it opens the
// dialog TdlgSendAllPriceChecker; from the console ("fire") or the send-all-data action
// it runs the dialog's work at once, its progress written to the console stream.
#pragma once

#include "core/Action.h"
#include "core/Registration.h"

namespace Devices::PriceChecker::SendAllDialog {

// Host contract: the instance-registered action of the send-all-to-price-checker dialog.
class Action : public Core::IAction, public Core::IExecutor {
public:
    std::string getGUID() const override;
    // Without a window: answers a failed Core::ActionStatus with the message when the
    // work fails; with a window: the dialog shows its own.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;

    // Host contract: the dialog's class and menu path.
    static constexpr const char* FormClass = "TdlgSendAllPriceChecker";
    static constexpr const char* MenuPath = ".miInne.miFunkSerwis.miAllPrzeslaniePriceChecker";
};

}  // namespace Devices::PriceChecker::SendAllDialog

namespace Devices::PriceChecker {
void registerSendAllPriceCheckerObjects(Core::ModuleRegistrationList& list);
}
