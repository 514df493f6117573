// The device configuration window's tree, read with QueryTypyUrz: a node per device
// type, per section of a type that has more than one, and per device, in the query's
// order (type, section, number), each with the selection it stands for.
#pragma once

#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "dialogs/deviceconfig/DeviceConfigSql.h"

namespace Kolvenia::DeviceConfig {

std::vector<TreeNode> readDeviceTree(TSessionHolder session);

// The name of a device type as a group of the tree: "Kasy", "Wagi", "Skanery",
// otherwise "Urządzenia typu <type>".
std::string typeGroupName(int type);

}  // namespace Kolvenia::DeviceConfig
