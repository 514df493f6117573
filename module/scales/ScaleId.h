// A scale as the scale server knows it: its section and its number within the section.
#pragma once

#include <compare>

namespace Devices {

// Host contract.
struct ScaleId {
    int section = 0;  // the device's nNrSekcji
    int number = 0;   // the device number

    friend auto operator<=>(const ScaleId&, const ScaleId&) = default;
};

}  // namespace Devices
