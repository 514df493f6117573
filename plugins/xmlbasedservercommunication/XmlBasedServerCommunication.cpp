// The XML-based cash-register server communication: loaded by the device module when
// "Moduł transmisji do kasy" names it, it registers its data-sender factory for as
// long as it stays loaded.
#include <memory>

#include "XmlServerCommunicationFactory.h"
#include "core/ModuleEntry.h"
#include "core/Singleton.h"

namespace {

using FactoryHolder =
    Core::SingletonImplHolder<CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>;

Core::RegistrationListPtr registrations;

void registerObjects(Core::ModuleRegistrationList& list) {
    FactoryHolder::set(std::make_shared<XmlBasedServerCommunication::XmlServerCommunicationFactory>());
    // The factory's code leaves with this module, so must its instance.
    list.add(std::make_unique<Core::Registration>([] { FactoryHolder::reset(); }));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int DllEntryPoint(void* instance, unsigned long reason, void*) {
    return Core::moduleEntryPoint(instance, reason, registrations, registerObjects);
}
