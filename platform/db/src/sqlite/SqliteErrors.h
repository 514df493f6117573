// SQLite result codes as the kernel's Oracle error numbers (the map is in db/OraError.h).
#pragma once

#include <sqlite3.h>

#include <string_view>

namespace DBKernel {

int oracleCodeForSqlite(int extendedCode, std::string_view message);

// Raises EOraError for the connection's last error, reported as resultCode.
[[noreturn]] void raiseSqliteError(sqlite3* db, int resultCode);

}  // namespace DBKernel
