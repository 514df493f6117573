// Every live product set with its live members, read in one statement, and the sets
// each product belongs to; answers a product's composition as the single-product read
// would: sets by ascending id, members by ascending product reference.
#pragma once

#include <cstdint>
#include <vector>

#include "composition/CompositionOracleDao.h"
#include "db/SessionHolder.h"

namespace Composition {

class CompositionSnapshot {
public:
    explicit CompositionSnapshot(const TSessionHolder& session);

    ProductComposition compositionOf(std::int64_t productRef) const;

private:
    struct Membership {
        std::uint32_t product;
        std::uint32_t set;  // index into sets_
        friend auto operator<=>(const Membership&, const Membership&) = default;
    };

    std::vector<ProductSet> sets_;         // ascending id
    std::vector<Membership> memberships_;  // ascending product, then set
};

}  // namespace Composition
