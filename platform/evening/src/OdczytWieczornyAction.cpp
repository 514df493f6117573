#include "evening/OdczytWieczornyAction.h"

#include "core/Errors.h"

namespace EveningProcessing {

java::pointer<Core::IUnknown> OdczytWieczornyAction::execute(java::pointer<Core::IUnknown> args) {
    if (!args || !args->is<IEveningArgs>())
        throw Core::PlacedRuntimeError("Tę akcję uruchamia tylko przetwarzanie wieczorne (korvel evening).",
                                       CORE_SRC_INFO("OdczytWieczornyAction::execute"));
    if (!areExecuteConditionsSatisfied()) return java::make<Core::ActionStatus>(true, "");
    try {
        executeEveningWork(args->as<IEveningArgs>());
    } catch (const std::exception& e) {
        return java::make<Core::ActionStatus>(false, e.what());
    }
    return java::make<Core::ActionStatus>(true, "");
}

}  // namespace EveningProcessing
