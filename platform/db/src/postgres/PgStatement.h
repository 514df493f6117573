// One statement on PostgreSQL. Binds are sent as text; integers are typed bigint and
// doubles double precision (so "select :x ..." keeps a number a number), texts and
// NULLs untyped so the server takes the type from where they stand. The server-side
// preparation is made per combination of bind types, on first execution.
//
// A query's rows arrive whole (so other statements can run on the session while they
// are walked). Columns: integer types read as Integer, float types as Double, numeric as Integer
// when the value has no fraction and Double otherwise, booleans as 1/0, the rest as Text.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "../Connection.h"
#include "PgResult.h"

namespace DBKernel {

class PgConnection;

class PgStatement : public EngineStatement {
public:
    PgStatement(PgConnection& connection, const Dialect::Translation& translation);
    ~PgStatement() override;

    void execute(std::span<const Sql::Param> binds) override;
    bool hasRow() const override { return row_ < rowCount_; }
    void next() override { ++row_; }
    void release() override;

    int columnCount() const override { return static_cast<int>(columnNames_.size()); }
    std::string columnName(int index) const override { return columnNames_.at(static_cast<std::size_t>(index)); }
    Sql::ValueView column(int index) const override;
    std::int64_t rowsAffected() const override { return rowsAffected_; }

private:
    enum class ColumnKind { Integer, Double, Numeric, Boolean, Text };

    const std::string& preparedName(const std::vector<Oid>& types);
    void learnColumns();

    PgConnection& connection_;
    std::string sql_;
    std::vector<std::pair<std::vector<Oid>, std::string>> prepared_;  // bind types, server name
    PgResult result_;
    int rowCount_ = 0;
    int row_ = 0;
    std::vector<std::string> columnNames_;
    std::vector<ColumnKind> columnKinds_;
    std::int64_t rowsAffected_ = 0;
    std::vector<std::string> bindTexts_;  // kept between executions to spare allocations
};

// Text of a value as bound on PostgreSQL; nullopt for NULL.
const char* pgBindText(const Sql::Value& value, std::string& buffer);

}  // namespace DBKernel
