// Receipt header and footer pictures kept in the shop's database (table
// ObrazekParagonu), and the largest size the cash registers print, from
// "Parametry sklepu" / "Urządzenia" / "Obrazek paragonu".
#pragma once

#include <cstdint>
#include <optional>

#include "db/SessionHolder.h"
#include "dialogs/deviceconfig/IDeviceConfiguration.h"

namespace Kolvenia::DeviceConfig {

// The configured limits ("Maksymalna szerokość", "Maksymalna wysokość"; 384 and 240
// when missing). A width that is not a positive multiple of 8 raises
// "Maksymalna szerokość obrazka (<width>) musi być wielokrotnością 8.".
PictureLimits receiptPictureLimits();

// Checks the picture against the limits and stores it under a new reference.
std::int64_t storeReceiptPicture(TSessionHolder session, const ReceiptPicture& picture);
std::optional<ReceiptPicture> loadReceiptPicture(TSessionHolder session, std::int64_t ref);

}  // namespace Kolvenia::DeviceConfig
