#include "SqliteStatement.h"

#include "SqliteConnection.h"
#include "SqliteErrors.h"
#include "core/ScopeExit.h"

namespace DBKernel {

SqliteStatement::SqliteStatement(SqliteConnection& connection, sqlite3_stmt* statement, Dialect::LockRequest lock)
    : connection_(connection), statement_(statement), lock_(lock), readOnly_(sqlite3_stmt_readonly(statement) != 0) {}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

void SqliteStatement::execute(std::span<const Sql::Param> binds) {
    sqlite3_reset(statement_);
    for (std::size_t i = 0; i < binds.size(); ++i) {
        const int rc = bindValue(statement_, static_cast<int>(i + 1), binds[i].value());
        if (rc != SQLITE_OK) raiseSqliteError(connection_.handle(), rc);
    }
    // SQLite locks the whole database, not rows: "for update" takes the write lock.
    if (lock_ != Dialect::LockRequest::None) {
        const bool wait = lock_ == Dialect::LockRequest::Wait;
        connection_.inTransaction() ? connection_.takeWriteLock(wait) : connection_.probeWriteLock(wait);
    }
    rowsAffected_ = 0;
    step();
}

int bindValue(sqlite3_stmt* statement, int index, const Sql::Value& value) {
    const Sql::ValueView view = value.view();
    switch (view.type) {
    case Sql::ValueType::Null: return sqlite3_bind_null(statement, index);
    case Sql::ValueType::Integer: return sqlite3_bind_int64(statement, index, view.integer);
    case Sql::ValueType::Double: return sqlite3_bind_double(statement, index, view.real);
    case Sql::ValueType::Text:
        return sqlite3_bind_text64(statement, index, view.text.data(), view.text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    return SQLITE_MISUSE;
}

void SqliteStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        hasRow_ = true;
        return;
    }
    hasRow_ = false;
    if (rc == SQLITE_DONE) {
        if (!readOnly_) rowsAffected_ = sqlite3_changes64(connection_.handle());
        sqlite3_reset(statement_);  // a finished statement holds no snapshot
        return;
    }
    // Reset once the error is read from the connection: it would overwrite the message.
    Core::ScopeExit reset([this] { sqlite3_reset(statement_); });
    raiseSqliteError(connection_.handle(), rc);
}

void SqliteStatement::release() {
    sqlite3_reset(statement_);
    hasRow_ = false;
}

Sql::ValueView SqliteStatement::column(int index) const {
    sqlite3_value* value = sqlite3_column_value(statement_, index);  // one call into the statement per read
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER: return {Sql::ValueType::Integer, sqlite3_value_int64(value), 0, {}};
    case SQLITE_FLOAT: return {Sql::ValueType::Double, 0, sqlite3_value_double(value), {}};
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return {Sql::ValueType::Text, 0, 0, {text, static_cast<std::size_t>(sqlite3_value_bytes(value))}};
    }
    default: return {};
    }
}

}  // namespace DBKernel
