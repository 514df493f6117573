#include "core/Money.h"

#include <cmath>
#include <cstdlib>

namespace Core {

template <int Decimals>
Decimal<Decimals> Decimal<Decimals>::fromDouble(double value) {
    return Decimal(static_cast<std::int64_t>(std::llround(value * static_cast<double>(scale()))));
}

template <int Decimals>
std::string Decimal<Decimals>::toString() const {
    const std::int64_t magnitude = units_ < 0 ? -units_ : units_;
    std::string fraction = std::to_string(magnitude % scale());
    fraction.insert(0, Decimals - fraction.size(), '0');
    return (units_ < 0 ? "-" : "") + std::to_string(magnitude / scale()) + "." + fraction;
}

template class Decimal<2>;
template class Decimal<3>;
template class Decimal<4>;

}  // namespace Core
