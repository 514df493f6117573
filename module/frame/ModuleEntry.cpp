#include "frame/ModuleEntry.h"

#include "cashregister/CashRegisterModuleName.h"
#include "cashregister/CheckCommunicationAction.h"
#include "core/ModuleEntry.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "external/ExternalSendersRegistration.h"
#include "plu/ProcessAndSendActions.h"

namespace Kolvenia {

namespace {
Core::RegistrationListPtr moduleRegistrations;
}

// Units register in the module's fixed order; the order is part of the host's contract.
void registerObjects(Core::ModuleRegistrationList& list) {
    Senders::registerExternalDataSendersObjects(list);
    registerActionProcessAndSendPLUObjects(list);
    registerSendPLUForArticleObjects(list);
    Kasa::registerCheckCommunicationObjects(list);
    list.add(Core::registerInitializeModuleFunction({CORE_SRC_INFO("registerObjects"), initializeModule}));
}

void initializeModule() {
    const std::string name = Kasa::getCashRegisterModuleName();
    if (!name.empty()) Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance().load(name + ".dll");
}

}  // namespace Kolvenia

int DllEntryPoint(void* instance, unsigned long reason, void*) {
    return Core::moduleEntryPoint(instance, reason, Kolvenia::moduleRegistrations, Kolvenia::registerObjects);
}
