// The XML-based cash-register server communication: loaded by the device module when
// "Moduł transmisji do kasy" names it, it registers its data-sender factory for as
// long as it stays loaded.
#include <memory>

#include "XmlServerCommunicationFactory.h"
#include "core/Debug.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"

namespace {
using FactoryHolder = Core::SingletonImplHolder<CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>;
}

extern "C" __attribute__((visibility("default"))) int DllEntryPoint(void* instance, unsigned long reason, void*) {
    Core::Debug::logDllEntryPoint(instance, reason, CORE_SRC_INFO("DllEntryPoint"));
    if (reason == Core::DLL_PROCESS_ATTACH) FactoryHolder::set(std::make_shared<XmlBasedServerCommunication::XmlServerCommunicationFactory>());
    // The factory's code leaves with this module, so must its instance.
    if (reason == Core::DLL_PROCESS_DETACH) FactoryHolder::reset();
    return 1;
}
