// The host's money and quantity values: exact decimals held as whole counts of their
// smallest unit, so sums and comparisons never drift. Doubles from the database are
// rounded half away from zero on the way in.
#pragma once

#include <cstdint>
#include <string>

namespace Core {

template <int Decimals>
class Decimal {
public:
    static constexpr std::int64_t scale() {
        std::int64_t s = 1;
        for (int i = 0; i < Decimals; ++i) s *= 10;
        return s;
    }

    constexpr Decimal() = default;
    static Decimal fromUnits(std::int64_t units) { return Decimal(units); }
    static Decimal fromDouble(double value);

    std::int64_t units() const noexcept { return units_; }
    double asDouble() const noexcept { return static_cast<double>(units_) / static_cast<double>(scale()); }
    bool isZero() const noexcept { return units_ == 0; }
    // Fixed notation with exactly Decimals digits after a '.' ("12.30").
    std::string toString() const;

    friend auto operator<=>(const Decimal&, const Decimal&) = default;
    friend Decimal operator+(Decimal a, Decimal b) { return Decimal(a.units_ + b.units_); }
    friend Decimal operator-(Decimal a, Decimal b) { return Decimal(a.units_ - b.units_); }

private:
    explicit constexpr Decimal(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

using Price = Decimal<2>;     // money, to the grosz
using Quantity = Decimal<3>;  // pieces or kilograms, to the gram
// Decimal<4>: purchase prices, which carry a hundredth of a grosz.

}  // namespace Core
