// The demo shop's exports to the financial-accounting system, a week apart. The last
// one lies two days before the week of sales: the turnover re-send "from the last FK
// export" verifies the days after the day following it, i.e. the whole week.
#pragma once

#include <cstdint>

#include "db/SessionHolder.h"

namespace ShopDb {

void writeFkExports(const TSessionHolder& session, std::int32_t today);

}  // namespace ShopDb
