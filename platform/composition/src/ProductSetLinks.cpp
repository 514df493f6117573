#include "composition/ProductSetLinks.h"

#include <algorithm>

#include "db/Query.h"

namespace Composition {

namespace {
const char* const kLinksSql =
    "\n select\n   ProductId\n , ProductSetId\n from\n ProductProductSetLink\n where Deleted = 0";
}  // namespace

ProductSetLinks::ProductSetLinks(TSessionHolder session) {
    for (DBKernel::Sql::OpenedQuery link(kLinksSql, std::move(session)); link; link.next())
        setsByProduct_[link["ProductId"].asInt64()].push_back(
            static_cast<std::uint32_t>(link["ProductSetId"].asInt64()));
    // The statement gives no order; a record's links must not change from run to run.
    for (auto& [product, sets] : setsByProduct_) std::sort(sets.begin(), sets.end());
}

const std::vector<std::uint32_t>& ProductSetLinks::productSetIds(std::int64_t productId) const {
    static const std::vector<std::uint32_t> none;
    const auto found = setsByProduct_.find(productId);
    return found == setsByProduct_.end() ? none : found->second;
}

std::string ProductSetLinks::compositionLinks(std::int64_t productId) const {
    std::string links;
    for (const std::uint32_t set : productSetIds(productId)) {
        if (!links.empty()) links += ' ';
        links += std::to_string(set);
    }
    return links;
}

}  // namespace Composition
