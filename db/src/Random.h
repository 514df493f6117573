// A small seeded generator whose output is fixed by its algorithm alone
// (xoshiro256**, seeded through splitmix64), so a demo shop made from one
// seed is the same with every compiler and standard library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace ShopDb {

class Random {
public:
    explicit Random(std::uint64_t seed);

    std::uint64_t next();
    // Uniform in [0, bound); bound must be positive.
    std::uint64_t below(std::uint64_t bound);
    // Uniform in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high);
    // Uniform in [0, 1).
    double fraction();
    // True with the given probability.
    bool chance(double probability) { return fraction() < probability; }

    template <class T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(below(items.size()))];
    }

private:
    std::uint64_t state_[4];
};

}  // namespace ShopDb
