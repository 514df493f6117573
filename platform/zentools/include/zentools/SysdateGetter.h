// The database's current date. Work that compares with dates stored in the shop
// database asks the database for "today", so that every computer of the shop agrees.
#pragma once

#include "db/SessionHolder.h"

namespace Zentools {

class SysdateGetter {
public:
    // Today in the database server's time zone, as a host day number (whole days
    // since 30 December 1899).
    static int getDate(const TSessionHolder& session);
};

}  // namespace Zentools
