// An SQLite database file: WAL mode (readers never wait for the writer), foreign keys
// on, and no busy waiting - a write lock held by another session fails at once with
// EOraError 54. Transactions take the write lock when they start (BEGIN IMMEDIATE).
#pragma once

#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "../Connection.h"
#include "db/SessionHolder.h"

namespace DBKernel {

class SqliteCheckpointer;
class SqliteRoutines;

// How long a plain FOR UPDATE waits for the write lock before failing with 54.
constexpr int lockWaitMilliseconds = 30000;

struct SqliteFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using SqliteStatementHandle = std::unique_ptr<sqlite3_stmt, SqliteFinalizer>;

class SqliteConnection : public Connection {
public:
    SqliteConnection(const std::string& displayUrl, const std::string& path, OpenMode mode);
    ~SqliteConnection() override;

    Dialect::Engine engine() const override { return Dialect::Engine::SQLite; }
    std::unique_ptr<EngineStatement> prepare(const Dialect::Translation& translation) override;
    void begin() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;
    void runScript(const std::string& script) override { run(script.c_str()); }
    void callProcedure(const std::string& name, const ProcedureArguments& arguments) override;
    std::int64_t nextReference() override;

    sqlite3* handle() const noexcept { return db_; }
    // Runs kernel SQL without rows.
    void run(const char* sql);
    // Runs one kernel statement without rows that recurs (a savepoint per procedure
    // call), compiled at its first use and kept; only the kernel's own fixed texts.
    void runKept(const char* sql);
    // Outside a transaction, takes the write lock and gives it back at once: what a row
    // lock released at the end of its statement comes to here. Without wait a held lock
    // fails at once (54); with wait it is waited for as long as lockWait.
    void probeWriteLock(bool wait);
    // Inside a transaction, makes it the writer now (a no-op when it already is). A held
    // lock fails at once (54) unless waited for; the transaction then goes on without it.
    void takeWriteLock(bool wait);
    // Compiles the first statement of the SQLite text; *tail receives the rest. A call
    // of a stored function not registered yet registers the stored functions and retries.
    sqlite3_stmt* compile(std::string_view sql, const char** tail);
    // Steps a kernel statement to its end (resetting it), raising its error if any.
    void finish(sqlite3_stmt* statement, int lastResult);

private:
    void beginImmediate(bool wait);
    sqlite3* db_ = nullptr;
    std::unique_ptr<SqliteCheckpointer> checkpointer_;
    std::unique_ptr<SqliteRoutines> routines_;
    SqliteStatementHandle nextReference_;
    std::map<std::string, SqliteStatementHandle, std::less<>> kept_;
};

}  // namespace DBKernel
