#include "refundation/RefundationPurchasePriceGetter.h"

#include "frame/Configuration.h"
#include "refundation/RefundationPriceSources.h"

namespace Devices {

RefundationPurchasePriceGetter::RefundationPurchasePriceGetter(TSessionHolder session) {
    if (Kolvenia::Config::key({"Parametry programu", "Refundacja promocji", "Włączona"}).GetVal<bool>())
        sources_ = std::make_unique<RefundationPriceSources>(std::move(session));
}

RefundationPurchasePriceGetter::~RefundationPurchasePriceGetter() = default;

OptPromotionRefundation RefundationPurchasePriceGetter::get(std::int64_t productId, const std::string& productIndex,
                                                            Core::Price salePrice) {
    if (!sources_) return std::nullopt;
    if (const auto known = answers_.find(productId); known != answers_.end()) return known->second;
    OptPromotionRefundation answer = sources_->find(productId, productIndex, salePrice);
    answers_.emplace(productId, answer);
    return answer;
}

}  // namespace Devices
