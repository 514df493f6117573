// The statements of the device configuration window, as the shop's database expects
// them: the tree of devices, the two row locks of an edited selection, the duplicate
// number check and the cached-update writes of devices and their parameters.
#pragma once

#include <string>

#include "dialogs/deviceconfig/IDeviceConfiguration.h"

namespace Kolvenia::DeviceConfig::Sql {

// Host contract: QueryTypyUrz, one row per type, per section and per device.
extern const char* const QueryTypyUrz;

// Host contract: the rows a selection stands for, ending with a line break.
std::string selectionCondition(const TSelection& selection);
// Host contract: the two locks taken when a node is selected.
std::string lockDevices(const TSelection& selection);
std::string lockParameters(const TSelection& selection);
// Host contract: any row means another device of the type and section has the number.
std::string duplicateNumber(int type, int section, int number, int excludedDeviceRef);

// Host contract: QueryUrz's cached-update statements.
extern const char* const ModifyDevice;
extern const char* const InsertDevice;
extern const char* const DeleteDevice;
// Host contract: QueryParamUrz's cached-update statements.
extern const char* const ModifyParameter;
extern const char* const InsertParameter;
extern const char* const DeleteParameter;

}  // namespace Kolvenia::DeviceConfig::Sql
