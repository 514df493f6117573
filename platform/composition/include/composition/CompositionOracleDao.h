// The composition of a product: the product sets it belongs to, each with all its
// members, as the cash registers need them to recompose a set from its products.
// Sets and links marked Deleted are left out.
#pragma once

#include <cstdint>
#include <vector>

#include "composition/ProductSet.h"
#include "db/SessionHolder.h"

namespace Composition {

class ProductComposition {
public:
    explicit ProductComposition(std::vector<ProductSet> productSets) : productSets_(std::move(productSets)) {}

    // Ordered by set id; members of each set ordered by product reference.
    const std::vector<ProductSet>& getProductSets() const { return productSets_; }

private:
    std::vector<ProductSet> productSets_;
};

class CompositionOracleDao {
public:
    // Asked for every PLU sent: the statement is prepared once per session (the
    // kernel keeps it) and each call runs it once; inside a CompositionReadScope the
    // scope's snapshot answers instead.
    static ProductComposition getComposition(std::int64_t productRef, TSessionHolder& session);
};

}  // namespace Composition
