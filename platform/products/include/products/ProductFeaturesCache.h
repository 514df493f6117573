// The features of a set of products, read from the shop database in one query
// (table ProductFeature: product_id, name, value).
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/SessionHolder.h"
#include "products/IProductFeaturesCache.h"

namespace Korvel::Products {

class ProductFeaturesCache : public IProductFeaturesCache {
public:
    // Reads the features of the listed products; those of other products are skipped.
    ProductFeaturesCache(const TSessionHolder& session, const std::vector<int>& productIds);

    std::optional<std::string> findFeature(int productId, const std::string& featureName) const override;

private:
    using Features = std::map<std::string, std::string, std::less<>>;
    std::unordered_map<int, Features> features_;
};

}  // namespace Korvel::Products
