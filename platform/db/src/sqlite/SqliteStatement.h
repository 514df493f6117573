// One prepared SQLite statement. Values keep SQLite's own type per row, so an
// aggregate of integers reads as an integer.
#pragma once

#include <sqlite3.h>

#include "../Connection.h"

namespace DBKernel {

class SqliteConnection;

// Binds one value to a statement; returns SQLite's result code.
int bindValue(sqlite3_stmt* statement, int index, const Sql::Value& value);

class SqliteStatement : public EngineStatement {
public:
    // lock: how the statement locks rows (FOR UPDATE), which on SQLite means the write lock.
    SqliteStatement(SqliteConnection& connection, sqlite3_stmt* statement, Dialect::LockRequest lock);
    ~SqliteStatement() override;

    void execute(std::span<const Sql::Param> binds) override;
    bool hasRow() const override { return hasRow_; }
    void next() override { step(); }
    void release() override;

    int columnCount() const override { return sqlite3_column_count(statement_); }
    std::string columnName(int index) const override { return sqlite3_column_name(statement_, index); }
    Sql::ValueView column(int index) const override;
    std::int64_t rowsAffected() const override { return rowsAffected_; }

private:
    void step();

    SqliteConnection& connection_;
    sqlite3_stmt* statement_;
    Dialect::LockRequest lock_;
    bool readOnly_;
    bool hasRow_ = false;
    std::int64_t rowsAffected_ = 0;
};

}  // namespace DBKernel
