// What the device configuration window sends: the cash-register configuration to the
// registers of a node, and each scale's own header text through the scale sender.
#pragma once

#include <string>
#include <vector>

#include "dialogs/deviceconfig/IDeviceConfiguration.h"

namespace Kolvenia::DeviceConfig {

// The registers of the selection among all devices, by number, as the console action
// sends them: each a target and asked for its configuration, then one send.
void sendCashRegisterConfiguration(const TSelection& selection);

struct ScaleHeader {
    int deviceRef;
    int section;
    int number;
    std::string text;  // one header line per line
};

// One transmission to the scales of the headers; scales that are not enabled get none.
void sendScaleHeaders(const std::vector<ScaleHeader>& headers);

}  // namespace Kolvenia::DeviceConfig
