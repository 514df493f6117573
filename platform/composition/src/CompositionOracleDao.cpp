#include "composition/CompositionOracleDao.h"

#include "composition/CompositionReadScope.h"
#include "db/Query.h"

namespace Composition {

namespace {

// One row per member of every set that holds the product.
const char* const kCompositionSql =
    "select ps.id product_set_id, ps.name product_set_name, member.ProductId member_id\n"
    "  from ProductProductSetLink own, ProductSet ps, ProductProductSetLink member\n"
    " where own.ProductId = :product_id\n"
    "   and own.Deleted = 0\n"
    "   and ps.id = own.ProductSetId\n"
    "   and ps.Deleted = 0\n"
    "   and member.ProductSetId = ps.id\n"
    "   and member.Deleted = 0\n"
    " order by own.ProductSetId, member.ProductId";

}  // namespace

ProductComposition CompositionOracleDao::getComposition(std::int64_t productRef, TSessionHolder& session) {
    if (auto held = CompositionReadScope::compositionFor(productRef, session)) return std::move(*held);
    DBKernel::Sql::PreparedQuery members(kCompositionSql, session);
    members.Params["product_id"] = productRef;
    members.execute();
    std::vector<ProductSet> sets;
    for (; members; members.next()) {
        const auto setId = static_cast<std::uint32_t>(members["product_set_id"].asInt64());
        if (sets.empty() || sets.back().id != setId)
            sets.push_back({setId, members["product_set_name"].asString(), {}});
        sets.back().productIds.push_back(static_cast<std::uint32_t>(members["member_id"].asInt64()));
    }
    return ProductComposition(std::move(sets));
}

}  // namespace Composition
