// Stored routines of the shop schema on SQLite, which has no stored procedures. The
// schema keeps them as rows of
//   create table korvel_routine (
//       name text primary key,     -- "PPA.appendPpa", "lastStnDate"; matched case-insensitively
//       kind text not null,        -- 'procedure' or 'function'
//       parameters text not null,  -- parameter names in call order, comma-separated
//       body text not null);       -- Oracle SQL with :name binds, translated like any statement
// A procedure's body is one or more statements separated by ';', run in order with the
// call's arguments as binds (an argument not passed binds NULL), all or nothing.
// A function is registered as an SQLite function named as the routine with '.' made
// '_'; its arguments bind to its parameters in order, and its value is the first
// column of the body's first row (NULL without rows). Functions are registered when
// the connection opens and, for ones added later, on their first use.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../Connection.h"
#include "SqliteConnection.h"

namespace DBKernel {

class StoredFunction;

class SqliteRoutines {
public:
    explicit SqliteRoutines(SqliteConnection& connection);
    // Finalises the functions' statements, so that the connection can close.
    ~SqliteRoutines();

    // Registers the stored functions not registered yet; returns how many it added.
    int registerFunctions();
    // Raises EOraError 6550 for an unknown procedure or an argument it does not have.
    void callProcedure(const std::string& name, const ProcedureArguments& arguments);

private:
    struct Routine {
        std::string name;
        std::string kind;
        std::vector<std::string> parameters;  // lower case
        std::string body;
    };
    struct CompiledStatement {
        SqliteStatementHandle statement;
        std::vector<std::string> bindNames;  // bind i+1
    };
    struct CompiledProcedure {
        std::string body;
        std::vector<CompiledStatement> statements;
    };

    std::vector<Routine> readRoutines(const char* sql, const std::string* name);
    const CompiledProcedure& compiled(const Routine& routine);
    void runBody(const CompiledProcedure& procedure, const ProcedureArguments& arguments);

    SqliteConnection& connection_;
    std::set<std::string> registeredFunctions_;  // SQLite names, lower case
    // Owned here, not by SQLite: a function holds a statement of the connection, and the
    // connection does not close while a statement lives.
    std::vector<std::unique_ptr<StoredFunction>> functions_;
    std::map<std::string, CompiledProcedure> procedures_;  // by lower-case routine name
};

// The statements of a body, split at the ';' that are not inside quotes or comments.
std::vector<std::string> splitStatements(std::string_view body);

}  // namespace DBKernel
