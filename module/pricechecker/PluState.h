// PLU states (PLU.byStatus) the price-checker code tests for.
#pragma once

namespace Devices::PriceChecker::PluState {

inline constexpr int New = 1;
inline constexpr int Ordinary = 2;
inline constexpr int ToBeDeleted = 3;
inline constexpr int Deleted = 4;

}  // namespace Devices::PriceChecker::PluState
