// The states of a PLU code (PLU.byStatus), as the shop's database and the devices'
// senders know them. A new code becomes ordinary once sent; a code to be deleted
// becomes deleted once the devices were told.
#pragma once

namespace Plu::Status {

// Host contract: the values of PLU.byStatus.
inline constexpr int New = 1;
inline constexpr int Ordinary = 2;
inline constexpr int ToDelete = 3;
inline constexpr int Deleted = 4;

}  // namespace Plu::Status
