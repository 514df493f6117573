// Turns the current row of the PLU dataset into the record the cash registers get.
// Holds the lookups that fill the record's derived fields; made once per transmission,
// so each lookup reads its table once.
#pragma once

#include <memory>
#include <optional>

#include "business/FinancialTransactionTypes.h"
#include "business/PackagePluCodes.h"
#include "business/ProductAutomaticDiscounts.h"
#include "composition/ProductSetLinks.h"
#include "core/Money.h"
#include "db/DataSet.h"
#include "external/ExportedPlu.h"
#include "external/PLUSenderArgs.h"
#include "products/IProductFeaturesCache.h"
#include "refundation/RefundationPurchasePriceGetter.h"

namespace PluTransmission {

class ExportedPluBuilder {
public:
    ExportedPluBuilder(TSessionHolder session, Devices::IPluDeletionPredicatePtr deletionPredicate,
                       Korvel::Products::IProductFeaturesCachePtr productFeatures);

    // Empty for a blocked PLU (no record at all, not a removal). Raises
    // "Towar nie posiada przypisanej stawki VAT." for a product without a VAT rate.
    // `links` are the product-set links of the sender's package.
    std::optional<Kolvenia::ExportedPlu> build(Db::TDataSet& row, Core::Price price,
                                               const Composition::ProductSetLinks& links);

    // Features of products the dataset did not cache (the send-all run) read as none.
    static constexpr const char* KitchenTypeFeature = "Kitchen type";

private:
    void fillProduct(Kolvenia::ExportedPlu& plu, Db::TDataSet& row);
    void fillLookups(Kolvenia::ExportedPlu& plu, Db::TDataSet& row, Core::Price price,
                     const Composition::ProductSetLinks& links);

    Devices::IPluDeletionPredicatePtr deletionPredicate_;
    Korvel::Products::IProductFeaturesCachePtr productFeatures_;
    Business::FinancialTransactionTypes financialTransactionTypes_;
    Business::ProductAutomaticDiscounts automaticDiscounts_;
    Business::PackagePluCodes packagePluCodes_;
    Devices::RefundationPurchasePriceGetter refundation_;
};

}  // namespace PluTransmission
