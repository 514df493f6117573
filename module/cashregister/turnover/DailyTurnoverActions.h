// The daily-turnover re-send, from the console (FireAction, forms in
// TurnoverArguments.h) and from the evening processing (EveningProcessingAction).
//
// Evening configuration: "Parametry programu" -> "Odczyt wieczorny" -> "Akcje" ->
// "Dosłanie brakujących danych o sprzedaży z kas" -> "Włączone" (a missing switch is
// off), "Uwzględnianie dni bez sprzedaży", "Weryfikacja za ostatnie X dni" with its
// "Liczba dni", "Weryfikacja od ostatniego dnia eksportu do FK"; exactly one of the
// two modes must be on.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/Action.h"
#include "core/Registration.h"
#include "evening/OdczytWieczornyAction.h"

namespace Kolvenia::DailyTurnover {

// Host contract: the class names of the two actions.
class EveningProcessingAction : public EveningProcessing::OdczytWieczornyAction {
public:
    bool areExecuteConditionsSatisfied() override;
    // Verifies up to the day the evening processing hands over; reports
    // "Poprawnie zweryfikowano dane w zakresie %1% - %2%.".
    void executeEveningWork(EveningProcessing::IEveningArgs& args) override;
};

class FireAction : public Core::IAction, public Core::IExecutor {
public:
    // Wrong arguments write the usage text and answer a failed Core::ActionStatus
    // "Niepoprawna lista argumentów."; nothing is sent. Other failures are written to
    // the stream and answered the same way.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;

private:
    java::pointer<Core::IUnknown> run(const std::vector<std::string>& arguments, std::ostream& out);
};

void registerDailyTurnoverObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::DailyTurnover
