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
    const std::string digits = std::to_string(magnitude % scale());
    std::string text = units_ < 0 ? "-" : "";
    text += std::to_string(magnitude / scale());
    text += '.';
    text.append(Decimals - digits.size(), '0');
    text += digits;
    return text;
}

template class Decimal<2>;
template class Decimal<3>;
template class Decimal<4>;

}  // namespace Core
