#include "properties/StoredProperties.h"

#include "core/Errors.h"
#include "db/Command.h"
#include "db/Query.h"

namespace Korvel {

namespace {

bool asBool(const std::optional<std::string>& value) { return value && (*value == "1" || *value == "true"); }

std::optional<std::string> read(const std::string& sql, const std::string& name, const TSessionHolder& session) {
    DBKernel::Sql::PreparedQuery query(sql, session);
    query.Params["name"] = name;
    query.execute();
    if (!query || query["value"].isNull()) return std::nullopt;
    return query["value"].asString();
}

}  // namespace

StoredProperties::StoredProperties(TSessionHolder session) : session_(std::move(session)) {}

std::optional<std::string> StoredProperties::get(const std::string& name) const {
    return read("select value from StoredProperty where name = :name", name, session_);
}

bool StoredProperties::getBool(const std::string& name) const { return asBool(get(name)); }

bool StoredProperties::lockBool(const std::string& name) const {
    if (!session_.InTransaction())
        throw Core::PlacedLogicError("Blokada właściwości " + name + " wymaga otwartej transakcji.",
                                     CORE_SRC_INFO("Korvel::StoredProperties::lockBool"));
    return asBool(read("select value from StoredProperty where name = :name for update", name, session_));
}

void StoredProperties::set(const std::string& name, const std::string& value) const {
    DBKernel::Sql::Command update("update StoredProperty set value = :value where name = :name", session_);
    update.Params["value"] = value;
    update.Params["name"] = name;
    if (update.execute() > 0) return;
    DBKernel::Sql::Command insert("insert into StoredProperty (name, value) values (:name, :value)", session_);
    insert.Params["name"] = name;
    insert.Params["value"] = value;
    insert.execute();
}

}  // namespace Korvel
