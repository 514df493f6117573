// PLU codes of every kind that docs/plu-codes.md describes, as the demo shop makes
// them: manufacturers' EAN-13 and EAN-8, in-store EAN-13 ("20"), weight codes ("27"
// for scale section 1, "28" for the others) and value codes ("29") completed by the
// scales, price-carrying codes ("26") and short codes typed at the register.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ShopDb::PluCodes {

// Each builder takes the numbers that make the code and zero-pads them to their
// fields; a number too large for its field is a logic error.
std::string ean13(std::uint64_t manufacturerItem);           // "590" + 9 digits + check
std::string ean8(std::uint32_t item);                        // "590" + 4 digits + check
std::string inStore(std::uint64_t item);                     // "20" + 10 digits + check
std::string weight(int section, std::uint32_t scaleNumber);  // "27"/"28" + 5 digits
std::string value(std::uint32_t scaleNumber);                // "29" + 5 digits
// "26" + 4-digit item + 5-digit price (characters 7-11: złoty 7-9, grosze 10-11)
// + the check digit of the price alone + the check digit of the whole.
std::string priceCarrying(std::uint32_t item, std::int64_t priceInGrosze);
std::string shortCode(std::uint32_t item);  // 4 digits, from "1000"

}  // namespace ShopDb::PluCodes
