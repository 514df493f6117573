// Which parameter of a device each control of the device configuration window edits.
// The window builds its parameter pages from this table and hands the names of the
// controls it made back for checking; a control the table does not bind, or bound to a
// parameter the shop's database does not define, stops the window.
#pragma once

#include <string>
#include <vector>

#include "devicedefs/ParametryUrzadzen.h"
#include "dialogs/deviceconfig/IDeviceConfiguration.h"

namespace Kolvenia::DeviceConfig {

// The window's controls bound to their parameters, identifiers resolved; raises
// "Nie ustalono poprawnie tagów komponentów." when a parameter is not defined.
std::vector<ControlBinding> resolvedBindings(const CParametryUrzadzen& definitions);

// Raises the same error when a control name is not in the bindings.
void checkControls(const std::vector<ControlBinding>& bindings, const std::vector<std::string>& controls);

}  // namespace Kolvenia::DeviceConfig
