#include "hostlists/Entities.h"

#include <algorithm>

#include "core/Errors.h"
#include "db/Query.h"

namespace Korvel::Dao {

namespace {

// What the generic reader needs of an entity: its name, table, fields and row reader.
template <class Entity>
struct EntityTraits;

template <>
struct EntityTraits<Country> {
    static constexpr const char* name = "Country";
    static std::vector<std::string> fields() { return {"id", "code", "name", "activityStatus"}; }
    static Country read(const DBKernel::Sql::Query& row) {
        return {row["id"].asInt(), row["code"].asString(), row["name"].asString(), row["activityStatus"].asInt()};
    }
};

template <>
struct EntityTraits<ReturnReason> {
    static constexpr const char* name = "ReturnReason";
    static std::vector<std::string> fields() { return {"id", "name", "deleted"}; }
    static ReturnReason read(const DBKernel::Sql::Query& row) {
        return {row["id"].asInt(), row["name"].asString(), row["deleted"].asInt() != 0};
    }
};

template <>
struct EntityTraits<AutomaticDiscountType> {
    static constexpr const char* name = "AutomaticDiscountType";
    static std::vector<std::string> fields() { return {"id", "name", "isActive"}; }
    static AutomaticDiscountType read(const DBKernel::Sql::Query& row) {
        return {row["id"].asInt(), row["name"].asString(), row["isActive"].asInt() != 0};
    }
};

template <class Entity>
std::string selectText(const Filter& filter) {
    using Traits = EntityTraits<Entity>;
    const auto fields = Traits::fields();
    std::string sql = "select ";
    for (std::size_t i = 0; i < fields.size(); ++i) sql += (i ? ", " : "") + fields[i];
    sql += " from " + std::string(Traits::name);
    for (std::size_t i = 0; i < filter.conditions().size(); ++i) {
        const std::string& field = filter.conditions()[i].first;
        if (std::find(fields.begin(), fields.end(), field) == fields.end())
            throw Core::PlacedLogicError("Encja " + std::string(Traits::name) + " nie ma pola " + field + ".",
                                         CORE_SRC_INFO("Korvel::Dao::DaoFactory::find"));
        sql += (i ? " and " : " where ") + field + " = :p" + std::to_string(i);
    }
    return sql + " order by id";
}

}  // namespace

Filter& Filter::equals(std::string field, bool value) { return equals(std::move(field), value ? 1LL : 0LL); }

Filter& Filter::equals(std::string field, long long value) {
    conditions_.emplace_back(std::move(field), DBKernel::Sql::Value::integer(value));
    return *this;
}

Filter& Filter::equals(std::string field, std::string value) {
    conditions_.emplace_back(std::move(field), DBKernel::Sql::Value::text(std::move(value)));
    return *this;
}

DaoFactory& DaoFactory::instance() {
    static DaoFactory factory;
    return factory;
}

template <class Entity>
std::vector<Entity> DaoFactory::find(const Filter& filter, TSessionHolder session) const {
    DBKernel::Sql::PreparedQuery query(selectText<Entity>(filter), std::move(session));
    for (std::size_t i = 0; i < filter.conditions().size(); ++i)
        query.Params["p" + std::to_string(i)] = filter.conditions()[i].second;
    query.execute();
    std::vector<Entity> records;
    for (; query; query.next()) records.push_back(EntityTraits<Entity>::read(query));
    return records;
}

template std::vector<Country> DaoFactory::find<Country>(const Filter&, TSessionHolder) const;
template std::vector<ReturnReason> DaoFactory::find<ReturnReason>(const Filter&, TSessionHolder) const;
template std::vector<AutomaticDiscountType> DaoFactory::find<AutomaticDiscountType>(const Filter&,
                                                                                    TSessionHolder) const;

}  // namespace Korvel::Dao
