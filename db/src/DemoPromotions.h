// The demo shop's promotions: one or more of every condition and profit kind, among
// them a cancelled one, a simple one and some already sent, valid around the shop's day.
#pragma once

#include <cstdint>

#include "db/SessionHolder.h"

namespace ShopDb::DemoPromotions {

// Products named by the promotions are taken from 3 to productCount (1 and 2 are the
// returnable packaging); gifts 1 to 5 are the demo shop's.
void write(const TSessionHolder& session, std::int32_t today, std::int64_t productCount);

}  // namespace ShopDb::DemoPromotions
