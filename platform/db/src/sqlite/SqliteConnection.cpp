#include "SqliteConnection.h"

#include <boost/format.hpp>
#include <filesystem>

#include "SqliteCheckpointer.h"
#include "SqliteErrors.h"
#include "SqliteRoutines.h"
#include "SqliteStatement.h"
#include "core/ScopeExit.h"
#include "db/OraError.h"

namespace DBKernel {

namespace {

[[noreturn]] void cannotOpen(const std::string& displayUrl, const std::string& reason) {
    throw Oraerror::EOraError(
        Oraerror::Code::CannotOpen,
        (boost::format("nie można otworzyć bazy danych \"%1%\": %2%") % displayUrl % reason).str());
}

bool onlySeparatorsLeft(const char* tail) {
    for (; *tail; ++tail)
        if (*tail != ';' && *tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n') return false;
    return true;
}

}  // namespace

SqliteConnection::SqliteConnection(const std::string& displayUrl, const std::string& path, OpenMode mode) {
    std::error_code ignored;
    if (mode == OpenMode::Existing && path != ":memory:" && !std::filesystem::exists(path, ignored))
        cannotOpen(displayUrl, "plik \"" + path + "\" nie istnieje");
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (mode == OpenMode::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    try {
        if (rc != SQLITE_OK) raiseSqliteError(db_, rc);
        sqlite3_extended_result_codes(db_, 1);
        run("pragma journal_mode = wal");
        run("pragma synchronous = normal");
        run("pragma foreign_keys = on");
        // A 16 MB page cache instead of 2 MB, and a checkpoint every 40 MB of log instead of
        // 4 MB, made beside the writer: a large transmission reads the same pages again in
        // every package and rewrites them at every checkpoint (measured in bench/README.md).
        // The cache size also bounds each sort's memory before it spills to a file; 64 MB
        // was no faster and doubled the peak while the day's main query sorts.
        run("pragma cache_size = -16384");
        if (path != ":memory:") {
            checkpointer_ = std::make_unique<SqliteCheckpointer>(path);
            checkpointer_->watch(db_);
        }
    } catch (const Oraerror::EOraError& error) {
        sqlite3_close_v2(db_);
        cannotOpen(displayUrl, error.engineMessage());
    }
    routines_ = std::make_unique<SqliteRoutines>(*this);
    routines_->registerFunctions();
}

SqliteConnection::~SqliteConnection() {
    checkpointer_.reset();  // its connection first, so that closing this one can end the log
    nextReference_.reset();
    kept_.clear();
    routines_.reset();
    sqlite3_close_v2(db_);
}

std::unique_ptr<EngineStatement> SqliteConnection::prepare(const Dialect::Translation& translation) {
    const char* tail = nullptr;
    sqlite3_stmt* statement = compile(translation.sql, &tail);
    if (!onlySeparatorsLeft(tail)) {
        sqlite3_finalize(statement);
        throw Oraerror::EOraError(Oraerror::Code::MoreThanOneStatement,
                                  "tekst zawiera więcej niż jedno polecenie: " + translation.sql);
    }
    return std::make_unique<SqliteStatement>(*this, statement, translation.lock);
}

sqlite3_stmt* SqliteConnection::compile(std::string_view sql, const char** tail) {
    for (bool retried = false;; retried = true) {
        sqlite3_stmt* statement = nullptr;
        const int rc = sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                          &statement, tail);
        if (rc == SQLITE_OK && statement) return statement;
        if (rc == SQLITE_OK) throw Oraerror::EOraError(Oraerror::Code::InvalidStatement, "puste polecenie SQL");
        const std::string_view message = sqlite3_errmsg(db_);
        if (!retried && message.starts_with("no such function") && routines_ && routines_->registerFunctions() > 0)
            continue;
        raiseSqliteError(db_, rc);
    }
}

void SqliteConnection::run(const char* sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
    sqlite3_free(error);  // the same text is still available from sqlite3_errmsg
    if (rc != SQLITE_OK) raiseSqliteError(db_, rc);
}

void SqliteConnection::runKept(const char* sql) {
    auto found = kept_.find(std::string_view(sql));
    if (found == kept_.end()) found = kept_.emplace(sql, SqliteStatementHandle(compile(sql, nullptr))).first;
    finish(found->second.get(), sqlite3_step(found->second.get()));
}

// Deferred: the write lock is taken by the first write or "for update", so a session
// that only reads, or locks nothing, never stands in another's way.
void SqliteConnection::begin() { run("begin"); }

void SqliteConnection::commit() { run("commit"); }

void SqliteConnection::rollback() { run("rollback"); }

bool SqliteConnection::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

void SqliteConnection::beginImmediate(bool wait) {
    if (wait) sqlite3_busy_timeout(db_, lockWaitMilliseconds);
    Core::ScopeExit noWaiting([this] { sqlite3_busy_timeout(db_, 0); });
    run("begin immediate");
}

void SqliteConnection::probeWriteLock(bool wait) {
    beginImmediate(wait);
    run("commit");
}

void SqliteConnection::takeWriteLock(bool wait) {
    if (sqlite3_txn_state(db_, nullptr) == SQLITE_TXN_WRITE) return;
    // Nothing is written yet, so the transaction can start again as the writer; that also
    // moves its snapshot past commits made since it read, which a writer must see.
    run("rollback");
    try {
        beginImmediate(wait);
    } catch (...) {
        run("begin");  // the caller's transaction goes on, still without the lock
        throw;
    }
}

void SqliteConnection::callProcedure(const std::string& name, const ProcedureArguments& arguments) {
    routines_->callProcedure(name, arguments);
}

std::int64_t SqliteConnection::nextReference() {
    if (!nextReference_)
        nextReference_.reset(
            compile("update korvel_ref set last_value = last_value + 1 returning last_value", nullptr));
    sqlite3_stmt* statement = nextReference_.get();
    const int rc = sqlite3_step(statement);
    const std::int64_t reference = rc == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    finish(statement, rc);
    if (rc != SQLITE_ROW)
        throw Oraerror::EOraError(Oraerror::Code::NoDataFound, "tabela korvel_ref nie ma wiersza licznika");
    return reference;
}

void SqliteConnection::finish(sqlite3_stmt* statement, int lastResult) {
    int rc = lastResult;
    while (rc == SQLITE_ROW) rc = sqlite3_step(statement);
    if (rc != SQLITE_DONE) {
        const std::string message = sqlite3_errmsg(db_);
        const int code = sqlite3_extended_errcode(db_);
        sqlite3_reset(statement);
        throw Oraerror::EOraError(oracleCodeForSqlite(code, message), message);
    }
    sqlite3_reset(statement);
}

}  // namespace DBKernel
