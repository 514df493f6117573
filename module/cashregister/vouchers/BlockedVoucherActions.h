// The three ways to send blocked vouchers: from the console, from the evening
// processing and from a service function. Each writes its start line to the report
// log, performs one sending (BlockedVouchersSending) and reports "Brak zablokowanych
// bonów do wysłania." or "Pomyślnie wysłano zablokowane bony." to its place: the
// console stream, the evening step's status, an information box.
#pragma once

#include "core/Action.h"
#include "core/Registration.h"
#include "evening/OdczytWieczornyAction.h"

namespace Kolvenia::BlockedVouchers {

// Host contract: the class names of the three actions.
class ConsoleAction : public Core::IAction, public Core::IExecutor {
public:
    // A failure is written to the stream and answered as a failed Core::ActionStatus.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Runs when "Parametry programu" -> "Odczyt wieczorny" -> "Akcje" -> "Wysłanie
// zablokowanych bonów" -> "Włączone" is true (a missing switch is off).
class EveningAction : public EveningProcessing::OdczytWieczornyAction {
public:
    bool areExecuteConditionsSatisfied() override;
    // A failure is raised again as "Błąd podczas wysyłania zablokowanych bonów:\n" + its text.
    void executeEveningWork(EveningProcessing::IEveningArgs& args) override;
};

class DefaultAction : public Core::IAction, public Core::IExecutor {
public:
    // Shows the result, or the failure, in the host's message box.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerBlockedVoucherObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::BlockedVouchers
