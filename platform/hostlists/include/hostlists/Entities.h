// The host's entity access as the dictionary sends use it: records of a named entity,
// read in one session, narrowed by a filter of field = value conditions.
//
//   auto active = Korvel::Dao::DaoFactory::instance().find<Korvel::Dao::AutomaticDiscountType>(
//       Korvel::Dao::Filter().equals("isActive", true), session);
//
// Records come in the order of their id. A filter naming a field the entity does not
// have raises a logic error naming the entity and the field.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "db/SessionHolder.h"
#include "db/Value.h"

namespace Korvel::Dao {

// Activity statuses of dictionary records; only the inactive one matters to the senders.
enum class ActivityStatus : int { Active = 0, Inactive = 2 };

// Host contract: entity "Country" (table Country).
struct Country {
    int id = 0;
    std::string code;  // ISO 3166 alpha-2
    std::string name;
    int activityStatus = 0;

    bool isInactive() const { return activityStatus == static_cast<int>(ActivityStatus::Inactive); }
};

// Host contract: entity "ReturnReason" (table ReturnReason): why a customer returns goods.
struct ReturnReason {
    int id = 0;
    std::string name;
    bool deleted = false;
};

// Host contract: entity "AutomaticDiscountType" (table AutomaticDiscountType).
struct AutomaticDiscountType {
    int id = 0;
    std::string name;
    bool isActive = false;
};

class Filter {
public:
    Filter& equals(std::string field, bool value);
    Filter& equals(std::string field, long long value);
    Filter& equals(std::string field, std::string value);

    const std::vector<std::pair<std::string, DBKernel::Sql::Value>>& conditions() const { return conditions_; }

private:
    std::vector<std::pair<std::string, DBKernel::Sql::Value>> conditions_;
};

class DaoFactory {
public:
    static DaoFactory& instance();

    // Entity is Country, ReturnReason or AutomaticDiscountType.
    template <class Entity>
    std::vector<Entity> find(const Filter& filter, TSessionHolder session) const;
};

}  // namespace Korvel::Dao
