// Configuration sends to the cash registers: the cash-register configuration from the
// console, and the PLU configuration (Plu::pluConfig()) from the menu, with the
// operator's choice of registers, or from the send-all-data action. Integrated cash
// registers never receive the PLU configuration.
#pragma once

#include <set>

#include "core/Action.h"
#include "core/Registration.h"

namespace Kolvenia::Kasa {

// Host contract: the class names of the three actions.
// Console: no argument (working registers), "ALL" or "all" (every register), or one
// list of numbers (CashRegisterListArgument.h). Wrong arguments write their message and
// the usage text and answer a failed Core::ActionStatus "Błędne parametry akcji".
class SendCashRegisterConfigAction : public Core::IAction, public Core::IExecutor {
public:
    std::string getGUID() const override;
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Menu ".miTransmisje.miPrzeslanieKonfiguracjiPlu": the enabled registers the operator
// chooses in the selection window.
class SendPluConfigDlgAction : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// From the send-all-data action: the installed registers among those its invoker
// carries, with its progress; without an invoker, every installed register.
class SendPluConfigAction : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// The cash-register configuration to the registers of these numbers, in ascending order:
// each registered as a target and asked for its configuration, then one send.
void sendCashRegisterConfig(const std::set<int>& numbers);

void registerSendCashRegisterConfigObjects(Core::ModuleRegistrationList& list);
void registerSendPluConfigObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Kasa
