#include "products/ProductFeaturesCache.h"

#include "db/Query.h"

namespace Korvel::Products {

ProductFeaturesCache::ProductFeaturesCache(const TSessionHolder& session, const std::vector<int>& productIds) {
    if (productIds.empty()) return;
    for (int product : productIds) features_.try_emplace(product);
    // One pass over the table: a transmission caches most products that have features,
    // and an in-list per product would cost a round trip per thousand of them.
    DBKernel::Sql::OpenedQuery query("select product_id, name, value from ProductFeature", session);
    for (; query; query.next()) {
        const auto product = features_.find(query["product_id"].asInt());
        if (product != features_.end() && !query["value"].isNull())
            product->second.emplace(query["name"].asString(), query["value"].asString());
    }
}

std::optional<std::string> ProductFeaturesCache::findFeature(int productId, const std::string& featureName) const {
    const auto product = features_.find(productId);
    if (product == features_.end()) return std::nullopt;
    const auto feature = product->second.find(featureName);
    if (feature == product->second.end()) return std::nullopt;
    return feature->second;
}

}  // namespace Korvel::Products
