// A prepared statement without rows: update, delete, insert, merge, DDL.
//
//   Command c("update PLU set byStatus = :byStatus where lPLURef = :lPLURef", session);
//   c.Params["byStatus"] = 2;  c.Params["lPLURef"] = ref;
//   if (c.execute() == 0) ...  // no row updated
#pragma once

#include <cstdint>

#include "db/Statement.h"

namespace DBKernel::Sql {

// Host contract: the command class.
class Command : public Statement {
public:
    Command(SqlText sql, TSessionHolder session = TSessionHolder(true), QuerySettings settings = {});
    // Binds the Params and runs; returns the number of rows affected.
    std::int64_t execute();
    std::int64_t rowsAffected() const noexcept { return rowsAffected_; }

private:
    std::int64_t rowsAffected_ = 0;
};

}  // namespace DBKernel::Sql
