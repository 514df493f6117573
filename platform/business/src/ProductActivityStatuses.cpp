#include "business/ProductActivityStatuses.h"

#include <boost/format.hpp>

#include "core/Errors.h"
#include "db/Query.h"

namespace Core {

namespace {
const char* const kStatusesSql = "select productActivityStatusId, name, SaleBlocked from ProductActivityStatus";
}  // namespace

ProductActivityStatuses::ProductActivityStatuses(TSessionHolder session) {
    for (DBKernel::Sql::OpenedQuery row(kStatusesSql, std::move(session)); row; row.next()) {
        const int id = row["productActivityStatusId"].asInt();
        statuses_.try_emplace(id, id, row["name"].asString(), row["SaleBlocked"].asInt() != 0);
    }
}

const ProductActivityStatus& ProductActivityStatuses::findStatus(int id) const {
    const auto found = statuses_.find(id);
    if (found == statuses_.end())
        throw PlacedRuntimeError((boost::format("Nieznany status aktywności towaru: %1%.") % id).str(),
                                 CORE_SRC_INFO("ProductActivityStatuses::findStatus"));
    return found->second;
}

}  // namespace Core
