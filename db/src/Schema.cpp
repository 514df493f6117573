#include "shopdb/Schema.h"

#include <string>

#include "SchemaScripts.h"
#include "SqlScript.h"
#include "core/Errors.h"
#include "db/Command.h"
#include "db/Query.h"
#include "db/TransactionScope.h"

namespace ShopDb {

namespace {

using DBKernel::Dialect::Engine;
using DBKernel::Sql::Command;
using DBKernel::Sql::OpenedQuery;
using DBKernel::Sql::PreparedQuery;

const DBKernel::Sql::QuerySettings oneOff{.reuseStatement = false};

std::string_view engineScript(Engine engine) {
    return engine == Engine::PostgreSQL ? SchemaScripts::postgresql : SchemaScripts::sqlite;
}

std::string dropStatement(const CreatedObject& object) {
    std::string statement = "drop " + object.kind + " if exists " + object.name;
    if (object.kind == "schema") statement += " cascade";
    return statement;
}

// Drops what the engine's script creates, in the reverse order, so that nothing
// is dropped before what depends on it.
void dropSchema(const TSessionHolder& session) {
    std::string drops;
    for (const std::string& statement : splitStatements(engineScript(session.engine())))
        if (auto object = createdObject(statement)) drops = dropStatement(*object) + ";\n" + drops;
    session.ExecuteNativeScript(drops);
}

}  // namespace

bool hasSchema(const TSessionHolder& session) {
    const char* sql = session.engine() == Engine::PostgreSQL
                          ? "select count(*) as found from information_schema.tables "
                            "where table_schema = current_schema() and table_name = 'towar'"
                          : "select count(*) as found from sqlite_master "
                            "where type = 'table' and lower(name) = 'towar'";
    return OpenedQuery(sql, session, oneOff)["found"].asInt64() > 0;
}

void createSchema(TSessionHolder session, bool force) {
    DBKernel::TransactionScope transaction(session, DBKernel::TransactionScope::JoinOpen);
    if (hasSchema(session)) {
        if (!force)
            throw Core::PlacedRuntimeError(
                "Baza danych zawiera już schemat sklepu. Utworzenie go od nowa wymaga wymuszenia "
                "i usuwa wszystkie dane sklepu.",
                CORE_SRC_INFO("ShopDb::createSchema"));
        dropSchema(session);
    }
    // The scripts are in each engine's own dialect: they bypass the translation.
    session.ExecuteNativeScript(std::string(engineScript(session.engine())));
    session.ExecuteNativeScript(std::string(SchemaScripts::reference));
    transaction.commit();
}

void reserveReferences(TSessionHolder session, std::int64_t lastUsed) {
    if (session.engine() == Engine::PostgreSQL) {
        // setval's "is_called" true: the next value is one above.
        PreparedQuery query(
            "select setval('korvel_ref_seq', greatest(:lastUsed, "
            "(select last_value from korvel_ref_seq))) as last_value from dual",
            session, oneOff);
        query.Params["lastUsed"] = lastUsed;
        query.execute();
        return;
    }
    Command command("update korvel_ref set last_value = :lastUsed where last_value < :lastUsed", session, oneOff);
    command.Params["lastUsed"] = lastUsed;
    command.execute();
}

}  // namespace ShopDb
