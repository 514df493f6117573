#include "PluCodes.h"

#include <boost/format.hpp>

#include "core/Errors.h"
#include "tools/Plu.h"

namespace ShopDb::PluCodes {

namespace {

std::string padded(std::uint64_t number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) > width)
        throw Core::PlacedLogicError(
            (boost::format("Liczba %1% nie mieści się w %2% cyfrach kodu PLU.") % number % width).str(),
            CORE_SRC_INFO("PluCodes::padded"));
    return std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits;
}

std::string withCheckDigit(std::string digits) {
    digits += Plu::checkDigit(digits);
    return digits;
}

}  // namespace

std::string ean13(std::uint64_t manufacturerItem) { return withCheckDigit("590" + padded(manufacturerItem, 9)); }

std::string ean8(std::uint32_t item) { return withCheckDigit("590" + padded(item, 4)); }

std::string inStore(std::uint64_t item) { return withCheckDigit("20" + padded(item, 10)); }

std::string weight(int section, std::uint32_t scaleNumber) {
    return (section == 1 ? "27" : "28") + padded(scaleNumber, 5);
}

std::string value(std::uint32_t scaleNumber) { return "29" + padded(scaleNumber, 5); }

std::string priceCarrying(std::uint32_t item, std::int64_t priceInGrosze) {
    const std::string price = padded(static_cast<std::uint64_t>(priceInGrosze), 5);
    return withCheckDigit("26" + padded(item, 4) + price + Plu::checkDigit(price));
}

std::string shortCode(std::uint32_t item) { return padded(1000 + item, 4); }

}  // namespace ShopDb::PluCodes
