// The menu action that opens the device configuration window with its behaviour object.
#pragma once

#include "core/Action.h"
#include "core/Registration.h"

namespace Kolvenia::DeviceConfig {

// Host contract: the action's class; a new object per call.
class CFormCreator : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerDeviceConfigurationObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::DeviceConfig
