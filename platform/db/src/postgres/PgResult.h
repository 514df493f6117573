// libpq results owned as values, and their errors as EOraError (the map is in db/OraError.h).
#pragma once

#include <libpq-fe.h>

#include <memory>
#include <string_view>

namespace DBKernel {

struct PgResultClear {
    void operator()(PGresult* result) const noexcept { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgResultClear>;

// What a failed statement means to the caller; a procedure call names an unknown
// procedure where a query names an unknown function.
enum class PgStatementKind { Query, ProcedureCall };

int oracleCodeForSqlState(std::string_view sqlState, PgStatementKind kind);

bool failed(const PGresult* result);
// Raises EOraError for a failed result (or a missing one: the connection is gone).
[[noreturn]] void raisePgError(const PGresult* result, PGconn* connection, PgStatementKind kind);

}  // namespace DBKernel
