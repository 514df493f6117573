#include "CompositionSnapshot.h"

#include <algorithm>

#include "db/Query.h"

namespace Composition {

namespace {

// The single-product read's conditions, for every product at once.
const char* const kAllSetsSql =
    "select link.ProductSetId product_set_id, ps.name product_set_name, link.ProductId member_id\n"
    "  from ProductProductSetLink link, ProductSet ps\n"
    " where link.Deleted = 0\n"
    "   and ps.id = link.ProductSetId\n"
    "   and ps.Deleted = 0\n"
    " order by link.ProductSetId, link.ProductId";

}  // namespace

CompositionSnapshot::CompositionSnapshot(const TSessionHolder& session) {
    for (DBKernel::Sql::OpenedQuery row(kAllSetsSql, session); row; row.next()) {
        const auto setId = static_cast<std::uint32_t>(row["product_set_id"].asInt64());
        if (sets_.empty() || sets_.back().id != setId) sets_.push_back({setId, row["product_set_name"].asString(), {}});
        const auto member = static_cast<std::uint32_t>(row["member_id"].asInt64());
        sets_.back().productIds.push_back(member);
        memberships_.push_back({member, static_cast<std::uint32_t>(sets_.size() - 1)});
    }
    std::sort(memberships_.begin(), memberships_.end());
}

ProductComposition CompositionSnapshot::compositionOf(std::int64_t productRef) const {
    if (productRef < 0 || productRef > UINT32_MAX) return ProductComposition({});
    const auto product = static_cast<std::uint32_t>(productRef);
    auto first = std::lower_bound(memberships_.begin(), memberships_.end(), Membership{product, 0});
    std::vector<ProductSet> sets;
    for (; first != memberships_.end() && first->product == product; ++first) sets.push_back(sets_[first->set]);
    return ProductComposition(std::move(sets));
}

}  // namespace Composition
