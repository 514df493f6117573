// Purchase prices of products, from the supplies the shop received (table Dostawa).
// One statement, prepared at construction and reused for every product: callers ask
// once per product of a transmission.
#pragma once

#include <cstdint>
#include <optional>

#include "db/Query.h"

namespace Zentools {

struct LastSupply {
    double price = 0;  // purchase price of one unit
    int date = 0;      // day number of the supply

    friend bool operator==(const LastSupply&, const LastSupply&) = default;
};

class PurchasePriceGetter {
public:
    explicit PurchasePriceGetter(TSessionHolder session);

    // The newest supply line of the product that carries a price; of several on the
    // same day, the one recorded last. Empty when the product was never supplied.
    std::optional<LastSupply> getLastSupply(std::int64_t productId);

private:
    DBKernel::Sql::PreparedQuery lastSupply_;
};

}  // namespace Zentools
