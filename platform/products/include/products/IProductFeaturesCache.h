// Product features: named values a shop attaches to products ("Kitchen type" names
// the kitchen printer of a dish). A cache holds those of a set of products in memory,
// so that a transmission looks them up per record without a query.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace Korvel::Products {

class IProductFeaturesCache {
public:
    virtual ~IProductFeaturesCache() = default;

    // The product's value of the named feature (names compare exactly); empty when
    // the product does not have the feature or was not cached.
    virtual std::optional<std::string> findFeature(int productId, const std::string& featureName) const = 0;
};

using IProductFeaturesCachePtr = std::shared_ptr<const IProductFeaturesCache>;

}  // namespace Korvel::Products
