#include "frame/ModuleEntry.h"

#include "cashregister/CashRegisterModuleName.h"
#include "cashregister/CheckCommunicationAction.h"
#include "core/Debug.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "external/ExternalSendersRegistration.h"
#include "plu/ProcessAndSendActions.h"
#include "promotions/PromotionActions.h"
#include "frame/DllRegistration.h"

namespace Kolvenia {

namespace {
RegistrationListPtr moduleRegistrations;
}

// Units register in the module's fixed order; the order is part of the host's contract.
void registerObjects(Core::ModuleRegistrationList& list) {
    Senders::registerExternalDataSendersObjects(list);
    registerActionProcessAndSendPLUObjects(list);
    registerPromotionsActionsObjects(list);
    registerSendPLUForArticleObjects(list);
    Kasa::registerCheckCommunicationObjects(list);
    Core::registerInitializeModuleFunction({CORE_SRC_INFO("registerObjects"), initializeModule});
}

void initializeModule() {
    const std::string name = Kasa::getCashRegisterModuleName();
    if (!name.empty()) Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance().load(name + ".dll");
}

}  // namespace Kolvenia

int DllEntryPoint(void* instance, unsigned long reason, void*) {
    Core::Debug::logDllEntryPoint(instance, reason, CORE_SRC_INFO("DllEntryPoint"));
    return Kolvenia::manageDllRegistationsAndDependencies(instance, reason, Kolvenia::moduleRegistrations,
                                                          Kolvenia::registerObjects)
               ? 1
               : 0;
}
