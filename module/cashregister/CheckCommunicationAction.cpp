#include "cashregister/CheckCommunicationAction.h"

#include "cashregister/DeviceDirectories.h"
#include "core/I18n.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"

namespace Kolvenia::Kasa {

java::pointer<Core::IUnknown> CheckCommunicationAction::execute(java::pointer<Core::IUnknown> args) {
    checkDeviceDirectories();
    if (args && args->is<Core::IOStreamGetter>())
        args->as<Core::IOStreamGetter>().getOStream()
            << Core::I18n::translate("Katalogi transmisji są dostępne.") << '\n';
    return {};
}

void registerCheckCommunicationObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::CheckCommunication, [] { return std::make_shared<CheckCommunicationAction>(); },
        CORE_SRC_INFO("registerCheckCommunicationObjects")));
}

}  // namespace Kolvenia::Kasa
