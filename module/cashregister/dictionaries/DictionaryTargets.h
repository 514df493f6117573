// The cash registers a dictionary goes to: a device collection, narrowed to the
// operator's choice, each register added to the data sender by its device number.
#pragma once

#include <cstddef>
#include <optional>
#include <set>

#include "cashregister/CashRegisterServerCommunication.h"

namespace Kolvenia::Dictionaries {

enum class TargetDevices {
    InstalledCashRegisters,  // kolekcjaZainstalowanychKas
    EnabledCashRegisters,    // kolekcjaWlaczonychUrzadzen, cash registers only
};

struct TargetRule {
    TargetDevices devices;
    // Raised when no device of the collection's kind exists; null: nothing is sent.
    const char* missingMessage = nullptr;
    // Narrow with CNotIntegratedUrzCollectionModStrategy as well.
    bool notIntegrated = false;
};

// Adds the registers to the sender; answers how many.
std::size_t addTargets(CashRegisterServerCommunication::DataSender& sender, const TargetRule& rule,
                       const std::optional<std::set<int>>& chosen);

}  // namespace Kolvenia::Dictionaries
