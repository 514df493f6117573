// Stored routines of the shop schema on SQLite: the rows of korvel_routine, as described
// in db/Procedure.h. Functions are registered when the connection opens and, for rows
// added later, on their first use; a function's body is read when it is registered.
#pragma once

#include <map>
#include <memory>
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

    // Null when the database has no routine table.
    SqliteStatementHandle prepareRoutineRead(const char* sql);
    std::vector<Routine> readRoutines(sqlite3_stmt* statement, const std::string* name);
    const CompiledProcedure& compiled(const Routine& routine);
    void runBody(const CompiledProcedure& procedure, const ProcedureArguments& arguments);

    SqliteConnection& connection_;
    std::set<std::string> registeredFunctions_;  // SQLite names, lower case
    // Owned here, not by SQLite: a function holds a statement of the connection, and the
    // connection does not close while a statement lives.
    std::vector<std::unique_ptr<StoredFunction>> functions_;
    std::map<std::string, CompiledProcedure> procedures_;  // by lower-case routine name
    // A procedure's row is read at every call (a changed body is seen at once), but its
    // statement is compiled once: it would otherwise cost as much as the body.
    SqliteStatementHandle procedureRead_;
};

// The statements of a body, split at the ';' that are not inside quotes or comments.
std::vector<std::string> splitStatements(std::string_view body);

}  // namespace DBKernel
