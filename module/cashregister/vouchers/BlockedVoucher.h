// A blocked range of gift-voucher numbers, as read from an import file: five optional
// texts, kept exactly as found (no conversion, no check). Exported: the cash-register
// transmission modules receive these records.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Kolvenia {

// Host contract: the record and its fields, in this order.
struct BlockedVoucher {
    std::optional<std::string> group;       // "grupa"
    std::optional<std::string> expiryDate;  // "data_waznosci"
    std::optional<std::string> numberFrom;  // "numerator_od"
    std::optional<std::string> numberTo;    // "numerator_do"
    std::optional<std::string> faceValue;   // "nominal"

    friend bool operator==(const BlockedVoucher&, const BlockedVoucher&) = default;
};

// Host contract: the records of one import file, in file order.
using BlockedVoucherCollection = std::vector<BlockedVoucher>;
using BlockedVoucherCollectionPtr = std::shared_ptr<BlockedVoucherCollection>;

}  // namespace Kolvenia
