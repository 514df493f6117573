#include "plu/PriceCarryingCode.h"

#include "core/Money.h"
#include "tools/Plu.h"

namespace PluTransmission {

std::optional<double> priceCarriedByCode(const std::string& code) {
    Plu::TPlu plu;
    try {
        plu = code;
    } catch (const Plu::InvalidCode&) {
        return std::nullopt;
    }
    if (plu.type() != Plu::TPlu::PriceCarrying) return std::nullopt;
    const std::string& digits = plu.raw();
    const int whole = std::stoi(digits.substr(6, 3));
    const int hundredths = std::stoi(digits.substr(9, 2));
    // The small addend keeps a value such as 0.29 from landing just below its cent.
    return whole + (hundredths + 0.00001) * 0.01;
}

std::string formatPrice(double price) { return Core::Price::fromDouble(price).toString(); }

}  // namespace PluTransmission
