// The engine layer under the kernel: one connection and its prepared statements.
// Everything above it (sessions, caches, queries, datasets) is engine-neutral.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "db/Dialect.h"
#include "db/Param.h"
#include "db/Value.h"

namespace DBKernel {

// One statement prepared on an engine. Binds arrive in bind order (index i is the
// translation's bind i+1).
class EngineStatement {
public:
    virtual ~EngineStatement() = default;

    // Runs and stands on the first row, if any; rows affected are known afterwards.
    virtual void execute(std::span<const Sql::Param> binds) = 0;
    virtual bool hasRow() const = 0;
    virtual void next() = 0;
    // Ends the current execution, so that its locks and memory go; the preparation stays.
    virtual void release() = 0;

    virtual int columnCount() const = 0;
    virtual std::string columnName(int index) const = 0;
    virtual Sql::ValueView column(int index) const = 0;
    virtual std::int64_t rowsAffected() const = 0;
};

using ProcedureArguments = std::vector<std::pair<std::string, Sql::Value>>;

class Connection {
public:
    virtual ~Connection() = default;

    virtual Dialect::Engine engine() const = 0;
    virtual std::unique_ptr<EngineStatement> prepare(const Dialect::Translation& translation) = 0;

    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;

    // Runs engine-native SQL, one or more statements, untranslated.
    virtual void runScript(const std::string& script) = 0;
    virtual void callProcedure(const std::string& name, const ProcedureArguments& arguments) = 0;
    virtual std::int64_t nextReference() = 0;
};

}  // namespace DBKernel
