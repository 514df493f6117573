#include "external/ExternalSendersRegistration.h"

#include "core/Debug.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "external/ExternalDataSendersImpl.h"
#include "frame/Configuration.h"

namespace Senders {

namespace {
bool petrolStationSupportOn() {
    auto support = Kolvenia::Config::findKey({"Inne", "Obsługa stacji paliw"});
    return support && support->GetVal<bool>();
}
}  // namespace

Core::RegistrationHandle registerSenderCreator(const char* name, SenderCreator creator) {
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine(std::string("Registering sender creator: ") + name,
                             CORE_SRC_INFO("registerSenderCreator"));
    return Core::SingletonImplHolder<ExternalDataSenders>::instance().addSenderCreator(name, std::move(creator));
}

void registerExternalDataSendersObjects(Core::ModuleRegistrationList& list) {
    Core::SingletonImplHolder<ExternalDataSenders>::set(std::make_shared<ExternalDataSendersImpl>());
    // The implementation's code leaves with this module, so must its instance.
    list.add(std::make_unique<Core::Registration>([] { Core::SingletonImplHolder<ExternalDataSenders>::reset(); }));
    if (petrolStationSupportOn()) Core::SharedPackageLoader::instance().load("Tankora.dll");
}

}  // namespace Senders
