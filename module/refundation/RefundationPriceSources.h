// The three sources of a refundation purchase price, for an enabled mechanism: their
// settings read, their statements prepared with the binds that hold for the whole
// transmission. RefundationPurchasePriceGetter.h describes the configuration and the
// order of the sources.
#pragma once

#include <cstdint>
#include <string>

#include "core/Money.h"
#include "db/Query.h"
#include "external/ExportedPlu.h"
#include "zentools/PurchasePriceGetter.h"

namespace Devices {

class RefundationPriceSources {
public:
    // Raises the getter's error when no supplier is marked as refunded.
    explicit RefundationPriceSources(TSessionHolder session);

    // Asks the sources in order; empty when none knows a price. A prediction that the
    // database cannot make (NULL, or no product row) is no price.
    OptPromotionRefundation find(std::int64_t productId, const std::string& productIndex, Core::Price salePrice);

private:
    OptPromotionRefundation fromRefundedSupplierConditions(std::int64_t productId, const std::string& productIndex);
    OptPromotionRefundation fromLastSupply(std::int64_t productId);
    OptPromotionRefundation fromPrediction(std::int64_t productId, Core::Price salePrice);

    int headOfficeIndexLength_;
    int today_;
    DBKernel::Sql::PreparedQuery conditions_;
    Zentools::PurchasePriceGetter lastSupply_;
    DBKernel::Sql::PreparedQuery prediction_;
};

}  // namespace Devices
