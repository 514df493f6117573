// A PostgreSQL connection through libpq. Oracle undoes only the failing statement of a
// transaction, PostgreSQL the whole transaction; so inside a transaction every
// statement runs under a savepoint, sent in one round trip with the statement
// (pipeline mode) and rolled back to only when the statement fails.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../Connection.h"
#include "PgResult.h"

namespace DBKernel {

class PgConnection : public Connection {
public:
    PgConnection(const std::string& displayUrl, const std::string& uri);
    ~PgConnection() override;

    Dialect::Engine engine() const override { return Dialect::Engine::PostgreSQL; }
    std::unique_ptr<EngineStatement> prepare(const Dialect::Translation& translation) override;
    void begin() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;
    void runScript(const std::string& script) override { runCommand(script.c_str()); }
    // call name(parameter => $1, ...), names lower-cased ("PPA.appendPpa" is ppa.appendppa).
    void callProcedure(const std::string& name, const ProcedureArguments& arguments) override;
    std::int64_t nextReference() override;

    // Kernel side, for statements.
    std::string newStatementName();
    void prepareNamed(const std::string& name, const std::string& sql, const std::vector<Oid>& types);
    PgResult execPrepared(const std::string& name, const std::vector<const char*>& values);
    // Server-side statements are dropped with the next preparation, never from a destructor.
    void deallocateLater(std::string name);

private:
    using Send = std::function<int()>;
    // Runs one statement, under a savepoint when a transaction is open; raises its error.
    PgResult run(const Send& send, PgStatementKind kind);
    PgResult runGuarded(const Send& send, PgStatementKind kind);
    PgResult nextPipelineResult();
    void runCommand(const char* sql);

    PGconn* connection_ = nullptr;
    unsigned statementCounter_ = 0;
    std::vector<std::string> pendingDeallocations_;
};

}  // namespace DBKernel
