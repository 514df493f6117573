// The one computer the scales run on, recorded under "Parametry sklepu" / "Urządzenia"
// / "Nazwa komputera wagowego".
#pragma once

#include <string>

namespace Kolvenia::DeviceConfig {

// Whether the scales may run on this computer: yes when none or this one is recorded,
// otherwise when the operator agrees to take them over. A yes records this computer
// (and saves the configuration file when there is one).
bool takeScalesOver(const std::string& computerName);

}  // namespace Kolvenia::DeviceConfig
